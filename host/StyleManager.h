// Styles of the active drawing: default heights, the current layer and scale, text styles.
#pragma once

#include <cstdint>

#include "host/Array.h"
#include "platform/text/ZnsString.h"

class IZnStyleManager {
public:
    virtual ~IZnStyleManager() = default;
    // Style kind 1: text.
    virtual double GetDefaultHeight(std::int32_t styleKind) const = 0;
    virtual ZnsStringW GetCurrentLayer() const = 0;
    virtual ZnsArray<ZnsStringW> GetTextStyles() const = 0;
    virtual ZnsStringW GetCurrentTextStyle() const = 0;
    // The style's own slant in radians; 0 for an unknown style.
    virtual double GetTextStyleOblique(const ZnsStringW& style) const = 0;
    virtual double GetDrawingScale() const = 0;
    virtual double GetCurrentScale() const = 0;
};
