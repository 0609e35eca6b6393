// Picked texts grouped into columns: joining by horizontal reach, order from top to bottom,
// and the merge of columns a wide text bridges.
#include <gtest/gtest.h>

#include "requirements/TextGrouping.h"

using requirements::GroupSelectedTexts;
using requirements::SelectedText;
using requirements::TextBlock;

namespace {

SelectedText text(const char16_t* string, double x1, double y1, double x2, double y2) {
    static std::int32_t next = 1;
    SelectedText selected;
    selected.id.index = next++;
    selected.text = string;
    selected.extents = ZnsBox3::Of({x1, y1, 0}, {x2, y2, 0});
    return selected;
}

std::vector<ZnsStringW> strings(const TextBlock& block) {
    std::vector<ZnsStringW> out;
    for (const SelectedText& entry : block.entries)
        out.push_back(entry.text);
    return out;
}

TEST(TextGrouping, ColumnsFromLeftToRightWithTextsFromTopToBottom) {
    auto blocks = GroupSelectedTexts({
        text(u"right low", 100, 10, 150, 15),
        text(u"left", 0, 50, 40, 55),
        text(u"right high", 110, 30, 140, 35),
        text(u"right same height", 105, 30, 120, 35),
    });
    ASSERT_EQ(blocks.size(), 2u);
    EXPECT_EQ(strings(blocks[0]), std::vector<ZnsStringW>{u"left"});
    EXPECT_EQ(strings(blocks[1]),
              (std::vector<ZnsStringW>{u"right high", u"right same height", u"right low"}));
    EXPECT_DOUBLE_EQ(blocks[1].extents.min.x, 100);
    EXPECT_DOUBLE_EQ(blocks[1].extents.max.x, 150);
    EXPECT_DOUBLE_EQ(blocks[1].extents.min.y, 10);
    EXPECT_DOUBLE_EQ(blocks[1].extents.max.y, 35);
}

TEST(TextGrouping, AWideTextBridgesTwoColumnsIntoOne) {
    auto blocks = GroupSelectedTexts({
        text(u"a", 0, 40, 30, 45),
        text(u"b", 60, 20, 90, 25),
        text(u"c", 200, 0, 230, 5),
        text(u"wide", 10, 60, 70, 65),
    });
    ASSERT_EQ(blocks.size(), 2u);
    EXPECT_EQ(strings(blocks[0]), (std::vector<ZnsStringW>{u"wide", u"a", u"b"}));
    EXPECT_DOUBLE_EQ(blocks[0].extents.min.x, 0);
    EXPECT_DOUBLE_EQ(blocks[0].extents.max.x, 90);
    EXPECT_DOUBLE_EQ(blocks[0].extents.min.y, 20);
    EXPECT_DOUBLE_EQ(blocks[0].extents.max.y, 65);
    EXPECT_EQ(strings(blocks[1]), std::vector<ZnsStringW>{u"c"});
}

TEST(TextGrouping, NothingSelectedGivesNoColumn) {
    EXPECT_TRUE(GroupSelectedTexts({}).empty());
}

} // namespace
