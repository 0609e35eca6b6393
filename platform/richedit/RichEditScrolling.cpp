// The scroll position of the headless control: how far the text is moved up and left
// under the formatting rectangle, kept within the text's extent.
#include <algorithm>

#include "platform/richedit/RichEditModel.h"

namespace zn::richedit {

namespace {

int limited(int value, int extent, int visible) {
    return std::clamp(value, 0, std::max(0, extent - std::max(0, visible)));
}

} // namespace

Point RichEditModel::GetScrollPos() const {
    const int height = m_lines.Height();
    return {m_scroll.x, limited(m_scroll.y, height, m_rect.bottom - m_rect.top)};
}

void RichEditModel::SetScrollPos(Point position) {
    const int widest = m_lines.WidestLine();
    // One cell more than the widest line: the caret stands behind its end.
    m_scroll.x = limited(position.x, (widest + 1) * kCellWidth, m_rect.right - m_rect.left);
    m_scroll.y = position.y;
    m_scroll.y = GetScrollPos().y;
}

void RichEditModel::LineScroll(int columns, int lines) {
    const Point now = GetScrollPos();
    int y = now.y;
    if (lines != 0) {
        const int first = m_lines.LineAt(now.y);
        // Back from a partly shown line first goes to its own top.
        const int partly = lines < 0 && m_lines.LineTop(first) < now.y ? 1 : 0;
        y = m_lines.LineTop(std::clamp(first + lines + partly, 0, GetLineCount() - 1));
    }
    SetScrollPos({now.x + columns * kCellWidth, y});
}

void RichEditModel::ScrollCaret() {
    const int width = m_rect.right - m_rect.left, height = m_rect.bottom - m_rect.top;
    if (width <= 0 || height <= 0)
        return;
    const int line = m_lines.LineOf(m_selEnd);
    // The caret's cell in the text's own extent.
    const int x = m_lines.Column(m_selEnd) * kCellWidth;
    const int y = m_lines.LineTop(line), lineHeight = m_lines.LineHeight(line);
    Point scroll = GetScrollPos();
    if (x < scroll.x)
        scroll.x = x;
    else if (x + kCellWidth > scroll.x + width)
        scroll.x = x + kCellWidth - width;
    if (y < scroll.y)
        scroll.y = y;
    else if (y + lineHeight > scroll.y + height)
        scroll.y = y + lineHeight - height;
    // Within the limits by construction (the caret's cell lies inside the text's extent),
    // so the text is not walked for its widest line on every key.
    m_scroll = scroll;
}

} // namespace zn::richedit
