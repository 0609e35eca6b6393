// The table of system colours, starting from a light desktop scheme, and the notice that
// goes to every window when it changes.
#include "platform/ui/SystemColors.h"

#include <map>

#include "platform/ui/Window.h"

namespace zn::ui {

namespace {

std::map<int, COLORREF>& colors() {
    static std::map<int, COLORREF> table = {
        {COLOR_WINDOW, RGB(255, 255, 255)},
        {COLOR_WINDOWFRAME, RGB(100, 100, 100)},
        {COLOR_WINDOWTEXT, RGB(0, 0, 0)},
        {COLOR_HIGHLIGHT, RGB(0, 120, 215)},
        {COLOR_HIGHLIGHTTEXT, RGB(255, 255, 255)},
        {COLOR_BTNFACE, RGB(240, 240, 240)},
        {COLOR_BTNSHADOW, RGB(160, 160, 160)},
        {COLOR_GRAYTEXT, RGB(109, 109, 109)},
        {COLOR_BTNTEXT, RGB(0, 0, 0)},
        {COLOR_BTNHIGHLIGHT, RGB(255, 255, 255)},
        {COLOR_3DDKSHADOW, RGB(105, 105, 105)},
        {COLOR_3DLIGHT, RGB(227, 227, 227)},
        {COLOR_INFOTEXT, RGB(0, 0, 0)},
        {COLOR_INFOBK, RGB(255, 255, 225)},
    };
    return table;
}

} // namespace

COLORREF GetSysColor(int index) {
    auto it = colors().find(index);
    return it == colors().end() ? RGB(0, 0, 0) : it->second;
}

bool SetSysColors(int count, const int* indexes, const COLORREF* values) {
    for (int i = 0; i < count; ++i)
        if (!colors().count(indexes[i]))
            return false;
    for (int i = 0; i < count; ++i)
        colors()[indexes[i]] = values[i];
    BroadcastToWindows(WM_SYSCOLORCHANGE);
    return true;
}

} // namespace zn::ui
