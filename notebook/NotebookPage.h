// The content record of one notebook tree item: the root, a text page, a table page, the
// History or the Find result. Partitions have none of their own.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/text/ZnsString.h"

namespace notebook {

// Item and page types; a partition's page type is the root's.
enum PageType : std::int32_t {
    kEmptyRecord = 0, // a page record of a file that holds nothing
    kPartition = 1,
    kTextPage = 2,
    kTablePage = 3,
    kHistory = 4,
    kFindResult = 5,
};

struct NotebookPage {
    std::int32_t type = kPartition;
    // RTF for every type but a table, which holds the table text.
    ZnsStringW text;
    // Carried through files unchanged; nothing else reads them.
    std::int32_t extra = 0;
    std::vector<std::uint32_t> extraList;

    bool operator==(const NotebookPage&) const = default;
};

} // namespace notebook
