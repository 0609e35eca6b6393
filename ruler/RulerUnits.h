// The measurement units of the ruler and the editor: one module-wide table, in a fixed
// order, whose entry kCurrentUnit (the centimetre) is the unit in use. A centimetre counts
// 568 twips here rather than 567, so that its small divisions (142) and the snapping step
// are whole twips.
#pragma once

#include <array>
#include <cstdint>

#include "platform/text/ZnsString.h"

namespace ruler {

struct RulerUnit {
    std::int32_t twipsPerUnit = 0;
    int smallDivision = 0;  // twips between small ticks
    int mediumDivision = 0; // twips between medium ticks
    int largeDivision = 0;  // twips between numbered positions
    int snapStep = 0;       // twips a dragged marker snaps to
    unsigned abbreviationId = 0;
    bool blankBeforeAbbreviation = false;
    ZnsStringW abbreviation;
};

inline constexpr int kUnitCount = 5;
inline constexpr int kCurrentUnit = 2;

using RulerUnitTable = std::array<RulerUnit, kUnitCount>;

// The table, built on first use with the abbreviations of the interface language then
// installed. It stays writable: whoever changes the current unit changes its entry, and
// every ruler picks the change up at its next idle update.
RulerUnitTable& RulerUnits();
const RulerUnit& CurrentRulerUnit();

} // namespace ruler
