// `reqpad notebook ui`: the notebook window alone, worked by a script of user actions or by
// the person at the console.
#pragma once

#include <optional>
#include <string>

// `file`: the notebook to open; `script`: the action lines (none: the console answers),
// named `scriptName` in errors. Exit status 0 when the window was closed, 2 when the script
// did not fit the window or ended before it closed.
int RunNotebookWindow(const std::string& file, const std::optional<std::string>& script,
                      const std::string& scriptName);
