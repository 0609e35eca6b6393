// Table page text: header widths, line ends, and the cells a missing final LF loses.
#include <gtest/gtest.h>

#include "notebook/TableText.h"

using namespace notebook;

TEST(TableText, HeaderCellsCarryNamesAndWidths) {
    Table table = ParseTableText(u"Size|40\ta|b|93\tPitch|0\tNo width\r\nM6\t1\t\t\rM8\n");
    ASSERT_EQ(table.columns.size(), 4u);
    EXPECT_EQ(table.columns[0].name, u"Size");
    EXPECT_EQ(table.columns[0].width, 40);
    EXPECT_EQ(table.columns[1].name, u"a|b"); // only the last "|" parts name from width
    EXPECT_EQ(table.columns[1].width, 93);
    EXPECT_EQ(table.columns[2].name, u"Pitch|0"); // a width of 0 is no width
    EXPECT_EQ(table.columns[2].width, 0);
    EXPECT_EQ(table.columns[3].name, u"No width");
    ASSERT_EQ(table.rows.size(), 2u);
    EXPECT_EQ(table.rows[0], (std::vector<ZnsStringW>{u"M6", u"1", u"", u""}));
    EXPECT_EQ(table.rows[1], (std::vector<ZnsStringW>{u"M8"}));
}

TEST(TableText, WithoutFinalLineEndTheLastCellIsLost) {
    Table table = ParseTableText(u"A|93\tB|93\nx\ty");
    ASSERT_EQ(table.rows.size(), 1u);
    EXPECT_EQ(table.rows[0], (std::vector<ZnsStringW>{u"x"}));
    EXPECT_TRUE(ParseTableText(u"only").columns.empty());
}

TEST(TableText, WrittenTextReadsBack) {
    Table table;
    table.columns = {{u"Name", 0}, {u"Value", 120}};
    table.rows = {{u"a", u"1"}, {u"", u""}};
    const ZnsStringW text = TableText(table);
    EXPECT_EQ(text, u"Name|93\tValue|120\na\t1\n\t\n");
    Table again = ParseTableText(text);
    EXPECT_EQ(again.columns[0].width, 93);
    EXPECT_EQ(again.rows, table.rows);
}
