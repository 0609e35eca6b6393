// The editor dialog: its children and their layout, settings, the commands it handles after
// the control had its turn, and the ways it ends.
#include "editor/ReqpadDlg.h"

#include "host/Services.h"
#include "host/StoredPlacement.h"
#include "notebook/NotebookCallbackDefault.h"
#include "notebook/ZnNotebook.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Resources.h"
#include "resources/ResourceIds.h"

namespace editor {

using namespace zn::ui;

namespace {

constexpr int IDC_EDITOR = 12014;
constexpr int IDC_PLACE = 12015;
constexpr int IDC_HELP_PLACE = 12011;
constexpr int IDC_MAIN_PLACE = 12010;
constexpr int IDC_NOTEBOOK_PLACE = 12012;
constexpr int IDC_LINE = 12013;
constexpr int IDC_RULER = 12016;

constexpr UINT ID_FILE_CLEAR = 57600;
constexpr UINT ID_FILE_CLOSE = 57602;
constexpr UINT ID_VIEW_RULER = 32826;
constexpr UINT ID_NOTEPAD = 32801;
// The notebook's mode flag: a transfer goes to the clipboard and this dialog hears of it.
constexpr std::uint32_t kNotebookCopyNotify = 0x10;

constexpr UINT IDS_EDIT_POPUP = 51;
constexpr UINT IDS_DEFAULT_TITLE = 32844;
constexpr UINT IDS_APPLY_CORRECTIONS = 61002;
constexpr UINT IDS_VIEW_BUTTON = 10;

constexpr const char16_t* kSettingsSection = u"ZNSTT";
constexpr const char16_t* kPlacementKey = u"ReqpadDialog";
constexpr const char16_t* kRulerKey = u"ReqpadDialog.RulerOn";

constexpr CSize kMinTrackSize{250, 200};
constexpr int kRulerHeight = 23;
constexpr int kMargin = 5;
constexpr int kButtonGap = 10;

const CxToolBar::Button kMainButtons[] = {
    {ID_FILE_CLEAR, 211},        {ID_FILE_OPEN, 684},         {ID_FILE_SAVE, 685},
    {0, 0},                      {ID_ADD_ITEM, 212},          {ID_DELETE_ITEMS, 213},
    {0, 0},                      {ID_MOVE_ITEM_DOWN, 214},    {ID_MOVE_ITEM_UP, 215},
    {0, 0},                      {ID_FT_SUPERSCRIPT, 216},    {ID_FT_SUBSCRIPT, 217},
    {0, 0},                      {ID_INSERT_SYMBOL, 46},      {ID_INSERT_FRACTION, 218},
    {ID_INSERT_TOLERANCE, 219},  {ID_INSERT_MATERIAL, 220},   {ID_CALCULATOR, 325},
    {0, 0},                      {ID_INSERT_POSITION, 221},   {ID_INSERT_VIEW, 222},
};

const UINT kInsertButtons[] = {ID_INSERT_SYMBOL,   ID_INSERT_FRACTION, ID_INSERT_TOLERANCE,
                               ID_INSERT_MATERIAL, ID_INSERT_POSITION, ID_INSERT_VIEW};

ZnPtr<IZnSettingsSection> settings() {
    ZnPtr<IZnSettingsSection> section;
    if (gpZnContext)
        gpZnContext->OpenSettingsSection(kSettingsSection, section.put());
    return section;
}

// Host default parameter 7117: 0 single, 1 one and a half, 2 double spacing.
int defaultLineSpacing() {
    ZNSVariant value;
    if (!gpZnDefParamManager || FAILED(gpZnDefParamManager->GetValue(7117, value)))
        return 20;
    switch (value.AsInteger().value_or(0)) {
    case 1:
        return 30;
    case 2:
        return 40;
    default:
        return 20;
    }
}

CSize sizeOf(const CWnd& window) {
    CRect rect = window.GetRectInParent();
    return {rect.Width(), rect.Height()};
}

} // namespace

ReqpadDlg::ReqpadDlg(CWnd* parent) : CxDialog(IDD, parent) {
    mapCommands();
}

ReqpadDlg::~ReqpadDlg() = default;

void ReqpadDlg::SetContent(const ZnsStringW& text, int kind, const ZnsArray<ZnsLink>* links) {
    m_content = text;
    m_contentKind = kind;
    if (links)
        editor.m_specLinks = *links;
}

void ReqpadDlg::SetTitle(const ZnsStringW& title, int tdMode) {
    m_title = title;
    m_tdMode = tdMode;
}

void ReqpadDlg::SetReferencedItems(const ZnsArray<std::int32_t>& numbers) {
    editor.m_referencedItems = numbers;
}

void ReqpadDlg::GetContent(ZnsStringW& text, ZnsArray<ZnsLink>* links) const {
    text = m_content;
    if (links)
        *links = editor.m_specLinks;
}

void ReqpadDlg::GetReferencedItems(ZnsArray<std::int32_t>& numbers) const {
    numbers = editor.m_referencedItems;
}

bool ReqpadDlg::CreateHidden(CWnd* parent) {
    m_hidden = true;
    // The template has no visible style, so the modeless dialog never shows.
    return Create(IDD, parent) && GetSafeHwnd();
}

void ReqpadDlg::TakeContent() {
    editor.GetContent(m_content, m_contentKind);
}

void ReqpadDlg::CloseHidden() {
    if (GetSafeHwnd())
        DestroyWindow();
}

// --- Initialisation ---------------------------------------------------------------------

BOOL ReqpadDlg::OnInitDialog() {
    CxDialog::OnInitDialog();
    m_result = kResultCancel;
    SetIcon(m_icon, true);
    SetIcon(m_icon, false);
    SetMinTrackSize(kMinTrackSize);
    bool rulerOn = true;
    readSettings(rulerOn);
    if (!createChildren()) {
        EndDialog(-1);
        return FALSE;
    }
    if (rulerOn) {
        m_ruler.ShowWindow(SW_SHOW);
        m_menu.CheckMenuItem(ID_VIEW_RULER, MF_CHECKED);
    }
    SetWindowTextW(m_title.empty() ? LoadStringW(IDS_DEFAULT_TITLE) : m_title);
    editor.InitControl();
    if (m_content.empty())
        clear();
    else
        editor.SetContent(m_content, m_contentKind);
    if (m_item != -1) {
        // The item's prefix sits at a paragraph start; select the item that carries it.
        for (int position = 0; position >= 0; position = editor.ItemEnd(position)) {
            editor.SetSel(position, position);
            if (editor.CaretItemNumber() == m_item) {
                editor.SelectItem(position);
                break;
            }
            if (editor.ItemEnd(position) < 0)
                break;
        }
    }
    if (CWnd* place = GetDlgItem(IDC_PLACE))
        place->EnableWindow((editor.m_allowedInserts & kAllowPlace) != 0);
    layout();
    // Built hidden, the dialog must not take the focus from the window the user is in.
    if (!m_hidden)
        editor.SetFocus();
    editor.SetModify(false);
    editor.TakeUndoSnapshot();
    editor.m_undoAvailable = 0;
    editor.UpdateInterface();
    updateStates();
    return FALSE; // the focus is on the control already
}

void ReqpadDlg::readSettings(bool& rulerOn) {
    ZnPtr<IZnSettingsSection> section = m_hidden ? nullptr : settings();
    if (!section)
        return;
    RestoreStoredPlacement(*section, kPlacementKey, *this);
    rulerOn = section->GetInt(kRulerKey, 1) != 0;
}

void ReqpadDlg::writeSettings() {
    ZnPtr<IZnSettingsSection> section = m_hidden ? nullptr : settings();
    if (!section)
        return;
    StorePlacement(*section, kPlacementKey, *this);
    if (m_ruler.GetSafeHwnd())
        section->WriteInt(kRulerKey, std::int32_t(m_ruler.GetStyle() & WS_VISIBLE));
}

bool ReqpadDlg::createChildren() {
    if (!createToolBars())
        return false;
    createMenu();
    if (!editor.SubclassDlgItem(IDC_EDITOR, this))
        return false;
    RouteCommandsTo(&editor);
    addToolTips();
    if (!m_ruler.Create(this, WS_CHILD, IDC_RULER))
        return false;
    m_ruler.SetOwner(&editor);
    return true;
}

bool ReqpadDlg::createToolBars() {
    // The bars' commands come to the dialog, which offers each to the control first.
    if (!m_mainToolBar.Create(this, IDC_MAIN_PLACE) ||
        !m_mainToolBar.AddButtons(kMainButtons, [](UINT command) {
            return command == ID_INSERT_VIEW ? LoadStringW(IDS_VIEW_BUTTON) : ZnsStringW();
        }))
        return false;
    return m_helpToolBar.Create(this, IDC_HELP_PLACE) && m_helpToolBar.AddButton(ID_HELP, 0) &&
           m_notebookToolBar.Create(this, IDC_NOTEBOOK_PLACE) &&
           m_notebookToolBar.AddButton(ID_NOTEPAD, 227);
}

void ReqpadDlg::createMenu() {
    if (!m_menu.LoadMenu(res::IDR_REQPAD))
        return;
    m_editPopup.CreatePopupMenu();
    editor.AppendEditEntries(m_editPopup, true);
    m_menu.InsertMenu(1, MF_BYPOSITION | MF_POPUP, m_editPopup, LoadStringW(IDS_EDIT_POPUP));
    editor.SetEditMenu(&m_editPopup);
    SetMenu(&m_menu);
}

void ReqpadDlg::addToolTips() {
    if (!m_toolTips.Create(this))
        return;
    m_toolTips.SetMaxTipWidth(254);
    m_toolTips.Activate(true);
    for (CWnd* child : GetChildren()) {
        int id = child->GetDlgCtrlID();
        if (id > 0 && !LoadStringW(UINT(id)).empty())
            m_toolTips.AddTool(child, UINT(id));
    }
}

// --- Commands ---------------------------------------------------------------------------

void ReqpadDlg::mapCommands() {
    OnCommandId(IDC_PLACE, [this] { endWith(kResultPlace); });
    OnCommandId(ID_FILE_CLEAR, [this] { clear(); });
    OnCommandId(ID_FILE_CLOSE, [this] { SendMessage(WM_CLOSE); });
    OnCommandId(ID_VIEW_RULER, [this] { toggleRuler(); });
    OnCommandId(ID_NOTEPAD, [this] { openNotebook(); });
    OnCommandId(ID_CALCULATOR, [this] { openCalculator(); });
    OnCommandId(ID_HELP, [this] { OnHelpCall(); });
}

void ReqpadDlg::clear() {
    if (!m_hidden)
        editor.SetFocus();
    {
        InternalChange guard(editor);
        editor.SetSel(0, -1);
        editor.ResetSelectionToDefault();
        editor.ReplaceSel(u"", false);
    }
    if (!editor.m_startWithoutItem)
        editor.AddItem();
    editor.SetLineSpacing(defaultLineSpacing());
    updateStates();
}

void ReqpadDlg::toggleRuler() {
    bool shown = !(m_ruler.GetStyle() & WS_VISIBLE);
    m_ruler.ShowWindow(shown ? SW_SHOW : SW_HIDE);
    editor.Invalidate();
    m_menu.CheckMenuItem(ID_VIEW_RULER, shown ? MF_CHECKED : MF_UNCHECKED);
    layout();
}

// The notebook runs over the dialog; each transfer's notice makes the control paste what
// the notebook put on the clipboard, as a paste of the user's would.
void ReqpadDlg::openNotebook() {
    ZnPtr<notebook::IZnNotebook> notebook = notebook::NewNotebookObject();
    if (!notebook)
        return;
    notebook->SetFlags(kNotebookCopyNotify);
    notebook->RunModal(m_hWnd);
}

void ReqpadDlg::openCalculator() {
    if (!editor.SelectionEditable())
        return;
    ZnPtr<CNotebookCallbackDefault> sink =
        ZnPtr<CNotebookCallbackDefault>::Adopt(new CNotebookCallbackDefault(editor.GetSafeHwnd()));
    m_calculator = OpenCalculator(editor, sink.get());
}

void ReqpadDlg::OnHelpCall() {
    if (gpZnContext)
        gpZnContext->ShowHelp(m_tdMode == 1 ? u"ZNS_HELP_TD" : u"ZNS_HELP_TT", this);
}

void ReqpadDlg::updateStates() {
    if (!m_mainToolBar.GetSafeHwnd() || !editor.GetSafeHwnd())
        return;
    bool editable = editor.SelectionEditable();
    for (UINT id : kInsertButtons)
        m_mainToolBar.EnableButton(int(id), editor.IsInsertAllowed(id) && editable);
    bool scripts = (editor.m_allowedInserts & kAllowScripts) != 0;
    m_mainToolBar.EnableButton(int(ID_FT_SUPERSCRIPT), scripts && editable);
    m_mainToolBar.EnableButton(int(ID_FT_SUBSCRIPT), scripts && editable);
    m_mainToolBar.CheckButton(int(ID_FT_SUPERSCRIPT), editor.IsRaised());
    m_mainToolBar.CheckButton(int(ID_FT_SUBSCRIPT), editor.IsLowered());
    m_mainToolBar.EnableButton(int(ID_CALCULATOR), editable);
    m_mainToolBar.EnableButton(int(ID_DELETE_ITEMS), editor.HasItems());
}

// --- Ending -----------------------------------------------------------------------------

void ReqpadDlg::OnOK() {
    m_item = editor.CaretItemNumber();
    endWith(kResultOk);
}

void ReqpadDlg::OnCancel() {
    m_result = kResultCancel;
    notifyClosing();
    EndDialog(IDCANCEL);
}

void ReqpadDlg::endWith(int result) {
    editor.GetContent(m_content, m_contentKind);
    m_result = result;
    notifyClosing();
    EndDialog(result == kResultOk ? IDOK : IDC_PLACE);
}

void ReqpadDlg::notifyClosing() {
    if (gpZnContext)
        gpZnContext->EditorClosing();
}

void ReqpadDlg::OnClose() {
    if (!editor.GetModify()) {
        OnCancel();
        return;
    }
    askApplyCorrections();
}

void ReqpadDlg::askApplyCorrections() {
    switch (MessageBoxW(this, LoadStringW(IDS_APPLY_CORRECTIONS), GetWindowTextW(),
                        MB_YESNOCANCEL | MB_ICONQUESTION)) {
    case IDYES:
        OnOK();
        break;
    case IDNO:
        OnCancel();
        break;
    default:
        break; // the dialog stays open with the text as it is
    }
}

void ReqpadDlg::OnDestroy() {
    writeSettings();
    if (m_calculator) {
        m_calculator->Close();
        m_calculator = nullptr;
    }
    CxDialog::OnDestroy();
}

// --- Layout and messages ----------------------------------------------------------------

void ReqpadDlg::OnSize(UINT type, int cx, int cy) {
    CxDialog::OnSize(type, cx, cy);
    layout();
}

void ReqpadDlg::layout() {
    if (!editor.GetSafeHwnd())
        return;
    CRect client = GetClientRect();
    int top = client.top;
    CWnd* mainPlace = m_mainToolBar.GetPlace();
    if (mainPlace && (mainPlace->GetStyle() & WS_VISIBLE)) {
        if (CWnd* line = GetDlgItem(IDC_LINE))
            line->MoveWindow(client.left, client.top, client.Width(), 2);
        CSize bar = sizeOf(m_mainToolBar);
        CSize notebook = sizeOf(m_notebookToolBar);
        CRect barRect{client.left, client.top + 2, client.left + bar.cx, client.top + 2 + bar.cy};
        CRect notebookRect{client.right - notebook.cx - 2, client.top + 2, client.right - 2,
                           client.top + 2 + notebook.cy};
        m_mainToolBar.MoveWindow(barRect);
        m_notebookToolBar.MoveWindow(notebookRect);
        mainPlace->MoveWindow({barRect.left, barRect.top, barRect.right, barRect.bottom + 2});
        if (CWnd* place = m_notebookToolBar.GetPlace())
            place->MoveWindow(
                {notebookRect.left, notebookRect.top, notebookRect.right, notebookRect.bottom + 2});
        top = client.top + bar.cy + 6;
    }
    if (m_ruler.GetSafeHwnd() && (m_ruler.GetStyle() & WS_VISIBLE)) {
        m_ruler.MoveWindow(client.left, top, client.Width(), kRulerHeight);
        top += kRulerHeight;
    } else {
        top += 1;
    }
    int rowTop = client.bottom - kMargin;
    int right = client.right - kMargin;
    for (int id : {int(IDCANCEL), int(IDOK), IDC_PLACE}) {
        CWnd* button = GetDlgItem(id);
        if (!button)
            continue;
        CSize size = sizeOf(*button);
        button->MoveWindow(right - size.cx, client.bottom - kMargin - size.cy, size.cx, size.cy);
        right -= size.cx + kButtonGap;
        rowTop = std::min(rowTop, client.bottom - kMargin - size.cy);
    }
    CSize help = sizeOf(m_helpToolBar);
    m_helpToolBar.MoveWindow(client.left + kMargin, rowTop, help.cx, help.cy);
    editor.MoveWindow(client.left, top, client.Width(), std::max(0, rowTop - kMargin - top));
    if (m_ruler.GetSafeHwnd())
        m_ruler.SendMessage(WM_IDLEUPDATECMDUI, TRUE);
}

LRESULT ReqpadDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PASTE:
        editor.OnPaste();
        return 0;
    case ZNM_CONTEXTMENU_BUILD:
        return editor.SendMessage(message, wParam, lParam);
    case WM_IDLEUPDATECMDUI:
        updateStates();
        break;
    case WM_NOTIFY:
        if (lParam && reinterpret_cast<const NMHDR*>(lParam)->code == UINT(ZNN_CLIPBOARD_TRANSFER)) {
            editor.OnPaste();
            return 0;
        }
        if (lParam && reinterpret_cast<const NMHDR*>(lParam)->code == UINT(EN_SELCHANGE)) {
            LRESULT result = CxDialog::WindowProc(message, wParam, lParam);
            updateStates();
            return result;
        }
        break;
    case WM_COMMAND: {
        LRESULT result = CxDialog::WindowProc(message, wParam, lParam);
        updateStates();
        return result;
    }
    default:
        break;
    }
    return CxDialog::WindowProc(message, wParam, lParam);
}

bool ReqpadDlg::PreTranslateMessage(MSG& msg) {
    if (m_toolTips.GetSafeHwnd())
        m_toolTips.RelayEvent(msg);
    return CxDialog::PreTranslateMessage(msg);
}

} // namespace editor
