// The tooltip control: a text per tool window (or per tool id in a window), shown when the
// pointer rests on the tool while the control is active; the owner relays the mouse
// messages that tell where the pointer is.
#pragma once

#include <map>

#include "platform/ui/Window.h"

namespace zn::ui {

class CToolTipCtrl : public CWnd {
public:
    bool Create(CWnd* parent, std::uint32_t style = 0);
    bool AddTool(CWnd* tool, std::u16string_view text, UINT toolId = 0);
    bool AddTool(CWnd* tool, UINT stringId, UINT toolId = 0);
    void DelTool(CWnd* tool, UINT toolId = 0);
    void UpdateTipText(std::u16string_view text, CWnd* tool, UINT toolId = 0);
    // The text of a tool; empty when it is not a tool.
    ZnsStringW GetText(CWnd* tool, UINT toolId = 0) const;
    int GetToolCount() const { return int(m_tools.size()); }
    void Activate(bool active) { m_active = active; }
    bool IsActive() const { return m_active; }
    void SetMaxTipWidth(int width) { m_maxWidth = width; }
    int GetMaxTipWidth() const { return m_maxWidth; }
    // The tip the user sees for the window under the pointer (none while inactive).
    ZnsStringW TipFor(CWnd* hovered) const;
    // Mouse messages its owner's PreTranslateMessage passes on: the pointer resting on a
    // tool shows the tool's tip, a button press or a move elsewhere hides it.
    void RelayEvent(const MSG& msg);
    // The tip showing now; empty when none shows.
    ZnsStringW GetShownTip() const { return TipFor(CWnd::FromHandle(m_hovered)); }

private:
    std::map<std::pair<HWND, UINT>, ZnsStringW> m_tools;
    HWND m_hovered = nullptr;
    bool m_active = false;
    int m_maxWidth = -1;
};

} // namespace zn::ui
