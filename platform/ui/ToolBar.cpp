// Toolbar buttons, their geometry and clicks.
#include "platform/ui/ToolBar.h"

#include <utility>

#include "platform/ui/DeviceContext.h"
#include "platform/ui/SystemColors.h"

namespace zn::ui {

bool CToolBarCtrl::Create(std::uint32_t style, const CRect& rect, CWnd* parent, int id) {
    return CreateEx(0, u"ToolbarWindow32", u"", style | WS_CHILD, rect, parent, id);
}

bool CToolBarCtrl::InsertButton(int index, const TBBUTTON& button) {
    if (index < 0 || index > GetButtonCount())
        return false;
    m_buttons.insert(m_buttons.begin() + index, button);
    return true;
}

bool CToolBarCtrl::DeleteButton(int index) {
    if (index < 0 || index >= GetButtonCount())
        return false;
    m_buttons.erase(m_buttons.begin() + index);
    return true;
}

const TBBUTTON* CToolBarCtrl::GetButton(int index) const {
    return index >= 0 && index < GetButtonCount() ? &m_buttons[size_t(index)] : nullptr;
}

int CToolBarCtrl::CommandToIndex(int command) const {
    for (size_t i = 0; i < m_buttons.size(); ++i)
        if (!(m_buttons[i].fsStyle & TBSTYLE_SEP) && m_buttons[i].idCommand == command)
            return int(i);
    return -1;
}

TBBUTTON* CToolBarCtrl::byCommand(int command) {
    int index = CommandToIndex(command);
    return index < 0 ? nullptr : &m_buttons[size_t(index)];
}

namespace {
bool setState(TBBUTTON* button, std::uint8_t bit, bool on) {
    if (!button)
        return false;
    button->fsState = std::uint8_t(on ? button->fsState | bit : button->fsState & ~bit);
    return true;
}
} // namespace

bool CToolBarCtrl::EnableButton(int command, bool enable) {
    return setState(byCommand(command), TBSTATE_ENABLED, enable);
}

bool CToolBarCtrl::CheckButton(int command, bool check) {
    return setState(byCommand(command), TBSTATE_CHECKED, check);
}

bool CToolBarCtrl::HideButton(int command, bool hide) {
    return setState(byCommand(command), TBSTATE_HIDDEN, hide);
}

bool CToolBarCtrl::IsButtonEnabled(int command) const {
    int index = CommandToIndex(command);
    return index >= 0 && (m_buttons[size_t(index)].fsState & TBSTATE_ENABLED);
}

bool CToolBarCtrl::IsButtonChecked(int command) const {
    int index = CommandToIndex(command);
    return index >= 0 && (m_buttons[size_t(index)].fsState & TBSTATE_CHECKED);
}

ZnsStringW CToolBarCtrl::GetToolTipText(int command) const {
    int index = CommandToIndex(command);
    return index < 0 ? ZnsStringW() : m_buttons[size_t(index)].tooltip;
}

CRect CToolBarCtrl::GetItemRect(int index) const {
    int x = 0;
    for (int i = 0; i < GetButtonCount(); ++i) {
        const TBBUTTON& b = m_buttons[size_t(i)];
        int width = (b.fsState & TBSTATE_HIDDEN) ? 0
                    : (b.fsStyle & TBSTYLE_SEP)  ? kSeparatorWidth
                                                 : kButtonSize.cx;
        if (i == index)
            return {x, 0, x + width, kButtonSize.cy};
        x += width;
    }
    return {};
}

CSize CToolBarCtrl::GetMaxSize() const {
    CRect last = GetItemRect(GetButtonCount() - 1);
    return {last.right, kButtonSize.cy};
}

void CToolBarCtrl::AutoSize() {
    CRect rect = GetRectInParent();
    CSize size = GetMaxSize();
    MoveWindow(rect.left, rect.top, size.cx, size.cy);
}

const CImageList* CToolBarCtrl::SetImageList(const CImageList* images) {
    Invalidate();
    return std::exchange(m_images, images);
}

void CToolBarCtrl::OnPaint() {
    CPaintDC dc(this);
    for (int i = 0; i < GetButtonCount(); ++i) {
        const TBBUTTON& button = m_buttons[size_t(i)];
        const PixelImage* image = m_images ? m_images->GetImage(button.iBitmap) : nullptr;
        if ((button.fsStyle & TBSTYLE_SEP) || (button.fsState & TBSTATE_HIDDEN) || !image)
            continue;
        CRect rect = GetItemRect(i);
        if (button.fsState & TBSTATE_CHECKED)
            dc.FillSolidRect(rect, GetSysColor(COLOR_BTNHIGHLIGHT));
        CPoint at{rect.left + (rect.Width() - image->width) / 2,
                  rect.top + (rect.Height() - image->height) / 2};
        if (button.fsState & TBSTATE_ENABLED && IsWindowEnabled()) {
            dc.DrawImage(at.x, at.y, *image);
            continue;
        }
        // Disabled: the picture's shape in the shadow colour.
        PixelImage greyed = *image;
        for (COLORREF& pixel : greyed.pixels)
            pixel = GetSysColor(COLOR_BTNSHADOW);
        dc.DrawImage(at.x, at.y, greyed);
    }
}

std::optional<CRect> CToolBarCtrl::FindItemRect(std::u16string_view item) const {
    std::string digits = zn::toUtf8(item);
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    int index = CommandToIndex(std::stoi(digits));
    if (index < 0 || (m_buttons[size_t(index)].fsState & TBSTATE_HIDDEN))
        return std::nullopt;
    return GetItemRect(index);
}

LRESULT CToolBarCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP: {
        CPoint point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        int hit = -1;
        for (int i = 0; i < GetButtonCount(); ++i)
            if (!(m_buttons[size_t(i)].fsStyle & TBSTYLE_SEP) && GetItemRect(i).PtInRect(point))
                hit = i;
        if (message == WM_LBUTTONDOWN) {
            m_pressed = hit;
            return 0;
        }
        bool clicked = hit >= 0 && hit == m_pressed;
        m_pressed = -1;
        if (!clicked || !IsWindowEnabled())
            return 0;
        TBBUTTON& button = m_buttons[size_t(hit)];
        if (!(button.fsState & TBSTATE_ENABLED))
            return 0;
        if (button.fsStyle & TBSTYLE_CHECK)
            button.fsState ^= TBSTATE_CHECKED;
        if (CWnd* owner = GetOwner())
            owner->SendMessage(WM_COMMAND, MAKEWPARAM(unsigned(button.idCommand), BN_CLICKED),
                               LPARAM(m_hWnd));
        return 0;
    }
    default:
        return CWnd::WindowProc(message, wParam, lParam);
    }
}

} // namespace zn::ui
