// Replays what a device context recorded (platform/ui/DisplayList.h) with a QPainter, so
// owner-drawn windows look as their paint code says.
#pragma once

#include <QImage>

#include "platform/ui/DisplayList.h"

class QPainter;

namespace zn::ui::qt {

void PaintDisplayList(QPainter& painter, const DisplayList& list);
// The picture with its transparent pixels see-through.
QImage ToQImage(const PixelImage& image);

} // namespace zn::ui::qt
