// Window placement: where a top-level window stands and whether it is maximized, read and
// restored as a whole, and written as text so a settings store can keep it.
#pragma once

#include <optional>

#include "platform/ui/Window.h"

namespace zn::ui {

struct WINDOWPLACEMENT {
    UINT flags = 0;
    UINT showCmd = SW_SHOWNORMAL;
    CPoint ptMinPosition;
    CPoint ptMaxPosition;
    CRect rcNormalPosition;
    bool operator==(const WINDOWPLACEMENT&) const = default;
};

bool GetWindowPlacement(const CWnd& window, WINDOWPLACEMENT& placement);
// Restores the rectangle and the show state (a hidden window stays hidden).
bool SetWindowPlacement(CWnd& window, const WINDOWPLACEMENT& placement);

// "showCmd left top right bottom", the form kept in settings.
ZnsStringW FormatPlacement(const WINDOWPLACEMENT& placement);
std::optional<WINDOWPLACEMENT> ParsePlacement(std::u16string_view text);

} // namespace zn::ui
