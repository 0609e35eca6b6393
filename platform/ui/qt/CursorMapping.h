// The cursor our windows chose, as Qt's: standard cursors by their shapes, a module's own
// cursor by its picture and hot spot.
#pragma once

#include <QCursor>

#include "platform/ui/Cursor.h"

namespace zn::ui::qt {

QCursor ToQCursor(HCURSOR cursor);

} // namespace zn::ui::qt
