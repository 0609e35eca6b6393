// What the sheet renderers (SVG, DXF, PDF) share: the page they draw on, the walk over the
// objects of the current space, and the ink colour of a drawing colour.
#pragma once

#include <cstdint>

#include "host/Entity.h"
#include "host/GeometrySink.h"

namespace simhost {

class Drawing;

// The sheet spans (0, 0) to (width, height) in drawing units, `scale` drawing units to a
// millimetre of paper.
struct SheetPage {
    double width = 420;
    double height = 297;
    double scale = 1;
};

class SheetRenderer : public IZnGeometrySink {
public:
    // Called before each object draws itself into the renderer.
    virtual void BeginObject(const IZnEntity& entity) { (void)entity; }
};

// Every object of the current space of `drawing`, in drawing order.
void DrawSpace(Drawing& drawing, SheetRenderer& renderer);

// 0xRRGGBB of a drawing colour (0x00BBGGRR); the drawing's own ink and special values are
// black on the white sheet.
std::uint32_t InkRgb(std::int32_t color);

} // namespace simhost
