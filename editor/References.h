// The reference checks of the requirements text: whether a link still reaches its position
// record or drawing object (refreshing its text on the way), the text of a position
// reference, and the objects on the drawing that refer back to item numbers.
#pragma once

#include <cstdint>

#include "host/Array.h"
#include "requirements/TTextTypes.h"

namespace editor {

// "pos. N" and, when zones are shown on position marks, " (zone Z)"; empty without a
// specification document or without the record.
ZnsStringW PositionText(std::int32_t recordId);

// The link's numbered identifier names a record of the specification: 1 and the link's text
// becomes its position text; 0 when there is no document or no such record.
std::int32_t CheckPositionLink(ZnsLink& link);
// The link's object carries a reference text ("TT info"): 1 and the link takes that text.
std::int32_t CheckObjectLink(ZnsLink& link);

// The objects that refer to an item and their item numbers, index-aligned.
void CollectReferringObjects(ZnsArray<znsWorkID>& objects, ZnsArray<std::int32_t>& numbers);
// Writes renumbered items back; a number below 1 (a deleted item) resets the reference.
void WriteBackItemNumbers(const ZnsArray<znsWorkID>& objects,
                          const ZnsArray<std::int32_t>& numbers);

} // namespace editor
