// The built-in colour scheme, a light desktop one, and its changes.
#include "platform/ui/SystemColors.h"

#include <array>

#include "platform/ui/Window.h"

namespace zn::ui {

namespace {

std::array<COLORREF, kSystemColorCount> defaultScheme() {
    std::array<COLORREF, kSystemColorCount> colors{};
    colors[COLOR_WINDOW] = RGB(255, 255, 255);
    colors[COLOR_WINDOWFRAME] = RGB(100, 100, 100);
    colors[COLOR_WINDOWTEXT] = RGB(0, 0, 0);
    colors[COLOR_HIGHLIGHT] = RGB(0, 120, 215);
    colors[COLOR_HIGHLIGHTTEXT] = RGB(255, 255, 255);
    colors[COLOR_BTNFACE] = RGB(240, 240, 240);
    colors[COLOR_BTNSHADOW] = RGB(160, 160, 160);
    colors[COLOR_GRAYTEXT] = RGB(109, 109, 109);
    colors[COLOR_BTNTEXT] = RGB(0, 0, 0);
    colors[COLOR_BTNHIGHLIGHT] = RGB(255, 255, 255);
    colors[COLOR_3DDKSHADOW] = RGB(105, 105, 105);
    colors[COLOR_3DLIGHT] = RGB(227, 227, 227);
    colors[COLOR_INFOTEXT] = RGB(0, 0, 0);
    colors[COLOR_INFOBK] = RGB(255, 255, 225);
    return colors;
}

std::array<COLORREF, kSystemColorCount>& scheme() {
    static std::array<COLORREF, kSystemColorCount> colors = defaultScheme();
    return colors;
}

} // namespace

COLORREF GetSysColor(int index) {
    return index >= 0 && index < kSystemColorCount ? scheme()[size_t(index)] : RGB(0, 0, 0);
}

bool SetSysColors(int count, const int* indexes, const COLORREF* colors) {
    for (int i = 0; i < count; ++i)
        if (indexes[i] < 0 || indexes[i] >= kSystemColorCount)
            return false;
    for (int i = 0; i < count; ++i)
        scheme()[size_t(indexes[i])] = colors[i];
    BroadcastToWindows(WM_SYSCOLORCHANGE);
    return true;
}

void ResetSysColors() {
    scheme() = defaultScheme();
    BroadcastToWindows(WM_SYSCOLORCHANGE);
}

} // namespace zn::ui
