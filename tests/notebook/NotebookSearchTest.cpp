// Searching the notebook: whole words and case in text pages and tables, the header row a
// table search skips, the order of Find Next through partitions, and the Find result text.
#include "notebook/NotebookSearch.h"
#include "notebook/PageText.h"
#include "platform/richedit/RichEditModel.h"
#include "tests/notebook/NotebookFixture.h"

using namespace notebook;
using zn::ui::HTREEITEM;
using zn::ui::TVI_LAST;

namespace {

class NotebookSearchTest : public NotebookTest {
protected:
    void SetUp() override {
        NotebookTest::SetUp();
        doc.NewNotebook(true);
        CNotebookTree& pages = doc.Pages();
        HTREEITEM steels = pages.InsertTreeItem(u"Steels", pages.Root(), TVI_LAST, kPartition);
        grades =
            text(steels, u"Grades", u"1. Stainless steels\r2. Use steel.\rafter it\r3. Steel 45");
        deep = pages.InsertTreeItem(u"Deep", steels, TVI_LAST, kPartition);
        inner = text(deep, u"Inner", u"1. steel inside");
        bolts = pages.InsertTreeItem(u"Bolts", pages.Root(), TVI_LAST, kTablePage);
        pages.GetOwnPage(bolts)->text = u"Steel|93\tSize|93\nM6 steel\t6\nsteelwork\tSTEEL\n";
    }
    HTREEITEM text(HTREEITEM parent, std::u16string_view name, std::u16string_view plain) {
        HTREEITEM item = doc.Pages().InsertTreeItem(name, parent, TVI_LAST, kTextPage);
        doc.Pages().GetOwnPage(item)->text = RtfOfPlainText(plain);
        return item;
    }
    std::vector<std::pair<HTREEITEM, int>> all(std::u16string_view what, std::uint32_t flags) {
        std::vector<std::pair<HTREEITEM, int>> out;
        for (const FindHit& hit : CNotebookSearch(doc.Pages()).FindAll(nullptr, what, flags))
            out.emplace_back(hit.item, hit.start);
        return out;
    }

    CNotebookDoc doc;
    HTREEITEM grades, deep, inner, bolts;
};

TEST_F(NotebookSearchTest, WholeWordAndCaseInTextPages) {
    CNotebookSearch search(doc.Pages());
    // "steels" only begins with the word; a blank before and a full stop after make one.
    FindHit hit = search.FindNext(grades, u"steel", kFindWholeWord, 0);
    EXPECT_EQ(hit.item, grades);
    EXPECT_EQ(hit.start, 27);
    hit = search.FindNext(grades, u"steel", kFindWholeWord | kFindMatchCase, hit.end);
    EXPECT_EQ(hit.item, nullptr); // "Steel 45" differs in case, and only this page is searched
    hit = search.FindNext(grades, u"steel", kFindWholeWord, 28);
    EXPECT_EQ(hit.start, 46);
}

TEST_F(NotebookSearchTest, HitsAreWhereThePageViewHasThem) {
    // Pages are searched as read, not loaded: positions must still be those of the page
    // view (hidden text counts, CR LF is one paragraph mark, case folds beyond ASCII).
    zn::setSystemAnsiCodePageOverride(1251);
    zn::richedit::RichEditModel model;
    model.SetText(u"1. hidden Сталь\r2. СТАЛЬ 45");
    zn::richedit::CharFormat hidden;
    hidden.mask = zn::richedit::CFM_HIDDEN;
    hidden.effects = zn::richedit::CFE_HIDDEN;
    model.SetCharFormat(3, 10, hidden);
    HTREEITEM rich = text(deep, u"Rich", u"");
    doc.Pages().GetOwnPage(rich)->text = zn::ansiToWide(model.GetRtf());
    HTREEITEM plain = doc.Pages().InsertTreeItem(u"Plain", deep, TVI_LAST, kTextPage);
    doc.Pages().GetOwnPage(plain)->text = u"line one\r\nсталь line two";

    CNotebookSearch search(doc.Pages());
    for (HTREEITEM item : {rich, plain}) {
        zn::richedit::RichEditModel view;
        const ZnsStringW& page = doc.Pages().GetOwnPage(item)->text;
        if (IsRtf(page))
            view.StreamInRtf(zn::wideToAnsi(page), false);
        else
            view.SetText(page);
        std::vector<int> expected, found;
        for (int at = view.FindText(0, -1, u"сталь", 0); at >= 0;
             at = view.FindText(at + 1, -1, u"сталь", 0))
            expected.push_back(at);
        for (FindHit hit = search.FindNext(item, u"сталь", 0, 0); hit.item;
             hit = search.FindNext(item, u"сталь", 0, hit.end))
            found.push_back(hit.start);
        EXPECT_EQ(found, expected);
        EXPECT_FALSE(expected.empty());
    }
}

TEST_F(NotebookSearchTest, TablesSkipTheHeaderAndUseTheirDelimiters) {
    const std::u16string_view table = doc.Pages().GetOwnPage(bolts)->text;
    EXPECT_EQ(FindInTable(table, u"steel", 0, 0), 20);               // not "Steel" of the header
    EXPECT_EQ(FindInTable(table, u"steel", kFindWholeWord, 21), 38); // "steelwork" is skipped
    EXPECT_EQ(FindInTable(table, u"steel", kFindMatchCase, 21), 28);
    EXPECT_EQ(FindInTable(table, u"steel", kFindMatchCase | kFindWholeWord, 21), -1);
    EXPECT_EQ(FindInTable(u"no rows", u"rows", 0, 0), -1);
    EXPECT_EQ(CNotebookSearch::CellAt(table, 38), (std::pair<int, int>{2, 1}));
    for (char16_t ch : std::u16string_view(u"~`!@#$%^&*()-+={}[];'\\:\"|/?><,.\n\r\t "))
        EXPECT_TRUE(CNotebookSearch::IsDelimiter(ch)) << char(ch);
    EXPECT_FALSE(CNotebookSearch::IsDelimiter(u'_'));
}

TEST_F(NotebookSearchTest, FindAllGoesThroughTheTreeInOrder) {
    auto hits = all(u"steel", kFindAllPartitions | kFindWholeWord);
    std::vector<std::pair<HTREEITEM, int>> expected{
        {grades, 27}, {grades, 46}, {inner, 3}, {bolts, 20}, {bolts, 38}};
    EXPECT_EQ(hits, expected);
    // From a page without all partitions only that page is searched.
    auto only = CNotebookSearch(doc.Pages()).FindAll(inner, u"steel", 0);
    ASSERT_EQ(only.size(), 1u);
    EXPECT_EQ(only[0].item, inner);
    // At the top level the search goes on behind the item in tree order.
    FindHit next = CNotebookSearch(doc.Pages()).FindNext(inner, u"M6", kFindAllPartitions, 0);
    EXPECT_EQ(next.item, bolts);
}

TEST_F(NotebookSearchTest, ResultListsWholeItemsAndCells) {
    CNotebookSearch search(doc.Pages());
    auto hits = search.FindAll(nullptr, u"steel", kFindAllPartitions | kFindWholeWord);
    EXPECT_EQ(PlainTextOfRtf(search.ResultText(hits)),
              u"2. Use steel.\nafter it\n3. Steel 45\n1. steel inside\n1. M6 steel\n1. STEEL\n");
    EXPECT_EQ(
        PlainTextOfRtf(search.ResultText(search.FindAll(nullptr, u"zinc", kFindAllPartitions))),
        u"Cannot find the string.");
}

} // namespace
