// Who hears that a window changed the way a screen shows it: made, shown or hidden, moved,
// renamed, restyled, enabled, invalidated, drawn over or destroyed. A desktop backend
// listens so it shows the change once the event in hand is handled; headless nobody does.
#pragma once

#include <functional>

namespace zn::ui {

using WindowChangeListener = std::function<void()>;

// Installs `listener` (empty: none) and returns the previous one.
WindowChangeListener SetWindowChangeListener(WindowChangeListener listener);
// Tells the listener, if there is one.
void NotifyWindowChanged();

} // namespace zn::ui
