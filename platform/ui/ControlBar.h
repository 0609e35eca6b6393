// A bar docked along the top of its parent's client area: the full width, at the height
// it asks for. Every WM_SIZE of the parent lays the bars out again, top down in creation
// order, and what they leave is the parent's RepositionBars() answer for its content.
#pragma once

#include "platform/ui/Window.h"

namespace zn::ui {

class CControlBar : public CWnd {
public:
    // Makes the bar a visible child of `parent` and docks it at once.
    bool Create(CWnd* parent, int height, int id, std::u16string_view className = u"ControlBar");
    int GetBarHeight() const { return m_height; }
    // A new height takes effect immediately: the parent lays its bars out again.
    void SetBarHeight(int height);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    int m_height = 0;
};

} // namespace zn::ui
