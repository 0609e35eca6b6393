// What an object draws into: lines, polylines and texts, in drawing units. A renderer, an
// extents calculator and a picker are all sinks.
#pragma once

#include <cstdint>
#include <vector>

#include "host/Geometry.h"
#include "platform/text/ZnsString.h"

// Colour values: 0x00BBGGRR, or kZnsColorByDefault for the drawing's own ink.
constexpr std::int32_t kZnsColorByDefault = std::int32_t(0xFE000000u);
// The thick outline of drafting standards (frames, title blocks, visible edges).
constexpr double kZnsThickLine = 0.7;

struct ZnsTextParams {
    ZnsStringW style; // name of a text style; empty: the current style
    std::int32_t color = kZnsColorByDefault;
    double height = 2.5; // capital letter height
    double oblique = 0;  // slant in radians
};

enum class ZnsContentKind : std::int32_t { PlainText = 0, HostMText = 1, Rtf = 2 };

struct ZnsTextPrimitive {
    ZnsPoint3 position;
    ZnsPoint3 direction{1, 0, 0};
    ZnsStringW content;
    ZnsContentKind contentKind = ZnsContentKind::Rtf;
    std::int32_t alignment = 0; // 0 left, 1 centre, 2 right of `position`
    std::int32_t anchor = 0;    // 0 the text hangs from `position`, 1 centred on it, 2 stands on it
    double width = 0;           // wrapping width; 0: no wrapping
    std::int32_t subObjectId = 0;
    ZnsTextParams params;
};

class IZnGeometrySink {
public:
    virtual ~IZnGeometrySink() = default;
    virtual void Line(const ZnsPoint3& from, const ZnsPoint3& to, std::int32_t color) = 0;
    virtual void Polyline(const std::vector<ZnsPoint3>& points, bool closed,
                          std::int32_t color) = 0;
    virtual void Text(const ZnsTextPrimitive& text) = 0;
    // The width of the lines that follow, in millimetres on paper; 0 returns to the thin
    // default. Sinks that do not show line widths ignore it.
    virtual void SetLineWeight(double millimetres) { (void)millimetres; }
};
