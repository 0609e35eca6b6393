// The library toolbar: buttons with default tooltips, standing at its place.
#include "host/controls/CxToolBar.h"

#include "platform/ui/Resources.h"

namespace zn::ui {

bool CxToolBar::Create(CWnd* parent, UINT id, std::uint32_t style, UINT flags) {
    if (!parent)
        return false;
    m_place = parent->GetDlgItem(int(id));
    CRect rect = m_place ? m_place->GetRectInParent() : CRect{};
    if (!CToolBarCtrl::Create(style | WS_VISIBLE, rect, parent, int(id)))
        return false;
    if (m_place && (flags & kToolBarHidePlace))
        m_place->ShowWindow(SW_HIDE);
    return true;
}

bool CxToolBar::AddButton(UINT command, int image, std::u16string_view tooltip,
                          std::uint8_t style) {
    const PixelImage* picture = FindSharedToolbarImage(image);
    if (!picture)
        return false;
    if (!m_images.IsCreated()) {
        m_images.Create(kToolbarImageSize.cx, kToolbarImageSize.cy, ILC_COLOR24 | ILC_MASK, 16, 8);
        SetImageList(&m_images);
    }
    TBBUTTON button;
    button.idCommand = int(command);
    button.iBitmap = m_images.Add(CBitmap(*picture), kToolbarMaskColor);
    button.fsStyle = style;
    button.tooltip = tooltip.empty() ? LoadStringW(command) : ZnsStringW(tooltip);
    if (button.iBitmap < 0 || !CToolBarCtrl::AddButton(button))
        return false;
    m_imageNumbers[command] = image;
    UpdatePosition();
    return true;
}

int CxToolBar::GetButtonImage(UINT command) const {
    auto it = m_imageNumbers.find(command);
    return it == m_imageNumbers.end() || CommandToIndex(int(command)) < 0 ? -1 : it->second;
}

bool CxToolBar::AddSeparator() {
    TBBUTTON separator;
    separator.fsStyle = TBSTYLE_SEP;
    bool added = CToolBarCtrl::AddButton(separator);
    UpdatePosition();
    return added;
}

bool CxToolBar::AddButtons(std::span<const Button> buttons,
                           const std::function<ZnsStringW(UINT)>& toolTip) {
    for (const Button& button : buttons) {
        const bool added =
            button.command == 0
                ? AddSeparator()
                : AddButton(button.command, button.image,
                            toolTip ? toolTip(button.command) : ZnsStringW());
        if (!added)
            return false;
    }
    return true;
}

void CxToolBar::UpdatePosition() {
    CRect rect = m_place ? m_place->GetRectInParent() : GetRectInParent();
    CSize size = GetMaxSize();
    MoveWindow(rect.left, rect.top, size.cx, size.cy);
}

} // namespace zn::ui
