// A bar docked along the top of its parent's client area: the full width, at the height
// it asks for (its inside and the borders around it). Every WM_SIZE of the parent lays the
// bars out again, top down in creation order, and what they leave is the parent's
// RepositionBars() answer for its content. When the message loop runs dry a visible bar
// gets its idle update, where it refreshes itself from its owner.
#pragma once

#include "platform/ui/Window.h"

namespace zn::ui {

class CControlBar : public CWnd {
public:
    // Makes the bar a visible child of `parent` with an inside `height` pixels high and
    // docks it at once.
    bool Create(CWnd* parent, int height, int id, std::u16string_view className = u"ControlBar");
    // The docked height: the inside and the top and bottom borders.
    int GetBarHeight() const { return m_height + m_borders.top + m_borders.bottom; }
    // A new height or new borders take effect immediately: the parent lays its bars out
    // again.
    void SetBarHeight(int height);
    // Border widths on each side (left, top, right, bottom), none by default.
    void SetBorders(int left, int top, int right, int bottom);
    // The client area less the borders: where the bar draws its content.
    CRect CalcInsideRect() const;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // The idle update: the bar brings its state up to date with `target`, its owner.
    virtual void OnUpdateCmdUI(CWnd* /*target*/, bool /*disableIfNoHandler*/) {}

private:
    int m_height = 0;
    CRect m_borders;
};

} // namespace zn::ui
