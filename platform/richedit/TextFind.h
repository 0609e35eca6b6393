// Forward search in a text with the match-case and whole-word options of the find message,
// the rich-edit control's own search. On its own so that a caller holding only the text
// (a document read but not loaded into a control) finds exactly what the control would.
#pragma once

#include <cstdint>
#include <string_view>

namespace zn::richedit {

// The first position in [start, end) where `what` begins, or -1; `end` < 0 is the end of
// the text. Flags: FR_WHOLEWORD, FR_MATCHCASE.
int FindInText(std::u16string_view text, int start, int end, std::u16string_view what,
               std::uint32_t flags);

} // namespace zn::richedit
