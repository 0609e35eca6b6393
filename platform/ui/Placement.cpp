// Window placement and its text form.
#include "platform/ui/Placement.h"

#include <cstdio>

namespace zn::ui {

bool GetWindowPlacement(const CWnd& window, WINDOWPLACEMENT& placement) {
    if (!window.GetSafeHwnd())
        return false;
    placement = {};
    placement.rcNormalPosition = window.GetRectInParent();
    placement.showCmd = (window.GetStyle() & WS_MAXIMIZE) ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL;
    return true;
}

bool SetWindowPlacement(CWnd& window, const WINDOWPLACEMENT& placement) {
    if (!window.GetSafeHwnd() || placement.rcNormalPosition.IsRectEmpty())
        return false;
    window.MoveWindow(placement.rcNormalPosition);
    bool maximized = placement.showCmd == SW_SHOWMAXIMIZED;
    window.ModifyStyle(maximized ? 0 : WS_MAXIMIZE, maximized ? WS_MAXIMIZE : 0);
    return true;
}

ZnsStringW FormatPlacement(const WINDOWPLACEMENT& p) {
    const CRect& r = p.rcNormalPosition;
    return zn::format("%u %d %d %d %d", p.showCmd, r.left, r.top, r.right, r.bottom);
}

std::optional<WINDOWPLACEMENT> ParsePlacement(std::u16string_view text) {
    WINDOWPLACEMENT p;
    CRect& r = p.rcNormalPosition;
    char tail = 0;
    if (std::sscanf(zn::toUtf8(text).c_str(), "%u %d %d %d %d %c", &p.showCmd, &r.left, &r.top,
                    &r.right, &r.bottom, &tail) != 5 ||
        r.IsRectEmpty())
        return std::nullopt;
    return p;
}

} // namespace zn::ui
