// The rich-edit control window: messages, keys, mouse, clipboard and context menu over
// the rich-text model, and the model's notifications turned into the parent's.
#include "platform/ui/RichEditCtrl.h"

#include <algorithm>
#include <cwctype>

#include "platform/text/CodePage.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/Input.h"

namespace zn::ui {

using richedit::CharFormat;
using richedit::ParaFormat;

namespace {

bool isWordChar(char16_t ch) {
    return ch == u'_' || std::iswalnum(wint_t(ch));
}

} // namespace

bool CRichEditCtrl::Create(std::uint32_t style, const CRect& rect, CWnd* parent, UINT id) {
    return CreateEx(0, u"RichEdit20W", u"", style | WS_CHILD, rect, parent, int(id));
}

bool CRichEditCtrl::CanPaste() const {
    return IsClipboardFormatAvailable(CF_UNICODETEXT) ||
           IsClipboardFormatAvailable(ClipboardFormatRtf());
}

void CRichEditCtrl::Copy() {
    int start = 0, end = 0;
    GetSel(start, end);
    if (start == end || !OpenClipboard(this))
        return;
    EmptyClipboard();
    ZnsStringW text = StreamOutText(true);
    SetClipboardData(CF_UNICODETEXT,
                     std::string(reinterpret_cast<const char*>(text.data()), text.size() * 2));
    SetClipboardData(ClipboardFormatRtf(), GetRtf(true));
    CloseClipboard();
}

void CRichEditCtrl::Cut() {
    int start = 0, end = 0;
    GetSel(start, end);
    if (start == end || IsReadOnly())
        return;
    Copy();
    TypeText(u"");
}

void CRichEditCtrl::Paste() {
    if (IsReadOnly())
        return;
    if (std::optional<std::string> rtf = GetClipboardData(ClipboardFormatRtf()))
        if (StreamInRtf(*rtf, true))
            return;
    if (std::optional<ZnsStringW> text = GetClipboardText())
        TypeText(*text);
}

void CRichEditCtrl::Clear() {
    if (!IsReadOnly())
        TypeText(u"");
}

int CRichEditCtrl::wordStart(int position) const {
    const ZnsStringW& text = GetText();
    while (position > 0 && !isWordChar(text[size_t(position - 1)]))
        --position;
    while (position > 0 && isWordChar(text[size_t(position - 1)]))
        --position;
    return position;
}

int CRichEditCtrl::wordEnd(int position) const {
    const ZnsStringW& text = GetText();
    int length = int(text.size());
    while (position < length && isWordChar(text[size_t(position)]))
        ++position;
    while (position < length && !isWordChar(text[size_t(position)]) &&
           text[size_t(position)] != u'\r')
        ++position;
    return position;
}

void CRichEditCtrl::MoveCaret(UINT key, bool extend, bool word) {
    int start = 0, end = 0;
    GetSel(start, end);
    if (m_anchor != start && m_anchor != end)
        m_anchor = (key == VK_LEFT || key == VK_UP || key == VK_HOME) ? end : start;
    int active = m_anchor == start ? end : start;
    int length = GetTextLength();
    int line = LineFromChar(active);
    switch (key) {
    case VK_LEFT:
        active = !extend && start != end ? start
                 : word                  ? wordStart(active)
                                         : std::max(0, active - 1);
        break;
    case VK_RIGHT:
        active = !extend && start != end ? end
                 : word                  ? wordEnd(active)
                                         : std::min(length, active + 1);
        break;
    case VK_UP:
    case VK_DOWN: {
        // Straight up or down on the screen: wrapped lines and hidden text shift columns.
        int target = line + (key == VK_UP ? -1 : 1);
        if (target >= 0 && target < GetLineCount()) {
            const richedit::Point from = PosFromChar(active);
            active = CharFromPos({from.x, PosFromChar(LineIndex(target)).y});
        }
        break;
    }
    case VK_HOME:
        active = word ? 0 : LineIndex(line);
        break;
    case VK_END:
        active = word ? length : LineIndex(line) + LineLength(active);
        break;
    default:
        return;
    }
    if (!extend)
        m_anchor = active;
    SetSel(std::min(m_anchor, active), std::max(m_anchor, active));
}

std::optional<CRect> CRichEditCtrl::FindItemRect(std::u16string_view item) const {
    if (item.size() < 2 || item.size() > 10 || item[0] != u'@')
        return std::nullopt;
    int position = 0;
    for (char16_t ch : item.substr(1)) {
        if (ch < u'0' || ch > u'9')
            return std::nullopt;
        position = position * 10 + (ch - u'0');
    }
    if (position > GetTextLength())
        return std::nullopt;
    // Centred on the caret place before the character, which a click there picks.
    const richedit::Point p = PosFromChar(position);
    const CRect cell{p.x - kCellWidth / 2, p.y, p.x + kCellWidth / 2, p.y + kLineHeight};
    if (!GetClientRect().PtInRect(cell.CenterPoint()))
        return std::nullopt;
    return cell;
}

void CRichEditCtrl::handleKeyDown(UINT key) {
    bool ctrl = GetKeyState(VK_CONTROL) < 0, shift = GetKeyState(VK_SHIFT) < 0;
    if ((ctrl && key == 'C') || (ctrl && key == VK_INSERT))
        Copy();
    else if ((ctrl && key == 'X') || (shift && key == VK_DELETE))
        Cut();
    else if ((ctrl && key == 'V') || (shift && key == VK_INSERT))
        Paste();
    else if (ctrl && key == 'Z')
        Undo();
    else if (ctrl && key == 'A')
        SetSel(0, -1);
    else if (ctrl && (key == 'B' || key == 'I' || key == 'U')) {
        std::uint32_t effect = key == 'B'   ? richedit::CFE_BOLD
                               : key == 'I' ? richedit::CFE_ITALIC
                                            : richedit::CFE_UNDERLINE;
        CharFormat current = GetSelectionCharFormat();
        CharFormat change;
        change.mask = effect;
        change.effects = (current.mask & effect) && (current.effects & effect) ? 0 : effect;
        SetSelectionCharFormat(change);
    } else if (key == VK_DELETE && !IsReadOnly()) {
        int start = 0, end = 0;
        GetSel(start, end);
        if (start == end && end < GetTextLength())
            SetSel(start, start + 1);
        TypeText(u"");
    } else {
        MoveCaret(key, shift, ctrl);
    }
}

void CRichEditCtrl::OnTypedChar(char16_t ch) {
    bool multiline = GetStyle() & ES_MULTILINE;
    if (ch == 8) {
        int start = 0, end = 0;
        GetSel(start, end);
        if (start == end && start > 0)
            SetSel(start - 1, start);
        TypeText(u"");
    } else if ((ch == u'\r' || ch == u'\t') && multiline) {
        TypeText(std::u16string_view(&ch, 1));
    } else if (ch >= 0x20) {
        TypeText(std::u16string_view(&ch, 1));
    }
}

void CRichEditCtrl::BuildContextMenu(CMenu&) {}

void CRichEditCtrl::ShowContextMenu(CPoint point) {
    CMenu menu;
    menu.CreatePopupMenu();
    // The owner class puts its entries (and a separator) first; the control's own follow.
    SendMessage(ZNM_CONTEXTMENU_BUILD, 0, LPARAM(&menu));
    BuildContextMenu(menu);
    if (menu.GetMenuItemCount() <= 0)
        return;
    CPoint screen = ClientToScreen(point);
    if (UINT id = menu.TrackPopupMenu(TPM_RETURNCMD, screen.x, screen.y, this))
        SendMessage(WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

bool CRichEditCtrl::handleCommand(UINT id) {
    switch (id) {
    case ID_EDIT_COPY_TEXT:
        Copy();
        return true;
    case ID_EDIT_CUT_TEXT:
        Cut();
        return true;
    case ID_EDIT_PASTE_TEXT:
        Paste();
        return true;
    case ID_EDIT_UNDO_TEXT:
        Undo();
        return true;
    case ID_EDIT_DELETE_TEXT:
        Clear();
        return true;
    case ID_EDIT_SELECT_ALL_TEXT:
        SetSel(0, -1);
        return true;
    default:
        return false;
    }
}

void CRichEditCtrl::OnChange() {
    if (CWnd* parent = GetParent())
        parent->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), EN_CHANGE), LPARAM(m_hWnd));
}

void CRichEditCtrl::OnSelChange(const richedit::SelChange& change) {
    CWnd* parent = GetParent();
    if (!parent)
        return;
    SELCHANGE info;
    info.nmhdr = {m_hWnd, std::uintptr_t(GetDlgCtrlID()), EN_SELCHANGE};
    info.chrg = {change.start, change.end};
    info.seltyp = change.type;
    parent->SendMessage(WM_NOTIFY, WPARAM(GetDlgCtrlID()), LPARAM(&info));
}

bool CRichEditCtrl::OnProtected(const richedit::ProtectedEdit& edit) {
    CWnd* parent = GetParent();
    if (!parent)
        return false;
    ENPROTECTED info;
    info.nmhdr = {m_hWnd, std::uintptr_t(GetDlgCtrlID()), EN_PROTECTED};
    info.msg = edit.kind == richedit::ProtectedEditKind::SetCharFormat ? EM_SETCHARFORMAT : WM_CHAR;
    info.chrg = {edit.start, edit.end};
    return parent->SendMessage(WM_NOTIFY, WPARAM(GetDlgCtrlID()), LPARAM(&info)) != 0;
}

LRESULT CRichEditCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    CPoint point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (message) {
    case WM_SETTEXT:
        SetText(lParam ? reinterpret_cast<const char16_t*>(lParam) : u"");
        return 1;
    case WM_GETTEXTLENGTH:
        return LRESULT(StreamOutText(false).size());
    case WM_GETTEXT: {
        if (wParam == 0)
            return 0;
        ZnsStringW text = StreamOutText(false);
        size_t n = std::min(size_t(wParam) - 1, text.size());
        auto* out = reinterpret_cast<char16_t*>(lParam);
        std::copy_n(text.data(), n, out);
        out[n] = 0;
        return LRESULT(n);
    }
    case WM_CREATE:
        // The text starts out formatted over the whole client area; only a multiline
        // control wraps its lines.
        SetWordWrap(GetStyle() & ES_MULTILINE);
        SetRect({0, 0, GetClientRect().right, GetClientRect().bottom});
        return CWnd::WindowProc(message, wParam, lParam);
    case WM_SIZE:
        SetRect({0, 0, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return CWnd::WindowProc(message, wParam, lParam);
    case EM_GETSEL: {
        int start = 0, end = 0;
        GetSel(start, end);
        if (wParam)
            *reinterpret_cast<std::uint32_t*>(wParam) = std::uint32_t(start);
        if (lParam)
            *reinterpret_cast<std::uint32_t*>(lParam) = std::uint32_t(end);
        return LRESULT(MAKELPARAM(start, end));
    }
    case EM_SETSEL:
        SetSel(int(wParam), int(lParam));
        return 0;
    case EM_EXGETSEL: {
        int start = 0, end = 0;
        GetSel(start, end);
        *reinterpret_cast<CHARRANGE*>(lParam) = {start, end};
        return 0;
    }
    case EM_EXSETSEL: {
        const auto* range = reinterpret_cast<const CHARRANGE*>(lParam);
        SetSel(int(range->cpMin), int(range->cpMax));
        return 0;
    }
    case EM_REPLACESEL:
        ReplaceSel(lParam ? reinterpret_cast<const char16_t*>(lParam) : u"", wParam != 0);
        return 0;
    case EM_GETMODIFY:
        return GetModify();
    case EM_SETMODIFY:
        SetModify(wParam != 0);
        return 0;
    case EM_SETREADONLY:
        SetReadOnly(wParam != 0);
        ModifyStyle(wParam ? 0 : ES_READONLY, wParam ? ES_READONLY : 0);
        return 1;
    case EM_CANUNDO:
        return CanUndo();
    case EM_UNDO:
    case WM_UNDO:
        return Undo();
    case EM_EMPTYUNDOBUFFER:
        EmptyUndoBuffer();
        return 0;
    case EM_GETEVENTMASK:
        return LRESULT(GetEventMask());
    case EM_SETEVENTMASK:
        return LRESULT(SetEventMask(std::uint32_t(lParam)));
    case EM_GETLINECOUNT:
        return GetLineCount();
    case EM_LINEINDEX:
        return LineIndex(int(wParam));
    case EM_LINEFROMCHAR:
        return LineFromChar(int(wParam));
    case EM_POSFROMCHAR: {
        if (!wParam)
            return 0;
        const richedit::Point p = PosFromChar(int(lParam));
        *reinterpret_cast<POINTL*>(wParam) = {p.x, p.y};
        return 0;
    }
    case EM_CHARFROMPOS: {
        if (!lParam)
            return 0;
        const auto* p = reinterpret_cast<const POINTL*>(lParam);
        return CharFromPos({int(p->x), int(p->y)});
    }
    case EM_SETTARGETDEVICE:
        SetWordWrap(lParam == 0);
        return 1;
    case EM_GETCHARFORMAT: {
        auto* format = reinterpret_cast<CharFormat*>(lParam);
        *format = wParam == SCF_SELECTION ? GetSelectionCharFormat() : GetDefaultCharFormat();
        return LRESULT(format->mask);
    }
    case EM_SETCHARFORMAT: {
        const auto* format = reinterpret_cast<const CharFormat*>(lParam);
        if (wParam & SCF_SELECTION)
            return SetSelectionCharFormat(*format);
        if (wParam & SCF_ALL)
            return SetCharFormat(0, GetTextLength(), *format);
        CharFormat base = GetDefaultCharFormat();
        base.apply(*format);
        SetDefaultCharFormat(base);
        return 1;
    }
    case EM_GETPARAFORMAT: {
        auto* format = reinterpret_cast<ParaFormat*>(lParam);
        *format = GetParaFormat();
        return LRESULT(format->mask);
    }
    case EM_SETPARAFORMAT:
        return SetParaFormat(*reinterpret_cast<const ParaFormat*>(lParam));
    case WM_COPY:
        Copy();
        return 0;
    case WM_CUT:
        Cut();
        return 0;
    case WM_PASTE:
        Paste();
        return 0;
    case WM_CLEAR:
        Clear();
        return 0;
    case WM_COMMAND:
        // Menus, accelerators and toolbar buttons (whose handle comes in lParam) alike.
        if (IsCommandCode(wParam) && handleCommand(LOWORD(wParam)))
            return 1;
        return CWnd::WindowProc(message, wParam, lParam);
    case WM_GETDLGCODE:
        return (GetStyle() & ES_MULTILINE) && (GetStyle() & ES_WANTRETURN)
                   ? DLGC_WANTALLKEYS
                   : DLGC_WANTCHARS | DLGC_WANTARROWS;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        if (CWnd* parent = GetParent())
            parent->SendMessage(
                WM_COMMAND,
                MAKEWPARAM(GetDlgCtrlID(), message == WM_SETFOCUS ? EN_SETFOCUS : EN_KILLFOCUS),
                LPARAM(m_hWnd));
        return 0;
    // What the user types or moves to stays in view.
    case WM_KEYDOWN:
        handleKeyDown(UINT(wParam));
        ScrollCaret();
        return 0;
    case WM_CHAR:
        OnTypedChar(char16_t(wParam));
        ScrollCaret();
        return 0;
    case WM_LBUTTONDOWN: {
        SetFocus();
        int position = CharFromPos({point.x, point.y});
        int start = 0, end = 0;
        GetSel(start, end);
        if ((wParam & MK_SHIFT) && m_anchor >= 0) {
            SetSel(std::min(m_anchor, position), std::max(m_anchor, position));
        } else {
            m_anchor = position;
            SetSel(position, position);
        }
        m_dragging = true;
        SetCapture();
        return 0;
    }
    case WM_MOUSEMOVE:
        if (m_dragging && (wParam & MK_LBUTTON)) {
            int position = CharFromPos({point.x, point.y});
            SetSel(std::min(m_anchor, position), std::max(m_anchor, position));
        }
        return 0;
    case WM_LBUTTONUP:
        m_dragging = false;
        if (GetCapture() == this)
            ReleaseCapture();
        return 0;
    case WM_LBUTTONDBLCLK: {
        int position = CharFromPos({point.x, point.y});
        int start = isWordChar(position < GetTextLength() ? GetText()[size_t(position)] : u' ')
                        ? wordStart(position + 1)
                        : position;
        m_anchor = start;
        SetSel(start, wordEnd(start));
        return 0;
    }
    // The menu opens as the button goes down; its release is then no request of its own.
    case WM_RBUTTONDOWN:
        ShowContextMenu(point);
        return 0;
    case WM_RBUTTONUP:
        return 0;
    case WM_CONTEXTMENU: {
        // From the keyboard (-1, -1) the menu opens at the caret, else at the pointer.
        if (point.x == -1 && point.y == -1) {
            richedit::Point caret = PosFromChar(GetSelEnd());
            ShowContextMenu({caret.x, caret.y});
        } else {
            ShowContextMenu(ScreenToClient(point));
        }
        return 0;
    }
    default: {
        LRESULT result = 0;
        if (textMessage(message, wParam, lParam, result))
            return result;
        return CWnd::WindowProc(message, wParam, lParam);
    }
    }
}

} // namespace zn::ui
