// The cells of the main title block (185 x 55 mm): the signature grid on the left, the
// designation across the top right, name and material fields, and the column of letter,
// mass, scale, sheet and organisation cells. `block` is in drawing units, `scale` drawing
// units per paper millimetre.
#pragma once

#include "host/GeometrySink.h"

namespace simhost {

void DrawTitleBlock(IZnGeometrySink& sink, const ZnsBox3& block, double scale);

} // namespace simhost
