// The rich-edit model: runs under edits, uniform format queries, protection, undo, find,
// lines, paragraph formats, text ranges and metrics.
#include <gtest/gtest.h>

#include "platform/richedit/RichEditModel.h"
#include "platform/richedit/TextRange.h"

using namespace zn::richedit;

namespace {

CharFormat effects(uint32_t mask, uint32_t bits) {
    CharFormat format;
    format.mask = mask;
    format.effects = bits;
    return format;
}

// Text and a letter per character: 'b' bold, 'p' protected, '.' neither.
std::string boldMap(const RichEditModel& model) {
    std::string map;
    for (int i = 0; i < model.GetTextLength(); ++i) {
        const uint32_t e = model.Document().CharFormatAt(i).effects;
        map += (e & CFE_PROTECTED) ? 'p' : (e & CFE_BOLD) ? 'b' : '.';
    }
    return map;
}

struct Recorder : RichEditOwner {
    int changes = 0;
    std::vector<SelChange> selections;
    std::vector<ProtectedEdit> protectedEdits;
    bool refuse = true;
    void OnRichEditChange(RichEditModel&) override { ++changes; }
    void OnRichEditSelChange(RichEditModel&, const SelChange& change) override {
        selections.push_back(change);
    }
    bool OnRichEditProtected(RichEditModel&, const ProtectedEdit& edit) override {
        protectedEdits.push_back(edit);
        return refuse;
    }
};

} // namespace

TEST(RichEditModel, RunsSplitAndMergeAtRunEdges) {
    RichEditModel model;
    model.ReplaceSel(u"abcdef");
    model.SetCharFormat(2, 4, effects(CFM_BOLD, CFE_BOLD));
    EXPECT_EQ(boldMap(model), "..bb..");

    // Typing at the end of a bold run continues it; at its start the text before wins.
    model.SetSel(4, 4);
    model.ReplaceSel(u"X");
    EXPECT_EQ(boldMap(model), "..bbb..");
    model.SetSel(2, 2);
    model.ReplaceSel(u"Y");
    EXPECT_EQ(boldMap(model), "...bbb..");

    // Deleting the plain character between two bold runs merges them into one run.
    model.SetCharFormat(0, 1, effects(CFM_BOLD, CFE_BOLD));
    model.SetSel(1, 3);
    model.ReplaceSel(u"");
    EXPECT_EQ(model.GetText(), u"acdXef");
    EXPECT_EQ(boldMap(model), "bbbb..");
    model.Check();

    // Clearing bold over everything leaves one run.
    model.SetCharFormat(0, model.GetTextLength(), effects(CFM_BOLD, 0));
    EXPECT_EQ(boldMap(model), "......");
    EXPECT_EQ(model.GetCharFormat(0, 6).mask & CFM_BOLD, CFM_BOLD);
    model.Check();
}

TEST(RichEditModel, FormatQueryReportsOnlyUniformAttributes) {
    RichEditModel model;
    model.ReplaceSel(u"one two");
    CharFormat big;
    big.mask = CFM_SIZE | CFM_BOLD;
    big.height = 300;
    big.effects = CFE_BOLD;
    model.SetCharFormat(4, 7, big);

    const CharFormat mixed = model.GetCharFormat(0, 7);
    EXPECT_FALSE(mixed.mask & CFM_BOLD);
    EXPECT_FALSE(mixed.mask & CFM_SIZE);
    EXPECT_TRUE(mixed.mask & CFM_ITALIC);
    EXPECT_TRUE(mixed.mask & CFM_FACE);

    model.SetSel(4, 7);
    const CharFormat uniform = model.GetSelectionCharFormat();
    EXPECT_TRUE(uniform.mask & CFM_BOLD);
    EXPECT_TRUE(uniform.effects & CFE_BOLD);
    EXPECT_EQ(uniform.height, 300);

    // A format set on an empty selection is what the next typed text takes.
    model.SetSel(7, 7);
    CharFormat italic = effects(CFM_ITALIC | CFM_BOLD, CFE_ITALIC);
    model.SetSelectionCharFormat(italic);
    model.ReplaceSel(u"!");
    const CharFormat typed = model.GetCharFormat(7, 8);
    EXPECT_TRUE(typed.effects & CFE_ITALIC);
    EXPECT_FALSE(typed.effects & CFE_BOLD);
    EXPECT_EQ(typed.height, 300);
}

TEST(RichEditModel, OwnerRefusesEditsOfProtectedText) {
    RichEditModel model;
    Recorder owner;
    model.SetOwner(&owner);
    model.ReplaceSel(u"1. item\r2. next");
    model.SetCharFormat(0, 3, effects(CFM_PROTECTED, CFE_PROTECTED));
    model.SetCharFormat(8, 11, effects(CFM_PROTECTED, CFE_PROTECTED));
    model.SetEventMask(ENM_PROTECTED | ENM_CHANGE);

    model.SetSel(1, 5);
    EXPECT_FALSE(model.ReplaceSel(u"x"));
    ASSERT_EQ(owner.protectedEdits.size(), 1u);
    EXPECT_EQ(owner.protectedEdits[0].start, 1);
    EXPECT_EQ(owner.protectedEdits[0].kind, ProtectedEditKind::ReplaceText);
    EXPECT_EQ(model.GetText(), u"1. item\r2. next");
    EXPECT_EQ(owner.changes, 0);

    // Inside a protected run and at the start of a paragraph that opens with one: refused.
    model.SetSel(1, 1);
    EXPECT_FALSE(model.TypeText(u"x"));
    model.SetSel(8, 8);
    EXPECT_FALSE(model.TypeText(u"x"));
    // Right behind the prefix typing is free and asks nobody.
    const size_t asked = owner.protectedEdits.size();
    model.SetSel(3, 3);
    EXPECT_TRUE(model.TypeText(u"x"));
    EXPECT_EQ(owner.protectedEdits.size(), asked);
    EXPECT_EQ(owner.changes, 1);

    // The owner may allow its own edits; format changes are asked too.
    owner.refuse = false;
    EXPECT_TRUE(model.SetCharFormat(0, 2, effects(CFM_BOLD, CFE_BOLD)));
    EXPECT_EQ(owner.protectedEdits.back().kind, ProtectedEditKind::SetCharFormat);
    model.SetSel(0, 3);
    EXPECT_TRUE(model.ReplaceSel(u"7. "));
    EXPECT_EQ(model.GetText(), u"7. xitem\r2. next");

    // Without the protected bit in the event mask nobody is asked.
    owner.refuse = true;
    model.SetEventMask(ENM_NONE);
    model.SetSel(9, 10);
    EXPECT_TRUE(model.ReplaceSel(u"3"));
}

TEST(RichEditModel, ReadOnlyRefusesTypingButNotTheProgram) {
    RichEditModel model;
    model.SetReadOnly(true);
    EXPECT_FALSE(model.TypeText(u"a"));
    EXPECT_TRUE(model.ReplaceSel(u"b"));
    EXPECT_EQ(model.GetText(), u"b");
}

TEST(RichEditModel, UndoTogglesTheLastOperation) {
    RichEditModel model;
    model.ReplaceSel(u"alpha beta");
    model.SetSel(0, 5);
    model.ReplaceSel(u"gamma delta");
    EXPECT_TRUE(model.CanUndo());
    model.Undo();
    EXPECT_EQ(model.GetText(), u"alpha beta");
    int start, end;
    model.GetSel(start, end);
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, 5);
    model.Undo(); // redo
    EXPECT_EQ(model.GetText(), u"gamma delta beta");

    // A format change is one step as well, and its undo restores the runs exactly.
    model.SetCharFormat(2, 8, effects(CFM_BOLD | CFM_PROTECTED, CFE_BOLD | CFE_PROTECTED));
    const std::string changed = boldMap(model);
    model.Undo();
    EXPECT_EQ(boldMap(model), std::string(16, '.'));
    model.Undo();
    EXPECT_EQ(boldMap(model), changed);

    // A paragraph format change reaches the last paragraph too.
    model.SetText(u"a\rb");
    ParaFormat spacing;
    spacing.mask = PFM_LINESPACING;
    spacing.lineSpacingRule = 5;
    spacing.lineSpacing = 30;
    model.SetSel(0, 3);
    model.SetParaFormat(spacing);
    EXPECT_EQ(model.Document().ParaFormatOf(1).lineSpacing, 30);
    model.Undo();
    EXPECT_EQ(model.Document().ParaFormatOf(1).lineSpacing, 0);
    EXPECT_EQ(model.Document().ParaFormatOf(0).lineSpacing, 0);

    model.ReplaceSel(u"x", false);
    EXPECT_FALSE(model.CanUndo());
    model.Check();
}

TEST(RichEditModel, WholeWordAndMatchCaseFind) {
    RichEditModel model;
    model.ReplaceSel(u"Test attest (test) test_x tested TEST");
    EXPECT_EQ(model.FindText(0, -1, u"test", 0), 0);
    EXPECT_EQ(model.FindText(1, -1, u"test", 0), 7);
    EXPECT_EQ(model.FindText(1, -1, u"test", FR_WHOLEWORD), 13);
    EXPECT_EQ(model.FindText(14, -1, u"test", FR_WHOLEWORD), 33);
    EXPECT_EQ(model.FindText(14, -1, u"test", FR_WHOLEWORD | FR_MATCHCASE), -1);
    EXPECT_EQ(model.FindText(0, -1, u"TEST", FR_MATCHCASE), 33);
    EXPECT_EQ(model.FindText(0, 36, u"TEST", FR_MATCHCASE), -1); // must fit in the range
    model.SetText(u"Сталь 45\rсталь");
    EXPECT_EQ(model.FindText(1, -1, u"СТАЛЬ", FR_WHOLEWORD), 9);
}

TEST(RichEditModel, LinesAreParagraphs) {
    RichEditModel model;
    model.ReplaceSel(u"first\r\rthird line\n");
    EXPECT_EQ(model.GetText(), u"first\r\rthird line\r");
    EXPECT_EQ(model.GetLineCount(), 4);
    EXPECT_EQ(model.LineIndex(2), 7);
    EXPECT_EQ(model.LineIndex(4), -1);
    EXPECT_EQ(model.LineFromChar(5), 0);
    EXPECT_EQ(model.LineFromChar(6), 1);
    EXPECT_EQ(model.LineFromChar(18), 3);
    EXPECT_EQ(model.LineLength(8), 10);
    EXPECT_EQ(model.GetLine(0), u"first\r");
    EXPECT_EQ(model.GetLine(3), u"");
    model.SetSel(8, 8);
    EXPECT_EQ(model.LineIndex(-1), 7);
    EXPECT_EQ(model.StreamOutText(false), u"first\r\n\r\nthird line\r\n");
}

TEST(RichEditModel, ParagraphFormatsLiveOnTheirMarks) {
    RichEditModel model;
    model.ReplaceSel(u"aa\rbb\rcc");
    ParaFormat indent;
    indent.mask = PFM_STARTINDENT;
    for (int p = 0; p < 3; ++p) {
        indent.startIndent = 100 * (p + 1);
        const int at = model.LineIndex(p);
        model.SetParaFormat(at, at, indent);
    }
    // Splitting a paragraph: both halves keep its format.
    model.SetSel(4, 4);
    model.ReplaceSel(u"\r");
    EXPECT_EQ(model.GetText(), u"aa\rb\rb\rcc");
    EXPECT_EQ(model.Document().ParaFormatOf(1).startIndent, 200);
    EXPECT_EQ(model.Document().ParaFormatOf(2).startIndent, 200);
    // Joining: the paragraph whose mark survives gives the format.
    model.SetSel(1, 4);
    model.ReplaceSel(u"");
    EXPECT_EQ(model.GetText(), u"a\rb\rcc");
    EXPECT_EQ(model.Document().ParaFormatOf(0).startIndent, 200);
    model.SetSel(3, 7);
    model.ReplaceSel(u"");
    EXPECT_EQ(model.GetText(), u"a\rb");
    EXPECT_EQ(model.Document().ParaFormatOf(1).startIndent, 300);
    // The query over mixed paragraphs drops the attribute from the mask.
    EXPECT_FALSE(model.GetParaFormat(0, 3).mask & PFM_STARTINDENT);
    EXPECT_TRUE(model.GetParaFormat(0, 2).mask & PFM_STARTINDENT); // ends right behind a mark
    model.Check();
}

TEST(RichEditModel, NotificationsFollowTheEventMask) {
    RichEditModel model;
    Recorder owner;
    model.SetOwner(&owner);
    model.ReplaceSel(u"abc");
    EXPECT_EQ(owner.changes, 0);
    EXPECT_TRUE(owner.selections.empty());
    model.SetEventMask(ENM_CHANGE | ENM_SELCHANGE);
    model.SetSel(0, 2);
    ASSERT_EQ(owner.selections.size(), 1u);
    EXPECT_EQ(owner.selections[0].type, SEL_TEXT | SEL_MULTICHAR);
    model.ReplaceSel(u"z");
    EXPECT_EQ(owner.changes, 1);
    EXPECT_EQ(owner.selections.back().start, 1);
    EXPECT_EQ(owner.selections.back().type, SEL_EMPTY);
    model.SetCharFormat(0, 1, effects(CFM_BOLD, CFE_BOLD));
    EXPECT_EQ(owner.changes, 1); // formatting is no text change
    EXPECT_TRUE(model.GetModify());
}

TEST(TextRange, ExpandMoveCollapseAndFollowEdits) {
    RichEditModel model;
    model.ReplaceSel(u"1. one\r2. two\r3. three");
    TextRange range(model, 8, 8);
    EXPECT_EQ(range.Expand(TextUnit::Paragraph), 7);
    EXPECT_EQ(range.GetText(), u"2. two\r");
    range.MoveEnd(TextUnit::Character, -1);
    EXPECT_EQ(range.GetText(), u"2. two");
    range.Collapse(true);
    EXPECT_EQ(range.MoveEnd(TextUnit::Character, 3), 3);
    EXPECT_TRUE(range.SetText(u"12. "));
    EXPECT_EQ(range.GetText(), u"12. ");
    EXPECT_EQ(model.GetText(), u"1. one\r12. two\r3. three");

    TextRange last(model, 15, 15);
    last.Expand(TextUnit::Paragraph);
    EXPECT_EQ(last.GetText(), u"3. three");
    // An edit before a range moves it.
    model.SetSel(0, 0);
    model.ReplaceSel(u"Header\r");
    EXPECT_EQ(last.GetText(), u"3. three");
    EXPECT_EQ(last.MoveEnd(TextUnit::Paragraph, 1), 0); // already at the end

    CharFormat bold = effects(CFM_BOLD, CFE_BOLD);
    last.MoveEnd(TextUnit::Character, -6);
    EXPECT_TRUE(last.SetFont(bold));
    EXPECT_TRUE(last.GetFont().effects & CFE_BOLD);
    EXPECT_EQ(last.Move(TextUnit::Paragraph, -1), -1);
    EXPECT_EQ(last.GetStart(), 14);
    model.Check();
}

TEST(RichEditModel, FixedCellMetrics) {
    RichEditModel model;
    model.SetRect({4, 3, 400, 300});
    model.ReplaceSel(u"abc\rdefgh");
    const Point p = model.PosFromChar(6);
    EXPECT_EQ(p.x, 4 + 2 * RichEditModel::kCellWidth);
    EXPECT_EQ(p.y, 3 + RichEditModel::kLineHeight);
    EXPECT_EQ(model.CharFromPos(p), 6);
    EXPECT_EQ(model.CharFromPos({1000, 3}), 3); // past the line end: its end
    EXPECT_EQ(model.CharFromPos({0, 1000}), 4); // below the text: the last line
}

// Lines wrap at the formatting rectangle: behind the last blank that fits (blanks hang past
// the margin), or inside a word longer than a line; hidden text takes no cell.
TEST(RichEditModel, LinesWrapAtTheRectangleAndHiddenTextTakesNoCell) {
    RichEditModel model;
    model.SetRect({4, 3, 4 + 10 * RichEditModel::kCellWidth, 300}); // ten cells
    model.ReplaceSel(u"a rather long last line\rabcdefghijklmnopqrstuvw\r");
    auto lines = [&] {
        std::vector<std::u16string> out;
        for (int line = 0; line < model.GetLineCount(); ++line)
            out.push_back(model.GetLine(line));
        return out;
    };
    EXPECT_EQ(lines(), (std::vector<std::u16string>{u"a rather ", u"long last ", u"line\r",
                                                    u"abcdefghij", u"klmnopqrst", u"uvw\r", u""}));
    EXPECT_EQ(model.LineIndex(1), 9);
    EXPECT_EQ(model.LineFromChar(9), 1); // a wrapped line's first character starts it
    EXPECT_EQ(model.LineFromChar(8), 0);
    EXPECT_EQ(model.LineLength(10), 10);
    EXPECT_EQ(model.LineLength(20), 4); // the mark is not counted
    const Point second = model.PosFromChar(10);
    EXPECT_EQ(second.x, 4 + RichEditModel::kCellWidth);
    EXPECT_EQ(second.y, 3 + RichEditModel::kLineHeight);
    EXPECT_EQ(model.CharFromPos(second), 10);
    // Past the end of a wrapped line: its last character, not the next line's first.
    EXPECT_EQ(model.CharFromPos({1000, 3}), 8);

    // Hidden text (an item tag) takes no cell: the line holds more characters, and positions
    // around it share one place.
    model.SetText(u"1.*<iref id=\"3\"/> Steel 45 and more");
    CharFormat hidden = effects(CFM_HIDDEN, CFE_HIDDEN);
    model.SetCharFormat(3, 17, hidden);
    EXPECT_EQ(model.GetLine(0), u"1.*<iref id=\"3\"/> Steel ");
    EXPECT_EQ(model.PosFromChar(3).x, model.PosFromChar(17).x);
    EXPECT_EQ(model.PosFromChar(18).x, 4 + 4 * RichEditModel::kCellWidth);
    EXPECT_EQ(model.CharFromPos({4 + 4 * RichEditModel::kCellWidth, 3}), 18);
    model.SetCharFormat(3, 17, effects(CFM_HIDDEN, 0));
    EXPECT_EQ(model.GetLine(0), u"1.*<iref "); // shown again, the tag takes its cells
    model.Check();

    // Indents narrow the lines: the first from the start indent, the others from the start
    // indent plus the offset (in twips; a cell is 120), and positions move right with them.
    model.SetText(u"abcdefghijklmnopqrst");
    ParaFormat indented;
    indented.mask = PFM_STARTINDENT | PFM_OFFSET;
    indented.startIndent = 240;
    indented.offset = 120;
    model.SetParaFormat(0, 0, indented);
    EXPECT_EQ(lines(), (std::vector<std::u16string>{u"abcdefgh", u"ijklmno", u"pqrst"}));
    EXPECT_EQ(model.PosFromChar(0).x, 4 + 2 * RichEditModel::kCellWidth);
    EXPECT_EQ(model.PosFromChar(9).x, 4 + 4 * RichEditModel::kCellWidth);
    EXPECT_EQ(model.CharFromPos(model.PosFromChar(9)), 9);
    EXPECT_EQ(model.CharFromPos({0, 3 + RichEditModel::kLineHeight}), 8); // left of the indent
    model.Undo();
    EXPECT_EQ(model.GetLineCount(), 2);
    model.Check();

    // Without word wrap (or a rectangle) a paragraph is one line.
    model.SetWordWrap(false);
    EXPECT_EQ(model.GetLineCount(), 1);
}

// Positions far down a long text do not overflow, and edits keep the kept lines equal to a
// fresh layout (Check) while re-wrapping only what they touched.
TEST(RichEditModel, LongTextKeepsItsLinesThroughEdits) {
    RichEditModel model;
    model.SetRect({0, 0, 20 * RichEditModel::kCellWidth, 400});
    std::u16string text;
    for (int i = 0; i < 5000; ++i)
        text += u"12. Steel 45 per standard\r"; // 25 characters: two lines each
    model.SetText(text);
    EXPECT_EQ(model.GetLineCount(), 10001);
    const int last = 4999 * 26 + 20; // in "standard", on the last line
    model.SetScrollPos({0, 9990 * RichEditModel::kLineHeight});
    const Point p = model.PosFromChar(last);
    EXPECT_EQ(p.y + model.GetScrollPos().y, 9999 * RichEditModel::kLineHeight);
    EXPECT_EQ(model.CharFromPos(p), last);

    model.SetSel(26 * 10 + 4, 26 * 10 + 4);
    model.ReplaceSel(u"x"); // still two lines
    model.ReplaceSel(u" much longer now"); // three
    EXPECT_EQ(model.GetLineCount(), 10002);
    EXPECT_EQ(model.LineFromChar(26 * 11 + 17 + 5), 23);
    model.SetSel(0, 26 * 2);
    model.ReplaceSel(u"");
    EXPECT_EQ(model.GetLineCount(), 9998);
    model.Undo();
    EXPECT_EQ(model.GetLineCount(), 10002);
    model.Check();
}
