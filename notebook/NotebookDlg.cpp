#include "notebook/NotebookDlg.h"

#include <utility>

#include "notebook/OpenMergeDialog.h"
#include "notebook/PageText.h"
#include "notebook/ZnNotebook.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/Input.h"
#include "platform/ui/MessageBox.h"
#include "resources/ResourceIds.h"
#include "resources/StringTable.h"

using namespace zn::ui;

namespace notebook {

namespace {

ZnsStringW fileTitle(const ZnsStringW& path) {
    size_t slash = path.find_last_of(u"/\\");
    ZnsStringW name = slash == ZnsStringW::npos ? path : path.substr(slash + 1);
    if (size_t dot = name.rfind(u'.'); dot != ZnsStringW::npos && dot > 0)
        name.erase(dot);
    return name;
}

} // namespace

CNotebook::CNotebook(CWnd* parent) : CxDialog(IDD, parent) {}

CNotebook::~CNotebook() {
    SetNotebookObject(nullptr);
}

bool CNotebook::CreateModeless(CWnd* parent) {
    m_pParentWnd = parent;
    m_modeless = true;
    return Create(IDD, parent);
}

void CNotebook::SetNotebookObject(CZnNotebook* object) {
    if (object)
        object->AddRef();
    if (CZnNotebook* old = std::exchange(m_object, object))
        old->Release();
}

void CNotebook::PostNcDestroy() {
    if (!m_autoDelete)
        return;
    if (m_object)
        m_object->NotebookGone(this);
    SetNotebookObject(nullptr);
    delete this;
}

BOOL CNotebook::OnInitDialog() {
    CxDialog::OnInitDialog();
    SetIcon(101, true);
    SetIcon(101, false);
    mapCommands();
    mapTableCommands();
    createToolBars();
    Pages().Tree().SubclassDlgItem(IDC_NOTEBOOK_TREE, this);
    if (CNotebookTree::CreateImageList(m_images))
        Pages().Tree().SetImageList(&m_images, TVSIL_NORMAL);
    m_view.SubclassDlgItem(IDC_PAGE_VIEW, this);
    m_view.InitControl();
    m_view.SetReadOnly(true);
    createTableControls();
    attachSplitter();
    layout(GetClientRect().Width(), GetClientRect().Height());
    restoreSettings();
    addToolTips();

    // A name given before the window existed was only recorded.
    ZnsStringW remembered = GetFileName();
    NewNotebook(true);
    if (!remembered.empty())
        LoadNotebook(remembered, kOpen);
    // An import the notebook could not save at once stays modified, so closing asks.
    ImportOldDefaultFiles();
    updateCaption();
    showSelection();
    Pages().Tree().SetFocus();
    return FALSE;
}

void CNotebook::mapCommands() {
    OnCommandId(ID_NEW_BOOK, [this] { newBook(); });
    OnCommandId(ID_OPEN_BOOK, [this] { openBook(); });
    OnCommandId(ID_SAVE_BOOK, [this] { save(); });
    OnCommandId(ID_SAVE_BOOK_AS, [this] { saveAs(); });
    OnCommandId(ID_ADD_PARTITION, [this] { addItem(kPartition); });
    OnCommandId(ID_ADD_PAGE, [this] { addItem(kTextPage); });
    OnCommandId(ID_RENAME, [this] { rename(); });
    OnCommandId(ID_DELETE, [this] { deleteSelection(); });
    OnCommandId(ID_EDIT_PAGE, [this] { toggleEditPage(); });
    OnCommandId(ID_FIND, [this] { openFind(); });
    OnCommandId(ID_TRANSFER, [this] { Transfer(); });
    OnNotifyCode(IDC_NOTEBOOK_TREE, TVN_SELCHANGED, [this](NMHDR*) {
        showSelection();
        return LRESULT(0);
    });
    OnNotifyCode(IDC_NOTEBOOK_TREE, TVN_BEGINLABELEDIT,
                 [this](NMHDR*) { return beginLabelEdit(); });
    OnNotifyCode(IDC_NOTEBOOK_TREE, TVN_ENDLABELEDIT, [this](NMHDR* header) {
        return endLabelEdit(*reinterpret_cast<NMTVDISPINFO*>(header));
    });
    OnNotifyCode(IDC_NOTEBOOK_TREE, TVN_BEGINDRAG, [this](NMHDR* header) {
        beginDrag(reinterpret_cast<NMTREEVIEW*>(header)->itemNew);
        return LRESULT(0);
    });
    OnNotifyCode(IDC_NOTEBOOK_TREE, NM_RCLICK, [this](NMHDR* header) {
        auto* info = reinterpret_cast<NMTREEVIEW*>(header);
        if (info->itemNew)
            Pages().Tree().SelectItem(info->itemNew);
        showContextMenu(Pages().Tree().ClientToScreen(info->ptDrag));
        return LRESULT(1);
    });
}

bool CNotebook::IsCommandEnabled(UINT id) const {
    HTREEITEM selected = Pages().Tree().GetSelectedItem();
    int type = selected ? Pages().PageType(selected) : kPartition;
    switch (id) {
    case ID_ADD_PARTITION:
        return m_viewing;
    case ID_ADD_PAGE:
    case ID_ADD_TABLE:
        return m_viewing && selected;
    case ID_RENAME:
        return m_viewing && selected && selected != Pages().Root() && type != kHistory &&
               type != kFindResult;
    case ID_DELETE:
        return m_viewing && selected && type != kHistory && type != kFindResult;
    case ID_EDIT_PAGE:
        return selected && (type == kTextPage || type == kTablePage);
    case ID_TRANSFER:
        return m_viewing &&
               ((m_view.IsWindowVisible() && m_view.GetSelStart() != m_view.GetSelEnd()) ||
                (m_grid.IsWindowVisible() && m_grid.GetSelectedCount() > 0));
    default:
        return isTableCommand(id) ? isTableCommandEnabled(id) : true;
    }
}

bool CNotebook::IsCommandChecked(UINT id) const {
    return id == ID_EDIT_PAGE && !m_viewing;
}

void CNotebook::OnFileNameChanged() {
    updateCaption();
}

void CNotebook::OnNotebookCreated() {
    if (m_hWnd)
        showSelection();
}

void CNotebook::updateCaption() {
    if (m_hWnd)
        SetWindowTextW(fileTitle(GetFileName()) + u" - " + res::LoadStringW(32843));
}

void CNotebook::OnSize(UINT, int cx, int cy) {
    layout(cx, cy);
}

void CNotebook::showSelection() {
    finishPageEdit();
    HTREEITEM item = Pages().Tree().GetSelectedItem();
    NotebookPage* page = item ? Pages().GetPage(item) : nullptr;
    // The root and every partition show the cover, even a partition a file gave a page.
    if (page && page->type == kPartition)
        page = Pages().GetOwnPage(Pages().Root());
    bool table = page && page->type == kTablePage;
    m_view.ShowWindow(table ? SW_HIDE : SW_SHOW);
    m_view.m_viewMode = 1;
    m_view.SetReadOnly(false);
    if (page && !table)
        m_view.SetContent(page->text,
                          IsRtf(page->text) ? editor::kContentRtf : editor::kContentPlain);
    else
        m_view.SetContent(u"", editor::kContentPlain);
    m_view.SetReadOnly(true);
    m_view.SetModify(false);
    showTable(page);
    updateCommands();
}

void CNotebook::toggleEditPage() {
    if (!m_viewing) {
        finishPageEdit();
        Pages().Tree().SetFocus();
        return;
    }
    if (!IsCommandEnabled(ID_EDIT_PAGE))
        return;
    m_viewing = false;
    Pages().Tree().EnableWindow(false);
    if (Pages().PageType(Pages().Tree().GetSelectedItem()) == kTablePage) {
        m_table.Start();
        updateTableBar();
        updateCommands();
        m_grid.SetFocus();
        return;
    }
    m_view.m_viewMode = 0;
    m_view.SetReadOnly(false);
    m_view.SetModify(false);
    updateCommands();
    m_view.SetFocus();
}

void CNotebook::finishPageEdit() {
    if (m_viewing)
        return;
    m_viewing = true;
    HTREEITEM item = Pages().Tree().GetSelectedItem();
    NotebookPage* page = item ? Pages().GetOwnPage(item) : nullptr;
    if (m_table.IsEditing()) {
        finishTableEdit(page);
    } else if (page) {
        if (m_view.GetModify())
            SetModified();
        ZnsStringW rtf;
        if (m_view.GetContent(rtf, editor::kContentRtf))
            page->text = rtf;
    }
    m_view.m_viewMode = 1;
    m_view.SetReadOnly(true);
    Pages().Tree().EnableWindow(true);
    updateCommands();
}

bool CNotebook::PreTranslateMessage(MSG& msg) {
    if (msg.message == WM_KEYDOWN) {
        // Enter always reaches the focused control.
        if (msg.wParam == VK_RETURN)
            return false;
        bool ctrl = GetKeyState(VK_CONTROL) < 0;
        if (msg.wParam == VK_F3 || (ctrl && msg.wParam == 'F')) {
            openFind();
            return true;
        }
        if (msg.wParam == VK_ESCAPE) {
            if (Pages().Tree().GetEditControl() || !m_viewing)
                return false;
            OnCancel();
            return true;
        }
    }
    return CxDialog::PreTranslateMessage(msg);
}

LRESULT CNotebook::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == RegisterWindowMessageW(FINDMSGSTRING) && lParam) {
        onFindRequest(*reinterpret_cast<const FINDREPLACE*>(lParam));
        return 0;
    }
    if (message == editor::CReqpadView::TransferMessage()) {
        onTransferMessage();
        return 0;
    }
    if (message == kStartLabelEdit) {
        HTREEITEM item = reinterpret_cast<HTREEITEM>(lParam);
        bool exists = false;
        Pages().ForEachItem([&](HTREEITEM each, int) { exists = exists || each == item; });
        if (exists && !Pages().Tree().EditLabel(item))
            m_labelEditPermitted = false;
        return 0;
    }
    if (message == kPageViewMessage)
        return m_view.SendMessage(message, wParam, lParam);
    if (message == kNotebookQuery)
        return 1;
    if (message == WM_PASTE && !m_viewing)
        return m_view.SendMessage(WM_PASTE, wParam, lParam);
    if (message == WM_IDLEUPDATECMDUI) {
        // The splitter moves its panes alone; the bars standing on the page's place follow.
        placePageBars();
        updateCommands();
    }
    if (message == WM_LBUTTONUP && m_dragged) {
        drop(ClientToScreen(CPoint{short(LOWORD(lParam)), short(HIWORD(lParam))}));
        return 0;
    }
    return CxDialog::WindowProc(message, wParam, lParam);
}

void CNotebook::OnCancel() {
    CloseNotebook();
}

bool CNotebook::CloseNotebook() {
    if (!askToSave())
        return false;
    SaveViewState();
    if (m_find) {
        CNotebookFindDlg* find = std::exchange(m_find, nullptr);
        find->DestroyWindow();
    }
    if (IDictionaryCallback* callback = m_object ? m_object->GetCallback() : nullptr)
        callback->WindowClosed(m_hWnd);
    Pages().Clear();
    if (m_modeless)
        DestroyWindow();
    else
        EndDialog(IDCANCEL);
    return true;
}

// --- Files ----------------------------------------------------------------------------------

bool CNotebook::askToSave() {
    finishPageEdit();
    if (!IsModified())
        return true;
    int answer =
        AfxMessageBox(res::LoadStringW(res::IDS_SAVE_CHANGES), MB_YESNOCANCEL | MB_ICONQUESTION);
    if (answer == IDCANCEL)
        return false;
    return answer == IDNO || save();
}

void CNotebook::newBook() {
    if (!askToSave())
        return;
    NewNotebook(true);
    SetModified(false);
    showSelection();
}

void CNotebook::openBook() {
    if (!askToSave())
        return;
    COpenMergeDialog dialog(this);
    if (dialog.DoModal() != IDOK)
        return;
    int mode = dialog.Merge() ? kMerge : kOpen;
    if (LoadNotebook(dialog.GetPathName(), mode))
        SetModified(false);
    showSelection();
}

bool CNotebook::save() {
    finishPageEdit();
    if (GetFileName().empty())
        return saveAs();
    return SaveNotebook(GetFileName()) == 1;
}

bool CNotebook::saveAs() {
    finishPageEdit();
    CFileDialog dialog(false, u"ntb", GetFileName(), OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                       res::LoadStringW(32854), this);
    if (dialog.DoModal() != IDOK)
        return false;
    return SaveNotebook(dialog.GetPathName()) == 1;
}

} // namespace notebook
