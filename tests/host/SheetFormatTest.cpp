// Formats put their frame, title block and free text columns where the drafting standards
// put them.
#include <gtest/gtest.h>

#include "simhost/SheetFormat.h"
#include "simhost/SheetSizes.h"

namespace {

using simhost::SheetFormat;

ZnPtr<SheetFormat> sheet(const char* name, bool landscape) {
    ZnPtr<SheetFormat> format = ZnPtr<SheetFormat>::Adopt(new SheetFormat);
    EXPECT_TRUE(format->SetSheet(name, landscape)) << name;
    return format;
}

TEST(SheetFormat, FrameAndTitleBlock) {
    ZnPtr<SheetFormat> a3 = sheet("A3", true);
    EXPECT_EQ(a3->Width(), 420);
    EXPECT_EQ(a3->Height(), 297);
    EXPECT_EQ(a3->Frame(), ZnsBox3::Of({20, 5, 0}, {415, 292, 0}));
    EXPECT_EQ(a3->TitleBlock(), ZnsBox3::Of({230, 5, 0}, {415, 60, 0}));

    ZnPtr<SheetFormat> a1 = sheet("a1", false);
    EXPECT_EQ(a1->Width(), 594);
    EXPECT_EQ(a1->Height(), 841);
    EXPECT_EQ(a1->TitleBlock(), ZnsBox3::Of({404, 5, 0}, {589, 60, 0}));
}

TEST(SheetFormat, A4IsPortraitOnlyAndUnknownSheetsAreRefused) {
    ZnPtr<SheetFormat> format = ZnPtr<SheetFormat>::Adopt(new SheetFormat);
    EXPECT_FALSE(format->SetSheet("A4", true));
    EXPECT_FALSE(format->SetSheet("A5", false));
    EXPECT_EQ(format->Sheet(), "A3") << "a refused sheet changes nothing";
    EXPECT_TRUE(format->SetSheet("A4", false));
}

TEST(SheetFormat, ColumnZeroStandsAboveTheTitleBlock) {
    ZnPtr<SheetFormat> a4 = sheet("A4", false);
    auto column = a4->FreeArea(0);
    ASSERT_TRUE(column);
    EXPECT_EQ(column->first, (ZnsPoint3{20, 292, 0}));
    EXPECT_EQ(column->second, (ZnsPoint3{205, 60, 0}));
    EXPECT_FALSE(a4->FreeArea(1)) << "an A4 frame is exactly one title block wide";
    EXPECT_FALSE(a4->FreeArea(-1));
}

TEST(SheetFormat, FurtherColumnsRunLeftFromFrameBottomToTop) {
    ZnPtr<SheetFormat> a3 = sheet("A3", true);
    auto first = a3->FreeArea(1);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->first, (ZnsPoint3{45, 292, 0}));
    EXPECT_EQ(first->second, (ZnsPoint3{230, 5, 0}));
    EXPECT_FALSE(a3->FreeArea(2)) << "a third strip would cross the frame's left edge";
}

TEST(SheetFormat, ColumnCountsOfEverySheet) {
    struct Case {
        const char* sheet;
        bool landscape;
        int columns;
    };
    // Frame width (sheet width - 25) holds one title-block-wide strip per column.
    for (Case c : {Case{"A4", false, 1}, Case{"A3", false, 1}, Case{"A3", true, 2},
                   Case{"A2", false, 2}, Case{"A2", true, 3}, Case{"A1", false, 3},
                   Case{"A1", true, 4}, Case{"A0", false, 4}, Case{"A0", true, 6}}) {
        ZnPtr<SheetFormat> format = sheet(c.sheet, c.landscape);
        int columns = 0;
        while (format->FreeArea(columns))
            ++columns;
        EXPECT_EQ(columns, c.columns) << c.sheet << (c.landscape ? " landscape" : " portrait");
        auto last = format->FreeArea(columns - 1);
        EXPECT_GE(last->first.x, format->Frame().min.x);
    }
}

} // namespace
