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

LRESULT CControlBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_SIZEPARENT)
        return CWnd::WindowProc(message, wParam, lParam);
    auto* layout = reinterpret_cast<SIZEPARENTPARAMS*>(lParam);
    if (!(GetStyle() & WS_VISIBLE))
        return 0;
    CRect& free = layout->rect;
    int height = std::min(m_height, std::max(free.Height(), 0));
    MoveWindow({free.left, free.top, free.right, free.top + height});
    free.top += height;
    return 1;
}

} // namespace zn::ui
