// Invalidation and WM_PAINT delivery: each window keeps the union of what was invalidated
// and is painted only while that is not empty, so a window that nobody invalidated is
// never asked to draw.
#include <algorithm>
#include <iterator>

#include "platform/ui/DeviceContext.h"
#include "platform/ui/Window.h"
#include "platform/ui/WindowChanges.h"

namespace zn::ui {

namespace {

CRect unite(const CRect& a, const CRect& b) {
    if (a.IsRectEmpty())
        return b;
    if (b.IsRectEmpty())
        return a;
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

void paintTree(CWnd& wnd) {
    if (!wnd.IsWindowVisible())
        return;
    wnd.UpdateWindow();
    for (CWnd* child : std::vector<CWnd*>(wnd.GetChildren()))
        paintTree(*child);
}

} // namespace

void CWnd::InvalidateRect(const CRect* rect, bool erase) {
    NotifyWindowChanged();
    if (!m_hWnd)
        return;
    CRect client = GetClientRect();
    CRect wanted = rect ? *rect : client;
    wanted = {std::max(wanted.left, 0), std::max(wanted.top, 0),
              std::min(wanted.right, client.right), std::min(wanted.bottom, client.bottom)};
    if (wanted.IsRectEmpty())
        return;
    m_updateRect = unite(m_updateRect, wanted);
    m_eraseOnPaint = m_eraseOnPaint || erase;
}

bool CWnd::GetUpdateRect(CRect* rect) const {
    if (rect)
        *rect = m_updateRect.IsRectEmpty() ? CRect{} : m_updateRect;
    return !m_updateRect.IsRectEmpty();
}

void CWnd::UpdateWindow() {
    if (m_hWnd && IsWindowVisible() && GetUpdateRect(nullptr))
        SendMessage(WM_PAINT);
}

void CWnd::BeginPaint(PAINTSTRUCT* ps) {
    ps->rcPaint = m_updateRect.IsRectEmpty() ? CRect{} : m_updateRect;
    ps->fErase = m_eraseOnPaint;
    m_updateRect = {};
    m_eraseOnPaint = false;
}

void CWnd::EndPaint(const PAINTSTRUCT*, DisplayList painted) {
    m_painted = std::move(painted);
}

void CWnd::DrawOverPicture(DisplayList drawn) {
    NotifyWindowChanged();
    m_painted.insert(m_painted.end(), std::make_move_iterator(drawn.begin()),
                     std::make_move_iterator(drawn.end()));
}

void CWnd::OnPaint() {
    CPaintDC dc(this);
}

CRect CWnd::RepositionBars() {
    SIZEPARENTPARAMS layout{GetClientRect()};
    for (CWnd* child : std::vector<CWnd*>(m_children))
        child->SendMessage(WM_SIZEPARENT, 0, reinterpret_cast<LPARAM>(&layout));
    return layout.rect;
}

void PaintInvalidWindows() {
    for (CWnd* top : TopLevelWindows())
        paintTree(*top);
}

} // namespace zn::ui
