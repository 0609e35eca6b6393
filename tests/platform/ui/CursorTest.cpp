// Cursors: standard and module cursors by handle, the window under the pointer choosing
// the cursor (its own answer, its parent's, its class cursor), and the wait cursor giving
// back the cursor it found on every way out.
#include <stdexcept>

#include "platform/ui/Input.h"
#include "platform/ui/WindowClass.h"
#include "tests/platform/ui/UiTestSupport.h"

namespace zn::ui::test {
namespace {

class CursorTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        resources.cursors[9150] = {PixelImage(32, 32), {3, 4}};
        SetCursor(arrow);
    }
    void TearDown() override {
        while (IsWaitCursorShown())
            EndWaitCursor();
        UiTest::TearDown();
    }

    HCURSOR arrow = LoadStandardCursor(IDC_ARROW);
    HCURSOR wait = LoadStandardCursor(IDC_WAIT);
};

TEST_F(CursorTest, HandlesAreLoadedOncePerProcess) {
    HCURSOR view = AfxLoadCursor(9150);
    ASSERT_TRUE(view);
    EXPECT_FALSE(view->standard);
    ASSERT_TRUE(view->picture);
    EXPECT_EQ(view->picture->hotSpot, (CPoint{3, 4}));
    EXPECT_EQ(AfxLoadCursor(9150), view);
    EXPECT_EQ(LoadCursorW(&resources, 9150), view);
    EXPECT_EQ(AfxLoadCursor(9151), nullptr);
    EXPECT_EQ(LoadCursorW(nullptr, IDC_IBEAM), LoadStandardCursor(IDC_IBEAM));
    EXPECT_EQ(LoadStandardCursor(9150), nullptr);
    EXPECT_TRUE(arrow->standard);
    EXPECT_EQ(arrow->id, IDC_ARROW);
}

TEST_F(CursorTest, TheWindowUnderThePointerChoosesItsCursor) {
    // Answers WM_SETCURSOR itself, as the page view does over its selection.
    struct Viewer : CWnd {
        HCURSOR cursor = nullptr;
        LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
            if (message == WM_SETCURSOR) {
                SetCursor(cursor);
                return TRUE;
            }
            return CWnd::WindowProc(message, wParam, lParam);
        }
    } viewer;
    viewer.cursor = AfxLoadCursor(9150);
    CWnd plain, classed, child;
    ASSERT_TRUE(viewer.Create(u"Test", u"", WS_POPUP | WS_VISIBLE, {0, 0, 50, 50}, nullptr, 0));
    ASSERT_TRUE(plain.Create(u"Test", u"", WS_POPUP | WS_VISIBLE, {100, 0, 150, 50}, nullptr, 0));
    std::u16string sizing = AfxRegisterWndClass(0, LoadStandardCursor(IDC_SIZEWE));
    EXPECT_EQ(AfxRegisterWndClass(0, LoadStandardCursor(IDC_SIZEWE)), sizing);
    ASSERT_TRUE(classed.Create(sizing, u"", WS_POPUP | WS_VISIBLE, {200, 0, 250, 50}, nullptr, 0));
    // A child of the viewer: the parent is asked first and wins.
    ASSERT_TRUE(child.Create(u"Edit", u"", WS_CHILD | WS_VISIBLE, {0, 0, 10, 10}, &viewer, 1));

    Click(viewer, {5, 5});
    EXPECT_EQ(GetCursor(), viewer.cursor);
    Click(plain, {5, 5}); // a class without a cursor: the arrow
    EXPECT_EQ(GetCursor(), arrow);
    Click(classed, {5, 5});
    EXPECT_EQ(GetCursor(), LoadStandardCursor(IDC_SIZEWE));
    Click(child, {5, 5});
    EXPECT_EQ(GetCursor(), viewer.cursor);
    viewer.DestroyWindow();

    CWnd edit;
    ASSERT_TRUE(edit.Create(u"Edit", u"", WS_POPUP | WS_VISIBLE, {0, 0, 10, 10}, nullptr, 2));
    Click(edit, {5, 5});
    EXPECT_EQ(GetCursor(), LoadStandardCursor(IDC_IBEAM));
    // Outside the client area the class cursor is not the answer.
    SetCursor(arrow);
    EXPECT_EQ(edit.SendMessage(WM_SETCURSOR, WPARAM(edit.m_hWnd), MAKELPARAM(2, 0)), FALSE);
    EXPECT_EQ(GetCursor(), arrow);
    EXPECT_EQ(SetClassCursor(u"Edit", arrow), LoadStandardCursor(IDC_IBEAM));
    SetClassCursor(u"Edit", LoadStandardCursor(IDC_IBEAM));
}

TEST_F(CursorTest, WaitCursorGivesBackTheCursorItFoundOnEveryWayOut) {
    HCURSOR view = AfxLoadCursor(9150);
    SetCursor(view);
    {
        CWaitCursor waiting;
        EXPECT_EQ(GetCursor(), wait);
        {
            CWaitCursor nested; // a search inside a longer operation
            EXPECT_EQ(GetCursor(), wait);
        }
        EXPECT_EQ(GetCursor(), wait); // still waiting for the outer one
        SetCursor(arrow);             // a message box showed its own
        waiting.Restore();
        EXPECT_EQ(GetCursor(), wait);
    }
    EXPECT_EQ(GetCursor(), view);
    EXPECT_FALSE(IsWaitCursorShown());

    try {
        CWaitCursor waiting;
        throw std::runtime_error("the search failed");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(GetCursor(), view);

    EndWaitCursor(); // an extra end changes nothing
    EXPECT_EQ(GetCursor(), view);
    BeginWaitCursor();
    EndWaitCursor();
    EXPECT_EQ(GetCursor(), view);
}

TEST_F(CursorTest, WindowsDoNotTakeTheCursorWhileWaiting) {
    CWnd edit;
    ASSERT_TRUE(edit.Create(u"Edit", u"", WS_POPUP | WS_VISIBLE, {0, 0, 10, 10}, nullptr, 2));
    CWaitCursor waiting;
    Click(edit, {5, 5});
    EXPECT_EQ(GetCursor(), wait);
}

} // namespace
} // namespace zn::ui::test
