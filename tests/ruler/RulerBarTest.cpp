// The ruler bar as the user drives it: markers that follow the paragraph at the caret,
// presses that hit the topmost marker, drags kept within their limits and snapped to the
// unit's step, tab stops made by a click and removed by dragging them off, and the format
// written back to the selected paragraphs.
#include <set>

#include "platform/ui/MessageBox.h"
#include "tests/ruler/RulerFixture.h"

namespace ruler::test {
namespace {

// A resource module without pictures.
class NoPictures : public ResourceModule {
public:
    std::optional<ZnsStringW> FindString(UINT) const override { return std::nullopt; }
    const DialogTemplate* FindDialog(UINT) const override { return nullptr; }
    const MenuTemplate* FindMenu(UINT) const override { return nullptr; }
};

TEST_F(RulerTest, ABarTakesItsStripOnlyWhenShownAndNeedsItsPictures) {
    EXPECT_EQ(bar.GetBarHeight(), 23);
    EXPECT_TRUE(bar.GetStyle() & WS_CLIPSIBLINGS);
    CRulerBar hidden;
    ASSERT_TRUE(hidden.Create(&frame, WS_CHILD, 12017));
    EXPECT_FALSE(hidden.IsWindowVisible());
    EXPECT_EQ(frame.RepositionBars().top, 23);

    NoPictures empty;
    ResourceScope without(&empty);
    CRulerBar broken;
    EXPECT_FALSE(broken.Create(&frame, WS_CHILD | WS_VISIBLE, 12018));
    EXPECT_EQ(frame.GetDlgItem(12018), nullptr);
}

TEST_F(RulerTest, MarkersFollowTheParagraphAtTheCaret) {
    setFormat(567, -567, 0, {284, 1136});
    EXPECT_EQ(bar.FirstIndent().GetPosition(), 567);
    EXPECT_EQ(bar.LeftIndent().GetPosition(), 0);
    EXPECT_EQ(bar.RightIndent().GetPosition(), kTextWidth);
    EXPECT_EQ(bar.TabMarker(0).GetPosition(), 284);
    EXPECT_EQ(bar.TabMarker(1).GetPosition(), 1136);
    EXPECT_TRUE(bar.TabMarker(2).IsFree());

    // Another paragraph, other indents; its missing tab stops free the markers.
    edit.SetSel(edit.LineIndex(1), edit.LineIndex(1));
    PumpMessages();
    EXPECT_EQ(bar.FirstIndent().GetPosition(), 0);
    EXPECT_TRUE(bar.TabMarker(0).IsFree());
    setFormat(0, 0, 300);
    EXPECT_EQ(bar.RightIndent().GetPosition(), kTextWidth - 300);
}

TEST_F(RulerTest, PositionsFollowTheTextAreaAndTheScroll) {
    EXPECT_EQ(bar.TwipsToPixels(568), 38); // 37.87
    EXPECT_EQ(bar.PixelsToTwips(38), 570);
    EXPECT_EQ(bar.TwipsToX(0), kTextLeft);
    EXPECT_EQ(bar.TwipsToX(1136), kTextLeft + 76);

    edit.scrollX = 40;
    PumpMessages();
    EXPECT_EQ(bar.TwipsToX(1136), kTextLeft + 76 - 40);
    EXPECT_EQ(bar.XToTwips(kTextLeft + 76 - 40), 1140);
    // The scale was painted again, scrolled: "2" stands over 1136 twips.
    const DisplayList& painted = bar.GetPaintedDisplayList();
    auto two = std::find_if(painted.begin(), painted.end(),
                            [](const DrawOp& op) { return op.text == u"2"; });
    ASSERT_NE(two, painted.end());
    EXPECT_EQ(two->rect.CenterPoint().x, kTextLeft + 76 - 40);
    // A press at that place means the same position.
    user("click 12016 \"1136\"");
    EXPECT_EQ(tabsOf(format()), (std::vector<int>{1136}));
}

TEST_F(RulerTest, AClickOnTheScaleMakesATabStopSnappedToTheUnit) {
    user("click 12016 \"1100\""); // about 2 cm
    EXPECT_EQ(tabsOf(format(0)), (std::vector<int>{1136}));
    user("click 12016 \"1000\"");
    user("click 12016 \"71\""); // half a step rounds up
    EXPECT_EQ(tabsOf(format(0)), (std::vector<int>{142, 994, 1136}));
    // Only the caret's paragraph took them; the indents were written unchanged.
    EXPECT_TRUE(tabsOf(format(1)).empty());
    EXPECT_EQ(format(0).startIndent, 0);
    EXPECT_EQ(format(0).rightIndent, 0);
}

TEST_F(RulerTest, TabStopsMoveMergeAndLeaveTheRulerByDrags) {
    setFormat(0, 0, 0, {568, 1136, 1704});
    user("drag 12016 \"tab 3\" \"2840\"");
    EXPECT_EQ(tabsOf(format()), (std::vector<int>{568, 1136, 2840}));
    // Two tab stops on one place become one.
    user("drag 12016 \"tab 2\" \"568\"");
    EXPECT_EQ(tabsOf(format()), (std::vector<int>{568, 2840}));
    // Dragged under the bar and released there, a tab stop is gone.
    user("drag 12016 \"tab 1\" \"off\"");
    EXPECT_EQ(tabsOf(format()), (std::vector<int>{2840}));
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
}

TEST_F(RulerTest, ThirtyTwoTabStopsLeaveNoRoomForAnother) {
    std::vector<int> full;
    for (int i = 1; i <= 32; ++i)
        full.push_back(142 * i);
    setFormat(0, 0, 0, full);
    ClearRecordedMessageBoxes();
    user("click 12016 \"5112\"");
    EXPECT_EQ(tabsOf(format()), full);
    EXPECT_TRUE(RecordedMessageBoxes().empty());

    // One dragged off frees a marker for the next click.
    user("drag 12016 \"tab 1\" \"off\"");
    user("click 12016 \"5112\"");
    std::vector<int> expected(full.begin() + 1, full.end());
    expected.push_back(5112);
    EXPECT_EQ(tabsOf(format()), expected);
}

TEST_F(RulerTest, APressOnOverlappingMarkersTakesTheIndentsFirst) {
    // The tab stop lies under the left indent's upper part; the indent is hit.
    setFormat(284, 0, 0, {284});
    ASSERT_TRUE(bar.TabMarker(0).HitTest(bar.FindItemRect(u"left")->CenterPoint()));
    user("drag 12016 \"left\" \"852\"");
    EXPECT_EQ(format().startIndent, 284);
    EXPECT_EQ(format().offset, 568);
    EXPECT_EQ(tabsOf(format()), (std::vector<int>{284}));

    // The same for the right indent over a tab stop near the end of the text.
    setFormat(0, 0, 0, {5680});
    ASSERT_TRUE(bar.TabMarker(0).HitTest(bar.FindItemRect(u"right")->CenterPoint()));
    user("drag 12016 \"right\" \"5112\"");
    EXPECT_EQ(format().rightIndent, kTextWidth - 5112);
    EXPECT_EQ(tabsOf(format()), (std::vector<int>{5680}));
}

TEST_F(RulerTest, IndentsStayWithinTheirLimits) {
    setFormat(568, 0, 1140); // right indent marker at 4560
    // Neither the first line nor the left indent passes the right indent.
    user("drag 12016 \"first\" \"5112\"");
    EXPECT_EQ(format().startIndent, 4560);
    EXPECT_EQ(format().offset, 568 - 4560);
    user("drag 12016 \"left\" \"5254\"");
    EXPECT_EQ(format().startIndent + format().offset, 4560);
    // The right indent stops at the further of the two, and at the end of the scale.
    user("drag 12016 \"right\" \"1136\"");
    EXPECT_EQ(format().rightIndent, 1140);
    user("drag 12016 \"right\" \"6500\"");
    EXPECT_EQ(format().rightIndent, kTextWidth - kScaleEnd);
    // No indent goes left of the text.
    user("drag 12016 \"first\" \"0\"");
    EXPECT_EQ(format().startIndent, 0);
}

TEST_F(RulerTest, TheLowerPartOfTheLeftIndentDragsTheFirstLineAlong) {
    setFormat(568, 0, 0);
    user("drag 12016 \"block\" \"852\"");
    EXPECT_EQ(format().startIndent, 852);
    EXPECT_EQ(format().offset, 0);
    // The upper part moves the left indent alone.
    user("drag 12016 \"left\" \"1136\"");
    EXPECT_EQ(format().startIndent, 852);
    EXPECT_EQ(format().offset, 284);

    // Together they stop where the first line reaches the text's edge.
    setFormat(0, 568, 0);
    user("drag 12016 \"block\" \"0\"");
    EXPECT_EQ(format().startIndent, 0);
    EXPECT_EQ(format().offset, 568);
}

TEST_F(RulerTest, TheFormatGoesToEverySelectedParagraphAndNoOther) {
    edit.SetSel(0, edit.LineIndex(1) + 2);
    PumpMessages();
    user("drag 12016 \"left\" \"568\"");
    for (int paragraph : {0, 1})
        EXPECT_EQ(format(paragraph).offset, 568) << paragraph;
    EXPECT_EQ(format(2).offset, 0);
}

// Where the control shows a tracking line: an inverted line drawn an even number of times
// at one place has gone again.
std::set<int> trackingLines(const CWnd& control) {
    std::map<int, int> drawn;
    for (const DrawOp& op : control.GetPaintedDisplayList())
        if (op.kind == DrawKind::Line && op.state.rop2 == R2_NOT && op.state.pen.style == PS_DOT)
            ++drawn[op.points[0].x];
    std::set<int> shown;
    for (auto [x, count] : drawn)
        if (count % 2)
            shown.insert(x);
    return shown;
}

TEST_F(RulerTest, ADragShowsATrackingLineAndOwnsTheMarkersUntilRelease) {
    auto send = [&](UINT message, WPARAM keys, CPoint point) {
        bar.SendMessage(message, keys, MAKELPARAM(point.x, point.y));
    };
    send(WM_LBUTTONDOWN, MK_LBUTTON, scalePoint(1136));
    EXPECT_EQ(CWnd::GetCapture(), &bar);
    const int at1136 = kTextLeft + 76, at1704 = kTextLeft + 114;
    EXPECT_EQ(trackingLines(edit), (std::set<int>{at1136}));
    const DrawOp& line = edit.GetPaintedDisplayList().back();
    EXPECT_EQ(line.points[0].y, 0);
    EXPECT_EQ(line.points[1].y, edit.GetClientRect().bottom);

    send(WM_MOUSEMOVE, MK_LBUTTON, scalePoint(1704));
    EXPECT_EQ(trackingLines(edit), (std::set<int>{at1704}));
    // An idle update in the middle of the drag leaves the new tab stop alone.
    PumpMessages();
    EXPECT_EQ(bar.TabMarker(0).GetPosition(), 1704);

    send(WM_LBUTTONUP, 0, scalePoint(1704));
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
    EXPECT_TRUE(trackingLines(edit).empty());
    EXPECT_EQ(tabsOf(format()), (std::vector<int>{1704}));
}

} // namespace
} // namespace ruler::test
