// Drives the desktop window from a file of host lines, for checks with nobody at the window.
#pragma once

#include <string>

namespace gui {

class MainWindow;

// Runs the lines of the file at `path` one after the other as if typed into the command line,
// with what the log shows going to standard output as well, and leaves the window to close
// without asking. Ends at a `quit` line or at the first line that fails, which standard error
// names as `FILE:LINE: message`. The exit status: 0, or 2 when the file cannot be read or a
// line failed.
int RunScript(MainWindow& window, const std::string& path);

} // namespace gui
