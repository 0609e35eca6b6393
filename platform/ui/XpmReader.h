// Reader of XPM pictures (the text image format that toolkits, ImageMagick and GIMP read
// and write): the module's bitmaps and cursors are kept in it so they stay diffable and
// editable by hand. Colours are hexadecimal RGB or None (transparent); an optional hot
// spot in the values line is what a cursor needs. Problems come back as values with the
// line they were found on.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/ui/PixelImage.h"

namespace zn::ui {

enum class XpmStatus {
    Ok,
    NotXpm,      // no "/* XPM */" header or no string array
    BadValues,   // the "width height colours chars-per-pixel" line
    BadColour,   // a colour definition
    BadPixels,   // a pixel row: wrong length or an undefined colour code
    MissingRows, // the text ends before every colour or row was given
};

struct XpmResult {
    XpmStatus status = XpmStatus::Ok;
    int line = 0;        // 1-based line of the text where the problem is
    std::string message; // what is wrong, in the reader's words
    explicit operator bool() const { return status == XpmStatus::Ok; }
};

struct XpmImage {
    PixelImage image;
    std::optional<CPoint> hotSpot;
};

// Reads one XPM picture from `text` into `out`; `out` is left as it was on failure.
XpmResult ReadXpm(std::string_view text, XpmImage& out);

} // namespace zn::ui
