// The item prefix at the start of a paragraph: "12. ", or "12." followed by the item tag
// `*<iref id="K"/>` and an optional blank. Items are recognised by this shape alone.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/text/ZnsString.h"

namespace editor {

struct ItemPrefix {
    int length = 0;        // characters of the prefix; 0: the paragraph is not an item
    std::int32_t number = 0;
    std::int32_t tagId = 0; // K of the item tag, 0 without a tag
    explicit operator bool() const { return length > 0; }
};

ItemPrefix ParseItemPrefix(std::u16string_view paragraph);

// "%i. "
ZnsStringW FormatItemNumber(std::int32_t number);
// `*<iref id="%i"/>`
ZnsStringW FormatItemTag(std::int32_t tagId);

} // namespace editor
