// List entries shared by list and combo boxes.
#include "platform/ui/ItemList.h"

namespace zn::ui {

int ItemList::Add(std::u16string_view text) {
    if (!sorted)
        return Insert(-1, text);
    int at = 0;
    while (at < Count() && zn::compareNoCase(entries[size_t(at)].text, text) <= 0)
        ++at;
    return Insert(at, text);
}

int ItemList::Insert(int index, std::u16string_view text) {
    if (index < 0 || index > Count())
        index = Count();
    entries.insert(entries.begin() + index, Entry{ZnsStringW(text), 0});
    if (current >= index)
        ++current;
    return index;
}

int ItemList::Remove(int index) {
    if (!Valid(index))
        return -1;
    entries.erase(entries.begin() + index);
    if (current == index)
        current = -1;
    else if (current > index)
        --current;
    return Count();
}

bool ItemList::SetData(int index, std::uintptr_t data) {
    if (!Valid(index))
        return false;
    entries[size_t(index)].data = data;
    return true;
}

void ItemList::Clear() {
    entries.clear();
    current = -1;
}

int ItemList::Find(int start, std::u16string_view text, bool exact) const {
    int n = Count();
    for (int step = 1; step <= n; ++step) {
        int i = (start + step + n) % n;
        if (start < 0)
            i = step - 1;
        const ZnsStringW& entry = entries[size_t(i)].text;
        if (exact ? zn::equalsNoCase(entry, text)
                  : entry.size() >= text.size() &&
                        zn::equalsNoCase(entry.substr(0, text.size()), text))
            return i;
    }
    return -1;
}

CRect ItemList::RowRect(int index, int top, int width) const {
    return {0, top + index * kRowHeight, width, top + (index + 1) * kRowHeight};
}

std::optional<int> ItemList::RowAt(int y, int top) const {
    if (y < top)
        return std::nullopt;
    int row = (y - top) / kRowHeight;
    return Valid(row) ? std::optional<int>(row) : std::nullopt;
}

} // namespace zn::ui
