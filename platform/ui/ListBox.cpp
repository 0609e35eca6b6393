// List box behaviour.
#include "platform/ui/ListBox.h"

namespace zn::ui {

int CListBox::SetCurSel(int index) {
    m_list.current = m_list.Valid(index) ? index : -1;
    return m_list.current == index ? index : LB_ERR;
}

ZnsStringW CListBox::GetText(int index) const {
    return m_list.Text(index);
}

int CListBox::SetItemData(int index, std::uintptr_t data) {
    return m_list.SetData(index, data) ? 0 : LB_ERR;
}

std::uintptr_t CListBox::GetItemData(int index) const {
    return m_list.Data(index, std::uintptr_t(LB_ERR));
}

std::optional<CRect> CListBox::FindItemRect(std::u16string_view item) const {
    int index = m_list.Find(-1, item, true);
    if (index < 0)
        return std::nullopt;
    return m_list.RowRect(index, 0, GetClientRect().Width());
}

std::vector<std::u16string> CListBox::ItemLines() const {
    std::vector<std::u16string> lines;
    for (int i = 0; i < GetCount(); ++i)
        lines.push_back((i == GetCurSel() ? u"> " : u"  ") + GetText(i));
    return lines;
}

void CListBox::notify(int code) {
    if ((GetStyle() & LBS_NOTIFY) && GetParent())
        GetParent()->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), unsigned(code)),
                                 LPARAM(m_hWnd));
}

LRESULT CListBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        m_list.sorted = GetStyle() & LBS_SORT;
        return CWnd::WindowProc(message, wParam, lParam);
    case LB_ADDSTRING:
        return AddString(reinterpret_cast<const char16_t*>(lParam));
    case LB_GETCOUNT:
        return GetCount();
    case LB_GETCURSEL:
        return GetCurSel();
    case LB_SETCURSEL:
        return SetCurSel(int(wParam));
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_LBUTTONDOWN:
        SetFocus();
        if (auto row = m_list.RowAt(GET_Y_LPARAM(lParam), 0); row && *row != m_list.current) {
            m_list.current = *row;
            notify(LBN_SELCHANGE);
        }
        return 0;
    case WM_LBUTTONDBLCLK:
        if (m_list.RowAt(GET_Y_LPARAM(lParam), 0))
            notify(LBN_DBLCLK);
        return 0;
    case WM_KEYDOWN: {
        int next = wParam == VK_DOWN ? m_list.current + 1
                   : wParam == VK_UP ? m_list.current - 1
                                     : -2;
        if (m_list.Valid(next)) {
            m_list.current = next;
            notify(LBN_SELCHANGE);
        }
        return 0;
    }
    default:
        return CWnd::WindowProc(message, wParam, lParam);
    }
}

} // namespace zn::ui
