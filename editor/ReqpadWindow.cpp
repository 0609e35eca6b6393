// The control as a window: creation, the hooks in front of the platform control's window
// procedure, notifications, the menu entries it contributes and the size rule.
#include "editor/ItemPrefix.h"
#include "editor/Reqpad.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/Input.h"
#include "platform/ui/Resources.h"

namespace editor {

using namespace zn::ui;

namespace {

constexpr std::uint32_t kEditorStyle =
    ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | ES_SAVESEL | WS_VSCROLL;

bool isPlatformFormatCommand(UINT id) {
    return id == ID_FT_SUPERSCRIPT || id == ID_FT_SUBSCRIPT ||
           (id >= ID_FT_BOLD && id <= ID_FT_STRIKEOUT) ||
           (id >= ID_FT_ALIGN_LEFT && id <= 40134) || id == ID_EDIT_DELETE_TEXT;
}

} // namespace

CReqpad::CReqpad() = default;

CReqpad::~CReqpad() = default;

bool CReqpad::Create(std::uint32_t style, const CRect& rect, CWnd* parent, UINT id) {
    if (!CreateEx(WS_EX_CLIENTEDGE, u"RichEdit20W", u"", (style | kEditorStyle | WS_CHILD) & ~WS_BORDER,
                  rect, parent, int(id)))
        return false;
    OnSizeRule(rect.Width(), rect.Height());
    return true;
}

bool CReqpad::SubclassDlgItem(int id, CWnd* parent) {
    if (!CWnd::SubclassDlgItem(id, parent))
        return false;
    ModifyStyle(WS_BORDER, kEditorStyle);
    ModifyStyleEx(0, WS_EX_CLIENTEDGE);
    OnSizeRule(GetClientRect().Width(), GetClientRect().Height());
    return true;
}

void CReqpad::InitControl() {
    SetDefaultCharFormat(DefaultFormat());
    SetEventMask(zn::richedit::ENM_CHANGE | zn::richedit::ENM_SELCHANGE |
                 zn::richedit::ENM_PROTECTED);
    SetClipboardViewer(this);
    AllowSuperscripts(m_allowedInserts & kAllowScripts);
    AllowSubscripts(m_allowedInserts & kAllowScripts);
    AllowHyperlink(m_allowedInserts & kAllowHyperlink);
}

void CReqpad::OnSizeRule(int width, int height) {
    width = std::max(width, 30);
    height = std::max(height, 30);
    SetRect({4, 3, width, height});
}

void CReqpad::UpdateInterface() {
    if (!m_editMenu)
        return;
    int start = 0, end = 0;
    GetSel(start, end);
    UINT selection = start == end ? MF_GRAYED : MF_ENABLED;
    m_editMenu->EnableMenuItem(ID_EDIT_CUT_TEXT, selection);
    m_editMenu->EnableMenuItem(ID_EDIT_COPY_TEXT, selection);
    m_editMenu->EnableMenuItem(ID_EDIT_PASTE_TEXT,
                               IsClipboardFormatAvailable(CF_UNICODETEXT) ? MF_ENABLED : MF_GRAYED);
    m_editMenu->EnableMenuItem(ID_EDIT_UNDO_TEXT, m_undoAvailable ? MF_ENABLED : MF_GRAYED);
    m_editMenu->EnableMenuItem(ID_DELETE_ITEMS, HasItems() ? MF_ENABLED : MF_GRAYED);
    int spacing = GetParaFormat().lineSpacing;
    for (auto [id, value] : {std::pair{ID_SPACING_SINGLE, 20}, std::pair{ID_SPACING_ONE_AND_HALF, 30},
                             std::pair{ID_SPACING_DOUBLE, 40}})
        m_editMenu->CheckMenuItem(id, spacing == value ? MF_CHECKED : MF_UNCHECKED);
    for (UINT id : {ID_INSERT_TOLERANCE, ID_INSERT_MATERIAL, ID_INSERT_POSITION, ID_INSERT_VIEW})
        m_editMenu->EnableMenuItem(id, IsInsertAllowed(id) && SelectionEditable() ? MF_ENABLED
                                                                                  : MF_GRAYED);
}

void CReqpad::AppendEditEntries(CMenu& menu, bool withUndoGroup) {
    if (withUndoGroup) {
        menu.AppendMenu(MF_STRING, ID_EDIT_UNDO_TEXT, LoadStringW(m_undoShowsRedo ? 8 : 6));
        AppendSeparator(menu);
        menu.AppendMenu(MF_STRING, ID_EDIT_CUT_TEXT, LoadStringW(47));
        menu.AppendMenu(MF_STRING, ID_EDIT_COPY_TEXT, LoadStringW(48));
        menu.AppendMenu(MF_STRING, ID_EDIT_PASTE_TEXT, LoadStringW(50));
    }
    AppendSeparator(menu);
    menu.AppendMenu(MF_STRING, ID_ADD_ITEM, LoadStringW(40));
    menu.AppendMenu(MF_STRING, ID_DELETE_ITEMS, LoadStringW(41));
    menu.AppendMenu(MF_STRING, ID_ADD_HEADER, LoadStringW(42));
    CMenu spacing;
    spacing.CreatePopupMenu();
    spacing.AppendMenu(MF_STRING, ID_SPACING_SINGLE, LoadStringW(35));
    spacing.AppendMenu(MF_STRING, ID_SPACING_ONE_AND_HALF, LoadStringW(37));
    spacing.AppendMenu(MF_STRING, ID_SPACING_DOUBLE, LoadStringW(39));
    menu.AppendMenu(MF_POPUP, spacing, LoadStringW(33));
    AppendSeparator(menu);
    menu.AppendMenu(MF_STRING, ID_INSERT_TOLERANCE, LoadStringW(43));
    menu.AppendMenu(MF_STRING, ID_INSERT_MATERIAL, LoadStringW(44));
    menu.AppendMenu(MF_STRING, ID_INSERT_POSITION, LoadStringW(45));
    menu.AppendMenu(MF_STRING, ID_INSERT_VIEW, LoadStringW(46));
    if (!withUndoGroup)
        for (UINT id : {ID_INSERT_TOLERANCE, ID_INSERT_MATERIAL, ID_INSERT_POSITION, ID_INSERT_VIEW})
            if (!IsInsertAllowed(id))
                RemoveCommands(menu, {id});
}

void CReqpad::BuildContextMenu(CMenu& menu) {
    CxFtEdit::BuildContextMenu(menu);
    if (!(m_allowedInserts & kAllowHyperlink))
        RemoveCommands(menu, {ID_FT_HYPERLINK});
    if (!(m_allowedInserts & kAllowFirstList))
        RemoveCommands(menu, {ID_SHOW_FIRST_LIST});
}

bool CReqpad::OnCommandId(UINT id) {
    switch (id) {
    case ID_ADD_ITEM:
        AddItem();
        return true;
    case ID_DELETE_ITEMS:
        DeleteItems();
        return true;
    case ID_MOVE_ITEM_DOWN:
        MoveItemDown();
        return true;
    case ID_MOVE_ITEM_UP:
        MoveItemUp();
        return true;
    case ID_ADD_HEADER:
        AddHeader();
        return true;
    case ID_COMMON_TEXT:
        TakeUndoSnapshot();
        CommonText();
        UpdateInterface();
        return true;
    case ID_SPACING_SINGLE:
    case ID_SPACING_ONE_AND_HALF:
    case ID_SPACING_DOUBLE:
        SetLineSpacing(id == ID_SPACING_SINGLE ? 20 : id == ID_SPACING_DOUBLE ? 40 : 30);
        return true;
    case ID_SELECT_ALL:
        SelectAll();
        return true;
    case ID_EDIT_UNDO_TEXT:
        Undo();
        return true;
    case ID_EDIT_COPY_TEXT:
    case ID_EDIT_COPY:
        OnCopy();
        return true;
    case ID_EDIT_CUT_TEXT:
    case ID_EDIT_CUT:
        OnCut();
        return true;
    case ID_EDIT_PASTE_TEXT:
    case ID_EDIT_PASTE:
        OnPaste();
        return true;
    case ID_FILE_OPEN:
        LoadFromFile();
        return true;
    case ID_FILE_SAVE:
        SaveToFile();
        return true;
    case ID_SHOW_FIRST_LIST:
        return true;
    default:
        return OnInsertCommand(id);
    }
}

LRESULT CReqpad::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return ReqpadProc(message, wParam, lParam);
}

LRESULT CReqpad::ReqpadProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case EM_SETEVENTMASK:
        // Switching change notifications off announces a change the control will not see.
        if ((GetEventMask() & zn::richedit::ENM_CHANGE) && !(lParam & zn::richedit::ENM_CHANGE))
            TakeUndoSnapshot();
        break;
    case EM_CANUNDO:
        return m_undoAvailable;
    case ZNM_CONTEXTMENU_BUILD:
        if (lParam) {
            AppendEditEntries(*reinterpret_cast<CMenu*>(lParam), false);
            AppendSeparator(*reinterpret_cast<CMenu*>(lParam));
        }
        return 0;
    case WM_COMMAND: {
        if (!IsCommandCode(wParam))
            break; // a notification, not a command
        UINT id = LOWORD(wParam);
        if (isPlatformFormatCommand(id)) {
            if (!SelectionEditable())
                return DefWindowProc(message, wParam, lParam);
            int start = 0, end = 0;
            GetSel(start, end);
            if (id == ID_FT_SUPERSCRIPT || id == ID_FT_SUBSCRIPT) {
                if (start != end)
                    TakeUndoSnapshot();
                ToggleScript(id == ID_FT_SUPERSCRIPT);
                UpdateInterface();
                return 1;
            }
            TakeUndoSnapshot();
            if (id == ID_EDIT_DELETE_TEXT) {
                if (SelectionHoldsItemStart(start, end))
                    DeleteItems();
                else
                    OnBackspaceOrDelete(false);
                return 1;
            }
            break;
        }
        if (id == ID_FT_HYPERLINK) {
            if (!SelectionEditable())
                return 1;
            InternalChange guard(*this);
            return CxFtEdit::WindowProc(message, wParam, 0);
        }
        if (id == ID_FT_PLAIN) {
            TakeUndoSnapshot();
            {
                InternalChange guard(*this);
                zn::richedit::CharFormat plain;
                plain.mask = zn::richedit::CFM_PROTECTED | zn::richedit::CFM_BOLD;
                SetCharFormat(0, GetTextLength(), plain);
                CxFtEdit::WindowProc(message, wParam, 0);
            }
            Renumber(RenumberMode::Plain);
            if (GetSelStart() == GetSelEnd())
                ResetSelectionToDefault();
            return 1;
        }
        if (OnCommandId(id)) {
            // Typing after a command is a step of its own.
            m_newUndoStep = 1;
            return 1;
        }
        return CxFtEdit::WindowProc(message, wParam, 0);
    }
    case WM_KEYDOWN:
        if (OnKeyDown(UINT(wParam))) {
            ScrollCaret();
            return 0;
        }
        break;
    case WM_CHAR:
        OnChar(char16_t(wParam));
        ScrollCaret();
        return 0;
    case WM_SIZE:
        CxFtEdit::WindowProc(message, wParam, lParam);
        OnSizeRule(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        return 0;
    case WM_LBUTTONDBLCLK:
        SelectItem(GetSelStart());
        UpdateInterface();
        return 0;
    case WM_LBUTTONUP: {
        LRESULT result = CxFtEdit::WindowProc(message, wParam, lParam);
        if (GetSelStart() == GetSelEnd())
            SelectReferenceAt(GetSelStart());
        else
            WidenSelectionToWholeMarks();
        UpdateInterface();
        return result;
    }
    case WM_HELP:
        if (CWnd* owner = CWnd::GetOwner())
            return owner->SendMessage(message, wParam, lParam);
        return 0;
    case WM_DRAWCLIPBOARD:
        OnClipboardChanged();
        return 0;
    case WM_DESTROY:
        ChangeClipboardChain(this, nullptr);
        break;
    default:
        break;
    }
    return CxFtEdit::WindowProc(message, wParam, lParam);
}

bool CReqpad::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (message != WM_NOTIFY || !lParam)
        return CxFtEdit::OnChildNotify(message, wParam, lParam, result);
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header->code == UINT(EN_PROTECTED)) {
        // Item prefixes change only through the control's own operations.
        *result = m_internalChange ? 0 : 1;
        return true;
    }
    if (header->code == UINT(EN_SELCHANGE) && !m_internalChange && CWnd::GetCapture() != this) {
        const auto* change = reinterpret_cast<const SELCHANGE*>(lParam);
        if (change->chrg.cpMin != change->chrg.cpMax)
            WidenSelectionToWholeMarks();
        UpdateInterface();
    }
    return false;
}

} // namespace editor
