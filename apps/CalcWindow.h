// `reqpad calc --ui`: the calculator window alone, worked by a script of user actions or
// by the person at the console; prints the shown result when the window closes.
#pragma once

#include <optional>
#include <string>

// `script`: the action lines (none: the console answers), named `scriptName` in errors;
// `measures`: the measure document's text (none: the module's own). Exit status 0 when
// the window was closed, 2 when the script did not fit the window or ended before it closed.
int RunCalculatorWindow(const std::optional<std::string>& script, const std::string& scriptName,
                        const std::optional<std::string>& measures);
