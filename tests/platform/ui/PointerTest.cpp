// The pointer: where mouse input leaves it, moves with no button held (the hover a cursor
// and a tooltip follow), and the context-menu request a right click or Shift+F10 makes
// when the window under it does not answer itself.
#include "platform/ui/Cursor.h"
#include "platform/ui/Input.h"
#include "platform/ui/ScriptActions.h"
#include "platform/ui/Window.h"
#include "tests/platform/ui/UiTestSupport.h"

namespace zn::ui::test {
namespace {

// Records the mouse and context-menu messages it gets; over its right half it sets a
// cursor of its own.
class Pad : public CWnd {
public:
    std::vector<MSG> seen;
    static HCURSOR PickCursor() { return LoadStandardCursor(IDC_CROSS); }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_MOUSEMOVE || message == WM_CONTEXTMENU)
            seen.push_back({m_hWnd, message, wParam, lParam});
        if (message == WM_SETCURSOR &&
            ScreenToClient(GetCursorPos()).x >= GetClientRect().Width() / 2) {
            SetCursor(PickCursor());
            return TRUE;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

class PointerTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        ASSERT_TRUE(dialog.Create(u"Test", u"Notebook", WS_POPUP | WS_VISIBLE, {100, 50, 400, 300},
                                  nullptr, 0));
        ASSERT_TRUE(
            tree.Create(u"Test", u"", WS_CHILD | WS_VISIBLE, {10, 20, 110, 120}, &dialog, 12050));
    }
    Pad dialog, tree;
};

TEST_F(PointerTest, HoverMovesThePointerWithNoButtonAndLetsTheWindowChooseTheCursor) {
    MoveMouse(tree, {80, 5});
    EXPECT_EQ(GetCursorPos(), (CPoint{100 + 10 + 80, 50 + 20 + 5}));
    ASSERT_EQ(tree.seen.size(), 1u);
    EXPECT_EQ(tree.seen[0].wParam, 0u); // no button held
    EXPECT_EQ(tree.seen[0].lParam, MAKELPARAM(80, 5));
    EXPECT_EQ(GetCursor(), Pad::PickCursor());

    MoveMouse(tree, {10, 5});
    EXPECT_EQ(GetCursor(), LoadStandardCursor(IDC_ARROW)); // unanswered: the arrow

    Click(tree, {3, 4});
    EXPECT_EQ(tree.ScreenToClient(GetCursorPos()), (CPoint{3, 4}));
}

TEST_F(PointerTest, UnansweredRightClickAndShiftF10AskTheParentForAContextMenu) {
    Click(tree, {30, 40}, MouseButton::Right);
    ASSERT_EQ(dialog.seen.size(), 1u);
    const MSG& request = dialog.seen[0];
    EXPECT_EQ(request.message, UINT(WM_CONTEXTMENU));
    EXPECT_EQ(HWND(request.wParam), tree.m_hWnd);
    // At the pointer, in screen coordinates, where the menu is then opened.
    CPoint at{GET_X_LPARAM(request.lParam), GET_Y_LPARAM(request.lParam)};
    EXPECT_EQ(at, GetCursorPos());
    EXPECT_EQ(at, (CPoint{140, 110}));

    tree.SetFocus();
    KeyPress(VK_F10, kModShift);
    ASSERT_EQ(dialog.seen.size(), 2u);
    EXPECT_EQ(GET_X_LPARAM(dialog.seen[1].lParam), -1); // from the keyboard
    EXPECT_EQ(GET_Y_LPARAM(dialog.seen[1].lParam), -1);
    KeyPress(VK_F10);
    EXPECT_EQ(dialog.seen.size(), 2u);
}

TEST_F(PointerTest, ScriptsHoverOverAControl) {
    std::string error;
    std::optional<ScriptAction> hover = ParseScriptAction("hover 12050", &error);
    ASSERT_TRUE(hover) << error;
    EXPECT_TRUE(hover->IsInput());
    EXPECT_EQ(DescribeAction(*hover), "hover 12050");
    ApplyInputAction(*hover, dialog);
    EXPECT_EQ(tree.ScreenToClient(GetCursorPos()), (CPoint{50, 50}));
    EXPECT_EQ(tree.seen.back().message, UINT(WM_MOUSEMOVE));

    EXPECT_FALSE(ParseScriptAction("hover", &error));
    EXPECT_THROW(ApplyInputAction(*ParseScriptAction("hover 4711", nullptr), dialog), AgentError);
}

} // namespace
} // namespace zn::ui::test
