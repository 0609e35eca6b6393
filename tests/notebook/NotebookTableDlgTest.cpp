// Table pages in the notebook window as a user works them: adding a table through its
// dialog, typing into cells and the "*" row and column, the table menu with the column
// properties, transferring cells, and the table text the file keeps.
#include "tests/notebook/NotebookWindowFixture.h"

using namespace notebook;
using namespace zn::ui;

namespace {

constexpr char16_t kSizes[] = u"Size|60\tPitch|93\nM6\t1\nM8\t1.25\n";

class NotebookTableDlgTest : public NotebookWindowTest {
protected:
    void fill(CNotebookTree& pages) override {
        HTREEITEM bolts = pages.InsertTreeItem(u"Bolts", pages.Root(), TVI_LAST, kPartition);
        HTREEITEM sizes = pages.InsertTreeItem(u"Sizes", bolts, TVI_LAST, kTablePage);
        pages.GetOwnPage(sizes)->text = kSizes;
        pages.Expand(pages.Root(), true);
        pages.Expand(bolts, true);
    }
    HTREEITEM child(HTREEITEM parent, std::u16string_view name) {
        return child(dialog, parent, name);
    }
    static HTREEITEM child(CNotebookDoc& doc, HTREEITEM parent, std::u16string_view name) {
        CxTreeCtrl& tree = doc.Pages().Tree();
        HTREEITEM item = tree.GetChildItem(parent);
        while (item && tree.GetItemText(item) != name)
            item = tree.GetNextSiblingItem(item);
        return item;
    }
    HTREEITEM bolts() { return child(dialog.Pages().Root(), u"Bolts"); }
    ZnsStringW pageText(std::u16string_view name) {
        HTREEITEM item = child(bolts(), name);
        return item ? dialog.Pages().GetOwnPage(item)->text : u"<missing>";
    }
    std::u16string row(int r) {
        CGridCtrl& grid = dialog.TableGrid();
        std::u16string out;
        for (int c = 0; c < grid.GetColumnCount(); ++c)
            out += (c ? u"|" : u"") + grid.GetItemText(r, c);
        return out;
    }
};

TEST_F(NotebookTableDlgTest, ATablePageShowsInTheGridReadOnly) {
    user("click 12050 \"Sizes\"");
    CGridCtrl& grid = dialog.TableGrid();
    EXPECT_TRUE(grid.IsWindowVisible());
    EXPECT_FALSE(dialog.PageView().IsWindowVisible());
    EXPECT_FALSE(grid.IsEditable());
    EXPECT_EQ(row(0), u"|Size|Pitch");
    EXPECT_EQ(row(2), u"2|M8|1.25");
    EXPECT_EQ(grid.GetColumnWidth(1), 60);
    EXPECT_TRUE(dialog.IsCommandEnabled(ID_EDIT_PAGE));
    EXPECT_FALSE(dialog.IsCommandEnabled(ID_INSERT_ROW));

    // Typing does not change a table that is not being edited.
    user("click 32924 \"1,1\"\ntype X\\n");
    EXPECT_EQ(row(1), u"1|M6|1");

    user("click 12050 \"Bolts\"");
    EXPECT_FALSE(grid.IsWindowVisible());
    EXPECT_TRUE(dialog.PageView().IsWindowVisible());
}

TEST_F(NotebookTableDlgTest, AddTableMakesTheTableTheDialogAsks) {
    // A row count out of range is refused with the framework's message.
    user("rclick 12050 \"Bolts\"\nmenu 32925\n"
         "click 12054\nkey End\ntype  2\n"
         "click 12057\nkey End\nkey Back\ntype 0\nclick 1\nanswer ok\n"
         "key Back\ntype 3\n"
         "click 32954\nkey End\nkey Back\ntype 4\nclick 1");
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages.front(), "Please enter an integer between 1 and 10000.");
    EXPECT_EQ(pageText(u"New table 2"), u"|93\t|93\t|93\t|93\n\t\t\t\n\t\t\t\n\t\t\t\n");
    HTREEITEM added = child(bolts(), u"New table 2");
    EXPECT_EQ(dialog.Pages().Tree().GetSelectedItem(), added);
    EXPECT_EQ(dialog.TableGrid().GetRowCount(), 4);
    EXPECT_EQ(dialog.TableGrid().GetColumnCount(), 5);
    EXPECT_TRUE(dialog.IsModified());
    EXPECT_EQ(dialog.Pages().Tree().GetEditControl(), nullptr) << "named by the dialog";

    // The defaults: two columns, five rows; the new table may be renamed at once.
    // Cancel adds nothing.
    user("rclick 12050 \"Bolts\"\nmenu 32925\nclick 1\nkey F2\ntype Plain\\n");
    EXPECT_EQ(pageText(u"Plain"), u"|93\t|93\n\t\n\t\n\t\n\t\n\t\n");
    user("rclick 12050 \"Bolts\"\nmenu 32925\nclick 2");
    EXPECT_EQ(child(bolts(), u"New table"), nullptr);
}

TEST_F(NotebookTableDlgTest, EditingGrowsTheTableAndTheFileKeepsIt) {
    user("click 12050 \"Sizes\"\nrclick 12050 \"Sizes\"\nmenu 32821");
    ASSERT_TRUE(dialog.IsEditingPage());
    EXPECT_EQ(row(0), u"|Size|Pitch|*");
    EXPECT_EQ(row(3), u"*|||");
    EXPECT_FALSE(dialog.IsCommandEnabled(ID_ADD_TABLE));

    // A changed cell, a new row from the "*" row, a new column from the "*" column.
    user("click 32924 \"1,2\"\ntype 1.0\\n\n"
         "click 32924 \"3,1\"\ntype M10\\n\n"
         "click 32924 \"2,3\"\ntype fine\\n");
    EXPECT_EQ(row(0), u"|Size|Pitch||*");
    EXPECT_EQ(row(3), u"3|M10|||");
    EXPECT_EQ(row(4), u"*||||");
    // Esc ends a cell edit, not the window.
    user("click 32924 \"1,1\"\ntype gone\nkey Esc");
    EXPECT_EQ(row(1), u"1|M6|1.0||");
    EXPECT_TRUE(dialog.GetSafeHwnd() && dialog.IsEditingPage());

    // The tree is locked while the page is edited; the button of the toolbar ends it.
    dialog.SendMessage(WM_COMMAND, ID_EDIT_PAGE, 0);
    EXPECT_FALSE(dialog.IsEditingPage());
    EXPECT_TRUE(dialog.IsModified());
    const ZnsStringW expected = u"Size|60\tPitch|93\t|93\nM6\t1.0\t\nM8\t1.25\tfine\nM10\t\t\n";
    EXPECT_EQ(pageText(u"Sizes"), expected);

    user("rclick 12050 \"Sizes\"\nmenu 57603");
    CNotebookDoc saved;
    ASSERT_EQ(saved.LoadNotebook(wpath("book.ntb"), kOpen), 1);
    HTREEITEM savedSizes = child(saved, child(saved, saved.Pages().Root(), u"Bolts"), u"Sizes");
    ASSERT_NE(savedSizes, nullptr);
    EXPECT_EQ(saved.Pages().GetOwnPage(savedSizes)->text, expected);
}

TEST_F(NotebookTableDlgTest, TheTableMenuDeletesRowsAndRenamesColumns) {
    user("click 12050 \"Sizes\"\nrclick 12050 \"Sizes\"\nmenu 32821");
    // A click on a row number selects the row; the menu deletes it.
    user("click 32924 \"1,0\"\nrclick 32924 \"1,0\"\nmenu 32930");
    EXPECT_EQ(row(1), u"1|M8|1.25|");
    EXPECT_EQ(row(2), u"*|||");

    // A width of 0 keeps the column's width; the name changes.
    user("click 32924 \"1,1\"\nrclick 32924 \"1,1\"\nmenu 32928\n"
         "click 1036\nkey End\ntype  (mm)\nclick 1038\nkey End\nkey Back\nkey Back\ntype 0\n"
         "click 1");
    EXPECT_EQ(row(0), u"|Size (mm)|Pitch|*");
    EXPECT_EQ(dialog.TableGrid().GetColumnWidth(1), 60);
    user("rclick 32924 \"1,2\"\nmenu 32928\nclick 1038\nkey End\nkey Back\nkey Back\ntype 120\n"
         "click 1");
    // The right click chose the column.
    EXPECT_EQ(dialog.TableGrid().GetColumnWidth(1), 60);
    EXPECT_EQ(dialog.TableGrid().GetColumnWidth(2), 120);

    // The "*" column cannot be renamed or deleted; the toolbar's buttons say so too.
    user("click 32924 \"1,3\"");
    EXPECT_FALSE(dialog.IsCommandEnabled(ID_RENAME_COLUMN));
    EXPECT_FALSE(dialog.IsCommandEnabled(ID_DELETE_COLUMN));
    EXPECT_TRUE(dialog.IsCommandEnabled(ID_INSERT_COLUMN));
    ASSERT_TRUE(dialog.TableBar().IsWindowVisible());
    EXPECT_FALSE(dialog.TableBar().IsButtonEnabled(ID_DELETE_COLUMN));
    EXPECT_TRUE(dialog.TableBar().IsButtonEnabled(ID_INSERT_ROW));

    // The toolbar inserts a row before the focus cell's.
    user("click 32924 \"1,2\"\nclick 32929");
    EXPECT_EQ(row(1), u"1|||");
    EXPECT_EQ(row(2), u"2|M8|1.25|");
    user("click 32930");

    dialog.SendMessage(WM_COMMAND, ID_EDIT_PAGE, 0);
    EXPECT_FALSE(dialog.TableBar().IsWindowVisible());
    EXPECT_EQ(pageText(u"Sizes"), u"Size (mm)|60\tPitch|120\nM8\t1.25\n");
}

TEST_F(NotebookTableDlgTest, FindNextSelectsTheCellOfEachHit) {
    user("click 12050 \"Sizes\"\nkey F3");
    CNotebookFindDlg* find = dialog.FindDialog();
    ASSERT_NE(find, nullptr);
    auto findNext = [&](const std::string& script) {
        agent.AddScript(script);
        while (agent.Remaining())
            agent.ProvideInput(*find);
        return dialog.TableGrid().GetFocusCell();
    };
    // The header's "|60" is never a hit; each Find Next goes on behind the cell it found.
    EXPECT_EQ(findNext("type 6\nclick 1"), (CCellID{1, 1}));
    EXPECT_EQ(dialog.TableGrid().GetSelectedCellRange(), (CCellRange{1, 1, 1, 1}));
    findNext("click 1\nanswer ok");
    EXPECT_EQ(messages.back(), "Cannot find the string.");
    EXPECT_EQ(findNext("click 1152\nkey End\nkey Back\ntype 1\nclick 1"), (CCellID{1, 2}));
    EXPECT_EQ(findNext("click 1"), (CCellID{2, 2}));
}

std::vector<std::pair<ZnsStringW, int>> g_received;
int receive(const ZnsStringW& text, int format, std::uintptr_t) {
    g_received.emplace_back(text, format);
    return 1;
}

TEST_F(NotebookTableDlgTest, DoubleClickTransfersTheSelectedCells) {
    g_received.clear();
    dialog.SetTransferMode(kTransferPlain);
    dialog.SetTransferCallback(receive, 0);
    user("click 12050 \"Sizes\"\ndblclick 32924 \"2,2\"");
    ASSERT_EQ(g_received.size(), 1u);
    EXPECT_EQ(g_received[0], (std::pair<ZnsStringW, int>{u"1.25", 0}));

    // A range goes as rows of TAB-separated cells.
    user("drag 32924 \"1,1\" \"2,2\"\nrclick 12050 \"Sizes\"\nmenu 9502");
    ASSERT_EQ(g_received.size(), 2u);
    EXPECT_EQ(g_received[1].first, u"M6\t1\nM8\t1.25\n");
    EXPECT_FALSE(dialog.IsModified());
}

} // namespace
