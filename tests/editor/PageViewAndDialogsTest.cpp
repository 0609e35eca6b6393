// The page view in view and edit mode, and the fraction and text-import dialogs.
#include "editor/FracDlg.h"
#include "editor/ImpTxtDlg.h"
#include "editor/ReqpadView.h"
#include "platform/ui/Cursor.h"
#include "resources/ResourceIds.h"
#include "tests/editor/ReqpadFixture.h"

namespace editor::test {
namespace {

using namespace zn::ui;

class TransferOwner : public CWnd {
public:
    int transfers = 0;
    int keys = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == CReqpadView::TransferMessage())
            ++transfers;
        if (message == WM_KEYDOWN)
            ++keys;
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

class PageViewTest : public ReqpadTest {
protected:
    void SetUp() override {
        ReqpadTest::SetUp();
        ASSERT_TRUE(viewOwner.Create(u"Test", u"Notebook", WS_POPUP | WS_VISIBLE,
                                     {0, 0, 640, 480}, nullptr, 0));
        ASSERT_TRUE(view.Create(WS_VISIBLE, {0, 0, 600, 400}, &viewOwner, 12014));
        view.InitControl();
        ASSERT_EQ(view.SetContent(u"1. a\r2. b\r3. c", kContentPlain), 1);
        view.SetFocus();
    }
    void TearDown() override {
        view.DestroyWindow();
        viewOwner.DestroyWindow();
        ReqpadTest::TearDown();
    }
    void drive(const std::string& script) {
        agent.AddScript(script);
        while (agent.Remaining())
            agent.ProvideInput(viewOwner);
    }

    TransferOwner viewOwner;
    CReqpadView view;
};

TEST_F(PageViewTest, ViewModePicksItemsAndAsksForTransfer) {
    drive("type xyz");
    EXPECT_EQ(view.GetText(), u"1. a\r2. b\r3. c");
    view.SetSel(0, 0);
    view.SendMessage(WM_KEYDOWN, VK_DOWN, 0); // the item that begins at the selection end
    EXPECT_EQ(view.GetSelText(), u"1. a");
    view.SendMessage(WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(view.GetSelText(), u"2. b");
    view.SendMessage(WM_KEYDOWN, VK_UP, 0);
    EXPECT_EQ(view.GetSelText(), u"1. a");
    view.SendMessage(WM_KEYDOWN, VK_UP, 0); // the first item stays selected
    EXPECT_EQ(view.GetSelText(), u"1. a");
    drive("key Enter");
    EXPECT_EQ(viewOwner.transfers, 1);
    drive("key F5");
    EXPECT_EQ(viewOwner.keys, 1);
}

TEST_F(PageViewTest, APressOnTheSelectedItemsAsksForTransfer) {
    view.m_selectItemOnClick = 1;
    drive("click 12014 @6"); // selects item 2
    EXPECT_EQ(view.GetSelText(), u"2. b");
    EXPECT_EQ(viewOwner.transfers, 0);
    drive("hover 12014 @7");
    EXPECT_EQ(GetCursor(), AfxLoadCursor(res::IDC_PAGE_VIEW));
    drive("hover 12014 @11");
    EXPECT_EQ(GetCursor(), LoadStandardCursor(IDC_ARROW));
    drive("click 12014 @7");
    EXPECT_EQ(viewOwner.transfers, 1);
    EXPECT_EQ(view.GetSelText(), u"2. b");
}

TEST_F(PageViewTest, InactiveIgnoresInputAndEditModeEdits) {
    view.m_active = 0;
    view.SetSel(0, 0);
    view.SendMessage(WM_KEYDOWN, VK_RETURN, 0);
    view.SendMessage(WM_LBUTTONDBLCLK, 0, 0);
    EXPECT_EQ(viewOwner.transfers, 0);
    view.m_active = 1;
    view.m_viewMode = 0;
    view.SetSel(view.GetTextLength(), view.GetTextLength());
    drive("type d");
    EXPECT_EQ(view.GetText(), u"1. a\r2. b\r3. cd");
    drive("key Enter");
    EXPECT_EQ(view.GetText(), u"1. a\r2. b\r3. cd\r4. ");
    EXPECT_EQ(viewOwner.transfers, 0);
}

TEST_F(ReqpadTest, ImportQuestionFollowsTheMode) {
    CImpTxtDlg dialog(&owner);
    dialog.m_ttMode = 0;
    agent.AddScript("click 32923\nclick 7");
    EXPECT_EQ(dialog.DoModal(), IDNO);
    EXPECT_EQ(dialog.m_removeSource, 1);

    CImpTxtDlg shown(&owner);
    shown.m_ttMode = 0;
    ASSERT_TRUE(shown.Create(7, &owner));
    EXPECT_EQ(shown.GetDlgItemTextW(32975), u"Convert text to technical parameters?");
    shown.DestroyWindow();
}

TEST_F(ReqpadTest, FractionPresetReadsTheSelectedForm) {
    load(u"1. fit ");
    caret(pad.GetTextLength());
    ZnsStringW prefix = u"H7";
    pad.InsertFraction(u"+0,1", u"-0,2", true, &prefix);
    pad.SetSel(at(u"fit"), pad.GetTextLength());
    CFracDlg dialog(&owner);
    ZnsStringW found;
    ASSERT_TRUE(dialog.PresetFromSelection(pad, &found));
    EXPECT_EQ(found, u"fit H7");
    EXPECT_EQ(dialog.m_numerator, u"+0,1");
    EXPECT_EQ(dialog.m_denominator, u"-0,2");
    EXPECT_EQ(dialog.m_withBar, 1);
    EXPECT_EQ(pad.GetSelStart(), at(u"fit"));

    pad.SetSel(0, at(u"fit") + 3); // no raised or lowered text: nothing preset, selection kept
    CFracDlg plain(&owner);
    EXPECT_FALSE(plain.PresetFromSelection(pad));
    EXPECT_EQ(pad.GetSelEnd(), at(u"fit") + 3);
    agent.AddScript("click 2");
    EXPECT_EQ(plain.DoModal(), IDCANCEL);
    EXPECT_TRUE(plain.m_numerator.empty());
}

TEST_F(ReqpadTest, FractionCommandReplacesTheSelectionOrLeavesIt) {
    load(u"1. ratio x");
    pad.m_allowedInserts = kAllowFraction;
    pad.SetSel(at(u"x"), at(u"x") + 1);
    agent.AddScript("click 2");
    pad.SendMessage(WM_COMMAND, ID_INSERT_FRACTION, 0);
    EXPECT_EQ(text(), u"1. ratio x");
    EXPECT_EQ(pad.GetSelText(), u"x");

    agent.AddScript("click 12054\ntype 3\nclick 12057\ntype 4\nclick 1");
    pad.SendMessage(WM_COMMAND, ID_INSERT_FRACTION, 0);
    EXPECT_EQ(text(), u"1. ratio 3|4");
    EXPECT_GT(pad.GetCharFormat(at(u"3"), at(u"3") + 1).offset, 0);
    EXPECT_LT(pad.GetCharFormat(at(u"4"), at(u"4") + 1).offset, 0);

    // The form is offered again for editing: the bar goes, the numbers stay.
    pad.SetSel(at(u"3"), pad.GetTextLength());
    agent.AddScript("click 32923\nclick 1");
    pad.SendMessage(WM_COMMAND, ID_INSERT_FRACTION, 0);
    EXPECT_EQ(text(), u"1. ratio 34");
    pad.m_allowedInserts = 0;
    pad.SendMessage(WM_COMMAND, ID_INSERT_FRACTION, 0); // not offered: no dialog
    EXPECT_EQ(text(), u"1. ratio 34");
}

} // namespace
} // namespace editor::test
