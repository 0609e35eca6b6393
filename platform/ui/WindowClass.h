// What a window class gives its windows besides their behaviour: the cursor shown over
// the client area (answered on WM_SETCURSOR by the default window procedure) and the
// system colour the background is erased with (WM_ERASEBKGND). The standard control classes have theirs;
// a window that draws itself registers a class of its own.
#pragma once

#include <string>
#include <string_view>

#include "platform/ui/Cursor.h"

namespace zn::ui {

struct WindowClassInfo {
    UINT style = 0;
    HCURSOR cursor = nullptr; // null: the window sets the cursor itself
    int backgroundColor = -1; // a COLOR_ index, -1 for none
};

// Registers a class with these attributes and answers its name; the same attributes give
// the same name.
std::u16string AfxRegisterWndClass(UINT style, HCURSOR cursor = nullptr, int backgroundColor = -1);
// Attributes of a class by name (case-insensitive); a class never registered has none.
WindowClassInfo GetWindowClassInfo(std::u16string_view className);
// Replaces the class cursor for every window of the class; answers the previous one.
HCURSOR SetClassCursor(std::u16string_view className, HCURSOR cursor);

} // namespace zn::ui
