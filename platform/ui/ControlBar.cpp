// Docking a bar: it answers WM_SIZEPARENT by taking its strip off the top of what the
// bars before it left.
#include "platform/ui/ControlBar.h"

#include <algorithm>

namespace zn::ui {

bool CControlBar::Create(CWnd* parent, int height, int id, std::u16string_view className) {
    m_height = std::max(height, 0);
    if (!CreateEx(0, className, u"", WS_CHILD | WS_VISIBLE, {}, parent, id))
        return false;
    parent->RepositionBars();
    return true;
}

void CControlBar::SetBarHeight(int height) {
    m_height = std::max(height, 0);
    if (CWnd* parent = GetParent())
        parent->RepositionBars();
}

void CControlBar::SetBorders(int left, int top, int right, int bottom) {
    m_borders = {std::max(left, 0), std::max(top, 0), std::max(right, 0), std::max(bottom, 0)};
    if (CWnd* parent = GetParent())
        parent->RepositionBars();
}

CRect CControlBar::CalcInsideRect() const {
    CRect client = GetClientRect();
    return {client.left + m_borders.left, client.top + m_borders.top,
            std::max(client.left + m_borders.left, client.right - m_borders.right),
            std::max(client.top + m_borders.top, client.bottom - m_borders.bottom)};
}

LRESULT CControlBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_IDLEUPDATECMDUI) {
        if (IsWindowVisible())
            OnUpdateCmdUI(GetOwner(), wParam != 0);
        return 0;
    }
    if (message != WM_SIZEPARENT)
        return CWnd::WindowProc(message, wParam, lParam);
    auto* layout = reinterpret_cast<SIZEPARENTPARAMS*>(lParam);
    if (!(GetStyle() & WS_VISIBLE))
        return 0;
    CRect& free = layout->rect;
    int height = std::min(GetBarHeight(), std::max(free.Height(), 0));
    MoveWindow({free.left, free.top, free.right, free.top + height});
    free.top += height;
    return 1;
}

} // namespace zn::ui
