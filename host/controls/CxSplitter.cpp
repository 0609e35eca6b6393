// Splitter bar placement, limits and dragging.
#include "host/controls/CxSplitter.h"

#include <algorithm>

namespace zn::ui {

bool CxSplitter::BindWithControl(CWnd* parent, int id) {
    return SubclassDlgItem(id, parent);
}

bool CxSplitter::AttachAsLeftPane(int id) {
    if (!GetParent() || !GetParent()->GetDlgItem(id))
        return false;
    m_left.push_back(id);
    return true;
}

bool CxSplitter::AttachAsRightPane(int id) {
    if (!GetParent() || !GetParent()->GetDlgItem(id))
        return false;
    m_right.push_back(id);
    return true;
}

void CxSplitter::SetMinWidth(int left, int right) {
    m_minLeft = left;
    m_minRight = right;
}

void CxSplitter::SetSplitterPos(int x) {
    CWnd* parent = GetParent();
    if (!parent)
        return;
    CRect bar = GetRectInParent();
    int lowest = 0, highest = parent->GetClientRect().Width();
    for (int id : m_left)
        if (CWnd* pane = parent->GetDlgItem(id))
            lowest = std::max(lowest, pane->GetRectInParent().left + m_minLeft);
    for (int id : m_right)
        if (CWnd* pane = parent->GetDlgItem(id))
            highest = std::min(highest, pane->GetRectInParent().right - m_minRight - bar.Width());
    x = std::max(lowest, std::min(x, highest));
    MoveWindow(x, bar.top, bar.Width(), bar.Height());
    RecalcLayout();
}

void CxSplitter::RecalcLayout() {
    CWnd* parent = GetParent();
    if (!parent)
        return;
    CRect bar = GetRectInParent();
    for (int id : m_left)
        if (CWnd* pane = parent->GetDlgItem(id)) {
            CRect r = pane->GetRectInParent();
            pane->MoveWindow(r.left, r.top, std::max(0, bar.left - r.left), r.Height());
        }
    for (int id : m_right)
        if (CWnd* pane = parent->GetDlgItem(id)) {
            CRect r = pane->GetRectInParent();
            pane->MoveWindow(bar.right, r.top, std::max(0, r.right - bar.right), r.Height());
        }
}

LRESULT CxSplitter::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    int x = GET_X_LPARAM(lParam);
    switch (message) {
    case WM_LBUTTONDOWN:
        m_dragOffset = x;
        SetCapture();
        return 0;
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP:
        if (m_dragOffset >= 0)
            SetSplitterPos(GetRectInParent().left + x - m_dragOffset);
        if (message == WM_LBUTTONUP && m_dragOffset >= 0) {
            m_dragOffset = -1;
            ReleaseCapture();
        }
        return 0;
    default:
        return CWnd::WindowProc(message, wParam, lParam);
    }
}

} // namespace zn::ui
