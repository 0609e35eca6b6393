// The controls library's menu mix-in: commands appended with the text of their string
// resource, separators that never double, and removal of commands a control does not offer.
#pragma once

#include <initializer_list>

#include "platform/ui/Menu.h"

namespace zn::ui {

class CxMenuHelper {
public:
    virtual ~CxMenuHelper() = default;
    // Appends command `id` titled with string `id` of the installed resources.
    static void AppendCommand(CMenu& menu, UINT id, UINT flags = MF_STRING);
    // Appends a separator unless the menu is empty or already ends with one.
    static void AppendSeparator(CMenu& menu);
    static void RemoveCommands(CMenu& menu, std::initializer_list<UINT> ids);
};

} // namespace zn::ui
