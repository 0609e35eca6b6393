// The notebook window as a user works it: adding and renaming items, the rename a click
// cannot start, deleting with the question answered each way, moving a page by dragging,
// editing a page, and closing with "Save changes?" answered each way.
#include <memory>

#include "notebook/NotebookDlg.h"
#include "notebook/PageText.h"
#include "tests/notebook/NotebookWindowFixture.h"

using namespace notebook;
using namespace zn::ui;

namespace {

class NotebookDlgTest : public NotebookWindowTest {
protected:
    void fill(CNotebookTree& pages) override {
        HTREEITEM steels = pages.InsertTreeItem(u"Steels", pages.Root(), TVI_LAST, kPartition);
        HTREEITEM grades = pages.InsertTreeItem(u"Grades", steels, TVI_LAST, kTextPage);
        pages.GetOwnPage(grades)->text = RtfOfPlainText(u"1. Steel 45");
        pages.InsertTreeItem(u"Bolts", pages.Root(), TVI_LAST, kPartition);
        pages.SortChildren(pages.Root());
        pages.Expand(pages.Root(), true);
    }
    void SetUp() override {
        NotebookWindowTest::SetUp();
        file = bytesOf("book.ntb");
    }
    CxTreeCtrl& tree() { return dialog.Pages().Tree(); }
    HTREEITEM item(const std::u16string& path) { return dialog.Pages().FindPath(path); }
    std::vector<std::u16string> children(HTREEITEM parent) {
        std::vector<std::u16string> out;
        for (HTREEITEM child = tree().GetChildItem(parent); child;
             child = tree().GetNextSiblingItem(child))
            out.push_back(tree().GetItemText(child));
        return out;
    }
    ZnsStringW savedPage(const std::u16string& path) {
        CNotebookDoc saved;
        EXPECT_EQ(saved.LoadNotebook(wpath("book.ntb"), kOpen), 1);
        HTREEITEM found = saved.Pages().FindPath(path);
        return found ? PlainTextOfRtf(saved.Pages().GetPage(found)->text) : u"<missing>";
    }

    std::string file; // the bytes of "book.ntb" as the window opened it
};

TEST_F(NotebookDlgTest, OpensTheFileAndShowsTheSelectedPage) {
    EXPECT_EQ(dialog.GetWindowTextW(), u"book - Notebook");
    user("click 12050 \"Steels\"\nkey Right\nclick 12050 \"Grades\"");
    EXPECT_EQ(dialog.PageView().GetText(), u"1. Steel 45");
    EXPECT_TRUE(dialog.PageView().IsReadOnly());
    EXPECT_FALSE(dialog.IsModified());
}

TEST_F(NotebookDlgTest, PartitionsShowTheCoverEvenWhenAFileGaveThemAPage) {
    CNotebookDoc doc;
    doc.NewNotebook(true);
    CNotebookTree& pages = doc.Pages();
    HTREEITEM steels = pages.InsertTreeItem(u"Steels", pages.Root(), TVI_LAST, kPartition);
    auto own = std::make_unique<NotebookPage>();
    own->text = RtfOfPlainText(u"a partition's own text");
    pages.SetPage(steels, std::move(own));
    pages.InsertTreeItem(u"Grades", steels, TVI_LAST, kTextPage);
    pages.Expand(pages.Root(), true);
    ASSERT_EQ(doc.SaveNotebook(wpath("partition.ntb")), 1);
    ASSERT_EQ(dialog.LoadNotebook(wpath("partition.ntb"), kOpen), 1);
    ASSERT_NE(dialog.Pages().GetOwnPage(item(u"Steels")), nullptr) << "the file kept the page";

    dialog.Pages().GetOwnPage(dialog.Pages().Root())->text = RtfOfPlainText(u"The cover");
    user("click 12050 \"History\"\nclick 12050 \"Steels\"");
    EXPECT_EQ(dialog.PageView().GetText(), u"The cover");
    EXPECT_TRUE(dialog.PageView().IsReadOnly());
    EXPECT_FALSE(dialog.IsCommandEnabled(ID_EDIT_PAGE));
}

TEST_F(NotebookDlgTest, AddedItemsAreRenamedAndSortedAndClicksDoNotRename) {
    user("rclick 12050 \"Steels\"\nmenu 32819\ntype Alloys\\n");
    EXPECT_EQ(children(item(u"Steels")), (std::vector<std::u16string>{u"Alloys", u"Grades"}));
    EXPECT_EQ(dialog.Pages().PageType(item(u"Steels/Alloys")), kTextPage);
    EXPECT_TRUE(dialog.IsModified());

    // A partition added on a page goes into the page's partition, first, until named.
    user("click 12050 \"Grades\"\nrclick 12050 \"Grades\"\nmenu 32828\ntype Zinc\\n");
    EXPECT_EQ(children(item(u"Steels")),
              (std::vector<std::u16string>{u"Zinc", u"Alloys", u"Grades"}));

    // F2 asks the tree for a rename, which the window refuses without a command.
    user("click 12050 \"Bolts\"\nkey F2\ntype X");
    EXPECT_EQ(tree().GetEditControl(), nullptr);
    EXPECT_NE(item(u"Bolts"), nullptr);

    // Esc while renaming ends only the rename.
    user("rclick 12050 \"Bolts\"\nmenu 32830\ntype Nuts\nkey Esc");
    EXPECT_NE(item(u"Bolts"), nullptr);
    EXPECT_TRUE(dialog.GetSafeHwnd() && dialog.IsWindowVisible());
}

TEST_F(NotebookDlgTest, DeleteAsksFirstAndLeavesAnEmptyPartitionClosed) {
    user("click 12050 \"Steels\"\nkey Right\nclick 12050 \"Grades\"\nrclick 12050 \"Grades\"\nmenu "
         "32820\nanswer no");
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages.back(), "Are you sure you want to delete \"Grades\"?");
    EXPECT_NE(item(u"Steels/Grades"), nullptr);
    EXPECT_FALSE(dialog.IsModified());

    user("rclick 12050 \"Grades\"\nmenu 32820\nanswer yes");
    EXPECT_EQ(item(u"Steels/Grades"), nullptr);
    int image = -1, selected = -1;
    tree().GetItemImage(item(u"Steels"), image, selected);
    EXPECT_EQ(image, kImagePartition);
    EXPECT_TRUE(dialog.IsModified());
}

TEST_F(NotebookDlgTest, DraggingMovesAPageWithItsTextUnderAFreshKey) {
    user("click 12050 \"Steels\"\nkey Right");
    std::int32_t oldKey = dialog.Pages().Key(item(u"Steels/Grades"));
    user("drag 12050 \"Grades\" \"Bolts\"");
    ASSERT_EQ(item(u"Steels/Grades"), nullptr);
    HTREEITEM moved = item(u"Bolts/Grades");
    ASSERT_NE(moved, nullptr);
    EXPECT_NE(dialog.Pages().Key(moved), oldKey);
    EXPECT_EQ(PlainTextOfRtf(dialog.Pages().GetPage(moved)->text), u"1. Steel 45");
    EXPECT_TRUE(dialog.Pages().KeysUnique());
    EXPECT_TRUE(dialog.IsModified());

    // A partition never goes below itself, and History cannot be dragged.
    user("click 12050 \"Steels\"\ndrag 12050 \"Steels\" \"Steels\"");
    EXPECT_NE(item(u"Steels"), nullptr);
}

TEST_F(NotebookDlgTest, EditingAPageStoresItsTextAndLocksTheTree) {
    user("click 12050 \"Steels\"\nkey Right\nclick 12050 \"Grades\"\nrclick 12050 \"Grades\"\nmenu "
         "32821");
    ASSERT_TRUE(dialog.IsEditingPage());
    EXPECT_FALSE(tree().IsWindowEnabled());
    EXPECT_FALSE(dialog.IsCommandEnabled(ID_ADD_PAGE));
    EXPECT_TRUE(dialog.IsCommandChecked(ID_EDIT_PAGE));
    dialog.PageView().SetSel(dialog.PageView().GetTextLength(), dialog.PageView().GetTextLength());
    user("type , hardened\nkey Esc");
    EXPECT_TRUE(dialog.IsEditingPage()); // Esc while editing belongs to the page
    dialog.SendMessage(WM_COMMAND, ID_EDIT_PAGE, 0);
    EXPECT_FALSE(dialog.IsEditingPage());
    EXPECT_TRUE(tree().IsWindowEnabled());
    EXPECT_TRUE(dialog.IsModified());
    EXPECT_EQ(PlainTextOfRtf(dialog.Pages().GetPage(item(u"Steels/Grades"))->text),
              u"1. Steel 45, hardened");
}

TEST_F(NotebookDlgTest, ClosingAsksToSaveAndDoesAsAnswered) {
    user("rclick 12050 \"Bolts\"\nmenu 32819\ntype Nuts\\n");
    user("click 2\nanswer cancel");
    EXPECT_TRUE(dialog.GetSafeHwnd() && dialog.IsWindowVisible());
    EXPECT_EQ(messages.back(), "Save changes?");

    user("click 2\nanswer no");
    EXPECT_EQ(dialog.GetSafeHwnd(), nullptr);
    EXPECT_EQ(savedPage(u"Bolts/Nuts"), u"<missing>");
}

TEST_F(NotebookDlgTest, ClosingWithYesSavesTheFile) {
    user("rclick 12050 \"Bolts\"\nmenu 32819\ntype Nuts\\n");
    user("key Esc\nanswer yes");
    EXPECT_EQ(dialog.GetSafeHwnd(), nullptr);
    EXPECT_EQ(savedPage(u"Bolts/Nuts"), u"");
    EXPECT_EQ(savedPage(u"Steels/Grades"), u"1. Steel 45");
}

TEST_F(NotebookDlgTest, FindNextWalksTheHitsAndFindAllFillsFindResult) {
    user("click 12050 \"Notebook\"\nkey F3");
    CNotebookFindDlg* find = dialog.FindDialog();
    ASSERT_NE(find, nullptr);
    EXPECT_EQ(find->IsDlgButtonChecked(CNotebookFindDlg::IDC_ALL_PARTITIONS), BST_CHECKED);
    EXPECT_FALSE(find->GetDlgItem(CNotebookFindDlg::IDC_FIND_ALL)->IsWindowEnabled());

    agent.AddScript("type steel\nclick 1");
    while (agent.Remaining())
        agent.ProvideInput(*find);
    EXPECT_EQ(tree().GetSelectedItem(), item(u"Steels/Grades"));
    EXPECT_EQ(dialog.PageView().GetSelText(), u"Steel");

    // Nothing behind the last hit: the user is told, the selection stays.
    agent.AddScript("click 1\nanswer ok");
    while (agent.Remaining())
        agent.ProvideInput(*find);
    EXPECT_EQ(messages.back(), "Cannot find the string.");
    EXPECT_EQ(tree().GetSelectedItem(), item(u"Steels/Grades"));

    agent.AddScript("click 32944");
    while (agent.Remaining())
        agent.ProvideInput(*find);
    HTREEITEM result = dialog.Pages().FindSpecial(kFindResult);
    EXPECT_EQ(tree().GetSelectedItem(), result);
    EXPECT_EQ(PlainTextOfRtf(dialog.Pages().GetPage(result)->text), u"1. Steel 45\n");

    // The find dialog goes with the window.
    dialog.SendMessage(WM_CLOSE);
    EXPECT_EQ(dialog.GetSafeHwnd(), nullptr);
}

std::vector<std::pair<ZnsStringW, int>> g_received;
int receive(const ZnsStringW& text, int format, std::uintptr_t context) {
    g_received.emplace_back(text, format);
    return int(context);
}

TEST_F(NotebookDlgTest, TransferDeliversInFlagOrderAndRecordsHistory) {
    g_received.clear();
    dialog.SetTransferMode(kTransferSingleLine | kTransferPlain | kTransferRtf);
    dialog.SetTransferCallback(receive, 1);
    user("click 12050 \"Steels\"\nkey Right\nclick 12050 \"Grades\"");
    dialog.PageView().SetSel(0, dialog.PageView().GetTextLength());
    user("rclick 12050 \"Grades\"\nmenu 9502");
    ASSERT_EQ(g_received.size(), 3u);
    EXPECT_EQ(g_received[0].second, 2);
    EXPECT_EQ(g_received[0].first.substr(0, 5), u"{\\rtf");
    EXPECT_EQ(g_received[0].first.back(), u'}');
    EXPECT_EQ(g_received[1].second, 0);
    EXPECT_EQ(g_received[2], (std::pair<ZnsStringW, int>{u"Steel 45", 3}));
    EXPECT_EQ(dialog.LastTransferredText(), u"Steel 45");
    HTREEITEM history = dialog.Pages().FindSpecial(kHistory);
    EXPECT_EQ(PlainTextOfRtf(dialog.Pages().GetPage(history)->text), u"1. Steel 45\n");

    // A refusing opener: nothing goes into History, and the window stays.
    dialog.SetTransferMode(kTransferPlain | kTransferClose);
    dialog.SetTransferCallback(receive, 0);
    EXPECT_EQ(dialog.Transfer(), 0);
    EXPECT_TRUE(dialog.GetSafeHwnd() && dialog.IsWindowVisible());
}

} // namespace
