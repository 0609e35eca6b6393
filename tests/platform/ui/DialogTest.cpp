// Dialogs from templates run under the scripted user: ending, data exchange, validation,
// keyboard navigation, command routing, minimum size and placement, and a modeless
// window beside a modal one with the activation and focus that move between them.
#include "platform/ui/Dialog.h"

#include "platform/ui/Button.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Hooks.h"
#include "platform/ui/Input.h"
#include "platform/ui/Placement.h"
#include "platform/ui/PlatformStrings.h"
#include "tests/platform/ui/UiTestSupport.h"

namespace zn::ui::test {
namespace {

constexpr UINT kDialog = 100;
constexpr int kName = 10, kCount = 11, kRemove = 12, kApply = 13, kDisabled = 14;

class NameDialog : public CDialog {
public:
    NameDialog() : CDialog(kDialog) {}
    ZnsStringW name = u"start";
    int count = 5;
    int remove = 0;
    int applied = 0;

protected:
    BOOL OnInitDialog() override {
        OnCommandId(kApply, [this] { ++applied; });
        return CDialog::OnInitDialog();
    }
    void DoDataExchange(CDataExchange* dx) override {
        DDX_Text(dx, kName, name);
        DDX_Text(dx, kCount, count);
        DDV_MinMaxInt(dx, count, 1, 10);
        DDX_Check(dx, kRemove, remove);
    }
};

// A small modeless window with an entry field and one key, as a calculator beside an
// editor.
constexpr UINT kKeypad = 101;
constexpr int kEntry = 30, kKey = 31;

class Keypad : public CDialog {
public:
    Keypad() : CDialog(kKeypad) {}
    int keys = 0;

protected:
    BOOL OnInitDialog() override {
        OnCommandId(kKey, [this] { ++keys; });
        return CDialog::OnInitDialog();
    }
};

class DialogTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        resources.dialogs[kDialog] = dialogTemplate(
            kDialog, u"Names", WS_POPUP | WS_CAPTION | WS_THICKFRAME, {0, 0, 200, 100},
            {
                item(kName, u"Edit", u"", WS_TABSTOP | ES_AUTOHSCROLL),
                item(kCount, u"Edit", u"", WS_TABSTOP, {5, 25, 55, 39}),
                item(kRemove, u"Button", u"Remove", BS_AUTOCHECKBOX | WS_TABSTOP, {5, 45, 80, 55}),
                item(kApply, u"Button", u"Apply", BS_PUSHBUTTON | WS_TABSTOP, {90, 5, 140, 19}),
                item(kDisabled, u"Button", u"Never", BS_PUSHBUTTON | WS_DISABLED,
                     {90, 25, 140, 39}),
                item(IDOK, u"Button", u"OK", BS_DEFPUSHBUTTON | WS_TABSTOP, {90, 60, 140, 74}),
                item(IDCANCEL, u"Button", u"Cancel", BS_PUSHBUTTON | WS_TABSTOP,
                     {145, 60, 195, 74}),
            });
        resources.dialogs[kKeypad] = dialogTemplate(
            kKeypad, u"Keypad", WS_POPUP | WS_CAPTION | WS_VISIBLE, {210, 0, 300, 60},
            {item(kEntry, u"Edit", u"", WS_TABSTOP),
             item(kKey, u"Button", u"7", BS_PUSHBUTTON | WS_TABSTOP, {5, 25, 30, 39})});
        resources.strings[kIdsParseIntRange] = u"Please enter an integer between %1 and %2.";
    }
};

TEST_F(DialogTest, ModalDialogEndsWithTheButtonTheScriptClicked) {
    agent.AddScript("click 2");
    NameDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.name, u"start"); // Cancel exchanges nothing back
    EXPECT_FALSE(dialog.GetSafeHwnd());
    agent.Finish();
}

TEST_F(DialogTest, OkExchangesTypedValuesIntoTheMembers) {
    agent.AddScript("type Alpha\n"
                    "key Tab\n"
                    "type 7\n"
                    "click 13\n"
                    "click 12\n"
                    "key Enter\n");
    NameDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.name, u"Alpha"); // the first field has the focus, its text selected
    EXPECT_EQ(dialog.count, 7);
    EXPECT_EQ(dialog.remove, BST_CHECKED);
    EXPECT_EQ(dialog.applied, 1);
    agent.Finish();
}

TEST_F(DialogTest, ValueOutOfRangeIsReportedAndKeepsTheDialogOpen) {
    agent.AddScript("click 11\ntype 42\nclick 1\nanswer ok\ntype 3\nclick 1\n");
    NameDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.count, 3);
    ASSERT_EQ(RecordedMessageBoxes().size(), 1u);
    EXPECT_EQ(RecordedMessageBoxes()[0].text, u"Please enter an integer between 1 and 10.");
    EXPECT_EQ(RecordedMessageBoxes()[0].answer, IDOK);
}

TEST_F(DialogTest, EscapeAndCloseBoxCancel) {
    agent.AddScript("key Esc");
    NameDialog first;
    EXPECT_EQ(first.DoModal(), IDCANCEL);

    class Closing : public NameDialog {
        BOOL OnInitDialog() override {
            PostMessage(WM_CLOSE);
            return NameDialog::OnInitDialog();
        }
    } second;
    EXPECT_EQ(second.DoModal(), IDCANCEL);
}

TEST_F(DialogTest, ActionsThatDoNotFitFailWithAClearMessage) {
    NameDialog dialog;
    agent.AddScript("click 14");
    try {
        dialog.DoModal();
        FAIL() << "a click on a disabled button was accepted";
    } catch (const AgentError& e) {
        EXPECT_NE(std::string(e.what()).find("control 14 (Never) in \"Names\" is disabled"),
                  std::string::npos)
            << e.what();
    }
    agent.AddScript("answer yes");
    EXPECT_THROW(dialog.DoModal(), AgentError);
    try {
        dialog.DoModal();
        FAIL() << "an empty script answered a dialog";
    } catch (const AgentError& e) {
        EXPECT_NE(std::string(e.what()).find("script ended while \"Names\" waits for input"),
                  std::string::npos);
    }
    // A failed run leaves no window behind.
    EXPECT_FALSE(dialog.GetSafeHwnd());
}

TEST_F(DialogTest, CommandsAreOfferedToAClaimingChildFirst) {
    class Claimant : public CWnd {
    public:
        std::vector<UINT> seen;
        bool OnCmdMsg(UINT id, int code) override {
            if (code == BN_CLICKED)
                seen.push_back(id);
            return id == kApply || CWnd::OnCmdMsg(id, code);
        }
    };
    class Routed : public NameDialog {
    public:
        Claimant child;
        BOOL OnInitDialog() override {
            child.Create(u"Static", u"", WS_CHILD, {}, this, 99);
            RouteCommandsTo(&child);
            return NameDialog::OnInitDialog();
        }
    } dialog;
    agent.AddScript("click 13\nclick 1");
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.applied, 0); // the child claimed Apply
    EXPECT_EQ(dialog.child.seen, (std::vector<UINT>{kApply, IDOK}));
}

TEST_F(DialogTest, UserCannotShrinkBelowMinimumTrackingSize) {
    class Sized : public NameDialog {
        BOOL OnInitDialog() override {
            SetMinTrackSize({250, 200});
            return NameDialog::OnInitDialog();
        }
    } dialog;
    agent.AddScript("resize 100 120\nclick 2");
    CSize seen;
    dialog.OnCommandId(IDCANCEL, [&] {
        seen = dialog.GetRectInParent().Size();
        dialog.EndDialog(IDCANCEL);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(seen, (CSize{250, 200}));
}

TEST_F(DialogTest, PlacementSurvivesItsTextForm) {
    NameDialog dialog;
    ASSERT_TRUE(dialog.Create(kDialog));
    UserResize(dialog, {420, 310});
    WINDOWPLACEMENT placement;
    ASSERT_TRUE(GetWindowPlacement(dialog, placement));
    std::optional<WINDOWPLACEMENT> parsed = ParsePlacement(FormatPlacement(placement));
    ASSERT_TRUE(parsed);
    EXPECT_EQ(*parsed, placement);
    EXPECT_FALSE(ParsePlacement(u"1 2 3"));

    NameDialog other;
    ASSERT_TRUE(other.Create(kDialog));
    ASSERT_TRUE(SetWindowPlacement(other, *parsed));
    EXPECT_EQ(other.GetRectInParent(), dialog.GetRectInParent());
}

TEST_F(DialogTest, MissingTemplateFailsWithoutAWindow) {
    CDialog dialog(4242);
    EXPECT_EQ(dialog.DoModal(), -1);
    EXPECT_FALSE(dialog.Create(4242));
}

TEST_F(DialogTest, ADialogThatCannotInitialiseNeverShows) {
    struct Broken : NameDialog {
        bool shown = false;
        BOOL OnInitDialog() override {
            EndDialog(-1); // a toolbar or control could not be made
            return FALSE;
        }
        LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
            shown = shown || (message == WM_SHOWWINDOW && wParam);
            return NameDialog::WindowProc(message, wParam, lParam);
        }
    } broken;
    EXPECT_EQ(broken.DoModal(), -1); // without asking the user anything
    EXPECT_FALSE(broken.shown);
}

} // namespace
} // namespace zn::ui::test

namespace zn::ui::test {
namespace {

TEST_F(DialogTest, AnEmbeddedDialogIsPartOfTheOuterTabOrderAndKeys) {
    constexpr UINT kPane = 102;
    constexpr int kTables = 32948;
    resources.dialogs[kPane] =
        dialogTemplate(kPane, u"", WS_CHILD | DS_CONTROL | WS_VISIBLE, {0, 80, 90, 100},
                       {item(kTables, u"Edit", u"", WS_TABSTOP)});
    struct Calculator : NameDialog {
        CDialog pane{kPane};
        ZnsStringW tableAtCancel;
        bool paneShownAtCancel = false;
        BOOL OnInitDialog() override {
            pane.Create(kPane, this);
            return NameDialog::OnInitDialog();
        }
        void OnCancel() override {
            tableAtCancel = pane.GetDlgItemTextW(kTables);
            paneShownAtCancel = pane.IsWindowVisible();
            NameDialog::OnCancel();
        }
    } calculator;
    // The first tab stop has the focus although the pane took it while it was made; the
    // pane's field, made last, is the last stop, so Shift+Tab wraps round to it. Esc there
    // cancels the outer dialog, not the pane.
    agent.AddScript("key Shift+Tab\ntype Bolts\nkey Esc");
    EXPECT_EQ(calculator.DoModal(), IDCANCEL);
    EXPECT_EQ(calculator.tableAtCancel, u"Bolts");
    EXPECT_TRUE(calculator.paneShownAtCancel);
}

TEST_F(DialogTest, ButtonItemsAndPositionsByTheDialogsHelpers) {
    DialogTemplate grid;
    grid.id = 20;
    grid.style = WS_POPUP;
    for (int id = 32962; id <= 32970; ++id)
        grid.items.push_back(
            item(id, u"Button", u"", BS_AUTORADIOBUTTON | (id == 32962 ? WS_GROUP : 0)));
    resources.dialogs[20] = grid;
    CDialog justify(20);
    ASSERT_TRUE(justify.Create(20));
    justify.CheckRadioButton(32962, 32970, 32962 + 3 * 2 + 0);
    EXPECT_EQ(justify.GetCheckedRadioButton(32962, 32970), 32968);
    // A click on another button of the group moves the check there.
    CWnd* middle = justify.GetDlgItem(32966);
    middle->SendMessage(BM_CLICK);
    EXPECT_EQ(justify.GetCheckedRadioButton(32962, 32970), 32966);
    EXPECT_EQ(justify.IsDlgButtonChecked(32968), BST_UNCHECKED);

    EXPECT_EQ(justify.SetIcon(101, true), -1);
    EXPECT_EQ(justify.GetIcon(true), 101);
    EXPECT_EQ(justify.GetIcon(false), -1);

    middle->SetWindowPos(0, 0, 40, 30, SWP_NOMOVE | SWP_HIDEWINDOW);
    EXPECT_EQ(middle->GetRectInParent().Size(), (CSize{40, 30}));
    EXPECT_FALSE(middle->IsWindowVisible());
}

TEST_F(DialogTest, ScriptsReachAModelessWindowBesideAModalOneAndComeBack) {
    struct Editor : NameDialog {
        Keypad keypad;
        CWnd* activeAtCancel = nullptr;
        ZnsStringW entryAtCancel;
        BOOL OnInitDialog() override {
            keypad.Create(kKeypad, this);
            return NameDialog::OnInitDialog();
        }
        void OnCancel() override {
            activeAtCancel = GetActiveWindow();
            entryAtCancel = keypad.GetDlgItemTextW(kEntry);
            NameDialog::OnCancel();
        }
    } editor;
    // The keypad's controls are not the editor's: the clicks find them beside it, make the
    // keypad active and the typing goes there; Cancel is the editor's again.
    agent.AddScript("click 30\ntype 42\nclick 31\nclick 2");
    EXPECT_EQ(editor.DoModal(), IDCANCEL);
    EXPECT_EQ(editor.entryAtCancel, u"42");
    EXPECT_EQ(editor.keypad.keys, 1);
    EXPECT_EQ(editor.activeAtCancel, &editor);
    EXPECT_EQ(editor.name, u"start");
}

TEST_F(DialogTest, AnActivatedDialogGetsItsFocusBack) {
    NameDialog names;
    ASSERT_TRUE(names.Create(kDialog));
    names.ShowWindow(SW_SHOW);
    names.GetDlgItem(kCount)->SetFocus();
    Keypad keypad;
    ASSERT_TRUE(keypad.Create(kKeypad));
    EXPECT_EQ(GetActiveWindow(), &keypad);
    EXPECT_EQ(CWnd::GetFocus(), keypad.GetDlgItem(kEntry));

    SetActiveWindow(&names);
    EXPECT_EQ(CWnd::GetFocus(), names.GetDlgItem(kCount));

    // A press anywhere in the keypad makes it active, and the activation hook hears it
    // (the calculator installs its keyboard hook there).
    int activations = 0;
    HHOOK hook = SetWindowsHookEx(WH_CBT, [&](int code, WPARAM hwnd, LPARAM) -> LRESULT {
        activations += code == HCBT_ACTIVATE && HWND(hwnd) == keypad.m_hWnd;
        return 0;
    });
    Click(*keypad.GetDlgItem(kKey), {2, 2});
    UnhookWindowsHookEx(hook);
    EXPECT_EQ(activations, 1);
    EXPECT_EQ(GetActiveWindow(), &keypad);
    EXPECT_EQ(keypad.keys, 1);
    keypad.GetDlgItem(kKey)->EnableWindow(false);
    SetActiveWindow(&names);
    SetActiveWindow(&keypad);
    EXPECT_EQ(CWnd::GetFocus(), keypad.GetDlgItem(kEntry)); // the key can no longer have it
}

} // namespace
} // namespace zn::ui::test
