// The History page: the last ten transferred fragments as numbered items, newest first.
#pragma once

#include <vector>

#include "platform/text/ZnsString.h"

namespace notebook {

inline constexpr int kHistoryLength = 10;

// The History RTF after `items` were transferred (in their order): each item's earlier
// entry (the item holding the first occurrence of its text, case-sensitively) goes, the
// item comes first, and entries behind the tenth are dropped.
ZnsStringW AddToHistory(std::u16string_view historyRtf, const std::vector<ZnsStringW>& items);

// The numbered items of a text, each without its number and its paragraph end; a text
// without numbers is one item.
std::vector<ZnsStringW> SplitItems(std::u16string_view text);

} // namespace notebook
