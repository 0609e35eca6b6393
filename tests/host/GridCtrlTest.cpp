// The grid: rows and columns in and out with their cells, selection, editing and painting.
#include "host/controls/CGridCtrl.h"

#include "platform/ui/Input.h"
#include "platform/ui/ScriptActions.h"
#include "platform/ui/SystemColors.h"
#include "tests/platform/ui/UiTestSupport.h"

namespace zn::ui::test {
namespace {

class GridTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        ASSERT_TRUE(parent.Create(u"Test", u"Notebook", WS_POPUP | WS_VISIBLE, {0, 0, 600, 400},
                                  nullptr, 0));
        ASSERT_TRUE(grid.Create({0, 0, 500, 300}, &parent, 32924));
        grid.SetRowCount(3);
        grid.SetColumnCount(3);
        grid.SetItemText(0, 1, u"A");
        grid.SetItemText(0, 2, u"B");
        grid.SetItemText(1, 0, u"1");
        grid.SetItemText(2, 0, u"2");
        grid.SetFixedRowCount(1);
        grid.SetFixedColumnCount(1);
        for (int r = 1; r < 3; ++r)
            for (int c = 1; c < 3; ++c)
                grid.SetItemText(r, c, zn::format("%d%d", r, c));
    }
    std::u16string row(int r) const {
        std::u16string out;
        for (int c = 0; c < grid.GetColumnCount(); ++c)
            out += (c ? u"|" : u"") + grid.GetItemText(r, c);
        return out;
    }

    struct Parent : CWnd {
        std::vector<std::pair<int, CCellID>> notes;
        LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
            if (message == WM_NOTIFY) {
                auto* info = reinterpret_cast<NM_GRIDVIEW*>(lParam);
                notes.push_back({info->hdr.code, {info->iRow, info->iColumn}});
                return 0;
            }
            return CWnd::WindowProc(message, wParam, lParam);
        }
    } parent;
    CGridCtrl grid;
};

TEST_F(GridTest, AConsoleUserSeesEveryRowWithTheSelectedCellsMarked) {
    grid.SetSelectedRange(1, 1, 1, 2);
    const std::string shown = DescribeWindow(parent);
    EXPECT_NE(shown.find("0:  | A | B\n"), std::string::npos) << shown;
    EXPECT_NE(shown.find("1: 1 | [11] | [12]\n"), std::string::npos) << shown;
    EXPECT_NE(shown.find("2: 2 | 21 | 22\n"), std::string::npos) << shown;

    grid.SetRowCount(60);
    EXPECT_NE(DescribeWindow(parent).find("(20 more)"), std::string::npos)
        << "a long table shows its first rows only";
}

TEST_F(GridTest, InsertingAndDeletingRowsAndColumnsMovesTheCells) {
    EXPECT_EQ(grid.InsertRow(u"x", 1), 1);
    EXPECT_EQ(row(1), u"x||");
    EXPECT_EQ(row(2), u"1|11|12");
    EXPECT_EQ(grid.InsertColumn(u"New", DT_CENTER, 2), 2);
    EXPECT_EQ(row(0), u"|A|New|B");
    EXPECT_EQ(row(3), u"2|21||22");
    EXPECT_EQ(grid.GetItemFormat(0, 2), DT_CENTER);
    EXPECT_EQ(grid.GetColumnWidth(2), CGridCtrl::kDefaultColumnWidth);

    EXPECT_TRUE(grid.DeleteRow(1));
    EXPECT_TRUE(grid.DeleteColumn(2));
    EXPECT_EQ(row(1), u"1|11|12");
    EXPECT_EQ(grid.GetRowCount(), 3);
    EXPECT_EQ(grid.GetColumnCount(), 3);
    EXPECT_FALSE(grid.DeleteRow(3));
    EXPECT_FALSE(grid.DeleteColumn(-1));

    // The fixed header row goes with its row.
    grid.DeleteRow(0);
    EXPECT_EQ(grid.GetFixedRowCount(), 0);
}

TEST_F(GridTest, FocusAndSelectionFollowClicksAndShrinkWithTheGrid) {
    Click(grid, grid.FindItemRect(u"1,1")->CenterPoint());
    Click(grid, grid.FindItemRect(u"2,2")->CenterPoint(), MouseButton::Left, false, kModShift);
    EXPECT_EQ(grid.GetFocusCell(), (CCellID{2, 2}));
    EXPECT_EQ(grid.GetSelectedCellRange(), (CCellRange{1, 1, 2, 2}));
    EXPECT_EQ(grid.GetSelectedCount(), 4);

    // A header cell selects its column.
    Click(grid, grid.FindItemRect(u"0,2")->CenterPoint());
    EXPECT_EQ(grid.GetSelectedCellRange(), (CCellRange{1, 2, 2, 2}));

    grid.DeleteRow(2);
    EXPECT_FALSE(grid.GetSelectedCellRange().IsValid());
    EXPECT_TRUE(grid.IsValid(grid.GetFocusCell()) || !grid.GetFocusCell().IsValid());
}

TEST_F(GridTest, PaintsHeadersSelectionAndTextsAndRepaintsOnChange) {
    grid.SetFixedTextColor(0xFF0000);
    grid.SetSelectedRange(1, 1, 1, 1);
    grid.UpdateWindow();
    auto textOp = [&](std::u16string_view text) -> const DrawOp* {
        for (const DrawOp& op : grid.GetPaintedDisplayList())
            if (op.kind == DrawKind::Text && op.text == text)
                return &op;
        return nullptr;
    };
    const DrawOp* header = textOp(u"A");
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(header->state.textColor, COLORREF(0xFF0000));
    EXPECT_TRUE(grid.GetCellRect(0, 1).PtInRect(header->rect.TopLeft()));
    ASSERT_NE(textOp(u"11"), nullptr);
    EXPECT_EQ(textOp(u"11")->state.textColor, GetSysColor(COLOR_HIGHLIGHTTEXT));
    EXPECT_EQ(textOp(u"22")->state.textColor, GetSysColor(COLOR_WINDOWTEXT));

    grid.SetItemText(2, 2, u"new");
    grid.UpdateWindow();
    EXPECT_NE(textOp(u"new"), nullptr);
    // With redraw off the picture waits.
    grid.SetRedraw(false);
    grid.SetItemText(2, 2, u"later");
    grid.UpdateWindow();
    EXPECT_EQ(textOp(u"later"), nullptr);
    grid.SetRedraw(true);
    grid.UpdateWindow();
    EXPECT_NE(textOp(u"later"), nullptr);
}

TEST_F(GridTest, EditingACellStoresTheTextAndMarksItModified) {
    grid.SetFocusCell(1, 2);
    grid.SetFocus();
    agent.AddScript("type Steel\nkey Enter\ndblclick 32924 \"2,1\"\ntype x\nkey Esc");
    for (int i = 0; i < 2; ++i)
        agent.ProvideInput(parent);
    EXPECT_EQ(grid.GetItemText(1, 2), u"Steel");
    EXPECT_TRUE(grid.GetModified(1, 2));
    EXPECT_TRUE(grid.GetModified());
    auto ended = std::find_if(parent.notes.begin(), parent.notes.end(),
                              [](auto& n) { return n.first == GVN_ENDLABELEDIT; });
    ASSERT_NE(ended, parent.notes.end());
    EXPECT_EQ(ended->second, (CCellID{1, 2}));

    for (int i = 0; i < 3; ++i)
        agent.ProvideInput(parent);
    EXPECT_EQ(grid.GetItemText(2, 1), u"21"); // Esc kept the old text
    grid.SetModified(false);
    EXPECT_FALSE(grid.GetModified());

    grid.SetEditable(false);
    EXPECT_FALSE(grid.EditCell(1, 1));
    grid.SetEditable(true);
    EXPECT_FALSE(grid.EditCell(0, 1)); // fixed cells are not edited
}

} // namespace
} // namespace zn::ui::test
