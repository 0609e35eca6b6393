// What a painted ruler shows: ticks, numbers and markers of the current unit at their
// places, default tab marks after the last tab stop, and the system colours of the moment.
#include "tests/ruler/RulerFixture.h"

namespace ruler::test {
namespace {

class RulerPaintingTest : public RulerTest {
protected:
    const DisplayList& repaint() {
        bar.Invalidate();
        PumpMessages();
        return bar.GetPaintedDisplayList();
    }
    // Vertical lines of the scale by their rows (top, bottom), counted.
    static std::map<std::pair<int, int>, int> linesByRow(const DisplayList& list) {
        std::map<std::pair<int, int>, int> rows;
        for (const DrawOp& op : list)
            if (op.kind == DrawKind::Line && op.points[0].x == op.points[1].x)
                ++rows[{op.points[0].y, op.points[1].y}];
        return rows;
    }
    static std::vector<DrawOp> texts(const DisplayList& list) {
        std::vector<DrawOp> found;
        std::copy_if(list.begin(), list.end(), std::back_inserter(found),
                     [](const DrawOp& op) { return op.kind == DrawKind::Text; });
        return found;
    }
};

TEST_F(RulerPaintingTest, TheCentimetreScaleHasItsTicksNumbersAndMarkers) {
    const DisplayList& list = repaint();
    const int middle = bar.InsideTop() + 8;
    // Every 142 twips up to the scale's end (41 places): a number at each 568, a medium
    // tick at each other 284, a small tick between; default tabs every 720 in the text.
    const std::map<std::pair<int, int>, int> expected = {
        {{middle - 1, middle + 1}, 21},
        {{middle - 2, middle + 3}, 10},
        {{bar.InsideTop() + 16, bar.InsideTop() + 18}, 7},
    };
    EXPECT_EQ(linesByRow(list), expected);

    std::vector<DrawOp> numbers = texts(list);
    ASSERT_EQ(numbers.size(), 10u);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(numbers[size_t(i)].text, zn::format("%d", i + 1));
        EXPECT_EQ(numbers[size_t(i)].rect.CenterPoint().x, bar.TwipsToX(568 * (i + 1)));
        EXPECT_EQ(numbers[size_t(i)].rect.CenterPoint().y, middle);
        EXPECT_EQ(numbers[size_t(i)].state.bkMode, TRANSPARENT);
        EXPECT_EQ(numbers[size_t(i)].state.font.height, -8);
    }
    // The text band in the window colour between the margins.
    EXPECT_TRUE(std::any_of(list.begin(), list.end(), [&](const DrawOp& op) {
        return op.kind == DrawKind::FillRect && op.fillColor == GetSysColor(COLOR_WINDOW) &&
               op.rect.left == kTextLeft && op.rect.right == kEditWidth - kTextLeft;
    }));
    // First-line indent, right indent and both parts of the left indent; free tab
    // markers draw nothing.
    EXPECT_EQ(std::count_if(list.begin(), list.end(),
                            [](const DrawOp& op) { return op.kind == DrawKind::Image; }),
              4);
}

TEST_F(RulerPaintingTest, TabStopsAndTheTextWidthShapeTheMarks) {
    setFormat(0, 0, 0, {1136});
    const DisplayList& list = repaint();
    // The tab stop is drawn; default marks start at the next 720 after it (1440).
    EXPECT_EQ(std::count_if(list.begin(), list.end(),
                            [](const DrawOp& op) { return op.kind == DrawKind::Image; }),
              5);
    EXPECT_EQ((linesByRow(list)[{bar.InsideTop() + 16, bar.InsideTop() + 18}]), 6);

    // A text exactly 15 cm wide: the scale has no number at its end, but goes on to the
    // end of the right margin.
    frame.MoveWindow(0, 0, 620, 300);
    edit.MoveWindow({0, bar.GetBarHeight(), 620, 300});
    CRect text{kTextLeft, 0, kTextLeft + 568, 200};
    edit.SendMessage(EM_SETRECT, 0, LPARAM(&text));
    PumpMessages();
    ASSERT_EQ(bar.TextWidth(), 15 * 568);
    std::vector<ZnsStringW> numbers;
    for (const DrawOp& op : texts(bar.GetPaintedDisplayList()))
        numbers.push_back(op.text);
    ASSERT_EQ(numbers.size(), 15u);
    EXPECT_EQ(numbers[13], u"14");
    EXPECT_EQ(numbers[14], u"16");
}

TEST_F(RulerPaintingTest, ChangedSystemColoursRepaintTheRuler) {
    const int indexes[] = {COLOR_WINDOW, COLOR_WINDOWTEXT, COLOR_BTNFACE};
    const COLORREF dark[] = {RGB(20, 20, 20), RGB(230, 230, 0), RGB(60, 60, 90)};
    ASSERT_TRUE(SetSysColors(3, indexes, dark));
    // Nobody invalidated the bar but the colour change itself.
    PumpMessages();
    const DisplayList& list = bar.GetPaintedDisplayList();
    ASSERT_FALSE(list.empty());
    EXPECT_TRUE(std::any_of(list.begin(), list.end(), [](const DrawOp& op) {
        return op.kind == DrawKind::FillRect && op.fillColor == RGB(20, 20, 20);
    }));
    for (const DrawOp& op : list) {
        if (op.kind == DrawKind::Line) {
            EXPECT_EQ(op.state.pen.color, RGB(230, 230, 0));
        } else if (op.kind == DrawKind::Text) {
            EXPECT_EQ(op.state.textColor, RGB(230, 230, 0));
        }
    }
    // The markers' light grey is the new button face.
    bool faceInMarkers = false;
    for (const DrawOp& op : list)
        if (op.kind == DrawKind::Image)
            for (COLORREF pixel : op.image.pixels)
                faceInMarkers = faceInMarkers || pixel == RGB(60, 60, 90);
    EXPECT_TRUE(faceInMarkers);
}

TEST_F(RulerPaintingTest, ANewCurrentUnitReachesTheRulerAtItsNextUpdate) {
    RulerUnit& current = RulerUnits()[kCurrentUnit];
    const RulerUnit saved = current;
    EXPECT_EQ(saved.twipsPerUnit, 568);
    current = RulerUnits()[0]; // the inch
    PumpMessages();
    std::vector<DrawOp> numbers = texts(bar.GetPaintedDisplayList());
    current = saved;
    ASSERT_EQ(numbers.size(), 4u); // 1440, 2880, 4320, 5760 of 5850
    EXPECT_EQ(numbers[3].text, u"4");
    EXPECT_EQ(numbers[3].rect.CenterPoint().x, bar.TwipsToX(5760));
    // Snapping follows the unit too.
    EXPECT_EQ(bar.Unit().snapStep, 90);
}

} // namespace
} // namespace ruler::test
