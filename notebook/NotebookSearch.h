// Searching the notebook's pages: Find Next from an item and a position, forward only,
// through text pages (the rich-edit model's search) and table pages (the table text
// without its header row, with its own whole-word delimiters), and Find All, which lists
// every hit's numbered item or cell in tree order as the Find result text.
#pragma once

#include <cstdint>
#include <vector>

#include "notebook/NotebookTree.h"

namespace notebook {

// The find dialog's flags and the two of the notebook.
enum FindFlag : std::uint32_t {
    kFindDown = 0x1,
    kFindWholeWord = 0x2,
    kFindMatchCase = 0x4,
    kFindAll = 0x10000000,
    kFindAllPartitions = 0x20000000,
};

struct FindHit {
    HTREEITEM item = nullptr;
    int start = 0; // text page: characters of the page text; table: of the table text
    int end = 0;
};

class CNotebookSearch {
public:
    explicit CNotebookSearch(const CNotebookTree& pages);
    ~CNotebookSearch();

    // The first hit in `start` (none: the root) from `position` on; with all partitions
    // then in its children, and at the top level in its following siblings and those of
    // its ancestors.
    FindHit FindNext(HTREEITEM start, std::u16string_view text, std::uint32_t flags,
                     int position) const;
    // Every hit from the root (all partitions) or from `start`, one after another.
    std::vector<FindHit> FindAll(HTREEITEM start, std::u16string_view text,
                                 std::uint32_t flags) const;
    // The Find result page's RTF for `hits`: each text hit's whole numbered item, each
    // table hit as "1. " and its cell; "Cannot find the string." without hits.
    ZnsStringW ResultText(const std::vector<FindHit>& hits) const;

    // Whole-word delimiters of the table search.
    static bool IsDelimiter(char16_t ch);
    // The cell (row counted from the header row 0, column from 0) holding table offset `at`.
    static std::pair<int, int> CellAt(std::u16string_view table, int at);

private:
    FindHit findInItem(HTREEITEM item, std::u16string_view text, std::uint32_t flags,
                       int position) const;
    FindHit findBelow(HTREEITEM item, std::u16string_view text, std::uint32_t flags,
                      int position) const;

    const CNotebookTree& m_pages;
    // The text of the page searched last, as the page editor would hold it; the page must
    // not change while this object is used.
    mutable ZnsStringW m_loadedText;
    mutable HTREEITEM m_loadedItem = nullptr;
    mutable const NotebookPage* m_loadedPage = nullptr;
};

// The table search alone: the offset of the first hit at or after `position` (at least
// the start of the first data row), or -1.
int FindInTable(std::u16string_view table, std::u16string_view text, std::uint32_t flags,
                int position);

} // namespace notebook
