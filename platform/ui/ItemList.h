// The entries of a list box or a combo box's list: texts with a data word, optionally kept
// sorted (case-insensitively, as the controls sort), a current selection, and the row
// geometry a user clicks on.
#pragma once

#include <optional>
#include <vector>

#include "platform/text/ZnsString.h"
#include "platform/ui/Types.h"

namespace zn::ui {

struct ItemList {
    struct Entry {
        ZnsStringW text;
        std::uintptr_t data = 0;
    };
    std::vector<Entry> entries;
    bool sorted = false;
    int current = -1;
    static constexpr int kRowHeight = 16;

    int Add(std::u16string_view text);
    int Insert(int index, std::u16string_view text); // -1 appends
    int Remove(int index);                           // count left, or -1
    void Clear();
    // First entry after `start` (-1: from the top, wrapping) whose text equals `text`
    // (exact) or begins with it, without regard to case; -1 when none.
    int Find(int start, std::u16string_view text, bool exact) const;
    int Count() const { return int(entries.size()); }
    ZnsStringW Text(int index) const {
        return Valid(index) ? entries[size_t(index)].text : ZnsStringW();
    }
    // The data word of an entry; `missing` for an index outside the list.
    std::uintptr_t Data(int index, std::uintptr_t missing) const {
        return Valid(index) ? entries[size_t(index)].data : missing;
    }
    bool SetData(int index, std::uintptr_t data);
    bool Valid(int index) const { return index >= 0 && index < Count(); }
    // Row `index` when the rows start at `top` in a control `width` pixels wide.
    CRect RowRect(int index, int top, int width) const;
    std::optional<int> RowAt(int y, int top) const;
};

} // namespace zn::ui
