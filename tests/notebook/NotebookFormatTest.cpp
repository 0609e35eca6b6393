// The notebook file on the bytes: the layout the writer produces, what the reader accepts,
// skips and refuses.
#include <gtest/gtest.h>

#include "notebook/ByteStream.h"
#include "notebook/NotebookFormat.h"
#include "platform/text/CodePage.h"

using namespace notebook;

namespace {

std::string le(std::int32_t v) {
    std::string out;
    ByteWriter(out).int32(v);
    return out;
}

std::string cstr(const std::string& s) {
    return s + std::string(1, '\0');
}

NotebookImage sampleImage() {
    NotebookImage image;
    NotebookFileItem root{u"Notebook", 7, 0x22, 1, 1, {}};
    root.children.push_back({u"Tools", 8, 0, 0, 0, {{u"Pg", 9, 0, 2, 2, {}}}});
    image.items.push_back(root);
    NotebookPage page{kTextPage, u"{\\rtf1 x}", -5, {1, 0xFFFFFFFF}};
    image.pages.emplace_back(9, page);
    image.viewState.selected = 1;
    image.viewState.expanded = {1, 2};
    image.viewState.historyAndFindResult.emplace(NotebookPage{kHistory, u"h", 0, {}},
                                                 NotebookPage{kFindResult, u"", 0, {}});
    return image;
}

std::string sampleBytes() {
    std::string item = le(9) + cstr("Notebook") + le(7) + le(0x22) + le(1) + le(1) + le(0);
    std::string tools = le(6) + cstr("Tools") + le(8) + le(0) + le(0) + le(0) + le(0);
    std::string pg = le(3) + cstr("Pg") + le(9) + le(0) + le(2) + le(2) + le(0);
    std::string page =
        le(2) + le(10) + cstr("{\\rtf1 x}") + le(-5) + le(2) + le(1) + le(-1) + le(0);
    return "NBF20" + le(8) + le(1) + le(1) + item + tools + pg + le(-1) + le(-1) + le(-1) + le(-1) +
           le(0) + le(1) + le(9) + page + le(0) +
           // view state
           le(1) + le(2) + le(1) + le(2) + std::string("HistoryFindResult\0", 18) + le(4) + le(2) +
           cstr("h") + le(0) + le(0) + le(0) + le(5) + le(1) + cstr("") + le(0) + le(0) + le(0);
}

} // namespace

class NotebookFormat : public ::testing::Test {
protected:
    void SetUp() override { zn::setSystemAnsiCodePageOverride(1252); }
    void TearDown() override { zn::setSystemAnsiCodePageOverride(0); }
};

TEST_F(NotebookFormat, WritesTheLayoutByteForByte) {
    std::string bytes;
    std::size_t offset = WriteNotebookFile(sampleImage(), bytes);
    EXPECT_EQ(bytes, sampleBytes());
    EXPECT_EQ(bytes.substr(offset, 8), le(1) + le(2));

    NotebookReadResult read = ReadNotebookFile(bytes);
    ASSERT_TRUE(read);
    EXPECT_EQ(read.viewStateOffset, offset);
    std::string again;
    WriteNotebookFile(read.image, again);
    EXPECT_EQ(again, bytes);
}

TEST_F(NotebookFormat, SkipsExtensionsAndAcceptsVersion31) {
    std::string bytes = sampleBytes();
    bytes.replace(3, 2, "31");
    // The root item's record and the first page record grow extensions of a later writer.
    std::string rootRecordEnd = le(1) + le(1) + le(0);
    size_t at = bytes.find(rootRecordEnd, 5 + 12);
    bytes.replace(at + 8, 4, le(3) + "abc");
    size_t page = bytes.find(le(2) + le(1) + le(-1) + le(0));
    bytes.replace(page + 12, 4, le(2) + "zz");
    NotebookReadResult read = ReadNotebookFile(bytes);
    ASSERT_TRUE(read) << int(read.status) << " at " << read.offset;
    EXPECT_EQ(read.image.items[0].children[0].children[0].text, u"Pg");
    EXPECT_EQ(read.image.pages[0].second.extraList, (std::vector<std::uint32_t>{1, 0xFFFFFFFF}));
    EXPECT_EQ(read.image.viewState.historyAndFindResult->first.text, u"h");
}

TEST_F(NotebookFormat, RefusesWhatIsNotANotebookOfThisVersion) {
    EXPECT_EQ(ReadNotebookFile("Reqpad DataBase file.").status, ReadStatus::NotNotebook);
    EXPECT_EQ(ReadNotebookFile("NBF19" + sampleBytes().substr(5)).status, ReadStatus::OtherVersion);
    std::string negative = sampleBytes();
    negative.replace(negative.find(le(0) + le(1) + le(9)) + 4, 4, le(-3)); // page count
    EXPECT_EQ(ReadNotebookFile(negative).status, ReadStatus::Damaged);
}

// Every cut of the file is refused as truncated, except the cuts that drop the History
// part whole: those files load, without History and Find result.
TEST_F(NotebookFormat, TruncatedFilesAreRefusedUpToTheHistoryTag) {
    const std::string bytes = sampleBytes();
    std::string written;
    const std::size_t offset = WriteNotebookFile(sampleImage(), written);
    const std::size_t historyTag = offset + 16;
    for (std::size_t length = 0; length < bytes.size(); ++length) {
        NotebookReadResult read = ReadNotebookFile(bytes.substr(0, length));
        if (length == historyTag) {
            ASSERT_TRUE(read);
            EXPECT_FALSE(read.image.viewState.historyAndFindResult);
            EXPECT_EQ(read.image.viewState.expanded, (std::vector<std::int32_t>{1, 2}));
        } else {
            EXPECT_FALSE(read) << "cut at " << length;
            EXPECT_TRUE(read.image.items.empty());
        }
    }
}
