// The line interval of the single-line text dialog: a spacing factor shown as the distance
// between lines and the factor, with three named entries.
#pragma once

#include <optional>

#include "platform/text/ZnsString.h"

namespace dtext {

// The distance between lines of one factor, in the dialog's units.
inline constexpr double kIntervalPerFactor = 0.333325;

// "Single (1x)", "1.5 lines (1.5x)", "Double (2x)" for 1, 1.5 and 2; otherwise the
// distance and the factor as "%g(%gx)".
ZnsStringW FormatLineInterval(double factor);

// The factor of an interval as typed: a named entry, a number followed by "x" (a factor),
// the "distance(factorx)" form that FormatLineInterval gives, or a plain number (a
// distance). Nothing when the text is none of these.
std::optional<double> ParseLineInterval(const ZnsStringW& text);

// The whole text as one decimal number with a point (blanks around it allowed).
std::optional<double> ParseDecimal(const ZnsStringW& text);

} // namespace dtext
