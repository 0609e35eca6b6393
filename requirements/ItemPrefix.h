// The item prefix as the text shows it: one or more decimal digits, a period and a blank
// ("12. "), at the start of a numbered item's line.
#pragma once

#include <string_view>

bool StartsWithItemPrefix(std::u16string_view line);
