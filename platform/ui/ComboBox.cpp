// Combo box behaviour.
#include "platform/ui/ComboBox.h"

#include <algorithm>

#include "platform/ui/Input.h"

namespace zn::ui {

int CComboBox::AddString(std::u16string_view text) {
    return m_list.Add(text);
}

int CComboBox::InsertString(int index, std::u16string_view text) {
    return m_list.Insert(index, text);
}

int CComboBox::DeleteString(int index) {
    return m_list.Remove(index);
}

void CComboBox::ResetContent() {
    m_list.Clear();
    if (!IsEditable())
        showSelection();
}

int CComboBox::SetCurSel(int index) {
    m_list.current = m_list.Valid(index) ? index : -1;
    showSelection();
    return m_list.current == index ? index : CB_ERR;
}

void CComboBox::showSelection() {
    m_edit.SetText(m_list.Valid(m_list.current) ? m_list.entries[size_t(m_list.current)].text
                                                : u"");
    CWnd::DefWindowProc(WM_SETTEXT, 0, LPARAM(m_edit.text.c_str()));
}

ZnsStringW CComboBox::GetLBText(int index) const {
    return m_list.Text(index);
}

int CComboBox::SelectString(int start, std::u16string_view text) {
    int index = m_list.Find(start, text, false);
    if (index >= 0)
        SetCurSel(index);
    return index >= 0 ? index : CB_ERR;
}

int CComboBox::SetItemData(int index, std::uintptr_t data) {
    return m_list.SetData(index, data) ? 0 : CB_ERR;
}

std::uintptr_t CComboBox::GetItemData(int index) const {
    return m_list.Data(index, std::uintptr_t(CB_ERR));
}

std::optional<CRect> CComboBox::FindItemRect(std::u16string_view item) const {
    int index = m_list.Find(-1, item, true);
    if (index < 0)
        return std::nullopt;
    return m_list.RowRect(index, GetClientRect().Height(), GetClientRect().Width());
}

void CComboBox::notify(int code) {
    if (CWnd* parent = GetParent())
        parent->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), unsigned(code)), LPARAM(m_hWnd));
}

void CComboBox::userSelects(int index) {
    if (!m_list.Valid(index) || index == m_list.current)
        return;
    SetCurSel(index);
    notify(CBN_SELCHANGE);
}

LRESULT CComboBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        m_list.sorted = GetStyle() & CBS_SORT;
        return CWnd::WindowProc(message, wParam, lParam);
    case WM_SETTEXT:
        m_edit.SetText(lParam ? reinterpret_cast<const char16_t*>(lParam) : u"");
        return CWnd::WindowProc(message, wParam, lParam);
    case CB_ADDSTRING:
        return AddString(reinterpret_cast<const char16_t*>(lParam));
    case CB_INSERTSTRING:
        return InsertString(int(wParam), reinterpret_cast<const char16_t*>(lParam));
    case CB_DELETESTRING:
        return DeleteString(int(wParam));
    case CB_RESETCONTENT:
        ResetContent();
        return 0;
    case CB_GETCOUNT:
        return GetCount();
    case CB_GETCURSEL:
        return GetCurSel();
    case CB_SETCURSEL:
        return SetCurSel(int(wParam));
    case CB_FINDSTRING:
        return FindString(int(wParam), reinterpret_cast<const char16_t*>(lParam));
    case CB_FINDSTRINGEXACT:
        return FindStringExact(int(wParam), reinterpret_cast<const char16_t*>(lParam));
    case CB_SELECTSTRING:
        return SelectString(int(wParam), reinterpret_cast<const char16_t*>(lParam));
    case CB_GETLBTEXTLEN:
        return m_list.Valid(int(wParam)) ? LRESULT(GetLBText(int(wParam)).size()) : CB_ERR;
    case CB_GETLBTEXT: {
        // The caller's buffer takes the entry and a terminator.
        if (!m_list.Valid(int(wParam)))
            return CB_ERR;
        ZnsStringW text = GetLBText(int(wParam));
        auto* out = reinterpret_cast<char16_t*>(lParam);
        std::copy(text.begin(), text.end(), out);
        out[text.size()] = 0;
        return LRESULT(text.size());
    }
    case CB_GETITEMDATA:
        return LRESULT(GetItemData(int(wParam)));
    case CB_SETITEMDATA:
        return SetItemData(int(wParam), std::uintptr_t(lParam));
    case WM_GETDLGCODE:
        return DLGC_WANTCHARS | DLGC_WANTARROWS;
    case WM_SETFOCUS:
        m_edit.SetSel(0, -1);
        notify(CBN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        notify(CBN_KILLFOCUS);
        return 0;
    case WM_LBUTTONDOWN: {
        SetFocus();
        if (auto row = m_list.RowAt(GET_Y_LPARAM(lParam), GetClientRect().Height()))
            userSelects(*row);
        return 0;
    }
    case WM_KEYDOWN:
        if (wParam == VK_DOWN)
            userSelects(m_list.current + 1);
        else if (wParam == VK_UP)
            userSelects(std::max(0, m_list.current - 1));
        else if (IsEditable() && m_edit.MoveCaret(UINT(wParam), GetKeyState(VK_SHIFT) < 0))
            return 0;
        else if (IsEditable() && wParam == VK_DELETE && m_edit.Delete()) {
            CWnd::DefWindowProc(WM_SETTEXT, 0, LPARAM(m_edit.text.c_str()));
            notify(CBN_EDITCHANGE);
        }
        return 0;
    case WM_CHAR: {
        char16_t ch = char16_t(wParam);
        if (!IsEditable()) {
            // A typed character selects the next entry that begins with it.
            if (ch >= 0x20)
                userSelects(m_list.Find(m_list.current, std::u16string_view(&ch, 1), false));
            return 0;
        }
        bool edited = ch == 8 ? m_edit.Backspace()
                              : ch >= 0x20 && m_edit.ReplaceSel(std::u16string_view(&ch, 1));
        if (edited) {
            CWnd::DefWindowProc(WM_SETTEXT, 0, LPARAM(m_edit.text.c_str()));
            m_list.current = m_list.Find(-1, m_edit.text, true);
            notify(CBN_EDITCHANGE);
        }
        return 0;
    }
    default:
        return CWnd::WindowProc(message, wParam, lParam);
    }
}

} // namespace zn::ui
