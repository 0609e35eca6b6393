#include "requirements/TextGrouping.h"

#include <algorithm>

namespace requirements {

namespace {

double key(const SelectedText& text) {
    return text.extents.min.y;
}

// Before the first entry that lies lower, so equal heights keep their arrival order.
void insertByKey(std::vector<SelectedText>& entries, const SelectedText& text) {
    auto at = std::find_if(entries.begin(), entries.end(),
                           [&](const SelectedText& entry) { return key(entry) < key(text); });
    entries.insert(at, text);
}

void mergeNeighbours(std::vector<TextBlock>& blocks, std::size_t joined) {
    std::size_t first = joined, last = joined;
    while (first > 0 && blocks[joined].extents.min.x <= blocks[first - 1].extents.max.x)
        --first;
    while (last + 1 < blocks.size() && blocks[last + 1].extents.min.x <= blocks[joined].extents.max.x)
        ++last;
    TextBlock& target = blocks[first];
    for (std::size_t n = first + 1; n <= last; ++n) {
        const TextBlock& merged = blocks[n];
        for (const SelectedText& entry : merged.entries)
            insertByKey(target.entries, entry);
        target.extents.max.x = merged.extents.max.x;
        target.extents.min.y = std::min(target.extents.min.y, merged.extents.min.y);
        target.extents.max.y = std::max(target.extents.max.y, merged.extents.max.y);
    }
    blocks.erase(blocks.begin() + static_cast<std::ptrdiff_t>(first) + 1,
                 blocks.begin() + static_cast<std::ptrdiff_t>(last) + 1);
}

} // namespace

std::vector<TextBlock> GroupSelectedTexts(const std::vector<SelectedText>& texts) {
    std::vector<TextBlock> blocks;
    for (const SelectedText& text : texts) {
        auto at = std::find_if(blocks.begin(), blocks.end(), [&](const TextBlock& block) {
            return text.extents.max.x < block.extents.min.x ||
                   text.extents.min.x <= block.extents.max.x;
        });
        if (at == blocks.end() || text.extents.max.x < at->extents.min.x) {
            blocks.insert(at, TextBlock{{text}, text.extents});
            continue;
        }
        insertByKey(at->entries, text);
        at->extents.Add(text.extents.min);
        at->extents.Add(text.extents.max);
        mergeNeighbours(blocks, static_cast<std::size_t>(at - blocks.begin()));
    }
    return blocks;
}

} // namespace requirements
