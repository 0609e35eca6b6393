// How a page of an old text notebook becomes a page of today: its lines become the items
// of a requirements text.
#pragma once

#include "platform/text/ZnsString.h"

namespace notebook {

// The page's RTF.
ZnsStringW ConvertOldPageText(std::u16string_view plainText);

} // namespace notebook
