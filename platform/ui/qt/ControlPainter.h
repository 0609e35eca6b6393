// Draws one of our windows as the user sees it: standard controls from their state with
// the application's style, the rich-edit control from its document, and whatever the
// window's own paint code recorded on top.
#pragma once

#include <QPalette>

#include "platform/ui/Window.h"

class QPainter;

namespace zn::ui::qt {

void PaintWindow(QPainter& painter, CWnd& window, const QPalette& palette);

} // namespace zn::ui::qt
