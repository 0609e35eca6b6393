// Button behaviour: checking, radio groups, click notification.
#include "platform/ui/Button.h"

#include <algorithm>

namespace zn::ui {

namespace {
std::uint32_t kindOf(const CWnd& w) {
    return w.GetStyle() & BS_TYPEMASK;
}
} // namespace

bool CButton::IsPushButton() const {
    auto kind = kindOf(*this);
    return kind == BS_PUSHBUTTON || kind == BS_DEFPUSHBUTTON;
}

bool CButton::IsRadio() const {
    auto kind = kindOf(*this);
    return kind == BS_RADIOBUTTON || kind == BS_AUTORADIOBUTTON;
}

std::vector<CButton*> CButton::RadioGroup() {
    std::vector<CButton*> group;
    CWnd* parent = GetParent();
    if (!parent)
        return {this};
    const auto& siblings = parent->GetChildren();
    auto self = std::find(siblings.begin(), siblings.end(), this);
    auto start = self;
    while (start != siblings.begin() && !((*start)->GetStyle() & WS_GROUP))
        --start;
    for (auto it = start; it != siblings.end(); ++it) {
        if (it != start && ((*it)->GetStyle() & WS_GROUP))
            break;
        if (auto* button = dynamic_cast<CButton*>(*it); button && button->IsRadio())
            group.push_back(button);
    }
    return group;
}

void CButton::Clicked() {
    if (!IsWindowEnabled())
        return;
    switch (kindOf(*this)) {
    case BS_AUTOCHECKBOX:
        m_check = m_check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED;
        break;
    case BS_AUTO3STATE:
        m_check = (m_check + 1) % 3;
        break;
    case BS_AUTORADIOBUTTON:
        for (CButton* other : RadioGroup())
            other->m_check = other == this ? BST_CHECKED : BST_UNCHECKED;
        break;
    default:
        break;
    }
    if (CWnd* parent = GetParent())
        parent->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), BN_CLICKED), LPARAM(m_hWnd));
}

LRESULT CButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case BM_GETCHECK:
        return m_check;
    case BM_SETCHECK:
        m_check = int(wParam);
        return 0;
    case BM_CLICK:
        Clicked();
        return 0;
    case WM_LBUTTONDOWN:
        if (IsWindowEnabled() && m_takesFocus)
            SetFocus();
        return 0;
    case WM_LBUTTONUP:
        if (GetClientRect().PtInRect({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}))
            Clicked();
        return 0;
    case WM_KEYUP:
        if (wParam == VK_SPACE)
            Clicked();
        return 0;
    case WM_GETDLGCODE:
        return DLGC_BUTTON |
               (kindOf(*this) == BS_DEFPUSHBUTTON ? LRESULT(DLGC_DEFPUSHBUTTON) : LRESULT(0));
    default:
        return CWnd::WindowProc(message, wParam, lParam);
    }
}

} // namespace zn::ui
