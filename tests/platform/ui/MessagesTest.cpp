// Messages between windows: sending and posting, registered messages, menus, message
// boxes and the clipboard with its viewers.
#include "platform/ui/Clipboard.h"
#include "platform/ui/Hooks.h"
#include "platform/ui/Input.h"
#include "platform/ui/Menu.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/ScriptActions.h"
#include "platform/ui/Window.h"
#include "tests/platform/ui/UiTestSupport.h"

namespace zn::ui::test {
namespace {

class Recorder : public CWnd {
public:
    std::vector<UINT> messages;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message >= WM_USER || message == WM_DRAWCLIPBOARD || message == WM_COMMAND)
            messages.push_back(message == WM_COMMAND ? UINT(LOWORD(wParam)) : message);
        return message == WM_USER + 1 ? LRESULT(wParam * 2)
                                      : CWnd::WindowProc(message, wParam, lParam);
    }
};

using MessagesTest = UiTest;

TEST_F(MessagesTest, SendAnswersAtOncePostWaitsForTheLoopAndDiesWithTheWindow) {
    Recorder window;
    ASSERT_TRUE(window.Create(u"Test", u"", WS_POPUP, {0, 0, 10, 10}, nullptr, 0));
    EXPECT_TRUE(window.PostMessage(WM_USER + 2));
    EXPECT_EQ(window.SendMessage(WM_USER + 1, 21), 42);
    EXPECT_EQ(window.messages, (std::vector<UINT>{WM_USER + 1}));
    EXPECT_EQ(PumpMessages(), 1);
    EXPECT_EQ(window.messages.back(), WM_USER + 2);

    window.PostMessage(WM_USER + 3);
    HWND handle = window.m_hWnd;
    window.DestroyWindow();
    EXPECT_FALSE(CWnd::IsWindow(handle));
    PumpMessages(); // the message to the destroyed window is dropped
    EXPECT_EQ(window.messages.back(), WM_USER + 2);
    EXPECT_FALSE(PostMessage(handle, WM_USER));
}

TEST_F(MessagesTest, RegisteredMessagesAreOneNumberPerName) {
    UINT transmit = RegisterWindowMessageW(u"ZNS_TTITEM_TRANSMIT_MSG");
    UINT find = RegisterWindowMessageW(u"commdlg_FindReplace");
    EXPECT_GE(transmit, 0xC000u);
    EXPECT_NE(transmit, find);
    EXPECT_EQ(RegisterWindowMessageW(u"zns_ttitem_transmit_msg"), transmit);
}

TEST_F(MessagesTest, DestroyingAParentDestroysChildrenAndOwnedWindows) {
    CWnd parent, child, owned;
    ASSERT_TRUE(parent.Create(u"Test", u"", WS_POPUP, {}, nullptr, 0));
    ASSERT_TRUE(child.Create(u"Test", u"", WS_CHILD, {1, 2, 30, 40}, &parent, 7));
    ASSERT_TRUE(owned.CreateEx(0, u"Test", u"", WS_POPUP, {}, nullptr, 0, &parent));
    EXPECT_EQ(parent.GetDlgItem(7), &child);
    EXPECT_EQ(child.ClientToScreen(CPoint{0, 0}), (CPoint{1, 2}));
    parent.DestroyWindow();
    EXPECT_FALSE(child.GetSafeHwnd());
    EXPECT_FALSE(owned.GetSafeHwnd());
}

TEST_F(MessagesTest, WindowRectanglesAreOnTheScreenAndMovesInTheParent) {
    CWnd top, pane, field;
    ASSERT_TRUE(top.Create(u"Test", u"", WS_POPUP, {100, 50, 500, 350}, nullptr, 0));
    ASSERT_TRUE(pane.Create(u"Test", u"", WS_CHILD, {10, 20, 210, 220}, &top, 1));
    ASSERT_TRUE(field.Create(u"Test", u"", WS_CHILD, {5, 6, 55, 26}, &pane, 2));
    EXPECT_EQ(top.GetWindowRect(), (CRect{100, 50, 500, 350}));
    EXPECT_EQ(field.GetWindowRect(), (CRect{115, 76, 165, 96}));
    // Layout code the usual way: the screen rectangle back into the parent's coordinates
    // and moved there lands where it was.
    CRect inPane = pane.ScreenToClient(field.GetWindowRect());
    EXPECT_EQ(inPane, field.GetRectInParent());
    field.MoveWindow(inPane);
    EXPECT_EQ(field.GetWindowRect(), (CRect{115, 76, 165, 96}));
}

TEST_F(MessagesTest, MenusCarryItemsPopupsAndTheirStates) {
    resources.menus[5] = {
        5,
        {{0,
          u"&File",
          MF_POPUP,
          {{10, u"&Open", 0, {}}, {0, u"", MF_SEPARATOR, {}}, {11, u"&Close", MF_GRAYED, {}}}},
         {0, u"&View", MF_POPUP, {{20, u"&Ruler", MF_CHECKED, {}}}}}};
    CMenu bar;
    ASSERT_TRUE(bar.LoadMenu(5));
    ASSERT_EQ(bar.GetMenuItemCount(), 2);
    CMenu file = bar.GetSubMenu(0);
    EXPECT_EQ(file.GetMenuItemID(1), 0); // separator
    EXPECT_TRUE(bar.HasEnabledCommand(10));
    EXPECT_FALSE(bar.HasEnabledCommand(11));
    EXPECT_EQ(bar.CheckMenuItem(20, MF_UNCHECKED), int(MF_CHECKED));
    EXPECT_EQ(bar.GetMenuState(20, MF_BYCOMMAND) & MF_CHECKED, 0);

    // A popup made elsewhere goes in at a position and stays reachable through its handle.
    CMenu edit;
    edit.CreatePopupMenu();
    edit.AppendMenu(MF_STRING, 40139, u"Undo");
    ASSERT_TRUE(bar.InsertMenu(1, MF_BYPOSITION | MF_POPUP, edit, u"Edit"));
    EXPECT_EQ(bar.GetMenuString(1, MF_BYPOSITION), u"Edit");
    edit.ModifyMenu(40139, MF_BYCOMMAND, 40139, u"Redo");
    EXPECT_EQ(bar.GetMenuString(40139, MF_BYCOMMAND), u"Redo");
    EXPECT_TRUE(bar.RemoveMenu(40139, MF_BYCOMMAND));
    EXPECT_EQ(edit.GetMenuItemCount(), 0);
    EXPECT_FALSE(bar.LoadMenu(6));
}

TEST_F(MessagesTest, PopupMenuChoiceComesFromTheUserAndMustBeEnabled) {
    Recorder owner;
    ASSERT_TRUE(owner.Create(u"Test", u"", WS_POPUP, {}, nullptr, 0));
    CMenu popup;
    popup.CreatePopupMenu();
    popup.AppendMenu(MF_STRING, 31, u"One");
    popup.AppendMenu(MF_GRAYED, 32, u"Two");
    agent.AddScript("menu 31\nmenu none\nmenu 32");
    EXPECT_EQ(popup.TrackPopupMenu(TPM_RETURNCMD, 0, 0, &owner), 31u);
    EXPECT_EQ(popup.TrackPopupMenu(0, 0, 0, &owner), 0u);
    EXPECT_THROW(popup.TrackPopupMenu(0, 0, 0, &owner), AgentError);
    EXPECT_EQ(PumpMessages(), 0); // nothing chosen, nothing posted
}

TEST_F(MessagesTest, MenuBarCommandsAreChosenAfterTheirPopupOpens) {
    // The window sets the states of a popup's entries only as the popup opens.
    struct Editor : Recorder {
        int opened = 0;
        LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
            if (message == WM_INITMENUPOPUP) {
                ++opened;
                reinterpret_cast<CMenu*>(lParam)->EnableMenuItem(11, MF_ENABLED);
            }
            return Recorder::WindowProc(message, wParam, lParam);
        }
    } editor;
    ASSERT_TRUE(editor.Create(u"Test", u"", WS_POPUP | WS_VISIBLE, {}, nullptr, 0));
    CMenu bar, file;
    bar.CreateMenu();
    file.CreatePopupMenu();
    file.AppendMenu(MF_GRAYED, 11, u"&Close");
    bar.AppendMenu(MF_POPUP, file, u"&File");
    editor.SetMenu(&bar);
    ApplyInputAction(*ParseScriptAction("menu 11", nullptr), editor);
    EXPECT_EQ(editor.opened, 1);
    EXPECT_EQ(editor.messages.back(), 11u);
    EXPECT_THROW(ApplyInputAction(*ParseScriptAction("menu 12", nullptr), editor), AgentError);
    EXPECT_EQ(editor.opened, 1); // no popup holds 12
}

TEST_F(MessagesTest, MessageBoxesAreAnsweredByTheAgentAndRecorded) {
    agent.AddScript("answer no\nanswer cancel\nanswer yes");
    EXPECT_EQ(
        MessageBoxW(nullptr, u"Apply corrections?", u"Editor", MB_YESNOCANCEL | MB_ICONQUESTION),
        IDNO);
    EXPECT_EQ(MessageBoxW(nullptr, u"Save changes?", u"Notebook", MB_YESNOCANCEL), IDCANCEL);
    try {
        MessageBoxW(nullptr, u"Cannot find the string.", u"", MB_OK | MB_ICONEXCLAMATION);
        FAIL() << "yes answered an OK box";
    } catch (const AgentError& e) {
        EXPECT_NE(std::string(e.what()).find("answer yes is not a button of a message box asks "
                                             "\"Cannot find the string.\" with Ok"),
                  std::string::npos)
            << e.what();
    }
    const auto& boxes = RecordedMessageBoxes();
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[0].text, u"Apply corrections?");
    EXPECT_EQ(boxes[0].caption, u"Editor");
    EXPECT_EQ(boxes[0].answer, IDNO);
    EXPECT_EQ(boxes[1].answer, IDCANCEL);
    EXPECT_EQ(boxes[2].type & MB_ICONMASK, MB_ICONEXCLAMATION);
}

TEST_F(MessagesTest, ClipboardViewersHearEveryChangeAndOnlyChanges) {
    Recorder viewer, other;
    ASSERT_TRUE(viewer.Create(u"Test", u"", WS_POPUP, {}, nullptr, 0));
    ASSERT_TRUE(other.Create(u"Test", u"", WS_POPUP, {}, nullptr, 0));
    SetClipboardViewer(&viewer);
    SetClipboardViewer(&other);

    ASSERT_TRUE(SetClipboardText(&other, u"Сталь 45"));
    EXPECT_EQ(viewer.messages, (std::vector<UINT>{WM_DRAWCLIPBOARD}));
    EXPECT_EQ(GetClipboardOwner(), &other);
    EXPECT_EQ(GetClipboardText(), u"Сталь 45");

    ASSERT_TRUE(OpenClipboard(&viewer)); // looking changes nothing
    EXPECT_FALSE(OpenClipboard(&other)); // one opener at a time
    ASSERT_TRUE(CloseClipboard());
    EXPECT_EQ(viewer.messages.size(), 1u);

    ASSERT_TRUE(OpenClipboard(&viewer));
    ASSERT_TRUE(EmptyClipboard());
    ASSERT_TRUE(SetClipboardData(ClipboardFormatRtf(), "{\\rtf1 x}"));
    ASSERT_TRUE(CloseClipboard());
    EXPECT_EQ(viewer.messages.size(), 2u);
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_UNICODETEXT)); // emptied
    EXPECT_EQ(GetClipboardData(ClipboardFormatRtf()), "{\\rtf1 x}");
    EXPECT_EQ(ClipboardFormatRtf(), RegisterClipboardFormatW(u"Rich Text Format"));

    ChangeClipboardChain(&viewer, nullptr);
    SetClipboardText(&other, u"x");
    EXPECT_EQ(viewer.messages.size(), 2u);
    EXPECT_EQ(other.messages.size(), 3u);
}

} // namespace
} // namespace zn::ui::test

namespace zn::ui::test {
namespace {

TEST_F(MessagesTest, HooksSeeKeysAndActivationsFirst) {
    Recorder first, second;
    ASSERT_TRUE(first.Create(u"Test", u"Calculator", WS_POPUP | WS_VISIBLE, {}, nullptr, 0));
    first.SetFocus();
    std::vector<std::pair<WPARAM, bool>> keys;
    HHOOK keyboard =
        SetWindowsHookEx(WH_KEYBOARD, [&](int code, WPARAM key, LPARAM state) -> LRESULT {
            keys.push_back({key, (state & kKeyReleased) != 0});
            return key == VK_ESCAPE
                       ? 1
                       : CallNextHookEx(nullptr, code, key, state); // Esc is the hook's
        });
    KeyPress(VK_ESCAPE);
    KeyPress(VK_RETURN);
    EXPECT_EQ(keys,
              (std::vector<std::pair<WPARAM, bool>>{
                  {VK_ESCAPE, false}, {VK_ESCAPE, true}, {VK_RETURN, false}, {VK_RETURN, true}}));
    EXPECT_TRUE(UnhookWindowsHookEx(keyboard));
    EXPECT_FALSE(UnhookWindowsHookEx(keyboard));

    HHOOK activation = SetWindowsHookEx(WH_CBT, [&](int code, WPARAM hwnd, LPARAM) -> LRESULT {
        return code == HCBT_ACTIVATE && HWND(hwnd) == second.m_hWnd; // keep `second` from the front
    });
    ASSERT_TRUE(second.Create(u"Test", u"Other", WS_POPUP | WS_VISIBLE, {}, nullptr, 0));
    EXPECT_EQ(GetActiveWindow(), &first);
    UnhookWindowsHookEx(activation);
    SetActiveWindow(&second);
    EXPECT_EQ(GetActiveWindow(), &second);
}

} // namespace
} // namespace zn::ui::test
