// Keypad keys by the names scripts and the command line use for them: "0".."9", ","
// (decimal point), "+/-", "+", "-", "*", "/", "^", "sqrt", "1/x", "exp", "sin", "cos",
// "tan", "log", "ln", "pi", "(", ")", "=", "C", "CE", "BS".
#pragma once

#include <optional>
#include <string_view>

#include "calculator/CalcEngine.h"

std::optional<CalcKey> CalcKeyFromName(std::string_view name);
// All names, blank-separated, for messages.
std::string_view CalcKeyNameList();
