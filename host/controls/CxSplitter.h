// The controls library's splitter: a vertical bar that stands in a place control of the
// dialog, with panes on its left and right. Dragging the bar (or setting its position)
// moves the panes' shared edges; each side keeps its minimum width.
#pragma once

#include <vector>

#include "platform/ui/Window.h"

namespace zn::ui {

class CxSplitter : public CWnd {
public:
    // Takes over control `id` of `parent` as the bar.
    bool BindWithControl(CWnd* parent, int id);
    // Panes by control id of the same parent: left panes end at the bar, right panes
    // begin after it.
    bool AttachAsLeftPane(int id);
    bool AttachAsRightPane(int id);
    void SetMinWidth(int left, int right);
    // Moves the bar's left edge to `x` (parent client pixels), kept inside the limits.
    void SetSplitterPos(int x);
    int GetSplitterPos() const { return GetRectInParent().left; }
    // Lays the panes out around the bar's present position.
    void RecalcLayout();

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    std::vector<int> m_left, m_right;
    int m_minLeft = 0, m_minRight = 0;
    int m_dragOffset = -1;
};

} // namespace zn::ui
