// `reqpad calc --ui`: the calculator window alone, worked by a script of user actions or
// by the person at the console; prints the shown result when the window closes.
#pragma once

#include <string>

// Exit status: 0 when the window was closed, 2 when the script or a file could not be
// read or the script did not fit the window.
int RunCalculatorWindow(const std::string& scriptPath, const std::string& measuresPath);
