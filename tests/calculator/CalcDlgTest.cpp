// The calculator window as a user works it: keys pressed on the buttons, on the keyboard
// through the thread hook and typed as characters; expression mode with precision and
// angle changes; copy and paste; Insert and the arrows through the caller's callback; the
// notebook pane's strip; the unit menu over a good and a broken measure document.
#include <gtest/gtest.h>

#include "calculator/CalcDlgIds.h"
#include "calculator/KLVBCalcDlg.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Hooks.h"
#include "platform/ui/Input.h"
#include "platform/ui/ScriptedAgent.h"
#include "resources/ModuleResources.h"

namespace {

using namespace zn::ui;
using namespace calcdlg;

const char16_t* kLengths = uR"xml(<znscalc:schema xmlns:znscalc="urn:test">
  <BaseMeasure bmName="metre" MesureShortName="m">
    <Measure MeasureName="mm" MesureShortName="mm" MeasureFormula="x*1000" MeasureInvertFormula="x/1000"/>
    <Measure MeasureName="cm" MesureShortName="cm" MeasureFormula="x*100" MeasureInvertFormula="x/100"/>
  </BaseMeasure>
</znscalc:schema>)xml";

// A caller's receiver of results that remembers what it was told.
class RecordingSink : public ZnObjectImpl<IDictionaryCallback> {
public:
    ZnsGuid GetClassId() const override { return IDictionaryCallback::IID; }
    HRESULT ReceiveText(const ZnsStringW& text, std::int32_t format) override {
        received.push_back(text);
        formats.push_back(format);
        return S_OK;
    }
    HRESULT Navigate(std::int32_t direction) override {
        directions.push_back(direction);
        return S_OK;
    }
    HRESULT FillCaption(ZnsStringW* caption) override {
        *caption = u"Item " + zn::fromUtf8(std::to_string(directions.size()));
        return S_OK;
    }
    HRESULT WindowClosed(HWND window) override {
        closed = window;
        return S_OK;
    }
    std::vector<ZnsStringW> received;
    std::vector<std::int32_t> formats;
    std::vector<std::int32_t> directions;
    HWND closed = nullptr;
};

class CalcDlgTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_previous = SetUserAgent(&agent);
        ResetClipboard();
        ClearMessageQueue();
        ASSERT_TRUE(dialog.CreateModeless(nullptr));
        dialog.ShowWindow(SW_SHOW);
        SetActiveWindow(&dialog);
    }
    void TearDown() override {
        if (dialog.GetSafeHwnd())
            dialog.DestroyWindow();
        ClearMessageQueue();
        SetUserAgent(m_previous);
    }

    // Script action lines, taken on the calculator window one by one.
    void user(std::string_view lines) {
        size_t start = 0;
        while (start < lines.size()) {
            size_t end = lines.find('\n', start);
            if (end == std::string_view::npos)
                end = lines.size();
            std::string error;
            auto action = ParseScriptAction(lines.substr(start, end - start), &error);
            ASSERT_TRUE(action) << error;
            ApplyInputAction(*action, dialog);
            PumpMessages();
            start = end + 1;
        }
        HoldModifiers(0); // the lines' last key leaves nothing held for direct key presses
    }
    ZnsStringW text(int id) const { return dialog.GetDlgItemTextW(id); }
    bool visible(int id) const { return dialog.GetDlgItem(id)->IsWindowVisible(); }
    bool enabled(int id) const { return dialog.GetDlgItem(id)->IsWindowEnabled(); }

    res::ModuleResourceScope resources;
    ScriptedAgent agent;
    CKLVBCalcDlg dialog;

private:
    UserAgent* m_previous = nullptr;
};

TEST_F(CalcDlgTest, KeypadSequencesOnTheButtons) {
    struct Case {
        const char* clicks;
        const char16_t* shown;
    };
    // Buttons: 1004 "1", 1005 "2", 1012 "3", 1009 "4", 1008 "9", 1017 "0", 1020 "/",
    // 1021 "*", 1023 "+", 1025 square root, 1040 "(", 1028 "=", 1003 "C".
    const Case cases[] = {
        {"1005 1023 1012 1021 1009 1028", u"14."},
        {"1008 1025", u"3."},
        {"1008 1025 1023 1004 1028", u"4."},
        {"1005 1021 1040 1012 1023 1009 1028", u"7."},
        {"1004 1020 1017 1028", u"Invalid input for function"},
        {"1004 1020 1017 1028 1005", u"Invalid input for function"},
    };
    for (const Case& c : cases) {
        user("click 1003");
        std::string clicks = c.clicks;
        for (size_t at = 0; at < clicks.size();) {
            size_t end = std::min(clicks.find(' ', at), clicks.size());
            user("click " + clicks.substr(at, end - at));
            at = end + 1;
        }
        EXPECT_EQ(text(IDC_DISPLAY), c.shown) << c.clicks;
    }
}

TEST_F(CalcDlgTest, PrecisionRoundsTheShownTextAndStaysOnIt) {
    user("click 1016 \"0.00\"\nclick 1004\nclick 1020\nclick 1012\nclick 1028");
    EXPECT_EQ(text(IDC_DISPLAY), u"0.33");
    user("click 1016 \"0.000000\"");
    EXPECT_EQ(text(IDC_DISPLAY), u"0.33") << "the shown text is rounded again, not the result";
    user("click 1003\nclick 1016 \"0\"\nclick 1004\nclick 1020\nclick 1012\nclick 1028");
    EXPECT_EQ(text(IDC_DISPLAY), u"0.");
}

TEST_F(CalcDlgTest, TheKeyboardHookPressesTheButtonsWhileTheCalculatorIsActive) {
    ASSERT_TRUE(dialog.KeyboardHookInstalled());
    // Digits and Enter as keys, the operators from the number block.
    user("key 2\nkey Ctrl+Up");
    KeyPress(0x6B); // number block "+"
    user("key 3");
    KeyPress(0x6A); // number block "*"
    user("key 4\nkey Enter");
    EXPECT_EQ(text(IDC_DISPLAY), u"14.");
    user("key Esc");
    EXPECT_EQ(text(IDC_DISPLAY), u"0.");

    // Characters typed at the keypad reach the same buttons; Backspace and Delete act on
    // the entry.
    user("type 2*(3+4\\n");
    EXPECT_EQ(text(IDC_DISPLAY), u"7.");
    user("key Esc\ntype 125\nkey Back");
    EXPECT_EQ(text(IDC_DISPLAY), u"12.");
    user("key Delete");
    EXPECT_EQ(text(IDC_DISPLAY), u"0.");

    // Another window made active takes the hook away; coming back puts it in place.
    CWnd other;
    ASSERT_TRUE(other.CreateEx(0, u"Static", u"other", WS_POPUP | WS_VISIBLE, CRect{0, 0, 50, 50},
                               nullptr, 0));
    SetActiveWindow(&other);
    EXPECT_FALSE(dialog.KeyboardHookInstalled());
    KeyPress('5');
    EXPECT_EQ(text(IDC_DISPLAY), u"0.");
    SetActiveWindow(&dialog);
    EXPECT_TRUE(dialog.KeyboardHookInstalled());
    KeyPress('5');
    EXPECT_EQ(text(IDC_DISPLAY), u"5.");

    dialog.DestroyWindow();
    EXPECT_EQ(CallHooks(WH_KEYBOARD, HC_ACTION, '5', 1), 0) << "no hook outlives the window";
}

TEST_F(CalcDlgTest, ExpressionModeWithPrecisionAndAngles) {
    user("menu 32959");
    EXPECT_TRUE(visible(IDC_EXPRESSION));
    EXPECT_TRUE(visible(IDC_EXPRESSION_RESULT));
    EXPECT_FALSE(visible(IDC_DISPLAY));
    EXPECT_FALSE(enabled(IDC_CLEAR_ENTRY));
    EXPECT_FALSE(enabled(IDC_BACKSPACE));
    EXPECT_EQ(dialog.GetDlgItem(IDC_EXPRESSION_RESULT)->GetRectInParent().left,
              dialog.GetDlgItem(IDC_EXPRESSION)->GetRectInParent().right + 20);
    EXPECT_EQ(CWnd::GetFocus(), dialog.GetDlgItem(IDC_EXPRESSION));

    // Buttons insert at the caret of what the user typed.
    user("click 1005\nclick 1021\ntype (3+\nclick 1009\nclick 1041\nkey Enter");
    EXPECT_EQ(text(IDC_EXPRESSION), u"2*(3+4)");
    EXPECT_EQ(text(IDC_EXPRESSION_RESULT), u"14.");

    user("click 1003\nclick 1045\ntype 90)\nclick 1028");
    EXPECT_EQ(text(IDC_EXPRESSION), u"sin(90)");
    EXPECT_EQ(text(IDC_EXPRESSION_RESULT), u"1.");
    user("menu 32952\nclick 1028");
    EXPECT_TRUE(dialog.IsDlgButtonChecked(IDC_RADIANS));
    EXPECT_EQ(text(IDC_EXPRESSION_RESULT), u"0.893997");
    user("click 1016 \"0.00\"");
    EXPECT_EQ(text(IDC_EXPRESSION_RESULT), u"0.89");
    user("click 32955\nclick 1028");
    EXPECT_TRUE(dialog.GetMenu()->GetMenuState(ID_VIEW_DEGREES, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_EQ(text(IDC_EXPRESSION_RESULT), u"1.");

    // Leaving clears everything and gives the keypad back.
    user("menu 32959");
    EXPECT_TRUE(visible(IDC_DISPLAY));
    EXPECT_FALSE(visible(IDC_EXPRESSION));
    EXPECT_TRUE(enabled(IDC_CLEAR_ENTRY));
    EXPECT_EQ(text(IDC_DISPLAY), u"0.");
    EXPECT_EQ(text(IDC_EXPRESSION_RESULT), u"");
}

TEST_F(CalcDlgTest, CopyAndPasteOfAMeasuredText) {
    SetClipboardText(nullptr, u"1 234,5 mm");
    user("key Ctrl+V");
    EXPECT_EQ(text(IDC_DISPLAY), u"1234.5");
    SetClipboardText(nullptr, u"-1 234,5 mm");
    user("menu 32772");
    EXPECT_EQ(text(IDC_DISPLAY), u"-1234.5");
    SetClipboardText(nullptr, u"mm");
    user("key Shift+Insert");
    EXPECT_EQ(text(IDC_DISPLAY), u"-1234.5") << "a text without digits changes nothing";
    user("click 1023\nclick 1004\nclick 1028\nkey Ctrl+C");
    EXPECT_EQ(GetClipboardText(), u"-1233.5");

    // In expression mode the text goes in at the caret, with its comma made a point.
    user("menu 32959\ntype 2*\nkey Ctrl+Insert");
    EXPECT_EQ(GetClipboardText(), u"2*");
    SetClipboardText(nullptr, u"1,5");
    user("key Ctrl+V\nkey Enter");
    EXPECT_EQ(text(IDC_EXPRESSION), u"2*1.5");
    EXPECT_EQ(text(IDC_EXPRESSION_RESULT), u"3.");
}

TEST_F(CalcDlgTest, InsertAndArrowsGoThroughTheCallerSink) {
    auto sink = ZnPtr<RecordingSink>::Adopt(new RecordingSink);
    dialog.SetResultSink(sink.get());
    dialog.SetUp(u"", nullptr, true, true);
    user("click 1005\nclick 1023\nclick 1012\nclick 1028\nclick 1056\nkey Ctrl+Enter");
    EXPECT_EQ(sink->received, (std::vector<ZnsStringW>{u"5", u"5"}));
    EXPECT_EQ(sink->formats, (std::vector<std::int32_t>{1, 1}));

    user("click 1052\nkey Ctrl+Right\nclick 1051\nkey Ctrl+Down");
    EXPECT_EQ(sink->directions, (std::vector<std::int32_t>{1, 2, 4, 8}));
    EXPECT_EQ(text(IDC_GROUP), u"Item 4");

    // Without Insert and the group, as the host command runs it, neither reaches the sink.
    dialog.SetUp(u"7", nullptr, false, false);
    EXPECT_EQ(text(IDC_DISPLAY), u"7.");
    EXPECT_FALSE(visible(IDC_GROUP));
    user("key Ctrl+Enter\nkey Ctrl+Left");
    EXPECT_EQ(sink->received.size(), 2u);
    EXPECT_EQ(sink->directions.size(), 4u);

    const HWND window = dialog.GetSafeHwnd();
    dialog.DestroyWindow();
    EXPECT_EQ(sink->closed, window);
}

TEST_F(CalcDlgTest, TheNotebookPaneWidensTheWindowBy194Pixels) {
    const int width = dialog.GetWindowRect().Width();
    const int clientRight = dialog.GetClientRect().right;
    EXPECT_EQ(text(IDC_NOTEBOOK_TOGGLE), u">>");
    EXPECT_FALSE(dialog.NotebookPane()->IsWindowVisible());

    user("click 32953");
    EXPECT_EQ(dialog.GetWindowRect().Width(), width + 194);
    EXPECT_EQ(text(IDC_NOTEBOOK_TOGGLE), u"<<");
    EXPECT_TRUE(dialog.NotebookPane()->IsWindowVisible());
    const CRect pane = dialog.NotebookPane()->GetRectInParent();
    EXPECT_EQ(pane.left, clientRight - 4);
    EXPECT_EQ(pane.right, clientRight + 196);
    EXPECT_TRUE(dialog.GetMenu()->GetMenuState(ID_VIEW_NOTEBOOK, MF_BYCOMMAND) & MF_CHECKED);

    user("menu 32776");
    EXPECT_EQ(dialog.GetWindowRect().Width(), width);
    EXPECT_EQ(text(IDC_NOTEBOOK_TOGGLE), u">>");
    EXPECT_FALSE(dialog.NotebookPane()->IsWindowVisible());
}

TEST_F(CalcDlgTest, TheUnitMenuAttachesAndConvertsTheShownValue) {
    dialog.SetMeasureDocument(kLengths);
    user("click 1005");
    agent.AddScript("menu 35001"); // metre: attaches only
    user("click 32988");
    EXPECT_EQ(text(IDC_MEASURE_NAME), u"m");
    EXPECT_EQ(text(IDC_DISPLAY), u"2.");
    agent.AddScript("menu 35002"); // mm
    user("click 32988");
    EXPECT_EQ(text(IDC_DISPLAY), u"2000.");
    EXPECT_EQ(text(IDC_MEASURE_NAME), u"mm");
    agent.AddScript("menu 35003"); // cm, through the base
    user("click 32988");
    EXPECT_EQ(text(IDC_DISPLAY), u"200.");
    agent.AddScript("menu 35000"); // change measure system: detaches
    user("click 32988");
    EXPECT_EQ(text(IDC_MEASURE_NAME), u"");
    EXPECT_EQ(text(IDC_DISPLAY), u"200.");
    EXPECT_EQ(agent.Remaining(), 0u);
}

TEST_F(CalcDlgTest, AMeasureDocumentThatDoesNotLoadOffersNoMenuAndConvertsNothing) {
    dialog.SetMeasureDocument(u"<znscalc:schema><BaseMeasure bmName=");
    user("click 1005\nclick 1017");
    // With no menu to show the user is not asked anything: an empty script does not fail.
    user("click 32988");
    EXPECT_TRUE(dialog.Measures().MeasureNames().empty());
    EXPECT_EQ(text(IDC_DISPLAY), u"20.");
    EXPECT_EQ(text(IDC_MEASURE_NAME), u"");
}

TEST(NotebookCallbackDefault, PastesIntoItsTargetOrRefusesWithoutOne) {
    res::ModuleResourceScope resources;
    ResetClipboard();
    auto callback = ZnPtr<CNotebookCallbackDefault>::Adopt(new CNotebookCallbackDefault);
    EXPECT_EQ(callback->ReceiveText(u"12", 1), E_HANDLE);

    CWnd frame;
    ASSERT_TRUE(
        frame.CreateEx(0, u"Static", u"", WS_POPUP | WS_VISIBLE, CRect{0, 0, 200, 50}, nullptr, 0));
    CWnd* edit =
        frame.CreateOwnedChild(u"Edit", u"a=", WS_CHILD | WS_VISIBLE, CRect{0, 0, 100, 20}, 5);
    ASSERT_NE(edit, nullptr);
    edit->SendMessage(EM_SETSEL, 2, 2);
    callback->SetTarget(edit->GetSafeHwnd());
    EXPECT_EQ(callback->ReceiveText(u"12", 1), S_OK);
    EXPECT_EQ(edit->GetWindowTextW(), u"a=12");
    frame.DestroyWindow();
    EXPECT_EQ(callback->ReceiveText(u"12", 1), E_HANDLE);
}

} // namespace
