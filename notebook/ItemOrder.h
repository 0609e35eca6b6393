// The order of a notebook item's children: pages of a smaller type first, then by name in
// the word-sort order of the interface language, case-sensitively.
#pragma once

#include <string_view>

namespace notebook {

// <0, 0, >0 for the names alone.
int CompareItemNames(std::u16string_view a, std::u16string_view b);

} // namespace notebook
