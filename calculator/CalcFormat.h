// Number texts of the calculator: C-library formatting with trailing zeros cut.
#pragma once

#include "platform/text/ZnsString.h"

namespace calc {

// Cuts trailing zeros after a decimal point or comma ("14.000" -> "14.", "0.330" -> "0.33").
void CutTrailingZeros(ZnsStringW& text);
// Removes a trailing point and blanks ("14. " -> "14").
ZnsStringW WithoutTrailingPoint(std::u16string_view text);
// Keeps what a pasted text says as a number: sign, digits and the first point.
ZnsStringW NumberFromPastedText(std::u16string_view text);

} // namespace calc
