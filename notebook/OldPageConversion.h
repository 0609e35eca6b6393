// How the pages of an old text notebook become pages of today: their lines go through the
// editor control, which makes numbered lines items, and come out as its RTF.
#pragma once

#include <vector>

#include "platform/text/ZnsString.h"

namespace notebook {

// Plain texts in, RTF out, in place.
void ConvertOldPageTexts(std::vector<ZnsStringW>& texts);

} // namespace notebook
