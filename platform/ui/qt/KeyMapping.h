// Qt's keys and modifiers in the window system's terms.
#pragma once

#include <Qt>

#include "platform/ui/Types.h"

namespace zn::ui::qt {

// The virtual key of a Qt key; 0 when the window system has none for it.
UINT VirtualKeyOf(int qtKey);
// kModShift, kModCtrl and kModAlt of Qt's modifiers.
unsigned ModifiersOf(Qt::KeyboardModifiers modifiers);
// The MK_ bits of the mouse buttons held.
WPARAM MouseButtonsOf(Qt::MouseButtons buttons);

} // namespace zn::ui::qt
