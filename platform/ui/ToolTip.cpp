// Tooltip texts by tool.
#include "platform/ui/ToolTip.h"

#include "platform/ui/Resources.h"

namespace zn::ui {

bool CToolTipCtrl::Create(CWnd* parent, std::uint32_t style) {
    return CreateEx(WS_EX_TOPMOST, u"tooltips_class32", u"", WS_POPUP | style, {}, nullptr, 0,
                    parent);
}

bool CToolTipCtrl::AddTool(CWnd* tool, std::u16string_view text, UINT toolId) {
    if (!tool || !tool->GetSafeHwnd())
        return false;
    m_tools[{tool->m_hWnd, toolId}] = text;
    return true;
}

bool CToolTipCtrl::AddTool(CWnd* tool, UINT stringId, UINT toolId) {
    return AddTool(tool, LoadStringW(stringId), toolId);
}

void CToolTipCtrl::DelTool(CWnd* tool, UINT toolId) {
    if (tool)
        m_tools.erase({tool->m_hWnd, toolId});
}

void CToolTipCtrl::UpdateTipText(std::u16string_view text, CWnd* tool, UINT toolId) {
    if (tool)
        if (auto it = m_tools.find({tool->m_hWnd, toolId}); it != m_tools.end())
            it->second = text;
}

ZnsStringW CToolTipCtrl::GetText(CWnd* tool, UINT toolId) const {
    if (!tool)
        return {};
    auto it = m_tools.find({tool->m_hWnd, toolId});
    return it == m_tools.end() ? ZnsStringW() : it->second;
}

ZnsStringW CToolTipCtrl::TipFor(CWnd* hovered) const {
    return m_active ? GetText(hovered) : ZnsStringW();
}

void CToolTipCtrl::RelayEvent(const MSG& msg) {
    if (msg.message == WM_MOUSEMOVE)
        m_hovered = m_tools.count({msg.hwnd, 0}) ? msg.hwnd : nullptr;
    else if (msg.message == WM_LBUTTONDOWN || msg.message == WM_RBUTTONDOWN ||
             msg.message == WM_LBUTTONDBLCLK)
        m_hovered = nullptr;
}

} // namespace zn::ui
