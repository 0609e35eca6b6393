// The rich-edit control window and the formatted edit control over it: typing and keys,
// the clipboard, notifications to the parent, the context menu and the text converter.
#include "host/controls/CxFtEdit.h"

#include "platform/ui/Clipboard.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/Input.h"
#include "platform/ui/ToolBar.h"
#include "tests/platform/ui/UiTestSupport.h"

namespace zn::ui::test {
namespace {

using richedit::CharFormat;

class Parent : public CWnd {
public:
    int changes = 0;
    int selChanges = 0;
    LRESULT protectedAnswer = 1;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_COMMAND && HIWORD(wParam) == unsigned(EN_CHANGE))
            ++changes;
        if (message == WM_NOTIFY) {
            int code = reinterpret_cast<NMHDR*>(lParam)->code;
            selChanges += code == EN_SELCHANGE;
            if (code == EN_PROTECTED)
                return protectedAnswer;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

class FtEditTest : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        ASSERT_TRUE(
            parent.Create(u"Test", u"Editor", WS_POPUP | WS_VISIBLE, {0, 0, 400, 300}, nullptr, 0));
        ASSERT_TRUE(edit.Create(WS_VISIBLE | ES_MULTILINE | ES_WANTRETURN, {0, 0, 300, 200},
                                &parent, 12014));
        edit.SetFocus();
    }
    CharFormat formatAt(int position) const { return edit.GetCharFormat(position, position + 1); }

    Parent parent;
    CxFtEdit edit;
};

TEST_F(FtEditTest, KeysTypeEditAndMoveTheCaret) {
    agent.AddScript(
        "type First\nkey Enter\ntype Secnd\nkey Left\nkey Left\nkey Left\ntype o\n"
        "key Home\nkey Shift+End\nkey Back\ntype Second line\nkey Up\nkey Ctrl+A\nkey Ctrl+B");
    while (agent.Remaining())
        agent.ProvideInput(parent);
    EXPECT_EQ(edit.GetText(), u"First\rSecond line");
    CharFormat bold = edit.GetCharFormat(0, edit.GetTextLength());
    EXPECT_TRUE((bold.mask & richedit::CFM_BOLD) && (bold.effects & richedit::CFE_BOLD));
    EXPECT_EQ(edit.GetWindowTextW(), u"First\r\nSecond line");

    KeyPress('Z', kModCtrl); // one step back: bold is gone again
    EXPECT_FALSE(formatAt(0).effects & richedit::CFE_BOLD);
}

TEST_F(FtEditTest, ClipboardCarriesRichTextBetweenControls) {
    edit.SetText(u"steel 45");
    edit.SetSel(0, 5);
    edit.SendMessage(WM_COMMAND, MAKEWPARAM(ID_FT_BOLD, 0));
    KeyPress('C', kModCtrl);
    EXPECT_EQ(GetClipboardText(), u"steel");
    EXPECT_TRUE(IsClipboardFormatAvailable(ClipboardFormatRtf()));

    CxFtEdit other;
    ASSERT_TRUE(other.Create(WS_VISIBLE | ES_MULTILINE, {0, 200, 300, 300}, &parent, 12015));
    other.SetFocus();
    KeyPress(VK_INSERT, kModShift);
    EXPECT_EQ(other.GetText(), u"steel");
    EXPECT_TRUE(other.GetCharFormat(0, 5).effects & richedit::CFE_BOLD);

    other.SetReadOnly(true);
    KeyPress('V', kModCtrl);
    EXPECT_EQ(other.GetText(), u"steel");
    other.SetReadOnly(false);
    edit.SetFocus();
    edit.SetSel(0, 5);
    KeyPress(VK_DELETE, kModShift); // cut
    EXPECT_EQ(edit.GetText(), u" 45");
}

TEST_F(FtEditTest, ParentHearsChangesAndMayRefuseProtectedEdits) {
    edit.SetText(u"1. Item");
    edit.SendMessage(
        EM_SETEVENTMASK, 0,
        LPARAM(richedit::ENM_CHANGE | richedit::ENM_SELCHANGE | richedit::ENM_PROTECTED));
    CharFormat protect;
    protect.mask = richedit::CFM_PROTECTED;
    protect.effects = richedit::CFE_PROTECTED;
    edit.SetCharFormat(0, 3, protect);
    int changesBefore = parent.changes;

    edit.SetSel(1, 1);
    TypeText(u"x"); // inside the protected number: refused
    EXPECT_EQ(edit.GetText(), u"1. Item");
    edit.SetSel(7, 7);
    TypeText(u"s");
    EXPECT_EQ(edit.GetText(), u"1. Items");
    EXPECT_GT(parent.changes, changesBefore);
    EXPECT_GT(parent.selChanges, 0);

    parent.protectedAnswer = 0; // the parent lets it through
    edit.SetSel(0, 0);
    TypeText(u"1");
    EXPECT_EQ(edit.GetText(), u"11. Items");
}

TEST_F(FtEditTest, ContextMenuFollowsTheSwitchesAndCarriesOutTheChoice) {
    class Derived : public CxFtEdit {
    protected:
        LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
            if (message == ZNM_CONTEXTMENU_BUILD) {
                auto* menu = reinterpret_cast<CMenu*>(lParam);
                EXPECT_EQ(menu->GetMenuItemCount(), 0); // before the control's own entries
                menu->AppendMenu(MF_STRING, 32812, u"Add technical condition");
                menu->AppendMenu(MF_SEPARATOR);
                return 0;
            }
            if (message == WM_COMMAND && LOWORD(wParam) == 32812) {
                ReplaceSel(u"\r2. ");
                return 1;
            }
            return CxFtEdit::WindowProc(message, wParam, lParam);
        }
    } derived;
    ASSERT_TRUE(derived.Create(WS_VISIBLE | ES_MULTILINE, {0, 0, 300, 200}, &parent, 12016));
    derived.SetText(u"1. x");
    derived.AllowPaste(false);
    derived.AllowSuperscripts();

    std::vector<CMenu::Entry> shown;
    struct Recorder : ScriptedAgent {
        std::vector<CMenu::Entry>* seen;
        unsigned ChooseMenuCommand(const CMenu& menu) override {
            *seen = menu.Entries();
            return ScriptedAgent::ChooseMenuCommand(menu);
        }
    } recorder;
    recorder.seen = &shown;
    recorder.AddScript("menu 32816\nmenu 32812");
    SetUserAgent(&recorder);
    derived.SetSel(3, 4);
    Click(derived, {10, 5}, MouseButton::Right);
    auto has = [&](UINT id) {
        return std::any_of(shown.begin(), shown.end(),
                           [id](const CMenu::Entry& e) { return e.id == id; });
    };
    EXPECT_FALSE(has(ID_EDIT_PASTE_TEXT));
    EXPECT_TRUE(has(ID_FT_SUPERSCRIPT));
    EXPECT_FALSE(has(ID_FT_SUBSCRIPT));
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(shown.front().id, 32812u); // the derived class's own entry comes first
    EXPECT_EQ(recorder.Remaining(), 1u);  // one menu for one click
    EXPECT_TRUE(derived.IsSelectionScript(CxFtEdit::Script::Raised));
    EXPECT_EQ(derived.GetCharFormat(3, 4).height, derived.GetDefaultCharFormat().height * 3 / 4);

    // The menu opens as the button goes down (a derived control that keeps the press for
    // itself has no menu); the release asks for nothing more.
    derived.SetSel(4, 4);
    derived.SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(10, 5));
    EXPECT_EQ(derived.GetText(), u"1. x\r2. ");
    derived.SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(10, 5));
    SetUserAgent(&agent);
    recorder.Finish();
}

// The editor's toolbar is owned by the control and sends its handle along; the dialog's menu
// commands are routed to the control. Both reach a derived control's window procedure first
// and then the control's own handlers; what the control leaves reaches the dialog.
TEST_F(FtEditTest, CommandsFromAToolbarAndARoutedMenuReachTheControl) {
    class Derived : public CxFtEdit {
    public:
        std::vector<UINT> seen;

    protected:
        LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
            if (message == WM_COMMAND && IsCommandCode(wParam))
                seen.push_back(LOWORD(wParam));
            return CxFtEdit::WindowProc(message, wParam, lParam);
        }
    };
    struct Host : CDialog {
        Derived editor;
        CToolBarCtrl toolbar;
        CMenu menuBar;
        std::vector<UINT> own;
        BOOL OnInitDialog() override {
            CMenu edit;
            edit.CreatePopupMenu();
            edit.AppendMenu(MF_STRING, ID_FT_SUBSCRIPT, u"Subscript");
            edit.AppendMenu(MF_STRING, 57600, u"Clear");
            menuBar.CreateMenu();
            menuBar.AppendMenu(MF_POPUP, edit, u"Edit");
            SetMenu(&menuBar);
            editor.Create(WS_VISIBLE | ES_MULTILINE, {0, 30, 200, 150}, this, 12014);
            toolbar.Create(WS_VISIBLE, {0, 0, 200, 24}, this, 12010);
            toolbar.SetOwner(&editor);
            TBBUTTON superscript;
            superscript.idCommand = int(ID_FT_SUPERSCRIPT);
            toolbar.AddButton(superscript);
            RouteCommandsTo(&editor);
            OnCommandRange(1, 60000, [this](UINT id) { own.push_back(id); });
            return CDialog::OnInitDialog();
        }
    } host;
    ASSERT_TRUE(
        host.CreateIndirect(dialogTemplate(60, u"Host", WS_POPUP | WS_VISIBLE, {0, 0, 300, 200})));
    host.editor.SetText(u"x2 y2");
    host.editor.SetSel(1, 2);
    agent.AddScript("click 32816");
    agent.ProvideInput(host);
    EXPECT_TRUE(host.editor.IsSelectionScript(CxFtEdit::Script::Raised));

    host.editor.SetSel(4, 5);
    agent.AddScript("menu 32817\nmenu 57600");
    agent.ProvideInput(host);
    EXPECT_TRUE(host.editor.IsSelectionScript(CxFtEdit::Script::Lowered));
    agent.ProvideInput(host);
    EXPECT_EQ(host.editor.seen, (std::vector<UINT>{ID_FT_SUPERSCRIPT, ID_FT_SUBSCRIPT, 57600}));
    EXPECT_EQ(host.own, (std::vector<UINT>{57600})); // the control's edits were not commands
    host.DestroyWindow();
}

TEST_F(FtEditTest, ConverterReadsHostFormattedText) {
    IZnTextConverter* converter = edit.GetTextConverter();
    ASSERT_TRUE(converter->InsertFormattedText(u"\\H2.5;Ra\\S3.2/1.6;\\PD%%c10 \\{x\\}\\S^5;"));
    EXPECT_EQ(edit.GetText(), u"Ra3.2|1.6\rD\u045C10 {x}5");
    EXPECT_TRUE(formatAt(2).offset > 0);                        // 3.2 raised
    EXPECT_EQ(formatAt(5).offset, 0);                           // the bar on the baseline
    EXPECT_TRUE(formatAt(6).offset < 0);                        // 1.6 lowered
    EXPECT_TRUE(formatAt(edit.GetTextLength() - 1).offset < 0); // \S^5; is a subscript

    ASSERT_TRUE(converter->InsertObjectLink(&parent, u"A-A", kLinkFlagView));
    ASSERT_EQ(edit.GetObjectLinks().size(), 1u);
    EXPECT_EQ(edit.GetObjectLinks()[0].flags, kLinkFlagView);
    EXPECT_TRUE(formatAt(edit.GetTextLength() - 1).effects & richedit::CFE_LINK);

    edit.SetReadOnly(true);
    EXPECT_FALSE(converter->InsertFormattedText(u"more"));
}

TEST_F(FtEditTest, NumericModeTakesOnlyNumbers) {
    edit.SetNumeric();
    TypeText(u"1a2,5e-3x");
    EXPECT_EQ(edit.GetText(), u"12,5e-3");
}

TEST_F(FtEditTest, TemplateItemBecomesTheFormattedControlInAModalDialog) {
    resources.dialogs[12000] = dialogTemplate(
        12000, u"Technical conditions editor", WS_POPUP | WS_CAPTION, {0, 0, 316, 202},
        {item(12014, u"RichEdit20W", u"", ES_MULTILINE | ES_WANTRETURN | WS_TABSTOP,
              {5, 30, 311, 180}),
         item(IDOK, u"Button", u"OK", BS_DEFPUSHBUTTON | WS_TABSTOP, {217, 183, 264, 197})});
    class Editor : public CDialog {
    public:
        Editor() : CDialog(12000) {}
        CxFtEdit control;
        ZnsStringW text;

    protected:
        BOOL OnInitDialog() override {
            control.SubclassDlgItem(12014, this);
            CDialog::OnInitDialog();
            GotoDlgCtrl(&control);
            return FALSE;
        }
        void OnOK() override {
            text = control.GetText();
            CDialog::OnOK();
        }
    } editor;
    // Enter stays in the multi-line control; the OK button ends the dialog.
    agent.AddScript("type 1. Steel\nkey Enter\ntype 2. Bolts\nclick 1");
    EXPECT_EQ(editor.DoModal(), IDOK);
    EXPECT_EQ(editor.text, u"1. Steel\r2. Bolts");
}

} // namespace
} // namespace zn::ui::test

namespace zn::ui::test {
namespace {

TEST_F(FtEditTest, MouseSelectsByDragAndWordsByDoubleClick) {
    edit.SetText(u"Steel 45\rBolt M6");
    auto at = [&](int position) {
        richedit::Point p = edit.PosFromChar(position);
        return CPoint{p.x + 1, p.y + 1};
    };
    Drag(edit, at(0), at(5));
    EXPECT_EQ(edit.GetSelText(), u"Steel");
    Click(edit, at(11), MouseButton::Left, true);
    EXPECT_EQ(edit.GetSelText(), u"Bolt ");
    Click(edit, at(2));
    Click(edit, at(12), MouseButton::Left, false, kModShift);
    EXPECT_EQ(edit.GetSelStart(), 2);
    EXPECT_EQ(edit.GetSelEnd(), 12);
}

TEST_F(FtEditTest, CaretKeysWalkLinesAndWords) {
    edit.SetText(u"first line\rsecond");
    edit.SetSel(3, 3);
    KeyPress(VK_DOWN);
    EXPECT_EQ(edit.GetSelStart(), 14); // the same column on the next line
    KeyPress(VK_END);
    EXPECT_EQ(edit.GetSelStart(), 17);
    KeyPress(VK_UP, kModShift);
    EXPECT_EQ(edit.GetSelText(), u"line\rsecond");
    KeyPress(VK_HOME, kModCtrl);
    EXPECT_EQ(edit.GetSelEnd(), 0);
    KeyPress(VK_RIGHT, kModCtrl | kModShift);
    EXPECT_EQ(edit.GetSelText(), u"first ");
}

TEST_F(FtEditTest, MessagesReachTheModel) {
    edit.SetText(u"abc");
    CHARRANGE range{1, 3};
    edit.SendMessage(EM_EXSETSEL, 0, LPARAM(&range));
    EXPECT_EQ(edit.GetSelText(), u"bc");
    CharFormat red;
    red.mask = richedit::CFM_COLOR;
    red.color = richedit::RGB(255, 0, 0);
    EXPECT_TRUE(edit.SendMessage(EM_SETCHARFORMAT, SCF_ALL, LPARAM(&red)));
    EXPECT_EQ(formatAt(0).color, richedit::RGB(255, 0, 0));
    std::u16string replacement = u"X";
    edit.SendMessage(EM_REPLACESEL, 1, LPARAM(replacement.c_str()));
    EXPECT_EQ(edit.GetText(), u"aX");
    EXPECT_TRUE(edit.SendMessage(EM_CANUNDO));
    edit.SendMessage(EM_UNDO);
    EXPECT_EQ(edit.GetText(), u"abc");
    EXPECT_EQ(edit.SendMessage(EM_SETEVENTMASK, 0, LPARAM(richedit::ENM_CHANGE)),
              LRESULT(richedit::ENM_NONE));
    EXPECT_EQ(edit.SendMessage(EM_GETEVENTMASK), LRESULT(richedit::ENM_CHANGE));
    EXPECT_EQ(edit.SendMessage(EM_LINEFROMCHAR, 2), 0);
}

TEST_F(FtEditTest, ConverterKeepsLoneBackslashesAndDropsUnknownCodes) {
    ASSERT_TRUE(edit.GetTextConverter()->InsertFormattedText(u"\\fArial|b0;A\\Lx\\ly \\C1;%%d\\"));
    EXPECT_EQ(edit.GetText(), u"Axy \u00B0\\");
}

} // namespace
} // namespace zn::ui::test
