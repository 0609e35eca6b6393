// The cells of the main title block (185 x 55 mm): the signature grid on the left, the
// designation across the top right, name and material fields, and the column of letter,
// mass, scale, sheet and organisation cells.
#pragma once

#include "host/GeometrySink.h"

namespace simhost {

void DrawTitleBlock(IZnGeometrySink& sink, const ZnsBox3& block);

} // namespace simhost
