// Where the lines of a text primitive land on the drawing: the layout of its content, the
// start of each line's baseline, and the four corners of the box the text takes.
#pragma once

#include <array>
#include <vector>

#include "simhost/TextLayout.h"

namespace simhost {

struct PlacedText {
    LaidOutText layout;
    std::vector<ZnsPoint3> baselines; // start of each line
    ZnsPoint3 direction{1, 0, 0};     // unit vector along the baseline
    ZnsPoint3 up{0, 1, 0};
    std::array<ZnsPoint3, 4> corners;
    bool readable = true; // false when the content kind could not be read
};

PlacedText PlaceText(const ZnsTextPrimitive& text, const TextStyles& styles);

} // namespace simhost
