// The module's windows run alone from the command line: worked by a script of user actions
// or by the person at the console.
#pragma once

#include <functional>
#include <optional>
#include <string>

// Runs `show` (which opens a modal window) with the user of `script` (the action lines,
// named `scriptName` in errors) or, without one, the console. 0 when the window was
// closed; 2 when the script did not fit the window or ended before it closed, with a
// message on standard error that starts with `command`.
int RunWindowWithUser(const std::string& command, const std::optional<std::string>& script,
                      const std::string& scriptName, const std::function<void()>& show);
