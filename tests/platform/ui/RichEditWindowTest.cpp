// The rich-edit control's message forms: streaming through a callback, find, text ranges
// and lines, and scrolling that keeps positions and the caret consistent.
#include <cstring>
#include <string>

#include "platform/ui/Input.h"
#include "platform/ui/RichEditCtrl.h"
#include "tests/platform/ui/UiTestSupport.h"

namespace zn::ui::test {
namespace {

// A byte source or sink for EM_STREAMIN/EM_STREAMOUT that moves at most `piece` bytes per
// call, so the control has to loop; `failAt` makes the call with that number fail.
struct Stream {
    std::string bytes;
    size_t read = 0;
    long piece = 7;
    int calls = 0;
    int failAt = -1;

    static std::uint32_t in(std::uintptr_t cookie, std::uint8_t* buffer, long cb, long* pcb) {
        auto* s = reinterpret_cast<Stream*>(cookie);
        if (s->calls++ == s->failAt)
            return 5;
        long n = std::min({cb, s->piece, long(s->bytes.size() - s->read)});
        std::memcpy(buffer, s->bytes.data() + s->read, size_t(n));
        s->read += size_t(n);
        *pcb = n;
        return 0;
    }
    static std::uint32_t out(std::uintptr_t cookie, std::uint8_t* buffer, long cb, long* pcb) {
        auto* s = reinterpret_cast<Stream*>(cookie);
        if (s->calls++ == s->failAt)
            return 5;
        long n = std::min(cb, s->piece);
        s->bytes.append(reinterpret_cast<const char*>(buffer), size_t(n));
        *pcb = n;
        return 0;
    }
};

class RichEditWindowTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        ASSERT_TRUE(
            parent.Create(u"Test", u"Editor", WS_POPUP | WS_VISIBLE, {0, 0, 400, 300}, nullptr, 0));
        // Five lines of sixteen pixels and ten cells of eight show at once.
        ASSERT_TRUE(
            edit.Create(WS_VISIBLE | ES_MULTILINE | ES_WANTRETURN, {0, 0, 80, 80}, &parent, 12014));
        edit.SetFocus();
    }
    LRESULT streamIn(WPARAM format, Stream& source) {
        EDITSTREAM es{std::uintptr_t(&source), 0, &Stream::in};
        LRESULT n = edit.SendMessage(EM_STREAMIN, format, LPARAM(&es));
        lastError = es.dwError;
        return n;
    }
    std::string streamOut(WPARAM format, int failAt = -1) {
        Stream sink;
        sink.failAt = failAt;
        EDITSTREAM es{std::uintptr_t(&sink), 0, &Stream::out};
        edit.SendMessage(EM_STREAMOUT, format, LPARAM(&es));
        lastError = es.dwError;
        return sink.bytes;
    }

    CPoint posFromChar(int position) {
        POINTL p;
        edit.SendMessage(EM_POSFROMCHAR, WPARAM(&p), position);
        return {int(p.x), int(p.y)};
    }
    int charFromPos(CPoint point) {
        POINTL p{point.x, point.y};
        return int(edit.SendMessage(EM_CHARFROMPOS, 0, LPARAM(&p)));
    }

    CWnd parent;
    CRichEditCtrl edit;
    std::uint32_t lastError = 0;
};

TEST_F(RichEditWindowTest, StreamsRtfAndTextInPiecesWholeOrSelection) {
    edit.SetText(u"Steel 45\rBolt");
    edit.SetSel(6, 8);
    richedit::CharFormat bold;
    bold.mask = richedit::CFE_BOLD;
    bold.effects = richedit::CFE_BOLD;
    edit.SetSelectionCharFormat(bold);
    std::string rtf = streamOut(SF_RTF | SFF_SELECTION);
    EXPECT_EQ(lastError, 0u);
    EXPECT_EQ(rtf, edit.GetRtf(true)); // the pieces join up to the whole stream

    Stream source{rtf};
    edit.SetSel(13, 13);
    EXPECT_EQ(streamIn(SF_RTF | SFF_SELECTION, source), 2);
    EXPECT_EQ(edit.GetText(), u"Steel 45\rBolt45");
    EXPECT_EQ(edit.GetCharFormat(13, 15).effects & richedit::CFE_BOLD, richedit::CFE_BOLD);

    EXPECT_EQ(streamOut(SF_TEXT), "Steel 45\r\nBolt45");
    std::string units = streamOut(SF_TEXT | SF_UNICODE);
    EXPECT_EQ(units.size(), 2 * std::u16string(u"Steel 45\r\nBolt45").size());

    Stream whole{"\xC4t\r\nx"};
    EXPECT_EQ(streamIn(SF_TEXT, whole), 4);
    EXPECT_EQ(edit.GetText(), u"\u00C4t\rx"); // ANSI bytes through the system code page
}

TEST_F(RichEditWindowTest, AFailedStreamChangesNothing) {
    edit.SetText(u"keep");
    Stream broken{"{\\rtf1 never read}"};
    broken.failAt = 1;
    EXPECT_EQ(streamIn(SF_RTF, broken), 0);
    EXPECT_EQ(lastError, 5u);
    EXPECT_EQ(edit.GetText(), u"keep");

    Stream garbage{"plain words, not rich text"};
    EXPECT_EQ(streamIn(SF_RTF, garbage), 0);
    EXPECT_EQ(lastError, kStreamNotTaken);
    EXPECT_EQ(edit.GetText(), u"keep");

    streamOut(SF_TEXT, 0);
    EXPECT_EQ(lastError, 5u);
}

// The editor's own undo streams the whole text out and back in: that is an edit, so the text
// counts as modified afterwards, while the control's own undo and caret start afresh.
TEST_F(RichEditWindowTest, WholeStreamInIsAnEditThatEmptiesTheControlsUndo) {
    edit.SetText(u"first line\rsecond");
    EXPECT_EQ(edit.SendMessage(EM_GETMODIFY), 0);
    edit.SetSel(6, 6);
    TypeText(u"x");
    EXPECT_EQ(edit.SendMessage(EM_CANUNDO), 1);
    Stream snapshot{streamOut(SF_RTF)};
    edit.SendMessage(EM_SETMODIFY, 0);
    CPoint scroll{0, 16};
    edit.SendMessage(EM_SETSCROLLPOS, 0, LPARAM(&scroll));

    EXPECT_GT(streamIn(SF_RTF, snapshot), 0);
    EXPECT_EQ(edit.GetText(), u"first xline\rsecond");
    EXPECT_EQ(edit.SendMessage(EM_GETMODIFY), 1);
    EXPECT_EQ(edit.SendMessage(EM_CANUNDO), 0);
    EXPECT_EQ(edit.GetSelStart(), 0);
    EXPECT_EQ(edit.GetSelEnd(), 0);
    // Only as far as the new text's extent allows (two lines in a five-line view: none).
    edit.SendMessage(EM_GETSCROLLPOS, 0, LPARAM(&scroll));
    EXPECT_EQ(scroll, (CPoint{0, 0}));

    // WM_SETTEXT, in contrast, gives a text nobody has modified.
    edit.SendMessage(WM_SETTEXT, 0, LPARAM(u"fresh"));
    EXPECT_EQ(edit.SendMessage(EM_GETMODIFY), 0);
}

// "Apply corrections?" asks the modification flag: format calls that change nothing (the
// editor re-applies number formats after every edit) must not set it or take the undo step.
TEST_F(RichEditWindowTest, FormatCallsThatChangeNothingLeaveTheTextUnmodified) {
    edit.SetText(u"1. Item\rtext");
    richedit::CharFormat bold;
    bold.mask = richedit::CFM_BOLD;
    bold.effects = richedit::CFE_BOLD;
    edit.SetSel(0, 3);
    EXPECT_EQ(edit.SendMessage(EM_SETCHARFORMAT, SCF_SELECTION, LPARAM(&bold)), 1);
    EXPECT_EQ(edit.SendMessage(EM_GETMODIFY), 1);
    edit.SendMessage(EM_SETMODIFY, 0);
    edit.SetSel(8, 12);
    edit.SendMessage(EM_REPLACESEL, 1, LPARAM(u"body")); // the step the next calls must keep
    edit.SendMessage(EM_SETMODIFY, 0);

    edit.SetSel(0, 3);
    EXPECT_EQ(edit.SendMessage(EM_SETCHARFORMAT, SCF_SELECTION, LPARAM(&bold)), 1);
    richedit::ParaFormat left;
    left.mask = richedit::PFM_ALIGNMENT;
    left.alignment = richedit::PFA_LEFT;
    EXPECT_EQ(edit.SendMessage(EM_SETPARAFORMAT, 0, LPARAM(&left)), 1);
    richedit::CharFormat unprotected;
    unprotected.mask = richedit::CFM_PROTECTED;
    EXPECT_EQ(edit.SendMessage(EM_SETCHARFORMAT, SCF_ALL, LPARAM(&unprotected)), 1);
    EXPECT_EQ(edit.SendMessage(EM_GETMODIFY), 0);
    edit.SendMessage(EM_UNDO);
    EXPECT_EQ(edit.GetText(), u"1. Item\rtext");

    // A change of one character among unchanged ones does count.
    edit.SetSel(0, 5);
    EXPECT_EQ(edit.SendMessage(EM_SETCHARFORMAT, SCF_SELECTION, LPARAM(&bold)), 1);
    EXPECT_EQ(edit.SendMessage(EM_GETMODIFY), 1);
}

TEST_F(RichEditWindowTest, AStreamInTheOwnerRefusesReportsFailure) {
    edit.SetText(u"1. Item");
    edit.SetEventMask(richedit::ENM_PROTECTED);
    richedit::CharFormat protect;
    protect.mask = richedit::CFM_PROTECTED;
    protect.effects = richedit::CFE_PROTECTED;
    edit.SetCharFormat(0, 3, protect);
    parent.OnNotifyCode(12014, EN_PROTECTED, [](NMHDR*) -> LRESULT { return 1; });

    edit.SetSel(1, 2);
    Stream rtf{"{\\rtf1 x}"};
    EXPECT_EQ(streamIn(SF_RTF | SFF_SELECTION, rtf), 0);
    EXPECT_EQ(lastError, kStreamNotTaken);
    Stream text{"y"};
    EXPECT_EQ(streamIn(SF_TEXT | SFF_SELECTION, text), 0);
    EXPECT_EQ(lastError, kStreamNotTaken);
    EXPECT_EQ(edit.GetText(), u"1. Item");
    EXPECT_EQ(edit.StreamInRtf("{\\rtf1 z}", true).status, rtf::ReadStatus::Refused);
}

// What a user does with the keyboard and the mouse, as scripts write it: a Shift held over
// several keys (one Shift key-down, which the editor's selection anchor relies on), Ctrl+Enter
// as a key and not a typed paragraph, and clicks and drags at text positions.
TEST_F(RichEditWindowTest, ScriptsHoldShiftAndClickOrDragAtTextPositions) {
    struct Recording : CRichEditCtrl {
        int shiftDowns = 0;
        int ctrlEnters = 0;
        std::u16string typed;
        LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
            if (message == WM_KEYDOWN && wParam == VK_SHIFT)
                ++shiftDowns;
            if (message == WM_KEYDOWN && wParam == VK_RETURN && GetKeyState(VK_CONTROL) < 0)
                ++ctrlEnters;
            if (message == WM_CHAR)
                typed += char16_t(wParam);
            return CRichEditCtrl::WindowProc(message, wParam, lParam);
        }
    } recording;
    ASSERT_TRUE(recording.Create(WS_VISIBLE | ES_MULTILINE | ES_WANTRETURN, {100, 0, 180, 80},
                                 &parent, 12015));
    recording.SetText(u"ab cd efg\rsecond");
    auto selection = [&] { return std::pair{recording.GetSelStart(), recording.GetSelEnd()}; };
    auto run = [&](const char* script) {
        agent.AddScript(script);
        while (agent.Remaining())
            agent.ProvideInput(parent);
    };

    run("click 12015 @12\nkey Shift+Left\nkey Shift+Left\nkey Shift+Left");
    EXPECT_EQ(recording.shiftDowns, 1);
    EXPECT_EQ(selection(), (std::pair{9, 12}));
    run("key Left\nkey Shift+Right\nclick 12015 @4");
    EXPECT_EQ(recording.shiftDowns, 2); // released by the plain key, pressed again
    EXPECT_EQ(GetKeyState(VK_SHIFT), 0); // the click let the keys go
    EXPECT_EQ(selection(), (std::pair{4, 4}));

    run("key Ctrl+Enter");
    EXPECT_EQ(recording.ctrlEnters, 1);
    EXPECT_EQ(recording.GetText(), u"ab cd efg\rsecond");

    run("drag 12015 @1 @7");
    EXPECT_EQ(selection(), (std::pair{1, 7}));
    run("dblclick 12015 @7");
    EXPECT_EQ(selection(), (std::pair{6, 9}));
    run("type x");
    EXPECT_EQ(recording.GetText(), u"ab cd x\rsecond");
    EXPECT_EQ(recording.typed, u"x");

    // A position past the text, or scrolled out of view, is nothing a user can click.
    agent.AddScript("click 12015 @99");
    EXPECT_THROW(agent.ProvideInput(parent), AgentError);
}

TEST_F(RichEditWindowTest, FindRangesAndLinesAnswerByMessage) {
    edit.SetText(u"pos. 12 (zone A)\rposition 3");
    FINDTEXTEXW find{{0, -1}, u"pos", {}};
    EXPECT_EQ(edit.SendMessage(EM_FINDTEXTEXW, richedit::FR_WHOLEWORD, LPARAM(&find)), 0);
    find.chrg = {1, -1};
    EXPECT_EQ(edit.SendMessage(EM_FINDTEXTEXW, richedit::FR_WHOLEWORD, LPARAM(&find)), -1);
    EXPECT_EQ(find.chrgText.cpMin, -1);
    find.lpstrText = u"ZONE";
    EXPECT_EQ(edit.SendMessage(EM_FINDTEXTEXW, 0, LPARAM(&find)), 9);
    EXPECT_EQ(find.chrgText.cpMax, 13);
    EXPECT_EQ(edit.SendMessage(EM_FINDTEXTEXW, richedit::FR_MATCHCASE, LPARAM(&find)), -1);

    char16_t buffer[32] = {};
    TEXTRANGEW range{{5, 7}, buffer};
    EXPECT_EQ(edit.SendMessage(EM_GETTEXTRANGE, 0, LPARAM(&range)), 2);
    EXPECT_EQ(std::u16string(buffer), u"12");
    edit.SetSel(17, 25);
    EXPECT_EQ(edit.SendMessage(EM_GETSELTEXT, 0, LPARAM(buffer)), 8);
    EXPECT_EQ(std::u16string(buffer), u"position");

    // The first unit of the buffer says how much it takes; no terminator is written.
    // Ten cells a line: the first paragraph wraps behind its second blank.
    EXPECT_EQ(edit.SendMessage(EM_GETLINECOUNT), 3);
    char16_t line[8] = {4, u'#', u'#', u'#', u'#', u'#', u'#', u'#'};
    EXPECT_EQ(edit.SendMessage(EM_GETLINE, 2, LPARAM(line)), 4);
    EXPECT_EQ(std::u16string(line, 5), u"posi#");
}

TEST_F(RichEditWindowTest, ScrollingMovesPositionsAndKeepsTheCaretInView) {
    std::u16string text;
    for (int i = 0; i < 12; ++i)
        text += u"line " + std::u16string(1, char16_t(u'a' + i)) + u"\r";
    edit.SetText(text + u"a rather long last line");
    CRect rect;
    edit.SendMessage(EM_GETRECT, 0, LPARAM(&rect));
    EXPECT_EQ(rect, (CRect{0, 0, 80, 80}));

    edit.SetSel(7 * 7, 7 * 7); // line 7, below the five that show
    edit.SendMessage(EM_SCROLLCARET);
    EXPECT_EQ(edit.SendMessage(EM_GETFIRSTVISIBLELINE), 3);
    EXPECT_EQ(posFromChar(7 * 7), (CPoint{0, 64}));
    EXPECT_EQ(charFromPos({1, 65}), 7 * 7);

    // Scrolling stops where the last line still fills the bottom and the widest fills the
    // width (the long last paragraph wraps into three lines of at most ten cells).
    edit.SendMessage(EM_LINESCROLL, 100, 100);
    CPoint scroll;
    edit.SendMessage(EM_GETSCROLLPOS, 0, LPARAM(&scroll));
    EXPECT_EQ(scroll, (CPoint{(10 + 1) * 8 - 80, 15 * 16 - 80}));
    CPoint top{0, 0};
    edit.SendMessage(EM_SETSCROLLPOS, 0, LPARAM(&top));

    // The scroll bar and the wheel a user turns: lines, pages of five lines, three lines a
    // notch, the ends and the thumb (in pixels).
    auto firstLine = [&] { return edit.SendMessage(EM_GETFIRSTVISIBLELINE); };
    edit.SendMessage(WM_VSCROLL, SB_LINEDOWN);
    edit.SendMessage(WM_VSCROLL, SB_PAGEDOWN);
    EXPECT_EQ(firstLine(), 6);
    edit.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA));
    EXPECT_EQ(firstLine(), 3);
    edit.SendMessage(WM_VSCROLL, SB_BOTTOM);
    EXPECT_EQ(firstLine(), 10);
    edit.SendMessage(WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 32));
    EXPECT_EQ(firstLine(), 2);
    edit.SendMessage(WM_HSCROLL, SB_LINEDOWN);
    edit.SendMessage(EM_GETSCROLLPOS, 0, LPARAM(&scroll));
    EXPECT_EQ(scroll, (CPoint{8, 32}));
    edit.SendMessage(EM_SETSCROLLPOS, 0, LPARAM(&top));

    // Typing at the end of the text brings it into view, a new text scrolls back to the top.
    KeyPress(VK_END, kModCtrl);
    TypeText(u"!");
    EXPECT_EQ(edit.SendMessage(EM_GETFIRSTVISIBLELINE), 10);
    edit.SendMessage(EM_GETSCROLLPOS, 0, LPARAM(&scroll));
    EXPECT_EQ(scroll.x, 0);
    edit.SetText(u"short");
    edit.SendMessage(EM_GETSCROLLPOS, 0, LPARAM(&scroll));
    EXPECT_EQ(scroll, (CPoint{0, 0}));

    // A narrower formatting rectangle (insets of the module's editor) shifts positions.
    CRect inset{4, 3, 80, 80};
    edit.SendMessage(EM_SETRECT, 0, LPARAM(&inset));
    EXPECT_EQ(posFromChar(1), (CPoint{12, 3}));
}

// Over lines of mixed heights the scroll bar's line steps go from line top to line top.
TEST_F(RichEditWindowTest, ScrollBarLineStepsFollowLinesOfMixedHeights) {
    edit.SetText(u"a\rb\rc\rd\re\rf\rg\rh");
    richedit::ParaFormat doubled;
    doubled.mask = richedit::PFM_LINESPACING;
    doubled.lineSpacingRule = 2;
    edit.SetParaFormat(0, 0, doubled); // the first line is 32 pixels tall
    auto scrolledBy = [&] {
        CPoint scroll;
        edit.SendMessage(EM_GETSCROLLPOS, 0, LPARAM(&scroll));
        return scroll.y;
    };
    edit.SendMessage(WM_VSCROLL, SB_LINEDOWN);
    EXPECT_EQ(scrolledBy(), 32);
    edit.SendMessage(WM_VSCROLL, SB_LINEDOWN);
    EXPECT_EQ(scrolledBy(), 48);
    EXPECT_EQ(edit.SendMessage(EM_GETFIRSTVISIBLELINE), 2);
    edit.SendMessage(WM_VSCROLL, SB_LINEUP);
    edit.SendMessage(WM_VSCROLL, SB_LINEUP);
    EXPECT_EQ(scrolledBy(), 0);
}

} // namespace
} // namespace zn::ui::test
