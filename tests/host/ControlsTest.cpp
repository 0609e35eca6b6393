// The smaller library controls: toolbar (with its images from the shared toolbar images),
// splitter, colour combo, light button and the dialog base's editor-command pair.
#include "host/controls/CZnColorComboBox.h"
#include "host/controls/CxButtonLt.h"
#include "host/controls/CxDialog.h"
#include "host/controls/CxSplitter.h"
#include "host/controls/CxToolBar.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Input.h"
#include "platform/ui/PlatformStrings.h"
#include "tests/platform/ui/UiTestSupport.h"

namespace zn::ui::test {
namespace {

class ControlsTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        resources.dialogs[50] =
            dialogTemplate(50, u"Editor", WS_POPUP | WS_CAPTION, {0, 0, 300, 200},
                           {item(12010, u"Static", u"", 0, {5, 0, 200, 8}),
                            item(12050, u"Static", u"", 0, {5, 20, 105, 180}),
                            item(12052, u"Static", u"", 0, {105, 20, 109, 180}),
                            item(12014, u"Static", u"", 0, {109, 20, 295, 180}),
                            item(IDCANCEL, u"Button", u"Cancel", BS_PUSHBUTTON | WS_TABSTOP,
                                 {240, 182, 290, 196})});
        resources.strings[57600] = u"Clear";
        for (int image : {211, 684})
            resources.toolbarImages[image] = PixelImage(16, 16, RGB(0, 0, image));
    }
};

class Editor : public CxDialog {
public:
    Editor(CWnd* parent = nullptr) : CxDialog(50, parent) {}
    CxToolBar toolbar;
    CxSplitter splitter;
    std::vector<UINT> commands;
    int helpCalls = 0;
    std::function<void()> whileOpen;

protected:
    BOOL OnInitDialog() override {
        toolbar.Create(this, 12010, TBSTYLE_FLAT, kToolBarHidePlace);
        toolbar.AddButton(57600, 211);
        toolbar.AddSeparator();
        toolbar.AddButton(32812, 684, u"Add item");
        splitter.BindWithControl(this, 12052);
        splitter.AttachAsLeftPane(12050);
        splitter.AttachAsRightPane(12014);
        splitter.SetMinWidth(166, 100);
        OnCommandRange(1, 60000, [this](UINT id) {
            commands.push_back(id);
            if (id == IDCANCEL)
                EndDialog(IDCANCEL);
            if (id == ID_HELP)
                ++helpCalls;
            if (id == 32812 && whileOpen)
                whileOpen();
        });
        return CxDialog::OnInitDialog();
    }
};

TEST_F(ControlsTest, ToolbarButtonsSendCommandsAndCarryTooltips) {
    Editor editor;
    agent.AddScript("click 57600\nclick 32812\nkey F1\nclick 2");
    editor.whileOpen = [&] { editor.toolbar.EnableButton(57600, false); };
    EXPECT_EQ(editor.DoModal(), IDCANCEL);
    EXPECT_EQ(editor.commands, (std::vector<UINT>{57600, 32812, ID_HELP, IDCANCEL}));
    EXPECT_EQ(editor.helpCalls, 1);

    Editor second;
    ASSERT_TRUE(second.Create(50));
    EXPECT_EQ(second.toolbar.GetToolTipText(57600), u"Clear"); // the command's string
    EXPECT_EQ(second.toolbar.GetToolTipText(32812), u"Add item");
    EXPECT_FALSE(second.toolbar.GetPlace()->IsWindowVisible());
    EXPECT_EQ(second.toolbar.GetRectInParent().TopLeft(),
              second.toolbar.GetPlace()->GetRectInParent().TopLeft());
    EXPECT_EQ(second.toolbar.GetRectInParent().Width(),
              2 * CToolBarCtrl::kButtonSize.cx + CToolBarCtrl::kSeparatorWidth);
}

TEST_F(ControlsTest, ToolbarImagesComeFromTheSharedImagesAndAMissingOneIsRefused) {
    Editor editor;
    ASSERT_TRUE(editor.Create(50));
    CxToolBar& toolbar = editor.toolbar;
    EXPECT_FALSE(toolbar.AddButton(32813, 213)); // no shared image 213
    EXPECT_EQ(toolbar.CommandToIndex(32813), -1);
    EXPECT_EQ(toolbar.GetButtonCount(), 3);
    EXPECT_EQ(toolbar.GetButtonImage(57600), 211);
    EXPECT_EQ(toolbar.GetButtonImage(32812), 684);
    EXPECT_EQ(toolbar.GetButtonImage(32813), -1);

    toolbar.EnableButton(32812, false);
    editor.ShowWindow(SW_SHOW);
    toolbar.Invalidate();
    toolbar.UpdateWindow();
    std::vector<DrawOp> images;
    for (const DrawOp& op : toolbar.GetPaintedDisplayList())
        if (op.kind == DrawKind::Image)
            images.push_back(op);
    ASSERT_EQ(images.size(), 2u);
    EXPECT_EQ(images[0].image.At(0, 0), RGB(0, 0, 211));
    EXPECT_EQ(images[0].rect.Width(), 16);
    EXPECT_TRUE(toolbar.GetItemRect(0).PtInRect(images[0].rect.TopLeft()));
    EXPECT_TRUE(toolbar.GetItemRect(2).PtInRect(images[1].rect.TopLeft()));
    EXPECT_NE(images[1].image.At(0, 0), RGB(0, 0, 684)); // greyed while disabled

    CxButtonLt root;
    EXPECT_TRUE(root.SetImage(211));
    EXPECT_FALSE(root.SetImage(261));
    EXPECT_EQ(root.GetImage(), 211);
}

TEST_F(ControlsTest, DisabledToolbarButtonIsNotClickable) {
    Editor editor;
    agent.AddScript("click 32812\nclick 57600");
    editor.whileOpen = [&] { editor.toolbar.EnableButton(57600, false); };
    EXPECT_THROW(editor.DoModal(), AgentError);
}

TEST_F(ControlsTest, SplitterMovesThePanesWithinTheirMinimumWidths) {
    Editor editor;
    ASSERT_TRUE(editor.Create(50));
    CWnd* left = editor.GetDlgItem(12050);
    CWnd* right = editor.GetDlgItem(12014);
    int leftEdge = left->GetRectInParent().left, rightEdge = right->GetRectInParent().right;

    editor.splitter.SetSplitterPos(250);
    EXPECT_EQ(left->GetRectInParent().right, 250);
    EXPECT_EQ(right->GetRectInParent().left, editor.splitter.GetRectInParent().right);
    EXPECT_EQ(right->GetRectInParent().right, rightEdge);

    editor.splitter.SetSplitterPos(0); // the tree keeps 166 pixels
    EXPECT_EQ(left->GetRectInParent().Width(), 166);
    EXPECT_EQ(left->GetRectInParent().left, leftEdge);

    // Dragging the bar by 40 pixels.
    int before = editor.splitter.GetSplitterPos();
    Drag(editor.splitter, {1, 10}, {41, 10});
    EXPECT_EQ(editor.splitter.GetSplitterPos(), before + 40);
    editor.splitter.SetSplitterPos(10000); // the right pane keeps 100
    EXPECT_EQ(right->GetRectInParent().Width(), 100);
}

TEST_F(ControlsTest, EditorCommandHidesTheDialogAndGivesTheOwnerInput) {
    CWnd host;
    ASSERT_TRUE(host.Create(u"Test", u"Host", WS_POPUP | WS_VISIBLE, {0, 0, 800, 600}, nullptr, 0));
    Editor editor(&host);
    bool ownerEnabledDuringPick = false, dialogHiddenDuringPick = false;
    editor.whileOpen = [&] {
        EXPECT_FALSE(host.IsWindowEnabled()); // modal: the owner waits
        editor.BeginEditorCommand();
        ownerEnabledDuringPick = host.IsWindowEnabled();
        dialogHiddenDuringPick = !editor.IsWindowVisible();
        EXPECT_EQ(GetActiveWindow(), &host);
        editor.CompleteEditorCommand();
    };
    agent.AddScript("click 32812\nclick 2");
    EXPECT_EQ(editor.DoModal(), IDCANCEL);
    EXPECT_TRUE(ownerEnabledDuringPick);
    EXPECT_TRUE(dialogHiddenDuringPick);
    EXPECT_TRUE(host.IsWindowEnabled());
}

TEST_F(ControlsTest, ColourComboOffersTheAskedGroupsAndTheGivenColour) {
    resources.strings[kIdsColorRed] = u"Red";
    CWnd parent;
    ASSERT_TRUE(parent.Create(u"Test", u"", WS_POPUP, {}, nullptr, 0));
    CZnColorComboBox combo;
    ASSERT_TRUE(combo.Create(u"ComboBox", u"", WS_CHILD | CBS_DROPDOWNLIST, {0, 0, 80, 20}, &parent,
                             32934));
    combo.Init(RGB(255, 0, 0), kColorsPrimary);
    EXPECT_EQ(combo.GetCount(), 3);
    EXPECT_EQ(combo.GetWindowTextW(), u"Red");
    EXPECT_EQ(combo.GetColor(), RGB(255, 0, 0));
    combo.Init(RGB(1, 2, 3), 15);
    EXPECT_EQ(combo.GetCount(), 9);
    EXPECT_EQ(combo.GetColor(), RGB(1, 2, 3));
    EXPECT_EQ(combo.GetWindowTextW(), u"1, 2, 3");
    EXPECT_TRUE(combo.SetColor(RGB(0, 0, 255)));
    EXPECT_EQ(combo.GetColor(), RGB(0, 0, 255));
}

TEST_F(ControlsTest, LightButtonWithoutFocusStillClicks) {
    struct Keypad : CWnd {
        int clicks = 0;
        bool OnCmdMsg(UINT id, int code) override {
            clicks += id == 1004 && code == BN_CLICKED;
            return true;
        }
    } keypad;
    ASSERT_TRUE(
        keypad.Create(u"Test", u"Calculator", WS_POPUP | WS_VISIBLE, {0, 0, 200, 200}, nullptr, 0));
    CEdit display;
    ASSERT_TRUE(
        display.Create(u"Edit", u"", WS_CHILD | WS_VISIBLE, {0, 0, 100, 20}, &keypad, 1000));
    CxButtonLt key;
    ASSERT_TRUE(key.Create(u"Button", u"1", WS_CHILD | WS_VISIBLE, {0, 30, 30, 50}, &keypad, 1004));
    key.SetNoFocus();
    key.SetFlat();
    key.SetTextColor(RGB(0, 0, 255));
    display.SetFocus();
    Click(key, {5, 5});
    EXPECT_EQ(keypad.clicks, 1);
    EXPECT_EQ(CWnd::GetFocus(), &display);
    EXPECT_TRUE(key.IsFlat());
}

} // namespace
} // namespace zn::ui::test
