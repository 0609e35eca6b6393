// Adding a new requirements object to the active drawing: technical conditions join the
// space of their format, and every object goes on the drawing's default layer.
#pragma once

#include "requirements/IZnTText.h"

// 1 when the object was attached; 0 when it already is in a drawing or the active document
// refuses edits.
std::int32_t AttachToDrawing(IZnTText& text);
