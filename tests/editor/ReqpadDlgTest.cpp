// The editor dialog in the reference host: layout, states, command routing, clipboard,
// the ways it ends, the stored ruler setting and the hidden use.
#include <gtest/gtest.h>

#include "editor/ReqpadDlg.h"
#include "host/Services.h"
#include "notebook/NotebookDoc.h"
#include "notebook/PageText.h"
#include "platform/loader/Loader.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/ScriptedAgent.h"
#include "resources/ModuleResources.h"
#include "tests/host/HostFixture.h"

namespace editor::test {
namespace {

using namespace zn::ui;

// Opens the protected parts a test looks at.
class ProbeDlg : public ReqpadDlg {
public:
    using ReqpadDlg::ReqpadDlg;
    using ReqpadDlg::m_mainToolBar;
    using ReqpadDlg::m_helpToolBar;
    using ReqpadDlg::m_notebookToolBar;
    using ReqpadDlg::m_menu;
    using ReqpadDlg::m_ruler;
    using ReqpadDlg::m_toolTips;

    CRect rectOf(int id) { return GetDlgItem(id)->GetRectInParent(); }
    bool enabled(UINT id) { return m_mainToolBar.IsButtonEnabled(int(id)); }
    bool menuChecked(UINT id) { return m_menu.GetMenuState(id, MF_BYCOMMAND) & MF_CHECKED; }
    bool menuEnabled(UINT id) { return !(m_menu.GetMenuState(id, MF_BYCOMMAND) & MF_GRAYED); }
};

class ReqpadDlgTest : public HostFixture {
protected:
    void SetUp() override {
        HostFixture::SetUp();
        m_previous = SetUserAgent(&agent);
        ClearRecordedMessageBoxes();
        ResetClipboard();
        ASSERT_TRUE(owner.Create(u"Test", u"Drawing", WS_POPUP | WS_VISIBLE, {0, 0, 1024, 768},
                                 nullptr, 0));
    }
    void TearDown() override {
        owner.DestroyWindow();
        SetUserAgent(m_previous);
        HostFixture::TearDown();
    }

    // A modal run driven by `script`; answers m_result.
    int runModal(ProbeDlg& dialog, const std::string& script) {
        agent.AddScript(script);
        dialog.DoModal();
        EXPECT_EQ(agent.Remaining(), 0u);
        return dialog.m_result;
    }
    // A modeless, shown dialog for checks between actions.
    void open(ProbeDlg& dialog) {
        ASSERT_TRUE(dialog.CreateHidden(&owner));
        dialog.ShowWindow(SW_SHOW);
        SetActiveWindow(&dialog);
    }
    void drive(ProbeDlg& dialog, const std::string& script) {
        agent.AddScript(script);
        while (agent.Remaining())
            agent.ProvideInput(dialog);
        dialog.SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    }
    int storedRuler() {
        ZnPtr<IZnSettingsSection> section;
        gpZnContext->OpenSettingsSection(u"ZNSTT", section.put());
        return section->GetInt(u"ReqpadDialog.RulerOn", -1);
    }

    res::ModuleResourceScope resources;
    ScriptedAgent agent;
    CWnd owner;

private:
    UserAgent* m_previous = nullptr;
};

TEST_F(ReqpadDlgTest, LayoutFollowsTheSizeAndStopsAtTheMinimum) {
    ProbeDlg dialog(&owner);
    open(dialog);
    dialog.MoveWindow(0, 0, 600, 500);
    CRect client = dialog.GetClientRect();
    CRect bar = dialog.m_mainToolBar.GetRectInParent();
    EXPECT_EQ(bar.TopLeft(), (CPoint{0, 2}));
    EXPECT_EQ(dialog.rectOf(12013), (CRect{0, 0, client.right, 2}));
    CRect notebook = dialog.m_notebookToolBar.GetRectInParent();
    EXPECT_EQ(notebook.right, client.right - 2);
    CRect ruler = dialog.m_ruler.GetRectInParent();
    EXPECT_EQ(ruler.top, bar.Height() + 6);
    EXPECT_EQ(ruler.Height(), 23);
    EXPECT_EQ(ruler.Width(), client.Width());

    CRect cancel = dialog.rectOf(IDCANCEL), ok = dialog.rectOf(IDOK), place = dialog.rectOf(12015);
    EXPECT_EQ(cancel.right, client.right - 5);
    EXPECT_EQ(cancel.bottom, client.bottom - 5);
    EXPECT_EQ(ok.right, cancel.left - 10);
    EXPECT_EQ(place.right, ok.left - 10);
    EXPECT_EQ(dialog.m_helpToolBar.GetRectInParent().TopLeft(), (CPoint{5, cancel.top}));
    CRect pad = dialog.editor.GetRectInParent();
    EXPECT_EQ(pad, (CRect{0, ruler.bottom, client.right, cancel.top - 5}));

    // Without the ruler the control moves up to one pixel under the band.
    dialog.SendMessage(WM_COMMAND, 32826);
    EXPECT_EQ(dialog.editor.GetRectInParent().top, bar.Height() + 7);

    drive(dialog, "resize 100 100");
    EXPECT_EQ(dialog.GetWindowRect().Width(), 250);
    EXPECT_EQ(dialog.GetWindowRect().Height(), 200);
    dialog.CloseHidden();
}

TEST_F(ReqpadDlgTest, EmptyContentStartsWithItemOneAndTheEditPopupIsInserted) {
    ProbeDlg dialog(&owner);
    open(dialog);
    EXPECT_EQ(dialog.editor.GetText(), u"1. ");
    EXPECT_EQ(dialog.editor.GetSelStart(), 3);
    EXPECT_EQ(dialog.GetWindowTextW(), u"Technical conditions");
    EXPECT_EQ(dialog.m_menu.GetMenuString(1, MF_BYPOSITION), u"Edit");
    EXPECT_EQ(dialog.m_menu.GetSubMenu(1).GetMenuItemID(0), int(ID_EDIT_UNDO_TEXT));
    EXPECT_EQ(dialog.m_toolTips.GetText(dialog.GetDlgItem(12015)), u"Place text manually");
    EXPECT_EQ(dialog.m_mainToolBar.GetToolTipText(int(ID_INSERT_VIEW)),
              u"Insert view/profile/section");
    EXPECT_EQ(dialog.m_mainToolBar.GetButtonImage(ID_FT_SUPERSCRIPT), 216);
    dialog.CloseHidden();
}

TEST_F(ReqpadDlgTest, HelpTopicFollowsTheMode) {
    auto lastHelp = [this] {
        const auto& events = Host().Notifications().Events();
        return events.empty() || events.back().kind != simhost::HostEvent::Kind::Help
                   ? ZnsStringW()
                   : events.back().text;
    };
    ProbeDlg conditions(&owner);
    open(conditions);
    drive(conditions, "click 57670");
    EXPECT_EQ(lastHelp(), u"ZNS_HELP_TT");
    conditions.CloseHidden();

    ProbeDlg parameters(&owner);
    parameters.SetTitle(u"Technical parameters", 1);
    open(parameters);
    EXPECT_EQ(parameters.GetWindowTextW(), u"Technical parameters");
    drive(parameters, "click 12014 @3\nkey F1");
    EXPECT_EQ(lastHelp(), u"ZNS_HELP_TD");
    parameters.CloseHidden();
}

TEST_F(ReqpadDlgTest, StatesFollowTheSelectionAndTheAllowedInserts) {
    ProbeDlg dialog(&owner);
    dialog.SetContent(u"1. first\r2. second", kContentPlain);
    dialog.SetAllowedInserts(kAllowTolerance | kAllowScripts);
    open(dialog);
    drive(dialog, "click 12014 @5");
    EXPECT_TRUE(dialog.enabled(ID_INSERT_TOLERANCE));
    EXPECT_FALSE(dialog.enabled(ID_INSERT_MATERIAL));
    EXPECT_TRUE(dialog.enabled(ID_FT_SUPERSCRIPT));
    EXPECT_FALSE(dialog.menuEnabled(ID_EDIT_COPY_TEXT));
    EXPECT_FALSE(dialog.GetDlgItem(12015)->IsWindowEnabled());

    // Inside an item prefix nothing may be inserted.
    dialog.editor.SetSel(1, 1);
    dialog.SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    EXPECT_FALSE(dialog.enabled(ID_INSERT_TOLERANCE));

    // Superscript goes through the dialog into the control and its button shows it.
    drive(dialog, "drag 12014 @3 @8\nclick 32816");
    EXPECT_TRUE(dialog.editor.IsRaised());
    EXPECT_TRUE(dialog.m_mainToolBar.IsButtonChecked(int(ID_FT_SUPERSCRIPT)));
    EXPECT_TRUE(dialog.menuEnabled(ID_EDIT_COPY_TEXT));
    dialog.CloseHidden();
}

TEST_F(ReqpadDlgTest, PasteMessagesTakeClipboardTextAsPlainText) {
    ProbeDlg dialog(&owner);
    dialog.SetContent(u"1. a", kContentPlain);
    open(dialog);
    dialog.editor.SetSel(4, 4);
    SetClipboardText(&owner, u"xy");
    dialog.SendMessage(WM_PASTE);
    EXPECT_EQ(dialog.editor.GetText(), u"1. axy");
    NMHDR transfer{dialog.GetSafeHwnd(), 0, UINT(ZNN_CLIPBOARD_TRANSFER)};
    dialog.SendMessage(WM_NOTIFY, 0, LPARAM(&transfer));
    EXPECT_EQ(dialog.editor.GetText(), u"1. axyxy");

    // Whole items copied by the editor paste as items; a copy from elsewhere resets that.
    dialog.editor.SetSel(0, dialog.editor.GetTextLength());
    dialog.SendMessage(WM_COMMAND, ID_EDIT_COPY_TEXT);
    dialog.editor.SetSel(3, 3);
    dialog.SendMessage(WM_COMMAND, ID_EDIT_PASTE_TEXT);
    EXPECT_EQ(dialog.editor.GetText(), u"1. axyxy\r2. axyxy");
    SetClipboardText(&owner, u"z");
    dialog.editor.SetSel(3, 3);
    dialog.SendMessage(WM_COMMAND, ID_EDIT_PASTE_TEXT);
    EXPECT_EQ(dialog.editor.GetText(), u"1. zaxyxy\r2. axyxy");
    dialog.CloseHidden();
}

TEST_F(ReqpadDlgTest, OkPlaceAndCancelEachEndTheirWay) {
    {
        ProbeDlg dialog(&owner);
        dialog.SetContent(u"1. a\r2. b", kContentPlain);
        EXPECT_EQ(runModal(dialog, "click 12014 @9\ntype c\nclick 1"), ReqpadDlg::kResultOk);
        ZnsStringW content;
        dialog.GetContent(content);
        EXPECT_EQ(content, u"1. a\r\n2. bc");
        EXPECT_EQ(dialog.m_item, 2);
    }
    {
        ProbeDlg dialog(&owner);
        dialog.SetContent(u"1. a", kContentPlain);
        dialog.SetAllowedInserts(kAllowPlace);
        EXPECT_EQ(runModal(dialog, "click 12014 @4\ntype d\nclick 12015"),
                  ReqpadDlg::kResultPlace);
        EXPECT_EQ(dialog.m_content, u"1. ad");
    }
    {
        ProbeDlg dialog(&owner);
        dialog.SetContent(u"1. a", kContentPlain);
        EXPECT_EQ(runModal(dialog, "click 12014 @4\ntype e\nclick 2"), ReqpadDlg::kResultCancel);
        EXPECT_EQ(dialog.m_content, u"1. a");
    }
}

TEST_F(ReqpadDlgTest, TheHostHearsOfEveryEndingBeforeTheWindowCloses) {
    int expected = Host().Context().EditorClosings();
    for (const char* ending : {"click 1", "click 12015", "click 2", "menu 57602"}) {
        ProbeDlg dialog(&owner);
        dialog.SetAllowedInserts(kAllowPlace);
        runModal(dialog, ending);
        EXPECT_EQ(Host().Context().EditorClosings(), ++expected) << ending;
    }
    // Answering Cancel to "Apply corrections?" keeps the dialog open: no notice until the
    // dialog really ends.
    ProbeDlg dialog(&owner);
    runModal(dialog, "type a\nmenu 57602\nanswer cancel\nmenu 57602\nanswer no");
    EXPECT_EQ(Host().Context().EditorClosings(), expected + 1);
    // The hidden use never ends as a dialog.
    ProbeDlg hidden;
    ASSERT_TRUE(hidden.CreateHidden());
    hidden.CloseHidden();
    EXPECT_EQ(Host().Context().EditorClosings(), expected + 1);
}

TEST_F(ReqpadDlgTest, ClearStartsAgainWithItemOneUnlessToldNotTo) {
    ProbeDlg dialog(&owner);
    dialog.SetContent(u"Header\r1. first\r2. second", kContentPlain);
    open(dialog);
    dialog.SendMessage(WM_COMMAND, 57600);
    EXPECT_EQ(dialog.editor.GetText(), u"1. ");
    dialog.editor.m_startWithoutItem = 1;
    dialog.editor.ReplaceSel(u"text");
    dialog.SendMessage(WM_COMMAND, 57600);
    EXPECT_EQ(dialog.editor.GetText(), u"");
    EXPECT_FALSE(dialog.enabled(ID_DELETE_ITEMS));
    dialog.CloseHidden();
}

TEST_F(ReqpadDlgTest, ToolsNotepadPastesWhatTheNotebookTransfers) {
    // The drawing's notebook, with one page, and the module the host makes notebooks with.
    notebook::CNotebookDoc doc;
    doc.NewNotebook(true);
    HTREEITEM page = doc.Pages().InsertTreeItem(u"Page", doc.Pages().Root(), TVI_LAST,
                                                notebook::kTextPage);
    doc.Pages().GetOwnPage(page)->text = notebook::RtfOfPlainText(u"4. Steel 45");
    doc.Pages().Expand(doc.Pages().Root(), true);
    const ZnsStringW file = zn::fromUtf8(Path("book.ntb"));
    ASSERT_EQ(doc.SaveNotebook(file), 1);
    NewDrawing().DefaultValues()[7115] = ZNSVariant(file);
    ASSERT_NE(zn::loader::LoadLibraryW(u"ReqpadDll.dll"), nullptr);

    ProbeDlg dialog(&owner);
    dialog.SetContent(u"1. Material: ", kContentPlain);
    // The page's item picked with Enter in the notebook, which then closes; OK.
    const int end = runModal(dialog, "click 12014 @13\nmenu 32801\nclick 12050 \"Page\"\n"
                                     "click 12014 @0\nkey Down\nkey Enter\nclick 2\nclick 1");
    EXPECT_EQ(end, ReqpadDlg::kResultOk);
    EXPECT_NE(dialog.m_content.find(u"1. Material: "), ZnsStringW::npos) << zn::toUtf8(dialog.m_content);
    EXPECT_NE(dialog.m_content.find(u"Steel 45"), ZnsStringW::npos) << zn::toUtf8(dialog.m_content);
}

TEST_F(ReqpadDlgTest, ClosingAfterAnEditAsksToApplyCorrections) {
    {
        ProbeDlg dialog(&owner);
        dialog.SetContent(u"1. a", kContentPlain);
        EXPECT_EQ(runModal(dialog, "click 12014 @4\ntype b\nmenu 57602\nanswer yes"),
                  ReqpadDlg::kResultOk);
        EXPECT_EQ(dialog.m_content, u"1. ab");
        EXPECT_EQ(RecordedMessageBoxes().back().text, u"Apply corrections?");
    }
    {
        ProbeDlg dialog(&owner);
        dialog.SetContent(u"1. a", kContentPlain);
        EXPECT_EQ(runModal(dialog, "click 12014 @4\ntype b\nmenu 57602\nanswer no"),
                  ReqpadDlg::kResultCancel);
        EXPECT_EQ(dialog.m_content, u"1. a");
    }
    {
        // Cancel keeps the dialog and all the text; the later OK takes it.
        ProbeDlg dialog(&owner);
        dialog.SetContent(u"1. a", kContentPlain);
        EXPECT_EQ(runModal(dialog, "click 12014 @4\ntype b\nmenu 57602\nanswer cancel\nclick 1"),
                  ReqpadDlg::kResultOk);
        EXPECT_EQ(dialog.m_content, u"1. ab");
    }
    {
        // Unchanged text closes without asking.
        ClearRecordedMessageBoxes();
        ProbeDlg dialog(&owner);
        dialog.SetContent(u"1. a", kContentPlain);
        EXPECT_EQ(runModal(dialog, "menu 57602"), ReqpadDlg::kResultCancel);
        EXPECT_TRUE(RecordedMessageBoxes().empty());
    }
}

TEST_F(ReqpadDlgTest, RulerToggleIsStoredAndRestored) {
    ProbeDlg first(&owner);
    runModal(first, "menu 32826\nclick 2");
    EXPECT_EQ(storedRuler(), 0);

    // The next dialog opens without it, so showing it again stores it as shown.
    ProbeDlg second(&owner);
    runModal(second, "menu 32826\nclick 2");
    EXPECT_EQ(storedRuler(), int(WS_VISIBLE));

    // The hidden use leaves the settings alone.
    ProbeDlg hidden;
    ASSERT_TRUE(hidden.CreateHidden());
    hidden.SendMessage(WM_COMMAND, 32826);
    hidden.CloseHidden();
    EXPECT_EQ(storedRuler(), int(WS_VISIBLE));
}

TEST_F(ReqpadDlgTest, HiddenUseLoadsAndTakesContentWithoutShowing) {
    ProbeDlg dialog;
    dialog.SetContent(u"1. first\\P2. second", kContentMultiline);
    dialog.SetReferencedItems({2});
    ASSERT_TRUE(dialog.CreateHidden());
    EXPECT_FALSE(dialog.GetStyle() & WS_VISIBLE);
    dialog.editor.SetSel(0, 0);
    dialog.editor.DeleteItems();
    dialog.SetContentKind(kContentPlain);
    dialog.TakeContent();
    dialog.CloseHidden();
    EXPECT_EQ(dialog.m_content, u"1. second");
    ZnsArray<std::int32_t> numbers;
    dialog.GetReferencedItems(numbers);
    EXPECT_EQ(numbers, (ZnsArray<std::int32_t>{1}));
}

} // namespace
} // namespace editor::test
