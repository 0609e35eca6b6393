// Edit control behaviour.
#include "platform/ui/Edit.h"

#include <algorithm>

#include "platform/ui/Clipboard.h"
#include "platform/ui/Input.h"

namespace zn::ui {

void CEdit::GetSel(int& start, int& end) const {
    start = std::min(m_edit.selStart, m_edit.selEnd);
    end = std::max(m_edit.selStart, m_edit.selEnd);
}

void CEdit::ReplaceSel(std::u16string_view text) {
    ZnsStringW copy(text);
    SendMessage(EM_REPLACESEL, 1, LPARAM(copy.c_str()));
}

void CEdit::changed() {
    m_modified = true;
    CWnd::DefWindowProc(WM_SETTEXT, 0, LPARAM(m_edit.text.c_str()));
    if (CWnd* parent = GetParent())
        parent->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), EN_CHANGE), LPARAM(m_hWnd));
}

LRESULT CEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    bool readOnly = GetStyle() & ES_READONLY;
    switch (message) {
    case WM_CREATE:
        m_edit.SetText(CWnd::GetWindowTextW());
        m_edit.SetSel(0, 0);
        return CWnd::WindowProc(message, wParam, lParam);
    case WM_SETTEXT:
        m_edit.SetText(lParam ? reinterpret_cast<const char16_t*>(lParam) : u"");
        m_edit.SetSel(0, 0);
        CWnd::DefWindowProc(message, wParam, lParam);
        m_modified = false;
        if (CWnd* parent = GetParent())
            parent->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), EN_CHANGE), LPARAM(m_hWnd));
        return 1;
    case EM_GETSEL:
        return LRESULT(MAKELPARAM(std::min(m_edit.selStart, m_edit.selEnd),
                                  std::max(m_edit.selStart, m_edit.selEnd)));
    case EM_SETSEL:
        m_edit.SetSel(int(wParam), int(lParam));
        return 0;
    case EM_REPLACESEL:
        if (m_edit.ReplaceSel(lParam ? reinterpret_cast<const char16_t*>(lParam) : u""))
            changed();
        return 0;
    case EM_LIMITTEXT:
        m_edit.limit = wParam ? int(wParam) : 0x7FFFFFFE;
        return 0;
    case EM_SETREADONLY:
        ModifyStyle(wParam ? 0 : ES_READONLY, wParam ? ES_READONLY : 0);
        return 1;
    case EM_GETMODIFY:
        return m_modified;
    case EM_SETMODIFY:
        m_modified = wParam != 0;
        return 0;
    case WM_GETDLGCODE: {
        // A multi-line field with ES_WANTRETURN keeps Enter; Tab and Esc stay the dialog's.
        LRESULT code = DLGC_WANTCHARS | DLGC_WANTARROWS | DLGC_HASSETSEL;
        if (multiline() && (GetStyle() & ES_WANTRETURN) && wParam == VK_RETURN)
            code |= DLGC_WANTALLKEYS;
        return code;
    }
    case WM_SETFOCUS:
        if (CWnd* parent = GetParent())
            parent->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), EN_SETFOCUS),
                                LPARAM(m_hWnd));
        return 0;
    case WM_KILLFOCUS:
        if (CWnd* parent = GetParent())
            parent->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), EN_KILLFOCUS),
                                LPARAM(m_hWnd));
        return 0;
    case WM_LBUTTONDOWN:
        // Without character metrics a click puts the caret after the text.
        SetFocus();
        m_edit.SetSel(int(m_edit.text.size()), -1);
        return 0;
    case WM_KEYDOWN:
        if (m_edit.MoveCaret(UINT(wParam), GetKeyState(VK_SHIFT) < 0))
            return 0;
        if (wParam == VK_DELETE && !readOnly && m_edit.Delete())
            changed();
        return 0;
    case WM_CHAR: {
        char16_t ch = char16_t(wParam);
        if (ch == 3)
            return SendMessage(WM_COPY);
        if (ch == 22)
            return SendMessage(WM_PASTE);
        if (ch == 24)
            return SendMessage(WM_CUT);
        if (readOnly)
            return 0;
        if (ch == 8) {
            if (m_edit.Backspace())
                changed();
        } else if (ch == u'\r') {
            if (multiline() && m_edit.ReplaceSel(u"\r\n"))
                changed();
        } else if ((ch >= 0x20 || (ch == u'\t' && multiline())) &&
                   m_edit.ReplaceSel(std::u16string_view(&ch, 1))) {
            changed();
        }
        return 0;
    }
    case WM_COPY:
        if (m_edit.selStart != m_edit.selEnd)
            SetClipboardText(this, m_edit.SelectedText());
        return 0;
    case WM_CUT:
        if (!readOnly && m_edit.selStart != m_edit.selEnd) {
            SetClipboardText(this, m_edit.SelectedText());
            m_edit.ReplaceSel(u"");
            changed();
        }
        return 0;
    case WM_CLEAR:
        if (!readOnly && m_edit.ReplaceSel(u""))
            changed();
        return 0;
    case WM_PASTE:
        if (!readOnly)
            if (auto text = GetClipboardText(); text && m_edit.ReplaceSel(*text))
                changed();
        return 0;
    default:
        return CWnd::WindowProc(message, wParam, lParam);
    }
}

} // namespace zn::ui
