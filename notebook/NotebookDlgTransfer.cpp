// The notebook window's transfer: the selected text goes to whoever opened the window, in
// the forms its mode flags ask for, and into History.
#include "editor/ItemPrefix.h"
#include "notebook/NotebookDlg.h"
#include "notebook/NotebookHistory.h"
#include "notebook/PageText.h"
#include "notebook/ZnNotebook.h"
#include "platform/text/CodePage.h"
#include "platform/ui/Clipboard.h"

using namespace zn::ui;

namespace notebook {

namespace {

// A single line: without the item number in front and one trailing LF and CR.
ZnsStringW singleLine(ZnsStringW text) {
    if (editor::ItemPrefix prefix = editor::ParseItemPrefix(text))
        text.erase(0, size_t(prefix.length));
    if (!text.empty() && text.back() == u'\n')
        text.pop_back();
    if (!text.empty() && text.back() == u'\r')
        text.pop_back();
    return text;
}

// The RTF of a selection ends at its last closing brace.
ZnsStringW trimRtf(ZnsStringW rtf) {
    if (size_t brace = rtf.rfind(u'}'); brace != ZnsStringW::npos)
        rtf.erase(brace + 1);
    return rtf;
}

} // namespace

void CNotebook::SetTransferCallback(TransferFunction function, std::uintptr_t context) {
    m_transferFunction = function;
    m_transferContext = context;
}

void CNotebook::onTransferMessage() {
    HTREEITEM item = Pages().Tree().GetSelectedItem();
    if (!item || Pages().PageType(item) == kPartition)
        return;
    // A pick without a selection takes the item under the caret.
    int start = 0, end = 0;
    m_view.GetSel(start, end);
    if (start == end)
        m_view.SelectItem(start);
    Transfer();
}

int CNotebook::Transfer() {
    // A table page hands over its selected cells instead of the page view's selection.
    const bool cells = m_grid.IsWindowVisible();
    int start = 0, end = 0;
    m_view.GetSel(start, end);
    if (cells ? !m_viewing || m_grid.GetSelectedCount() == 0
              : start == end || !m_view.IsWindowVisible())
        return 1;
    bool refused = false;
    auto deliver = [&](const ZnsStringW& text, int format) {
        m_lastTransferred = text;
        if (m_transferFunction && !m_transferFunction(text, format, m_transferContext))
            refused = true;
    };
    CWnd* parent = GetParent() ? GetParent() : GetOwner();
    ZnsStringW plain = cells ? SelectedCellsText(m_grid) : m_view.GetSelText();
    zn::replaceAll(plain, u"\r", u"\n");
    auto rtf = [&] {
        return cells ? RtfOfPlainText(plain) : trimRtf(zn::ansiToWide(m_view.GetRtf(true)));
    };
    // Cells go into History as one numbered item.
    const ZnsStringW historyText = cells ? u"1. " + plain : plain;
    auto copy = [&] {
        if (cells)
            SetClipboardText(this, plain);
        else
            m_view.OnCopy();
    };
    if (IDictionaryCallback* callback = m_object ? m_object->GetCallback() : nullptr) {
        // The opener's callback takes one text, in the richest form the flags ask for.
        ZnsStringW text = (m_transferMode & kTransferRtf)          ? rtf()
                          : (m_transferMode & kTransferSingleLine) ? singleLine(plain)
                                                                   : plain;
        if (m_transferMode & kTransferCopyNotify)
            copy();
        m_lastTransferred = text;
        refused = FAILED(callback->ReceiveText(text, 0));
        return finishTransfer(historyText, refused);
    }
    // The control's own copy: whole items go on the clipboard as items, so an editor that
    // pastes them adds them as items of its own.
    if (m_transferMode & kTransferCopyNotify) {
        copy();
        m_lastTransferred = plain;
        if (parent) {
            NMHDR header{m_hWnd, std::uintptr_t(GetDlgCtrlID()), int(kCopiedNotification)};
            parent->SendMessage(WM_NOTIFY, WPARAM(GetDlgCtrlID()), LPARAM(&header));
        }
    }
    if (m_transferMode & kTransferCopyPaste) {
        copy();
        m_lastTransferred = plain;
        if (parent)
            parent->SendMessage(WM_PASTE);
    }
    if (m_transferMode & kTransferRtf)
        deliver(rtf(), 2);
    if (m_transferMode & kTransferPlain)
        deliver(plain, 0);
    if (m_transferMode & kTransferSingleLine)
        deliver(singleLine(plain), 3);
    return finishTransfer(historyText, refused);
}

int CNotebook::finishTransfer(const ZnsStringW& plain, bool refused) {
    if (refused)
        return 0;
    if (HTREEITEM history = Pages().FindSpecial(kHistory)) {
        NotebookPage* page = Pages().GetOwnPage(history);
        // History alone does not ask "Save changes?" of a notebook that closes on transfer.
        page->text = AddToHistory(page->text, SplitItems(plain));
    }
    if (m_transferMode & kTransferClose)
        CloseNotebook();
    return 1;
}

} // namespace notebook
