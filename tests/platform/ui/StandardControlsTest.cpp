// The standard controls under the user's hands: edit fields, combo and list boxes, radio
// groups, tab order, tooltips and subclassing of template items.
#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Input.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/ToolTip.h"
#include "tests/platform/ui/UiTestSupport.h"

namespace zn::ui::test {
namespace {

constexpr UINT kForm = 300;
constexpr int kName = 10, kNotes = 11, kStyle = 12, kInterval = 13, kUnits = 14;
constexpr int kLeft = 20, kCenter = 21, kRight = 22, kHidden = 23, kDisabled = 24;

class Form : public CDialog {
public:
    Form() : CDialog(kForm) {}
    ZnsStringW name, style = u"Standard", interval;
    int alignment = 1;
    int styleIndex = -1;
    std::vector<int> notifications;

protected:
    BOOL OnInitDialog() override {
        auto* styles = static_cast<CComboBox*>(GetDlgItem(kStyle));
        for (std::u16string s : {u"Standard", u"ISO", u"Gost", u"Architectural"})
            styles->AddString(s);
        auto* intervals = static_cast<CComboBox*>(GetDlgItem(kInterval));
        for (std::u16string s : {u"Single (1x)", u"Double (2x)"})
            intervals->AddString(s);
        auto* units = static_cast<CListBox*>(GetDlgItem(kUnits));
        for (std::u16string s : {u"mm", u"cm", u"m"})
            units->AddString(s);
        OnNotifyCode(kStyle, CBN_SELCHANGE, [this](NMHDR*) {
            notifications.push_back(CBN_SELCHANGE);
            return 0;
        });
        OnNotifyCode(kUnits, LBN_DBLCLK, [this](NMHDR*) {
            notifications.push_back(LBN_DBLCLK);
            return 0;
        });
        return CDialog::OnInitDialog();
    }
    void DoDataExchange(CDataExchange* dx) override {
        DDX_Text(dx, kName, name);
        DDV_MaxChars(dx, name, 8);
        DDX_CBString(dx, kStyle, style);
        DDX_CBIndex(dx, kStyle, styleIndex);
        DDX_CBString(dx, kInterval, interval);
        DDX_Radio(dx, kLeft, alignment);
    }
};

class StandardControlsTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        resources.dialogs[kForm] = dialogTemplate(
            kForm, u"Form", WS_POPUP | WS_CAPTION, {0, 0, 300, 200},
            {
                item(kName, u"Edit", u"", WS_TABSTOP | ES_AUTOHSCROLL, {5, 5, 100, 19}),
                item(kHidden, u"Edit", u"", WS_TABSTOP, {5, 25, 100, 39}),
                item(kNotes, u"Edit", u"", WS_TABSTOP | ES_MULTILINE | ES_WANTRETURN,
                     {5, 45, 100, 79}),
                item(kDisabled, u"Edit", u"", WS_TABSTOP | WS_DISABLED, {5, 85, 100, 99}),
                item(kStyle, u"ComboBox", u"", WS_TABSTOP | CBS_DROPDOWNLIST | CBS_SORT,
                     {110, 5, 200, 19}),
                item(kInterval, u"ComboBox", u"", WS_TABSTOP | CBS_DROPDOWN, {110, 25, 200, 39}),
                item(kUnits, u"ListBox", u"", WS_TABSTOP | LBS_NOTIFY, {110, 45, 200, 99}),
                item(kLeft, u"Button", u"Left", BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP,
                     {210, 5, 260, 15}),
                item(kCenter, u"Button", u"Center", BS_AUTORADIOBUTTON, {210, 20, 260, 30}),
                item(kRight, u"Button", u"Right", BS_AUTORADIOBUTTON, {210, 35, 260, 45}),
                item(IDOK, u"Button", u"OK", BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP,
                     {210, 170, 250, 184}),
                item(IDCANCEL, u"Button", u"Cancel", BS_PUSHBUTTON | WS_TABSTOP,
                     {255, 170, 295, 184}),
            });
        resources.strings[61716] = u"Please enter no more than %1 characters.";
    }
};

TEST_F(StandardControlsTest, ListsSortSelectByTypingAndExchangeTheirValues) {
    agent.AddScript("click 12\ntype G\nclick 13\ntype 1.5x\nclick 14 \"cm\"\ndblclick 14 "
                    "\"m\"\nclick 22\nclick 1");
    Form form;
    EXPECT_EQ(form.DoModal(), IDOK);
    EXPECT_EQ(form.style, u"Gost");
    EXPECT_EQ(form.styleIndex, 1); // Architectural, Gost, ISO, Standard
    EXPECT_EQ(form.interval, u"1.5x");
    EXPECT_EQ(form.alignment, 2);
    EXPECT_EQ(form.notifications, (std::vector<int>{CBN_SELCHANGE, LBN_DBLCLK}));
    agent.Finish();
}

TEST_F(StandardControlsTest, ComboEntriesAnswerByMessage) {
    Form form;
    ASSERT_TRUE(form.Create(kForm));
    CWnd& styles = *form.GetDlgItem(kStyle);
    EXPECT_EQ(styles.SendMessage(CB_SELECTSTRING, WPARAM(-1), LPARAM(u"is")), 2); // sorted: ISO
    EXPECT_EQ(styles.GetWindowTextW(), u"ISO");
    EXPECT_EQ(styles.SendMessage(CB_SELECTSTRING, WPARAM(-1), LPARAM(u"metric")), CB_ERR);
    EXPECT_EQ(styles.SendMessage(CB_GETCURSEL), 2); // a failed selection keeps the old one
    char16_t text[32];
    EXPECT_EQ(styles.SendMessage(CB_GETLBTEXTLEN, 0), 13);
    EXPECT_EQ(styles.SendMessage(CB_GETLBTEXT, 0, LPARAM(text)), 13);
    EXPECT_EQ(std::u16string(text), u"Architectural");
    EXPECT_EQ(styles.SendMessage(CB_GETLBTEXT, 4, LPARAM(text)), CB_ERR);
}

TEST_F(StandardControlsTest, TabSkipsHiddenAndDisabledControlsAndShiftTabGoesBack) {
    Form form;
    ASSERT_TRUE(form.Create(kForm));
    form.GetDlgItem(kHidden)->ShowWindow(SW_HIDE);
    form.ShowWindow(SW_SHOW);
    form.GotoDlgCtrl(form.GetDlgItem(kName));
    KeyPress(VK_TAB);
    EXPECT_EQ(CWnd::GetFocus(), form.GetDlgItem(kNotes));
    // The multi-line field keeps Enter and Tab moves on past the disabled field.
    KeyPress(VK_RETURN);
    EXPECT_EQ(form.GetDlgItemTextW(kNotes), u"\r\n");
    KeyPress(VK_TAB);
    EXPECT_EQ(CWnd::GetFocus(), form.GetDlgItem(kStyle));
    KeyPress(VK_TAB, kModShift);
    EXPECT_EQ(CWnd::GetFocus(), form.GetDlgItem(kNotes));
}

TEST_F(StandardControlsTest, TooLongTextIsRefusedWithTheLimitInTheMessage) {
    // The refused field gets the focus back with its text selected.
    agent.AddScript("click 10\ntype Technical\nclick 1\nanswer ok\ntype Tech\nclick 1");
    Form form;
    EXPECT_EQ(form.DoModal(), IDOK);
    EXPECT_EQ(form.name, u"Tech");
    ASSERT_EQ(RecordedMessageBoxes().size(), 1u);
    EXPECT_EQ(RecordedMessageBoxes()[0].text, u"Please enter no more than 8 characters.");
}

TEST_F(StandardControlsTest, EditFieldsKeepTheirLimitSelectionAndReadOnlyState) {
    CWnd parent;
    ASSERT_TRUE(parent.Create(u"Test", u"", WS_POPUP | WS_VISIBLE, {0, 0, 300, 100}, nullptr, 0));
    CEdit edit;
    ASSERT_TRUE(edit.Create(u"Edit", u"", WS_CHILD | WS_VISIBLE, {0, 0, 100, 20}, &parent, 5));
    edit.SetFocus();
    edit.SetLimitText(5);
    TypeText(u"123456789");
    EXPECT_EQ(edit.GetWindowTextW(), u"12345");
    EXPECT_TRUE(edit.GetModify());

    KeyPress(VK_HOME);
    KeyPress(VK_RIGHT, kModShift);
    KeyPress(VK_RIGHT, kModShift);
    int start = 0, end = 0;
    edit.GetSel(start, end);
    EXPECT_EQ(std::pair(start, end), std::pair(0, 2));
    KeyPress('X', kModCtrl);
    EXPECT_EQ(edit.GetWindowTextW(), u"345");
    KeyPress(VK_END);
    KeyPress('V', kModCtrl);
    EXPECT_EQ(edit.GetWindowTextW(), u"34512");

    edit.SetReadOnly();
    TypeText(u"x");
    KeyPress(VK_DELETE);
    EXPECT_EQ(edit.GetWindowTextW(), u"34512");
    edit.SetWindowTextW(u"new");
    EXPECT_FALSE(edit.GetModify()); // set by the program, not typed
}

TEST_F(StandardControlsTest, TooltipsAndSubclassedItems) {
    resources.strings[IDOK] = u"Place text automatically";
    Form form;
    ASSERT_TRUE(form.Create(kForm));
    CToolTipCtrl tips;
    ASSERT_TRUE(tips.Create(&form));
    EXPECT_EQ(tips.GetOwner(), &form);
    tips.AddTool(form.GetDlgItem(IDOK), UINT(IDOK));
    tips.AddTool(form.GetDlgItem(IDCANCEL), u"Cancel editing");
    EXPECT_EQ(tips.TipFor(form.GetDlgItem(IDOK)), u""); // not active yet
    tips.Activate(true);
    EXPECT_EQ(tips.TipFor(form.GetDlgItem(IDOK)), u"Place text automatically");
    EXPECT_EQ(tips.GetToolCount(), 2);

    CButton* ok = static_cast<CButton*>(form.GetDlgItem(IDOK));
    HWND handle = ok->m_hWnd;
    CRect rect = ok->GetRectInParent();
    CButton replacement;
    ASSERT_TRUE(replacement.SubclassDlgItem(IDOK, &form));
    EXPECT_EQ(replacement.m_hWnd, handle);
    EXPECT_EQ(CWnd::FromHandle(handle), &replacement);
    EXPECT_EQ(form.GetDlgItem(IDOK), &replacement);
    EXPECT_EQ(replacement.GetRectInParent(), rect);
    EXPECT_EQ(replacement.GetWindowTextW(), u"OK");
    EXPECT_EQ(tips.TipFor(&replacement), u"Place text automatically"); // the same tool
    EXPECT_FALSE(replacement.SubclassDlgItem(IDOK, &form));
}

TEST_F(StandardControlsTest, TooltipShowsWhileThePointerRestsOnATool) {
    resources.strings[IDCANCEL] = u"Cancel editing";
    // The dialog passes the mouse messages of its controls to its tooltip.
    struct TippedForm : Form {
        CToolTipCtrl tips;
        bool PreTranslateMessage(MSG& msg) override {
            tips.RelayEvent(msg);
            return Form::PreTranslateMessage(msg);
        }
    } form;
    ASSERT_TRUE(form.Create(kForm));
    form.ShowWindow(SW_SHOW);
    ASSERT_TRUE(form.tips.Create(&form));
    // Raised above the dialog; a move that leaves the order alone keeps it there.
    form.tips.SetWindowPos(HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_FALSE(form.tips.GetExStyle() & WS_EX_TOPMOST);
    form.tips.SetWindowPos(HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    form.tips.SetWindowPos(HWND_NOTOPMOST, 5, 5, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_TRUE(form.tips.GetExStyle() & WS_EX_TOPMOST);
    EXPECT_EQ(form.tips.GetRectInParent().TopLeft(), (CPoint{5, 5}));
    form.tips.AddTool(form.GetDlgItem(IDCANCEL), UINT(IDCANCEL));
    form.tips.Activate(true);
    CWnd& cancel = *form.GetDlgItem(IDCANCEL);

    MoveMouse(cancel, {3, 3});
    EXPECT_EQ(form.tips.GetShownTip(), u"Cancel editing");
    MoveMouse(*form.GetDlgItem(kName), {3, 3}); // no tip of its own
    EXPECT_EQ(form.tips.GetShownTip(), u"");
    MoveMouse(cancel, {4, 4});
    form.tips.Activate(false);
    EXPECT_EQ(form.tips.GetShownTip(), u"");
    form.tips.Activate(true);
    Click(*form.GetDlgItem(kUnits), {2, 2}); // a press hides it
    EXPECT_EQ(form.tips.GetShownTip(), u"");
}

} // namespace
} // namespace zn::ui::test
