// History: a fragment transferred again moves to the top instead of appearing twice, the
// eleventh distinct one drops the oldest, and items are split off their numbers.
#include <algorithm>

#include "notebook/NotebookHistory.h"
#include "notebook/PageText.h"
#include "tests/notebook/NotebookFixture.h"

using namespace notebook;

TEST_F(NotebookTest, HistoryKeepsTheLastTenDistinctFragmentsNewestFirst) {
    ZnsStringW history = AddToHistory(u"", {u"alpha"});
    history = AddToHistory(history, {u"beta"});
    history = AddToHistory(history, {u"alpha"});
    EXPECT_EQ(PlainTextOfRtf(history), u"1. alpha\n2. beta\n");
    // Case counts: "Beta" is another fragment.
    history = AddToHistory(history, {u"Beta"});
    EXPECT_EQ(PlainTextOfRtf(history), u"1. Beta\n2. alpha\n3. beta\n");

    for (int i = 1; i <= 10; ++i)
        history = AddToHistory(history, {zn::format("fragment %i", i)});
    ZnsStringW text = PlainTextOfRtf(history);
    EXPECT_EQ(text.substr(0, 16), u"1. fragment 10\n2");
    EXPECT_NE(text.find(u"10. fragment 1\n"), ZnsStringW::npos);
    EXPECT_EQ(text.find(u"alpha"), ZnsStringW::npos);
    EXPECT_EQ(std::count(text.begin(), text.end(), u'\n'), 10);
}

TEST_F(NotebookTest, SeveralItemsGoInTheirOrderAndLoseTheirNumbers) {
    EXPECT_EQ(SplitItems(u"3. first\r\n4. second\nmore\n"),
              (std::vector<ZnsStringW>{u"first", u"second\rmore"}));
    EXPECT_EQ(SplitItems(u"plain words\n"), (std::vector<ZnsStringW>{u"plain words"}));
    EXPECT_TRUE(SplitItems(u"").empty());
    ZnsStringW history = AddToHistory(RtfOfPlainText(u"cover\r1. old"), {u"first", u"second"});
    EXPECT_EQ(PlainTextOfRtf(history), u"1. first\n2. second\n3. old");
}
