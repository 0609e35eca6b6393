// The notebook's files through its own operations: saving and loading keep everything,
// merging adds without a second History, bad files change nothing, the view state is
// rewritten in place, and a save that fails keeps the old file.
#include <sys/resource.h>

#include <csignal>

#include "notebook/NotebookFormat.h"
#include "notebook/PageText.h"
#include "platform/richedit/RichEditModel.h"
#include "tests/notebook/NotebookFixture.h"

using namespace notebook;
using zn::ui::HTREEITEM;
using zn::ui::TVI_LAST;

namespace {

struct Sample {
    HTREEITEM deep;
    HTREEITEM page;
    HTREEITEM table;
};

// A root, a partition chain eight deep, text and table pages, an empty page, values the
// notebook only carries, History text, a selection and expanded partitions.
Sample fill(CNotebookDoc& doc) {
    doc.NewNotebook(true);
    CNotebookTree& pages = doc.Pages();
    HTREEITEM root = pages.Root();
    HTREEITEM deep = root;
    for (int level = 0; level < 8; ++level)
        deep = pages.InsertTreeItem(zn::format("Level %i", level), deep, TVI_LAST, kPartition);
    HTREEITEM page = pages.InsertTreeItem(u"Стали", deep, TVI_LAST, kTextPage);
    pages.GetOwnPage(page)->text = RtfOfPlainText(u"1. Сталь 45\r2. Твёрдость 45...50 HRC");
    pages.GetOwnPage(page)->extra = 77;
    pages.GetOwnPage(page)->extraList = {3, 0xFFFFFFFE};
    pages.InsertTreeItem(u"Empty", deep, TVI_LAST, kTextPage);
    HTREEITEM table = pages.InsertTreeItem(u"Bolts", root, TVI_LAST, kTablePage);
    pages.GetOwnPage(table)->text = u"Size|40\tPitch|93\nM6\t1\nM8\t1.25\n";
    pages.GetOwnPage(pages.FindSpecial(kHistory))->text = RtfOfPlainText(u"used before");
    pages.SortChildren(root);
    pages.Expand(root, true);
    pages.Expand(pages.Tree().GetParentItem(deep), true);
    pages.Tree().SelectItem(page);
    return {deep, page, table};
}

} // namespace

TEST_F(NotebookTest, SavedAndReloadedNotebookIsTheSameFile) {
    zn::setSystemAnsiCodePageOverride(1251);
    CNotebookDoc doc;
    fill(doc);
    doc.Pages().GetOwnPage(doc.Pages().Root())->text = u"cover the file must not keep";
    ASSERT_EQ(doc.SaveNotebook(wpath("a.ntb")), 1);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.GetFileName(), wpath("a.ntb"));

    CNotebookDoc loaded;
    ASSERT_EQ(loaded.LoadNotebook(wpath("a.ntb"), kOpen), 1);
    ASSERT_EQ(loaded.SaveNotebook(wpath("b.ntb")), 1);
    EXPECT_EQ(bytesOf("a.ntb"), bytesOf("b.ntb"));
    EXPECT_NE(bytesOf("a.ntb").find("\xD1\xF2\xE0\xEB\xE8"), std::string::npos); // "Стали" in 1251

    const CNotebookTree& pages = loaded.Pages();
    HTREEITEM root = pages.Root();
    EXPECT_EQ(childNames(loaded, root),
              (std::vector<std::string>{"Level 0", "Bolts", "History", "Find result"}));
    HTREEITEM selected = pages.Tree().GetSelectedItem();
    ASSERT_TRUE(selected);
    EXPECT_EQ(pages.Tree().GetItemText(selected), u"Стали");
    EXPECT_EQ(pages.GetOwnPage(selected)->extra, 77);
    EXPECT_EQ(pages.GetOwnPage(selected)->extraList, (std::vector<std::uint32_t>{3, 0xFFFFFFFE}));
    EXPECT_EQ(PlainTextOfRtf(pages.GetOwnPage(selected)->text),
              u"1. Сталь 45\n2. Твёрдость 45...50 HRC");
    EXPECT_TRUE(pages.Tree().GetItemState(root, zn::ui::TVIS_EXPANDED));
    int image = 0, selectedImage = 0;
    pages.Tree().GetItemImage(root, image, selectedImage);
    EXPECT_EQ(image, kImagePartitionOpen);
    EXPECT_EQ(PlainTextOfRtf(pages.GetOwnPage(pages.FindSpecial(kHistory))->text), u"used before");
    EXPECT_EQ(pages.GetOwnPage(root)->text, CNotebookDoc::CoverText());
    EXPECT_EQ(pages.PageType(pages.Tree().GetParentItem(selected)), kPartition);
}

TEST_F(NotebookTest, SavedPagesAreBlackButKeepTheirTextInMemory) {
    CNotebookDoc doc;
    Sample sample = fill(doc);
    zn::richedit::RichEditModel model;
    model.SetText(u"red text");
    zn::richedit::CharFormat red;
    red.mask = zn::richedit::CFM_COLOR;
    red.color = zn::richedit::RGB(255, 0, 0);
    model.SetCharFormat(0, 3, red);
    const ZnsStringW redRtf = zn::ansiToWide(model.GetRtf());
    doc.Pages().GetOwnPage(sample.page)->text = redRtf;
    ASSERT_EQ(doc.SaveNotebook(wpath("a.ntb")), 1);
    EXPECT_EQ(doc.Pages().GetOwnPage(sample.page)->text, redRtf);
    EXPECT_EQ(bytesOf("a.ntb").find("\\red255"), std::string::npos);
}

TEST_F(NotebookTest, RootFlagZeroGetsANotebookRoot) {
    NotebookImage image;
    image.rootFlag = 0;
    image.items.push_back({u"Alpha", 4, 0, 0, 0, {}});
    image.items.push_back({u"Beta", 5, 0, 2, 2, {}});
    image.pages.emplace_back(5, NotebookPage{kTextPage, u"", 0, {}});
    std::string bytes;
    WriteNotebookFile(image, bytes);
    writeBytes("flag0.ntb", bytes);
    CNotebookDoc doc;
    ASSERT_EQ(doc.LoadNotebook(wpath("flag0.ntb"), kOpen), 1);
    HTREEITEM root = doc.Pages().Root();
    EXPECT_EQ(doc.Pages().Tree().GetItemText(root), u"Notebook");
    EXPECT_FALSE(doc.Pages().Tree().GetNextSiblingItem(root));
    // The view state made the missing History and Find result.
    EXPECT_EQ(childNames(doc, root),
              (std::vector<std::string>{"Alpha", "Beta", "History", "Find result"}));
}

TEST_F(NotebookTest, MergeAddsPartitionsAndPagesButNoSecondHistory) {
    CNotebookDoc other;
    other.NewNotebook(true);
    HTREEITEM part =
        other.Pages().InsertTreeItem(u"Alpha", other.Pages().Root(), TVI_LAST, kPartition);
    HTREEITEM page = other.Pages().InsertTreeItem(u"Note", part, TVI_LAST, kTextPage);
    other.Pages().GetOwnPage(page)->text = RtfOfPlainText(u"merged text");
    ASSERT_EQ(other.SaveNotebook(wpath("other.ntb")), 1);

    CNotebookDoc doc;
    fill(doc);
    ASSERT_EQ(doc.SaveNotebook(wpath("mine.ntb")), 1);
    ASSERT_EQ(doc.LoadNotebook(wpath("other.ntb"), kMerge), 1);
    EXPECT_TRUE(doc.IsModified());
    HTREEITEM root = doc.Pages().Root();
    EXPECT_EQ(childNames(doc, root),
              (std::vector<std::string>{"Alpha", "Level 0", "Bolts", "History", "Find result"}));
    EXPECT_TRUE(doc.Pages().KeysUnique());
    HTREEITEM alpha = doc.Pages().Tree().GetChildItem(root);
    HTREEITEM note = doc.Pages().Tree().GetChildItem(alpha);
    EXPECT_EQ(PlainTextOfRtf(doc.Pages().GetOwnPage(note)->text), u"merged text");
    EXPECT_EQ(doc.Pages().Tree().GetSelectedItem(), root);
}

TEST_F(NotebookTest, BadFilesAreRefusedAndTheNotebookStaysAsItWas) {
    CNotebookDoc doc;
    fill(doc);
    ASSERT_EQ(doc.SaveNotebook(wpath("good.ntb")), 1);
    const std::string good = bytesOf("good.ntb");
    const std::string before = [&] {
        std::string out;
        WriteNotebookFile(doc.MakeImage(), out);
        return out;
    }();
    writeBytes("foreign.bin", "just some text\n");
    writeBytes("truncated.ntb", good.substr(0, good.size() / 2));
    writeBytes("other.ntb", "NBF19" + good.substr(5));

    EXPECT_EQ(doc.LoadNotebook(wpath("foreign.bin"), kOpen), 0);
    EXPECT_EQ(messages.back(), "This file is not a notepad file.");
    EXPECT_EQ(doc.LoadNotebook(wpath("truncated.ntb"), kOpen), 0);
    EXPECT_NE(messages.back().find("The file ended before all of its data could be read."),
              std::string::npos);
    EXPECT_EQ(doc.LoadNotebook(wpath("other.ntb"), kMerge), 0);
    EXPECT_EQ(messages.back(), "This file is not the latest version.");
    EXPECT_EQ(doc.LoadNotebook(wpath("missing.ntb"), kOpen), 0);
    EXPECT_EQ(messages.back(), "Cannot open file \"" + path("missing.ntb") + "\"");

    std::string after;
    WriteNotebookFile(doc.MakeImage(), after);
    EXPECT_EQ(after, before);
    EXPECT_EQ(doc.GetFileName(), wpath("good.ntb"));
    EXPECT_EQ(bytesOf("truncated.ntb"), good.substr(0, good.size() / 2));
}

TEST_F(NotebookTest, ViewStateIsRewrittenInPlace) {
    CNotebookDoc doc;
    Sample sample = fill(doc);
    ASSERT_EQ(doc.SaveNotebook(wpath("a.ntb")), 1);
    const std::string saved = bytesOf("a.ntb");
    const std::size_t offset = doc.GetViewStateOffset();
    ASSERT_GT(offset, 0u);

    doc.Pages().Tree().SelectItem(sample.table);
    doc.Pages().Expand(sample.deep, false);
    doc.Pages().GetOwnPage(doc.Pages().FindSpecial(kFindResult))->text = RtfOfPlainText(u"found");
    doc.SaveViewState();
    const std::string rewritten = bytesOf("a.ntb");
    EXPECT_EQ(rewritten.substr(0, offset), saved.substr(0, offset));
    EXPECT_NE(rewritten, saved);

    CNotebookDoc loaded;
    ASSERT_EQ(loaded.LoadNotebook(wpath("a.ntb"), kOpen), 1);
    HTREEITEM selected = loaded.Pages().Tree().GetSelectedItem();
    EXPECT_EQ(loaded.Pages().Tree().GetItemText(selected), u"Bolts");
    HTREEITEM level = loaded.Pages().Tree().GetChildItem(loaded.Pages().Root());
    for (int depth = 0; depth < 7; ++depth) {
        EXPECT_TRUE(loaded.Pages().Tree().GetItemState(level, zn::ui::TVIS_EXPANDED)) << depth;
        level = loaded.Pages().Tree().GetChildItem(level);
    }
    EXPECT_EQ(loaded.Pages().Tree().GetItemText(level), u"Level 7");
    EXPECT_FALSE(loaded.Pages().Tree().GetItemState(level, zn::ui::TVIS_EXPANDED));
    EXPECT_EQ(
        PlainTextOfRtf(loaded.Pages().GetOwnPage(loaded.Pages().FindSpecial(kFindResult))->text),
        u"found");
}

TEST_F(NotebookTest, AHiddenNotebookKeepsNoViewState) {
    CNotebookDoc doc;
    fill(doc);
    ASSERT_EQ(doc.SaveNotebook(wpath("a.ntb")), 1);
    CNotebookDoc hidden;
    hidden.SetHidden(true);
    ASSERT_EQ(hidden.LoadNotebook(wpath("a.ntb"), kOpen), 1);
    EXPECT_EQ(hidden.GetViewStateOffset(), 0u);
    EXPECT_FALSE(hidden.Pages().Tree().GetSelectedItem());
    EXPECT_EQ(hidden.Pages().PageType(hidden.Pages().FindSpecial(kHistory)), kHistory);
}

// A failed save says why, returns 0, keeps the modified flag and leaves the old file
// byte for byte, with no temporary left beside it.
class FailingSave : public NotebookTest {
protected:
    void expectOldFileKept(CNotebookDoc& doc, const std::string& name, const std::string& old) {
        EXPECT_EQ(doc.SaveNotebook(wpath(name)), 0);
        EXPECT_TRUE(doc.IsModified());
        ASSERT_FALSE(messages.empty());
        EXPECT_NE(messages.back().find(name), std::string::npos) << messages.back();
        EXPECT_EQ(bytesOf(name), old);
        int files = 0;
        for (const auto& entry :
             std::filesystem::directory_iterator(std::filesystem::path(path(name)).parent_path()))
            files += entry.is_regular_file();
        EXPECT_EQ(files, 1);
    }
};

TEST_F(FailingSave, WhenTheFileSystemRefusesTheBytes) {
    CNotebookDoc doc;
    fill(doc);
    writeBytes("a.ntb", "old notebook");
    doc.SetModified();
    // A file size limit makes the write fail as a full disk would.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 64;
    setrlimit(RLIMIT_FSIZE, &small);
    expectOldFileKept(doc, "a.ntb", "old notebook");
    setrlimit(RLIMIT_FSIZE, &saved);
    EXPECT_NE(messages.back().find("There is not enough space on the disk."), std::string::npos);
}

TEST_F(FailingSave, WhenAFolderIsInTheWay) {
    CNotebookDoc doc;
    fill(doc);
    std::filesystem::create_directory(path("a.ntb"));
    doc.SetModified();
    EXPECT_EQ(doc.SaveNotebook(wpath("a.ntb")), 0);
    EXPECT_TRUE(std::filesystem::is_directory(path("a.ntb")));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(messages.size(), 1u);
}

TEST_F(FailingSave, InAReadOnlyFolder) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind the superuser";
    CNotebookDoc doc;
    fill(doc);
    writeBytes("a.ntb", "old notebook");
    std::filesystem::permissions(std::filesystem::path(path("a.ntb")).parent_path(),
                                 std::filesystem::perms::owner_read |
                                     std::filesystem::perms::owner_exec);
    doc.SetModified();
    expectOldFileKept(doc, "a.ntb", "old notebook");
}

TEST_F(NotebookTest, ChildrenSortByTypeThenByWordSortOrder) {
    zn::setSystemAnsiCodePageOverride(1251);
    CNotebookDoc doc;
    doc.NewNotebook(true);
    CNotebookTree& pages = doc.Pages();
    HTREEITEM root = pages.Root();
    for (const char16_t* name : {u"cherry", u"Ёлка", u"Banana", u"Жук", u"apple", u"Ежевика"})
        pages.InsertTreeItem(name, root, TVI_LAST, kTextPage);
    pages.InsertTreeItem(u"zebra", root, TVI_LAST, kPartition);
    pages.InsertTreeItem(u"Table", root, TVI_LAST, kTablePage);
    pages.SortChildren(root);
    // Case and letters with diacritics sort as words do, not by their code units.
    EXPECT_EQ(childNames(doc, root),
              (std::vector<std::string>{"zebra", "apple", "Banana", "cherry", "Ежевика", "Ёлка",
                                        "Жук", "Table", "History", "Find result"}));
}

TEST_F(NotebookTest, TreePicturesComeFromTheNotebookBitmap) {
    zn::ui::CImageList images;
    ASSERT_TRUE(CNotebookTree::CreateImageList(images));
    EXPECT_GE(images.GetImageCount(), kImageFindResult + 1);
    EXPECT_EQ(images.GetImageSize(), (zn::ui::CSize{16, 15}));
}
