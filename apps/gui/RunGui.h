// `reqpad gui`: the reference host in a desktop window until the user closes it.
#pragma once

#include <string>

namespace gui {

struct GuiOptions {
    std::string drawing; // opened at start; without it a new drawing is made
    int language = 1033;
    std::string script; // host lines run in the window, which then closes (see RunScript)
};

// Exit status 0, or 2 when the host could not start or a script line failed.
int RunGui(const GuiOptions& options);

} // namespace gui
