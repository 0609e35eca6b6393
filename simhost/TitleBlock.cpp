#include "simhost/TitleBlock.h"

namespace simhost {

void DrawTitleBlock(IZnGeometrySink& sink, const ZnsBox3& block, double scale) {
    const double x0 = block.min.x, y0 = block.min.y;
    // The cells are given in paper millimetres from the block's bottom-left corner.
    auto line = [&](double xa, double ya, double xb, double yb) {
        sink.Line({x0 + xa * scale, y0 + ya * scale, 0}, {x0 + xb * scale, y0 + yb * scale, 0},
                  kZnsColorByDefault);
    };
    // Thick: the outline and the lines between the fields.
    sink.SetLineWeight(kZnsThickLine);
    sink.Polyline(
        {block.min, {block.max.x, block.min.y, 0}, block.max, {block.min.x, block.max.y, 0}}, true,
        kZnsColorByDefault);
    for (double x : {7.0, 17.0, 40.0, 55.0, 65.0}) // signature grid columns 7, 10, 23, 15, 10 mm
        line(x, 0, x, 55);
    line(0, 30, 65, 30); // changes above, signatures below
    line(0, 25, 65, 25);
    line(65, 40, 185, 40); // designation across the top right
    line(135, 0, 135, 40); // name above material, then the right column
    line(65, 15, 135, 15);
    line(135, 35, 185, 35); // letter, mass and scale; sheet and sheets; organisation
    line(135, 20, 185, 20);
    line(135, 15, 185, 15);
    line(150, 20, 150, 40);
    line(167, 20, 167, 40);
    // Thin: the rows of the signature grid and the cells inside the fields.
    sink.SetLineWeight(0);
    for (double y : {5.0, 10.0, 15.0, 20.0, 35.0, 40.0, 45.0, 50.0})
        line(0, y, 65, y);
    line(140, 20, 140, 35);
    line(145, 20, 145, 35);
    line(155, 15, 155, 20);
}

} // namespace simhost
