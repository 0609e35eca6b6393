// The window's texts, from the module's string tables in the interface language.
#pragma once

#include <QString>

namespace gui {

QString Text(unsigned id);

} // namespace gui
