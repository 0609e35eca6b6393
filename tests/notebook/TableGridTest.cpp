// A table page in a grid: ragged table texts, the text the grid gives back, and editing with
// the "*" row and column and the row and column commands.
#include "notebook/TableGrid.h"

#include <random>

#include "tests/notebook/NotebookFixture.h"

using namespace notebook;
using namespace zn::ui;

namespace {

class TableGridTest : public NotebookTest {
protected:
    void SetUp() override {
        NotebookTest::SetUp();
        ASSERT_TRUE(parent.Create(u"Test", u"Notebook", WS_POPUP | WS_VISIBLE, {0, 0, 600, 400},
                                  nullptr, 0));
        ASSERT_TRUE(grid.Create({0, 0, 500, 300}, &parent, 32924));
    }
    std::u16string row(int r) const {
        std::u16string out;
        for (int c = 0; c < grid.GetColumnCount(); ++c)
            out += (c ? u"|" : u"") + grid.GetItemText(r, c);
        return out;
    }
    // Types `text` into a cell as the grid's in-place edit does.
    void type(int r, int c, std::u16string_view text) {
        grid.SetItemText(r, c, text);
        editing.CellEdited(r, c);
    }
    void select(int minRow, int minCol, int maxRow, int maxCol) {
        grid.SetFocusCell(-1, -1);
        grid.SetSelectedRange(minRow, minCol, maxRow, maxCol);
    }

    CWnd parent;
    CGridCtrl grid;
    CTableEditing editing{grid};
};

TEST_F(TableGridTest, RaggedRowsShowWhatTheHeaderHasRoomFor) {
    ShowTableText(grid, u"Size|40\tPitch\r\nM6\t1\textra\r\n\nM8\rM10\t1.5\tlost", true);
    ASSERT_EQ(grid.GetRowCount(), 5);
    ASSERT_EQ(grid.GetColumnCount(), 3);
    EXPECT_EQ(row(0), u"|Size|Pitch");
    EXPECT_EQ(row(1), u"1|M6|1");
    EXPECT_EQ(row(2), u"2||");
    EXPECT_EQ(row(3), u"3|M8|");
    // The last line lacks its LF: only the cells ended by a TAB are shown.
    EXPECT_EQ(row(4), u"4|M10|1.5");
    EXPECT_EQ(grid.GetColumnWidth(0), kRowNumberWidth);
    EXPECT_EQ(grid.GetColumnWidth(1), 40);
    EXPECT_EQ(grid.GetColumnWidth(2), kDefaultColumnWidth);
    EXPECT_EQ(grid.GetItemFormat(0, 1), UINT(DT_CENTER | DT_VCENTER | DT_SINGLELINE));
    EXPECT_EQ(grid.GetFixedRowCount(), 1);
    EXPECT_EQ(grid.GetFixedColumnCount(), 1);
    EXPECT_EQ(grid.GetFixedTextColor(), kTableHeaderColor);

    // Written back every row has all columns and the header its widths.
    EXPECT_EQ(GridTableText(grid), u"Size|40\tPitch|93\nM6\t1\n\t\nM8\t\nM10\t1.5\n");

    // Without row numbers the table starts in column 0.
    ShowTableText(grid, u"A|50\tB\nx\ty\tz\n", false);
    EXPECT_EQ(grid.GetFixedColumnCount(), 0);
    EXPECT_EQ(row(0), u"A|B");
    EXPECT_EQ(row(1), u"x|y");
    EXPECT_EQ(GridTableText(grid), u"A|50\tB|93\nx\ty\n");
}

TEST_F(TableGridTest, TextsWithoutCellsGiveAnEmptyHeader) {
    for (std::u16string_view text : {u"", u"no line end", u"\r\n"}) {
        ShowTableText(grid, text, true);
        EXPECT_EQ(grid.GetRowCount(), 1) << zn::toUtf8(text);
        EXPECT_LE(grid.GetColumnCount(), 2) << zn::toUtf8(text);
    }
    EXPECT_EQ(GridTableText(grid), u"|93\n");
    ShowTableText(grid, u"", false);
    EXPECT_EQ(GridTableText(grid), u"");
}

TEST_F(TableGridTest, AnyTextShowsAndWritesBackStably) {
    // Arbitrary runs of separators, bars and digits: the grid never fails, and the text it
    // writes shows as the same grid again.
    std::mt19937 random(15);
    const std::u16string alphabet = u"\t\n\r|09a ";
    for (int round = 0; round < 300; ++round) {
        std::u16string text;
        for (int i = int(random() % 40); i > 0; --i)
            text += alphabet[random() % alphabet.size()];
        for (bool rowNumbers : {true, false}) {
            ShowTableText(grid, text, rowNumbers);
            const ZnsStringW written = GridTableText(grid);
            ShowTableText(grid, written, rowNumbers);
            EXPECT_EQ(GridTableText(grid), written) << zn::toUtf8(text);
        }
    }
}

TEST_F(TableGridTest, SelectedCellsAreOneTextOrRowsOfTabs) {
    ShowTableText(grid, u"A\tB\n1\t2\n3\t4\n", true);
    EXPECT_EQ(SelectedCellsText(grid), u"");
    grid.SetSelectedRange(2, 2, 2, 2);
    EXPECT_EQ(SelectedCellsText(grid), u"4");
    grid.SetSelectedRange(1, 1, 2, 2);
    EXPECT_EQ(SelectedCellsText(grid), u"1\t2\n3\t4\n");
}

// Typing into the "*" row and column as a user does is a window test; here what it leaves.
TEST_F(TableGridTest, EmptyStarCellsAndFixedCellsChangeNothing) {
    ShowTableText(grid, u"A\tB\n1\t2\n", true);
    editing.Start();
    type(2, 1, u"");
    type(1, 3, u"");
    EXPECT_EQ(grid.GetRowCount(), 3);
    EXPECT_EQ(grid.GetColumnCount(), 4);
    EXPECT_LT(editing.CellEdited(0, 1), 0);
    EXPECT_LT(editing.CellEdited(1, 0), 0);
    EXPECT_FALSE(editing.Finish());
    EXPECT_EQ(GridTableText(grid), u"A|93\tB|93\n1\t2\n");
    EXPECT_LT(editing.CellEdited(1, 1), 0); // nothing is edited any more
}

TEST_F(TableGridTest, RowCommandsFollowTheSelection) {
    ShowTableText(grid, u"A\tB\n1\t\n2\t\n3\t\n4\t\n5\t\n", true);
    editing.Start();
    using C = CTableEditing::Command;

    // A cell, or whole rows, may take row commands; the "*" row may not be deleted.
    select(2, 1, 3, 1);
    EXPECT_FALSE(editing.IsEnabled(C::InsertRow));
    select(2, 1, 4, 3);
    EXPECT_TRUE(editing.IsEnabled(C::InsertRow));
    EXPECT_TRUE(editing.IsEnabled(C::DeleteRow));
    EXPECT_FALSE(editing.IsEnabled(C::DeleteColumn));
    select(6, 1, 6, 1);
    EXPECT_TRUE(editing.IsEnabled(C::InsertRow));
    EXPECT_FALSE(editing.IsEnabled(C::DeleteRow));

    // Three selected rows go, exactly those.
    select(2, 1, 4, 3);
    editing.DeleteRows();
    EXPECT_EQ(grid.GetRowCount(), 4);
    EXPECT_EQ(row(1), u"1|1||");
    EXPECT_EQ(row(2), u"2|5||");
    EXPECT_EQ(row(3), u"*|||");

    // A row goes in before the focus cell's row.
    grid.SetFocusCell(2, 2);
    grid.SetSelectedRange(2, 2, 2, 2);
    editing.InsertRow();
    EXPECT_EQ(row(2), u"2|||");
    EXPECT_EQ(row(3), u"3|5||");
    EXPECT_EQ(grid.GetFocusCell(), (CCellID{2, 2}));
    EXPECT_TRUE(editing.Finish());
    EXPECT_EQ(GridTableText(grid), u"A|93\tB|93\n1\t\n\t\n5\t\n");
}

TEST_F(TableGridTest, ColumnCommandsFollowTheSelection) {
    ShowTableText(grid, u"A\tB|50\tC\n1\t2\t3\n", true);
    editing.Start();
    using C = CTableEditing::Command;

    select(1, 2, 2, 3); // whole columns B and C, with the "*" row
    EXPECT_TRUE(editing.IsEnabled(C::DeleteColumn));
    EXPECT_EQ(editing.TargetColumn(), -1); // not one column
    select(1, 4, 1, 4);                    // the "*" column
    EXPECT_TRUE(editing.IsEnabled(C::InsertColumn));
    EXPECT_FALSE(editing.IsEnabled(C::DeleteColumn));
    EXPECT_EQ(editing.TargetColumn(), -1);

    select(1, 2, 2, 3);
    editing.DeleteColumns();
    EXPECT_EQ(row(0), u"|A|*");
    select(1, 1, 1, 1);
    editing.InsertColumn();
    EXPECT_EQ(row(0), u"||A|*");
    EXPECT_EQ(row(1), u"1||1|");
    EXPECT_EQ(editing.TargetColumn(), 1);
    editing.SetColumn(1, u"New", 70);
    EXPECT_TRUE(editing.Finish());
    EXPECT_EQ(GridTableText(grid), u"New|70\tA|93\n\t1\n");
}

} // namespace
