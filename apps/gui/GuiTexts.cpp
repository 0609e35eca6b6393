#include "apps/gui/GuiTexts.h"

#include "resources/StringTable.h"

namespace gui {

QString Text(unsigned id) {
    return QString::fromStdU16String(res::LoadStringW(id));
}

} // namespace gui
