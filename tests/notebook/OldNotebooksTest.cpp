// The old text and table notebooks: what their readers find, and how the notebook takes
// them into partitions.
#include "notebook/OldNotebooks.h"
#include "notebook/ByteStream.h"
#include "notebook/PageText.h"
#include "tests/notebook/NotebookFixture.h"

using namespace notebook;
using zn::ui::HTREEITEM;

namespace {

const std::string kHeader = "Reqpad DataBase file. // Don't change data manually!.";

std::string oldText(const std::vector<std::pair<std::string, std::string>>& pages,
                    const std::string& header = kHeader) {
    std::string index, texts;
    for (const auto& [name, text] : pages) {
        index += name + " //" + std::to_string(text.size()) + "\r\n";
        texts += text;
    }
    return header + "\r\n" + index + "// Data:\r\n" + texts;
}

std::string le(std::int32_t v) {
    std::string out;
    ByteWriter(out).int32(v);
    return out;
}

std::string fixed(const std::string& text) {
    return le(std::int32_t(text.size() + 1)) + text + '\0';
}

std::string oldTableItem(const std::string& name, const std::vector<std::vector<std::string>>& rows,
                         const std::string& tail = le(0)) {
    std::string out = fixed(name) + le(std::int32_t(rows.size())) +
                      le(rows.empty() ? 0 : std::int32_t(rows[0].size()));
    for (const auto& row : rows)
        for (const std::string& cell : row)
            out += cell.empty() ? le(0) : fixed(cell);
    return out + tail;
}

} // namespace

TEST_F(NotebookTest, OldTextIndexAndTexts) {
    const std::vector<ZnsStringW> headers{zn::fromUtf8(kHeader)};
    OldTextNotebook read =
        ReadOldTextNotebook(oldText({{"Steel", "St 45\r\nSt 50"}, {"B", ""}}), headers);
    ASSERT_EQ(read.status, OldTextNotebook::Ok);
    ASSERT_EQ(read.pages.size(), 2u);
    EXPECT_EQ(read.pages[0], (std::pair<ZnsStringW, ZnsStringW>{u"Steel", u"St 45\r\nSt 50"}));
    EXPECT_EQ(read.pages[1].second, u"");

    // A line without "//" ends the index; the texts start after it. Blanks may lead a count.
    read = ReadOldTextNotebook(kHeader + "\nA //  3\nno mark here\nabcrest", headers);
    ASSERT_EQ(read.status, OldTextNotebook::Ok);
    ASSERT_EQ(read.pages.size(), 1u);
    EXPECT_EQ(read.pages[0].second, u"abc");

    EXPECT_EQ(ReadOldTextNotebook("reqpad database file.\n", headers).status,
              OldTextNotebook::NotOldText);
    std::string shortText = oldText({{"A", "abcdef"}});
    shortText.pop_back();
    EXPECT_EQ(ReadOldTextNotebook(shortText, headers).status, OldTextNotebook::ReadError);
    EXPECT_EQ(ReadOldTextNotebook(kHeader + "\nA //x\n// Data:\n", headers).status,
              OldTextNotebook::ReadError);
}

TEST_F(NotebookTest, OldTextImportsIntoASortedPartition) {
    zn::setSystemAnsiCodePageOverride(1251);
    writeBytes("tt.dat", oldText({{"\xD1\xF2\xE0\xEB\xFC", "Grades\r\n1.St 45\r\n2.\tSt 50"},
                                  {"Alloys", "x"}}));
    CNotebookDoc doc;
    ASSERT_EQ(doc.ImportOldText(u"Imported", wpath("tt.dat"), false), 1);
    EXPECT_TRUE(doc.IsModified());
    HTREEITEM root = doc.Pages().Root();
    EXPECT_EQ(doc.Pages().Tree().GetSelectedItem(), root);
    EXPECT_EQ(childNames(doc, root),
              (std::vector<std::string>{"Imported", "History", "Find result"}));
    HTREEITEM partition = doc.Pages().Tree().GetChildItem(root);
    EXPECT_EQ(childNames(doc, partition), (std::vector<std::string>{"Alloys", "Сталь"}));
    HTREEITEM steel =
        doc.Pages().Tree().GetNextSiblingItem(doc.Pages().Tree().GetChildItem(partition));
    const NotebookPage* page = doc.Pages().GetOwnPage(steel);
    EXPECT_EQ(page->type, kTextPage);
    // Numbered lines became items of the editor.
    EXPECT_EQ(PlainTextOfRtf(page->text), u"Grades\n1. St 45\n2. St 50");
    EXPECT_TRUE(std::filesystem::exists(path("tt.dat")));
}

TEST_F(NotebookTest, OldTextWithConfirmationFillsThePartitionAndDeletesTheFile) {
    writeBytes("tt.dat", oldText({{"New", "n"}}));
    CNotebookDoc doc;
    doc.NewNotebook(true);
    HTREEITEM existing = doc.Pages().InsertTreeItem(u"Technical conditions", doc.Pages().Root(),
                                                    zn::ui::TVI_LAST, kPartition);
    answer = zn::ui::IDNO;
    EXPECT_EQ(doc.ImportOldText(u"Technical conditions", wpath("tt.dat"), true), 0);
    EXPECT_EQ(messages.back(), "Import data from file " + path("tt.dat"));
    answer = zn::ui::IDYES;
    ASSERT_EQ(doc.ImportOldText(u"Technical conditions", wpath("tt.dat"), true), 1);
    EXPECT_EQ(childNames(doc, existing), (std::vector<std::string>{"New"}));
    EXPECT_FALSE(std::filesystem::exists(path("tt.dat")));
}

TEST_F(NotebookTest, OldTextThatCannotBeReadIsSetAside) {
    std::string broken = oldText({{"A", "abcdef"}});
    broken.resize(broken.size() - 2);
    writeBytes("td.dat", broken);
    CNotebookDoc doc;
    EXPECT_EQ(doc.ImportOldText(u"P", wpath("td.dat"), false), 0);
    EXPECT_EQ(messages.back(), "Old version importing error.");
    EXPECT_EQ(bytesOf("td.dat.bak"), broken);
    EXPECT_FALSE(doc.Pages().Root());
}

TEST_F(NotebookTest, OldTablesBecomeTablePagesInPartitions) {
    std::string bytes = le(1) + fixed("title") + le(2);
    bytes += oldTableItem("Threads", {}) + le(2);
    bytes += oldTableItem("Metric", {{"M6", "1"}, {"M8", ""}});
    // A table whose flag announces blocks of 60 bytes that are skipped.
    bytes += oldTableItem("Inch", {{"1/4", "20"}}, le(1) + le(1) + le(2) + std::string(120, 'x'));
    bytes += oldTableItem("Empty partition", {}) + le(0);

    OldTableNotebook read = ReadOldTableNotebook(bytes);
    ASSERT_EQ(read.status, OldTableNotebook::Ok);
    ASSERT_EQ(read.partitions.size(), 2u);
    EXPECT_EQ(read.partitions[0].tables[0].second, u"\t\nM6\t1\nM8\t\n");
    EXPECT_EQ(read.partitions[0].tables[1].second, u"\t\n1/4\t20\n");
    for (size_t cut : {size_t(3), size_t(20), bytes.size() - 1})
        EXPECT_EQ(ReadOldTableNotebook(bytes.substr(0, cut)).status, OldTableNotebook::Truncated)
            << cut;

    writeBytes("tables.dat", bytes);
    CNotebookDoc doc;
    ASSERT_EQ(doc.ImportOldTable(wpath("tables.dat")), 1);
    HTREEITEM root = doc.Pages().Root();
    EXPECT_EQ(childNames(doc, root),
              (std::vector<std::string>{"Empty partition", "Threads", "History", "Find result"}));
    HTREEITEM threads =
        doc.Pages().Tree().GetNextSiblingItem(doc.Pages().Tree().GetChildItem(root));
    EXPECT_EQ(childNames(doc, threads), (std::vector<std::string>{"Inch", "Metric"}));
    EXPECT_EQ(doc.Pages().PageType(doc.Pages().Tree().GetChildItem(threads)), kTablePage);

    writeBytes("v2.dat", le(2) + fixed("title"));
    EXPECT_EQ(doc.ImportOldTable(wpath("v2.dat")), 0);
    EXPECT_EQ(messages.back(), "It is not an old table notebook file.");
}

TEST_F(NotebookTest, LoadingAnOldFileImportsItByItsKind) {
    writeBytes("tt.dat", oldText({{"One", "1"}}));
    CNotebookDoc doc;
    ASSERT_EQ(doc.LoadNotebook(wpath("tt.dat"), kOpen), 1);
    EXPECT_EQ(childNames(doc, doc.Pages().Root()),
              (std::vector<std::string>{"tt.dat", "History", "Find result"}));
    EXPECT_TRUE(messages.empty());
}
