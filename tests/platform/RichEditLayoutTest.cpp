// The rich-edit model's layout of paragraph formats: tabs to their stops, lines as tall as
// their spacing, hit-testing and scrolling over lines of mixed heights.
#include <gtest/gtest.h>

#include <initializer_list>

#include "platform/richedit/RichEditModel.h"

using namespace zn::richedit;

namespace {

constexpr int kCell = RichEditModel::kCellWidth;
constexpr int kLine = RichEditModel::kLineHeight;

ParaFormat tabStops(std::initializer_list<int> twips) {
    ParaFormat format;
    format.mask = PFM_TABSTOPS;
    for (int stop : twips)
        format.tabs[size_t(format.tabCount++)] = stop;
    return format;
}

ParaFormat spacing(uint8_t rule, int value = 0, int spaceAfter = 0) {
    ParaFormat format;
    format.mask = PFM_LINESPACING | PFM_SPACEAFTER;
    format.lineSpacingRule = rule;
    format.lineSpacing = value;
    format.spaceAfter = spaceAfter;
    return format;
}

std::vector<std::u16string> lines(const RichEditModel& model) {
    std::vector<std::u16string> out;
    for (int line = 0; line < model.GetLineCount(); ++line)
        out.push_back(model.GetLine(line));
    return out;
}

// Every position but a wrapped line's end (which shows as the next line's start) is found
// again where it is shown.
void expectPositionsRoundTrip(const RichEditModel& model) {
    for (int position = 0; position <= model.GetTextLength(); ++position)
        EXPECT_EQ(model.CharFromPos(model.PosFromChar(position)), position) << position;
}

} // namespace

TEST(RichEditLayout, TabsReachTheNextStopOfTheirParagraph) {
    RichEditModel model;
    model.SetRect({4, 3, 400, 300});
    // No stops: every 720 twips, six cells; a tab standing on a stop goes on to the next.
    model.SetText(u"a\tb\rabcdef\tg");
    EXPECT_EQ(model.PosFromChar(2).x, 4 + 6 * kCell);
    EXPECT_EQ(model.GetCharWidth(1), 5 * kCell);
    EXPECT_EQ(model.PosFromChar(11).x, 4 + 12 * kCell);

    // Stops (given in any order) are from the margin, whatever the indent; past the last
    // one the default stops take over.
    model.SetText(u"\ta\tb\tc");
    model.SetParaFormat(0, 0, tabStops({1200, 240}));
    EXPECT_EQ(model.PosFromChar(1).x, 4 + 2 * kCell);
    EXPECT_EQ(model.PosFromChar(3).x, 4 + 10 * kCell);
    EXPECT_EQ(model.PosFromChar(5).x, 4 + 12 * kCell);
    ParaFormat indent;
    indent.mask = PFM_STARTINDENT;
    indent.startIndent = 360;
    model.SetParaFormat(0, 0, indent);
    EXPECT_EQ(model.PosFromChar(0).x, 4 + 3 * kCell);
    EXPECT_EQ(model.PosFromChar(1).x, 4 + 10 * kCell);
    expectPositionsRoundTrip(model);

    // A click on a tab's left half lands before it, on its right half behind it.
    EXPECT_EQ(model.CharFromPos({4 + 6 * kCell, 3}), 0);
    EXPECT_EQ(model.CharFromPos({4 + 7 * kCell, 3}), 1);
    model.Check();
}

TEST(RichEditLayout, WrappingCountsATabAsWideAsItReaches) {
    RichEditModel model;
    model.SetRect({0, 0, 10 * kCell, 300}); // ten cells
    // Ten characters, but the tab reaches cell 6: the line breaks behind the blank.
    model.SetText(u"ab\tcd efgh");
    EXPECT_EQ(lines(model), (std::vector<std::u16string>{u"ab\tcd ", u"efgh"}));
    // A tab past the margin hangs there, as blanks do.
    model.SetText(u"abcdefgh\tij");
    EXPECT_EQ(lines(model), (std::vector<std::u16string>{u"abcdefgh\t", u"ij"}));
    EXPECT_EQ(model.PosFromChar(9).x, 0);
    // On a further line the tab counts from that line's own indent.
    model.SetText(u"abcdefghij k\tl");
    ParaFormat hanging = tabStops({});
    hanging.mask |= PFM_OFFSET;
    hanging.offset = 240;
    model.SetParaFormat(0, 0, hanging);
    EXPECT_EQ(model.GetLine(1), u"k\tl");
    EXPECT_EQ(model.PosFromChar(13).x, 6 * kCell);
    expectPositionsRoundTrip(model);
    model.Check();
}

TEST(RichEditLayout, LinesAreAsTallAsTheirParagraphSpacing) {
    RichEditModel model;
    model.SetRect({4, 3, 4 + 10 * kCell, 1000});
    // Four paragraphs of two lines each.
    model.SetText(u"single lines\ronehalf lines\rdouble lines\rexact lines");
    model.SetParaFormat(13, 13, spacing(1));
    model.SetParaFormat(27, 27, spacing(2, 0, 150)); // 10 pixels after the paragraph
    model.SetParaFormat(40, 40, spacing(4, 300));    // exactly 20 pixels
    const std::vector<int> tops{0, 16, 32, 56, 80, 112, 154, 174};
    ASSERT_EQ(model.GetLineCount(), 8);
    for (int line = 0; line < 8; ++line)
        EXPECT_EQ(model.PosFromChar(model.LineIndex(line)).y, 3 + tops[size_t(line)]) << line;
    EXPECT_EQ(model.GetTextHeight(), 194);
    expectPositionsRoundTrip(model);
    // A click anywhere in a tall line finds it; the space after belongs to the last line.
    EXPECT_EQ(model.LineFromChar(model.CharFromPos({4, 3 + 55})), 2);
    EXPECT_EQ(model.LineFromChar(model.CharFromPos({4, 3 + 150})), 5);
    EXPECT_EQ(model.LineFromChar(model.CharFromPos({4, 3 + 500})), 7);

    // Spacing in twentieths of a line, and "at least" that never shrinks a line.
    model.SetParaFormat(0, 0, spacing(5, 30));
    model.SetParaFormat(40, 40, spacing(3, 60));
    EXPECT_EQ(model.PosFromChar(model.LineIndex(2)).y, 3 + 48);
    EXPECT_EQ(model.GetTextHeight(), 194 + 16 - 2 * 4);
    model.Check();
}

// The running tops after an edit: a paragraph that gains a line or changes its spacing
// without changing its lines moves every line behind it.
TEST(RichEditLayout, EditsMoveTheLinesBehindThem) {
    RichEditModel model;
    model.SetRect({0, 0, 10 * kCell, 1000});
    model.SetText(u"first\rsecond\rthird");
    const int third = 13;
    EXPECT_EQ(model.PosFromChar(third).y, 2 * kLine);
    model.SetParaFormat(0, 0, spacing(2));
    EXPECT_EQ(model.PosFromChar(third).y, 3 * kLine);
    model.Check();
    model.SetSel(5, 5);
    model.ReplaceSel(u" and more"); // the double-spaced paragraph wraps: one line more
    EXPECT_EQ(model.PosFromChar(third + 9).y, 5 * kLine);
    model.Check();
    model.Undo();
    EXPECT_EQ(model.PosFromChar(third).y, 3 * kLine);
    model.Check();
}

TEST(RichEditLayout, ScrollingStepsFromLineTopToLineTop) {
    RichEditModel model;
    model.SetRect({0, 0, 20 * kCell, 40});
    std::u16string text;
    for (int i = 0; i < 10; ++i)
        text += u"line\r";
    model.SetText(text);
    for (int p = 1; p < 10; p += 2)
        model.SetParaFormat(p * 5, p * 5, spacing(2)); // odd paragraphs double-spaced
    auto top = [](int line) { return line / 2 * 3 * kLine + (line % 2) * kLine; };
    EXPECT_EQ(model.GetTextHeight(), 5 * 3 * kLine + kLine); // the empty last paragraph too

    model.LineScroll(0, 1);
    EXPECT_EQ(model.GetScrollPos().y, top(1));
    model.LineScroll(0, 3);
    EXPECT_EQ(model.GetScrollPos().y, top(4));
    EXPECT_EQ(model.GetFirstVisibleLine(), 4);
    EXPECT_EQ(model.PosFromChar(4 * 5).y, 0);
    // From the middle of a tall line one step back shows that line's top.
    model.SetScrollPos({0, top(5) + 10});
    EXPECT_EQ(model.GetFirstVisibleLine(), 5);
    model.LineScroll(0, -1);
    EXPECT_EQ(model.GetScrollPos().y, top(5));
    // The end of the text fills the rectangle at the farthest.
    model.LineScroll(0, 100);
    EXPECT_EQ(model.GetScrollPos().y, model.GetTextHeight() - 40);

    // The caret is brought fully into view, a tall line with it.
    model.SetScrollPos({0, 0});
    model.SetSel(5 * 5, 5 * 5); // line 5, double-spaced
    model.ScrollCaret();
    EXPECT_EQ(model.GetScrollPos().y, top(5) + 2 * kLine - 40);
    model.SetSel(0, 0);
    model.ScrollCaret();
    EXPECT_EQ(model.GetScrollPos().y, 0);
    model.Check();
}
