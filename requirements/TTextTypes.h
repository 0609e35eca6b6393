// The records a requirements object keeps: a link from its text to a drawing object (or to
// a numbered item), and a column rectangle with its anchor.
#pragma once

#include <cstdint>

#include "host/Geometry.h"
#include "host/WorkId.h"
#include "platform/text/ZnsString.h"

struct ZnsLink {
    znsWorkID target; // an object, or a numbered identifier carrying an item number
    ZnsStringW text;
    bool operator==(const ZnsLink&) const = default;
};

// Anchor values of a column.
enum : std::int32_t {
    kTTAnchorTop = 0,    // the text hangs from the top edge (technical parameters)
    kTTAnchorBottom = 2, // the text stands on the bottom edge and grows upwards
};

struct ZnsTTColumn {
    ZnsPoint3 first;  // top-left
    ZnsPoint3 second; // bottom-right
    std::int32_t anchor = kTTAnchorBottom;
    bool operator==(const ZnsTTColumn&) const = default;
};

// The two corners as top-left and bottom-right.
inline void OrderCorners(ZnsPoint3& first, ZnsPoint3& second) {
    ZnsPoint3 a = first, b = second;
    first = {std::min(a.x, b.x), std::max(a.y, b.y), a.z};
    second = {std::max(a.x, b.x), std::min(a.y, b.y), b.z};
}
