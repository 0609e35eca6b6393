// The content of a text whose references changed, passed once through a hidden editor:
// renumbered, its reference texts refreshed, as the editor's OK would store it.
#pragma once

#include "host/Array.h"
#include "host/Entity.h"
#include "requirements/TTextTypes.h"

namespace requirements {

// RTF in, RTF out; both left as they were when the editor cannot be built. `text` is the
// object the content belongs to, attached to the editor's control.
void RefreshThroughEditor(const IZnEntity& text, ZnsStringW& content, ZnsArray<ZnsLink>& links);

} // namespace requirements
