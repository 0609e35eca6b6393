// Headless painting: WM_PAINT only for invalidated windows, what a device context records,
// fixed-cell text extents, drawing outside WM_PAINT, window-class backgrounds, the system
// colours, and bars docked at the top of a resizing parent with their borders and idle
// update.
#include "platform/ui/ControlBar.h"
#include "platform/ui/DeviceContext.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/SystemColors.h"
#include "platform/ui/Window.h"
#include "platform/ui/WindowClass.h"
#include "tests/platform/ui/UiTestSupport.h"

namespace zn::ui::test {
namespace {

// Draws a framed box with a caption and counts the paints it was asked for.
class Canvas : public CWnd {
public:
    int paints = 0;
    CRect lastPaintRect;

protected:
    void OnPaint() override {
        ++paints;
        CPaintDC dc(this);
        lastPaintRect = dc.m_ps.rcPaint;
        CPen pen(PS_SOLID, 2, RGB(255, 0, 0));
        CBrush brush(RGB(0, 0, 255));
        CFont font;
        font.CreatePointFont(90, u"Arial");
        const CPen* oldPen = dc.SelectObject(&pen);
        dc.SelectObject(&brush);
        dc.SelectObject(&font);
        dc.Rectangle({1, 1, 50, 20});
        dc.SelectObject(oldPen);
        dc.MoveTo(0, 30);
        dc.LineTo(40, 30);
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextColor(RGB(0, 128, 0));
        CRect box{0, 0, 100, 40};
        dc.DrawTextW(u"cm", box, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
};

// The main content under the bars, placed where they leave room.
class Frame : public CWnd {
public:
    CWnd content;

protected:
    void OnSize(UINT, int, int) override {
        if (content.GetSafeHwnd())
            content.MoveWindow(RepositionBars());
    }
};

using PaintingTest = UiTest;

TEST_F(PaintingTest, PaintsOnlyInvalidatedVisibleWindowsAndOnlyOnce) {
    Canvas canvas;
    ASSERT_TRUE(canvas.Create(u"Test", u"", WS_POPUP, {0, 0, 100, 40}, nullptr, 0));
    // Hidden windows wait; the invalid area is kept for when they show.
    PumpMessages();
    EXPECT_EQ(canvas.paints, 0);
    canvas.ShowWindow(SW_SHOW);
    PumpMessages();
    EXPECT_EQ(canvas.paints, 1);
    EXPECT_EQ(canvas.lastPaintRect, (CRect{0, 0, 100, 40}));
    // Validated by painting: nothing more until someone invalidates.
    canvas.UpdateWindow();
    PumpMessages();
    EXPECT_EQ(canvas.paints, 1);

    CRect a{10, 5, 20, 15}, b{30, 0, 200, 8};
    canvas.InvalidateRect(&a);
    canvas.InvalidateRect(&b);
    CRect update;
    EXPECT_TRUE(canvas.GetUpdateRect(&update));
    // Union of both, clipped to the client area.
    EXPECT_EQ(update, (CRect{10, 0, 100, 15}));
    canvas.UpdateWindow();
    EXPECT_EQ(canvas.paints, 2);
    EXPECT_EQ(canvas.lastPaintRect, update);
    EXPECT_FALSE(canvas.GetUpdateRect(&update));

    // A resize invalidates the whole new client area.
    canvas.MoveWindow(0, 0, 120, 50);
    PumpMessages();
    EXPECT_EQ(canvas.paints, 3);
    EXPECT_EQ(canvas.lastPaintRect, (CRect{0, 0, 120, 50}));
}

TEST_F(PaintingTest, DisplayListCarriesEachOperationWithTheAttributesInForce) {
    Canvas canvas;
    ASSERT_TRUE(canvas.Create(u"Test", u"", WS_POPUP | WS_VISIBLE, {0, 0, 100, 40}, nullptr, 0));
    CRect part{0, 0, 60, 35};
    canvas.UpdateWindow();
    canvas.InvalidateRect(&part);
    canvas.UpdateWindow();
    const DisplayList& list = canvas.GetPaintedDisplayList();
    ASSERT_EQ(list.size(), 3u);

    EXPECT_EQ(list[0].kind, DrawKind::Rectangle);
    EXPECT_EQ(list[0].rect, (CRect{1, 1, 50, 20}));
    EXPECT_EQ(list[0].state.pen, (LogPen{PS_SOLID, 2, RGB(255, 0, 0)}));
    EXPECT_EQ(list[0].state.brush.color, RGB(0, 0, 255));
    EXPECT_EQ(list[0].state.clip, part);

    // The old pen is back for the line; the brush stays selected.
    EXPECT_EQ(list[1].kind, DrawKind::Line);
    EXPECT_EQ(list[1].points, (std::vector<CPoint>{{0, 30}, {40, 30}}));
    EXPECT_EQ(list[1].state.pen, LogPen{});
    EXPECT_EQ(list[1].state.brush.color, RGB(0, 0, 255));

    // 9 pt at 96 dpi is 12 px; two cells of 8x16 centred in 100x40.
    EXPECT_EQ(list[2].kind, DrawKind::Text);
    EXPECT_EQ(list[2].text, u"cm");
    EXPECT_EQ(list[2].rect, (CRect{42, 12, 58, 28}));
    EXPECT_EQ(list[2].state.font.face, u"Arial");
    EXPECT_EQ(list[2].state.font.height, -12);
    EXPECT_EQ(list[2].state.bkMode, TRANSPARENT);
    EXPECT_EQ(list[2].state.textColor, RGB(0, 128, 0));
}

TEST_F(PaintingTest, TextExtentsClipAndDeviceResolution) {
    CDC dc({0, 0, 200, 100});
    EXPECT_EQ(dc.GetDeviceCaps(LOGPIXELSX), 96);
    EXPECT_EQ(dc.GetTextExtent(u"Ra 1,6"), (CSize{48, 16}));
    EXPECT_EQ(dc.GetTextExtent(u""), (CSize{0, 16}));

    CRect measured{10, 10, 11, 11};
    EXPECT_EQ(dc.DrawTextW(u"abc", measured, DT_CALCRECT), 16);
    EXPECT_EQ(measured, (CRect{10, 10, 34, 26}));
    EXPECT_TRUE(dc.GetDisplayList().empty());

    CRect right{0, 0, 100, 50};
    dc.DrawTextW(u"abc", right, DT_RIGHT | DT_BOTTOM | DT_SINGLELINE);
    EXPECT_EQ(dc.GetDisplayList().back().rect, (CRect{76, 34, 100, 50}));

    // Clipping only narrows.
    dc.IntersectClipRect({50, 20, 300, 60});
    dc.IntersectClipRect({0, 0, 150, 300});
    EXPECT_EQ(dc.GetClipBox(), (CRect{50, 20, 150, 60}));
    CPoint triangle[] = {{0, 0}, {10, 0}, {5, 8}};
    dc.Polygon(triangle, 3);
    dc.FillSolidRect({1, 2, 3, 4}, RGB(9, 9, 9));
    const DisplayList& list = dc.GetDisplayList();
    EXPECT_EQ(list[1].points.size(), 3u);
    EXPECT_EQ(list[2].fillColor, RGB(9, 9, 9));
    EXPECT_EQ(list[2].state.clip, (CRect{50, 20, 150, 60}));
}

TEST_F(PaintingTest, BarsDockAtTheTopInOrderAndFollowResizes) {
    Frame frame;
    ASSERT_TRUE(frame.Create(u"Test", u"", WS_POPUP | WS_VISIBLE, {0, 0, 300, 200}, nullptr, 0));
    CControlBar ruler, second;
    ASSERT_TRUE(ruler.Create(&frame, 24, 100));
    ASSERT_TRUE(second.Create(&frame, 10, 101));
    ASSERT_TRUE(frame.content.Create(u"Test", u"", WS_CHILD | WS_VISIBLE, {}, &frame, 102));
    EXPECT_EQ(ruler.GetRectInParent(), (CRect{0, 0, 300, 24}));
    EXPECT_EQ(second.GetRectInParent(), (CRect{0, 24, 300, 34}));
    EXPECT_EQ(frame.RepositionBars(), (CRect{0, 34, 300, 200}));

    frame.MoveWindow(0, 0, 400, 250);
    EXPECT_EQ(ruler.GetRectInParent(), (CRect{0, 0, 400, 24}));
    EXPECT_EQ(frame.content.GetRectInParent(), (CRect{0, 34, 400, 250}));

    // A hidden bar gives its strip back; a taller one pushes the rest down.
    second.ShowWindow(SW_HIDE);
    ruler.SetBarHeight(30);
    EXPECT_EQ(frame.RepositionBars(), (CRect{0, 30, 400, 250}));
    // A parent shorter than the bars leaves nothing, never a negative height.
    frame.MoveWindow(0, 0, 400, 20);
    EXPECT_EQ(ruler.GetRectInParent(), (CRect{0, 0, 400, 20}));
    EXPECT_TRUE(frame.content.GetRectInParent().IsRectEmpty());
}

TEST_F(PaintingTest, AClassWithABackgroundErasesTheUpdateAreaWithIt) {
    std::u16string barClass = AfxRegisterWndClass(0, LoadStandardCursor(IDC_ARROW), COLOR_BTNFACE);
    Canvas bar, plain;
    ASSERT_TRUE(bar.Create(barClass, u"", WS_POPUP | WS_VISIBLE, {0, 0, 100, 40}, nullptr, 0));
    ASSERT_TRUE(plain.Create(u"Test", u"", WS_POPUP | WS_VISIBLE, {0, 0, 100, 40}, nullptr, 0));
    bar.UpdateWindow(); // the paint that creation asked for
    CRect part{10, 0, 30, 17};
    bar.InvalidateRect(&part);
    bar.UpdateWindow();
    const DisplayList& ops = bar.GetPaintedDisplayList();
    ASSERT_FALSE(ops.empty());
    EXPECT_EQ(ops[0].kind, DrawKind::FillRect);
    EXPECT_EQ(ops[0].rect, part);
    EXPECT_EQ(ops[0].fillColor, GetSysColor(COLOR_BTNFACE));

    plain.UpdateWindow();
    EXPECT_EQ(plain.GetPaintedDisplayList()[0].kind, DrawKind::Rectangle); // nothing erased
    bar.InvalidateRect(nullptr, false);                                    // no erase asked
    bar.UpdateWindow();
    EXPECT_EQ(bar.GetPaintedDisplayList()[0].kind, DrawKind::Rectangle);
}

TEST_F(PaintingTest, ClientDrawingInInvertModeLiesOverThePictureUntilTheNextPaint) {
    Canvas canvas;
    ASSERT_TRUE(canvas.Create(u"Test", u"", WS_POPUP | WS_VISIBLE, {0, 0, 100, 40}, nullptr, 0));
    PumpMessages();
    const size_t painted = canvas.GetPaintedDisplayList().size();
    {
        // A dotted tracking line, as a ruler draws it across the control it works on.
        CClientDC dc(&canvas);
        CPen dotted(PS_DOT, 1, RGB(0, 0, 0));
        dc.SelectObject(&dotted);
        EXPECT_EQ(dc.SetROP2(R2_NOT), R2_COPYPEN);
        dc.MoveTo(30, 0);
        dc.LineTo(30, 40);
    }
    const DisplayList& over = canvas.GetPaintedDisplayList();
    ASSERT_EQ(over.size(), painted + 1);
    EXPECT_EQ(over.back().state.rop2, R2_NOT);
    EXPECT_EQ(over.back().state.pen.style, PS_DOT);
    EXPECT_EQ(over.front().state.rop2, R2_COPYPEN);

    canvas.Invalidate();
    PumpMessages();
    EXPECT_EQ(canvas.GetPaintedDisplayList().size(), painted);
}

TEST_F(PaintingTest, MultiplyDivideRoundsLikeTheRulerNeeds) {
    // Twips to pixels and back at 96 dpi, halves rounded away from zero.
    EXPECT_EQ(MulDiv(568, 96, 1440), 38);      // 37.87
    EXPECT_EQ(MulDiv(15, 1, 2), 8);            // 7.5
    EXPECT_EQ(MulDiv(-15, 1, 2), -8);          // -7.5
    EXPECT_EQ(MulDiv(-1136, 96, 1440), -76);   // -75.73
    EXPECT_EQ(MulDiv(1 << 30, 4, 8), 1 << 29); // no overflow in the product
    EXPECT_EQ(MulDiv(5, 5, 0), -1);
}

// Remembers the colour it would rebuild its brush from, and every idle update it got.
class ColourBar : public CControlBar {
public:
    COLORREF face = GetSysColor(COLOR_BTNFACE);
    std::vector<CWnd*> updatedFrom;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_SYSCOLORCHANGE)
            face = GetSysColor(COLOR_BTNFACE);
        return CControlBar::WindowProc(message, wParam, lParam);
    }
    void OnUpdateCmdUI(CWnd* target, bool) override { updatedFrom.push_back(target); }
};

TEST_F(PaintingTest, ChangedSystemColoursReachEveryWindow) {
    Frame frame;
    ASSERT_TRUE(frame.Create(u"Test", u"", WS_POPUP, {0, 0, 300, 200}, nullptr, 0));
    ColourBar bar;
    ASSERT_TRUE(bar.Create(&frame, 17, 12016));
    const COLORREF before = GetSysColor(COLOR_BTNFACE);
    const COLORREF saved[] = {before, GetSysColor(COLOR_WINDOWTEXT)};
    const int faces[] = {COLOR_BTNFACE, COLOR_WINDOWTEXT};
    const COLORREF dark[] = {RGB(30, 30, 30), RGB(250, 250, 250)};
    ASSERT_TRUE(SetSysColors(2, faces, dark));
    EXPECT_EQ(bar.face, RGB(30, 30, 30));
    EXPECT_EQ(GetSysColor(COLOR_WINDOWTEXT), RGB(250, 250, 250));

    // An unknown index changes none of them.
    const int mixed[] = {COLOR_BTNFACE, 99};
    const COLORREF restore[] = {before, 0};
    EXPECT_FALSE(SetSysColors(2, mixed, restore));
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), RGB(30, 30, 30));
    ASSERT_TRUE(SetSysColors(2, faces, saved));
    EXPECT_EQ(bar.face, before);
}

TEST_F(PaintingTest, BordersComeOnTopOfTheInsideOfABar) {
    Frame frame;
    ASSERT_TRUE(frame.Create(u"Test", u"", WS_POPUP | WS_VISIBLE, {0, 0, 300, 200}, nullptr, 0));
    CControlBar ruler;
    ASSERT_TRUE(ruler.Create(&frame, 17, 12016));
    ruler.SetBorders(2, 3, 2, 3);
    EXPECT_EQ(ruler.GetBarHeight(), 23);
    EXPECT_EQ(ruler.GetRectInParent(), (CRect{0, 0, 300, 23}));
    EXPECT_EQ(ruler.CalcInsideRect(), (CRect{2, 3, 298, 20}));
}

TEST_F(PaintingTest, IdleLoopsUpdateVisibleBarsFromTheirOwner) {
    resources.dialogs[300] =
        dialogTemplate(300, u"Editor", WS_POPUP | WS_CAPTION, {0, 0, 200, 100});
    struct Editor : CDialog {
        Editor() : CDialog(300) {}
        ColourBar shown, hidden;
        BOOL OnInitDialog() override {
            shown.Create(this, 17, 12016);
            hidden.Create(this, 17, 12017);
            hidden.ShowWindow(SW_HIDE);
            return CDialog::OnInitDialog();
        }
    } editor;
    // The modal loop runs dry before the agent is asked for the key that ends it.
    agent.AddScript("key Esc");
    EXPECT_EQ(editor.DoModal(), IDCANCEL);
    ASSERT_FALSE(editor.shown.updatedFrom.empty());
    EXPECT_EQ(editor.shown.updatedFrom.front(), &editor);
    EXPECT_TRUE(editor.hidden.updatedFrom.empty());
}

} // namespace
} // namespace zn::ui::test
