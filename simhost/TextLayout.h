// Lays out paragraphs of text the way the host draws them: capital height `height`, lines
// broken at blanks to fit `width` (a word wider than the width is broken between
// characters), a line pitch of 1.5 times the height.
#pragma once

#include <vector>

#include "host/GeometrySink.h"
#include "simhost/TextStyles.h"

namespace simhost {

struct LaidOutLine {
    ZnsStringW text;
    double width = 0;
};

struct LaidOutText {
    std::vector<LaidOutLine> lines;
    double height = 0; // from the first line's cap top to the last line's baseline
    double width = 0;  // of the widest line
    double pitch = 0;  // baseline to baseline
    double capHeight = 0;
    const TextStyle* style = nullptr;
};

constexpr double kLinePitchFactor = 1.5;

double MeasureLine(std::u16string_view text, const TextStyle& style, double height);
LaidOutText LayOutText(const std::vector<ZnsStringW>& paragraphs, const ZnsTextParams& params,
                       double width, const TextStyles& styles);

} // namespace simhost
