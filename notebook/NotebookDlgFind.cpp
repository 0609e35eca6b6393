// The notebook window's search: the find dialog's requests, Find Next from the selected
// item and the caret, and Find All into the Find result page.
#include "notebook/NotebookDlg.h"
#include "notebook/NotebookSearch.h"
#include "platform/ui/Cursor.h"
#include "platform/ui/MessageBox.h"
#include "resources/ResourceIds.h"
#include "resources/StringTable.h"

using namespace zn::ui;

namespace notebook {

void CNotebook::openFind() {
    if (m_find) {
        m_find->ShowWindow(SW_SHOW);
        SetActiveWindow(m_find);
        return;
    }
    m_find = new CNotebookFindDlg;
    if (!m_find->Create(m_lastSearch, m_lastSearchFlags, this))
        m_find = nullptr; // a window that failed to come deleted itself
}

void CNotebook::onFindRequest(const FINDREPLACE& request) {
    constexpr std::uint32_t kRemembered = kFindWholeWord | kFindMatchCase | kFindAllPartitions;
    m_lastSearch = request.findWhat;
    m_lastSearchFlags = request.Flags & kRemembered;
    if (request.Flags & FR_DIALOGTERM) {
        m_find = nullptr;
        return;
    }
    finishPageEdit();
    if (request.Flags & kFindAll)
        findAll(request.findWhat, request.Flags & kRemembered);
    else if (request.Flags & FR_FINDNEXT)
        findNext(request.findWhat, request.Flags & kRemembered);
}

void CNotebook::findNext(const ZnsStringW& text, std::uint32_t flags) {
    HTREEITEM start = Pages().Tree().GetSelectedItem();
    // A text page goes on behind the selection in the page view.
    int position = 0;
    if (start && Pages().PageType(start) == kTextPage)
        position = m_view.GetSelEnd();
    else if (start && Pages().PageType(start) == kTablePage)
        position = tableSearchPosition();
    FindHit hit = CNotebookSearch(Pages()).FindNext(start, text, flags, position);
    if (!hit.item) {
        AfxMessageBox(res::LoadStringW(res::IDS_STRING_NOT_FOUND), MB_ICONEXCLAMATION);
        return;
    }
    if (Pages().Tree().GetSelectedItem() != hit.item) {
        Pages().Tree().ClearSelection();
        Pages().Tree().SelectItem(hit.item);
        Pages().Tree().EnsureVisible(hit.item);
    }
    if (Pages().PageType(hit.item) == kTextPage) {
        m_view.SetSel(hit.start, hit.end);
        m_view.ScrollCaret();
    } else if (Pages().PageType(hit.item) == kTablePage) {
        showTableHit(Pages().GetOwnPage(hit.item)->text, hit.start);
    }
}

void CNotebook::findAll(const ZnsStringW& text, std::uint32_t flags) {
    CWaitCursor wait;
    CNotebookSearch search(Pages());
    std::vector<FindHit> hits = search.FindAll(Pages().Tree().GetSelectedItem(), text, flags);
    HTREEITEM result = Pages().FindSpecial(kFindResult);
    if (!result)
        return;
    Pages().GetOwnPage(result)->text = search.ResultText(hits);
    Pages().Tree().ClearSelection();
    if (Pages().Tree().GetSelectedItem() == result)
        showSelection();
    else
        Pages().Tree().SelectItem(result);
}

} // namespace notebook
