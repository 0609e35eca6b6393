// Item commands, the keyboard rules and the single-level undo, driven as a user drives them.
#include "tests/editor/ReqpadFixture.h"

namespace editor::test {
namespace {

using zn::ui::RecordedMessageBoxes;

TEST_F(ReqpadTest, AddItemGoesBehindTheCaretsItemAndRenumbers) {
    load(u"Title\r1. a\rmore\r2. b");
    caret(at(u"a"));
    pad.AddItem();
    EXPECT_EQ(text(), u"Title\r1. a\rmore\r2. \r3. b");
    EXPECT_EQ(pad.GetSelStart(), at(u"2. ") + 3);
    EXPECT_FALSE(pad.GetCharFormat(at(u"more"), at(u"more") + 4).effects &
                 zn::richedit::CFE_PROTECTED);

    pad.SetContent(u"", 0);
    pad.AddItem();
    EXPECT_EQ(text(), u"1. ");
}

TEST_F(ReqpadTest, CtrlEnterInTheTitleInsertsItemOne) {
    load(u"Title\r1. a\r2. b");
    caret(2);
    run("key Ctrl+Enter");
    EXPECT_EQ(text(), u"Title\r1. \r2. a\r3. b");
}

TEST_F(ReqpadTest, EnterRules) {
    load(u"1. a\r2. b");
    caret(at(u"a") + 1); // the end of a one-paragraph item
    run("key Enter");
    EXPECT_EQ(text(), u"1. a\r2. \r3. b");
    run("key Enter"); // the new item holds only its number: it loses it
    EXPECT_EQ(text(), u"1. a\r\r2. b");
    run("type x\nkey Enter\ntype y"); // inside an item, a continuation paragraph
    EXPECT_EQ(text(), u"1. a\rx\ry\r2. b");
    caret(0);
    run("key Enter"); // at the very start: a header paragraph
    EXPECT_EQ(text(), u"\r1. a\rx\ry\r2. b");
}

TEST_F(ReqpadTest, BackspaceAndDeleteNeverJoinItems) {
    load(u"1. a\r2. b\r3. c");
    caret(at(u"3. "));
    run("key Back");
    EXPECT_EQ(text(), u"1. a\r2. b\r3. c");
    EXPECT_EQ(pad.GetSelStart(), at(u"3. "));
    caret(at(u"b") + 1);
    run("key Delete");
    EXPECT_EQ(text(), u"1. a\r2. b\r3. c");
    EXPECT_TRUE(RecordedMessageBoxes().empty());
    run("key Back"); // ordinary text goes as usual
    EXPECT_EQ(text(), u"1. a\r2. \r3. c");
}

TEST_F(ReqpadTest, DeletingOverANumberAsksFirst) {
    load(u"Title\r1. a\r2. b\r3. c");
    caret(at(u"2. ") + 3);
    run("key Back\nanswer no");
    EXPECT_EQ(text(), u"Title\r1. a\r2. b\r3. c");
    ASSERT_EQ(RecordedMessageBoxes().size(), 1u);
    EXPECT_EQ(RecordedMessageBoxes()[0].text, u"Delete item(s)?");
    run("key Back\nanswer yes");
    EXPECT_EQ(text(), u"Title\r1. a\r2. c");

    // An item that holds only its number goes without a question.
    zn::ui::ClearRecordedMessageBoxes();
    caret(at(u"c") + 1);
    pad.AddItem();
    run("key Back");
    EXPECT_EQ(text(), u"Title\r1. a\r2. c");
    EXPECT_TRUE(RecordedMessageBoxes().empty());
}

TEST_F(ReqpadTest, BackspaceTakesAReferenceAsAWhole) {
    load(u"1. see");
    caret(pad.GetTextLength());
    pad.InsertSpecReference(5, u"pos. 5");
    int afterReference = pad.GetSelEnd();
    EXPECT_NE(text().find(u"</spcref>"), ZnsStringW::npos);
    caret(afterReference);
    run("key Back");
    EXPECT_EQ(text().find(u"spcref"), ZnsStringW::npos) << zn::toUtf8(text());
    EXPECT_EQ(text().find(u"pos. 5"), ZnsStringW::npos);
    EXPECT_EQ(text().rfind(u"1. see ", 0), 0u);
}

TEST_F(ReqpadTest, TypingIntoANumberIsRefused) {
    load(u"1. a\r2. b");
    caret(1);
    run("type 7");
    EXPECT_EQ(text(), u"1. a\r2. b");
    pad.SetSel(0, 2);
    run("type z");
    EXPECT_EQ(text(), u"1. a\r2. b");
    caret(at(u"b"));
    run("type Q");
    EXPECT_EQ(text(), u"1. a\r2. Qb");
    EXPECT_EQ(pad.GetCharFormat(at(u"Q"), at(u"Q") + 1).color, pad.m_textColor);
}

TEST_F(ReqpadTest, ShiftArrowsGrowFromTheirOwnAnchor) {
    load(u"1. abcdef\r2. ghi");
    caret(at(u"c"));
    run("key Shift+Right\nkey Shift+Right"); // Shift held: the anchor stays at "c"
    EXPECT_EQ(pad.GetSelText(), u"cd");
    caret(at(u"c"));
    run("key Shift+Right\nkey Shift+Right\nkey Shift+Left");
    EXPECT_EQ(pad.GetSelText(), u"c");
    caret(at(u"e"));
    run("key Shift+Down"); // to the start of the next line
    EXPECT_EQ(pad.GetSelText(), u"ef\r");
    caret(at(u"e"));
    run("key Shift+Down\nkey Shift+Up"); // back past the anchor, to the start of the line before
    EXPECT_EQ(pad.GetSelText(), u"1. abcd");
}

TEST_F(ReqpadTest, DoubleClickSelectsTheWholeItem) {
    load(u"Title\r1. a\rmore\r2. b");
    run("dblclick 12014 @" + std::to_string(at(u"more") + 1));
    EXPECT_EQ(pad.GetSelText(), u"1. a\rmore");
}

TEST_F(ReqpadTest, DeleteItemsTakesEveryItemTheSelectionTouches) {
    load(u"Title\r1. a\rmore\r2. b\r3. c\r4. d");
    pad.SetSel(at(u"more") + 1, at(u"b"));
    pad.DeleteItems();
    EXPECT_EQ(text(), u"Title\r1. c\r2. d");
    pad.SetSel(at(u"d"), at(u"d"));
    pad.DeleteItems(); // the last item leaves no empty paragraph
    EXPECT_EQ(text(), u"Title\r1. c");
}

TEST_F(ReqpadTest, MovingItemsAtBothEnds) {
    load(u"Title\r1. a\rmore a\r2. b\r3. c");
    caret(at(u"a"));
    pad.MoveItemUp(); // item 1: nothing
    EXPECT_EQ(text(), u"Title\r1. a\rmore a\r2. b\r3. c");
    pad.MoveItemDown();
    EXPECT_EQ(text(), u"Title\r1. b\r2. a\rmore a\r3. c");
    pad.MoveItemDown();
    EXPECT_EQ(text(), u"Title\r1. b\r2. c\r3. a\rmore a");
    pad.MoveItemDown(); // the last item: nothing
    EXPECT_EQ(text(), u"Title\r1. b\r2. c\r3. a\rmore a");
    pad.MoveItemUp();
    EXPECT_EQ(text(), u"Title\r1. b\r2. a\rmore a\r3. c");
    EXPECT_TRUE(pad.GetCharFormat(at(u"2. "), at(u"2. ") + 3).effects &
                zn::richedit::CFE_PROTECTED);
    caret(at(u"c"));
    pad.MoveItemUp(); // the last item moves up without leaving an empty paragraph
    EXPECT_EQ(text(), u"Title\r1. b\r2. c\r3. a\rmore a");
    caret(1);
    pad.MoveItemUp(); // header: nothing
    pad.MoveItemDown();
    EXPECT_EQ(text(), u"Title\r1. b\r2. c\r3. a\rmore a");
}

TEST_F(ReqpadTest, UndoTwiceRedoes) {
    load(u"1. a\r2. b");
    zn::ui::CMenu edit;
    edit.CreatePopupMenu();
    edit.AppendMenu(zn::ui::MF_STRING, zn::ui::ID_EDIT_UNDO_TEXT, u"Undo");
    pad.SetEditMenu(&edit);
    pad.m_undoAvailable = 0;
    EXPECT_EQ(pad.SendMessage(zn::ui::EM_CANUNDO), 0);
    caret(at(u"b") + 1);
    run("key Left\nkey Right\ntype cd");
    EXPECT_EQ(text(), u"1. a\r2. bcd");
    EXPECT_EQ(pad.SendMessage(zn::ui::EM_CANUNDO), 1);
    run("key Ctrl+Z");
    EXPECT_EQ(text(), u"1. a\r2. b");
    EXPECT_TRUE(pad.GetModify());
    EXPECT_EQ(edit.GetMenuString(zn::ui::ID_EDIT_UNDO_TEXT, zn::ui::MF_BYCOMMAND), u"Redo");
    run("key Ctrl+Z");
    EXPECT_EQ(text(), u"1. a\r2. bcd");
    EXPECT_EQ(edit.GetMenuString(zn::ui::ID_EDIT_UNDO_TEXT, zn::ui::MF_BYCOMMAND), u"Undo");
    // A command is a step of its own, and so is the typing after it.
    pad.SendMessage(zn::ui::WM_COMMAND, ID_DELETE_ITEMS, 0);
    EXPECT_EQ(text(), u"1. a");
    run("type z\nkey Ctrl+Z");
    EXPECT_EQ(text(), u"1. a");
    pad.SendMessage(zn::ui::WM_COMMAND, zn::ui::ID_EDIT_UNDO_TEXT, 0);
    EXPECT_EQ(text(), u"1. az");
    pad.SetEditMenu(nullptr);
}

TEST_F(ReqpadTest, CopiedItemsArePastedBehindTheCaretsItem) {
    load(u"1. a\r2. b\r3. c");
    pad.SetSel(at(u"2. "), at(u"3. ")); // item 2 with its mark
    run("key Ctrl+C");
    EXPECT_TRUE(pad.GetCharFormat(at(u"2. "), at(u"2. ") + 3).effects &
                zn::richedit::CFE_PROTECTED); // the copy leaves the numbers as they were
    caret(at(u"c"));
    run("key Ctrl+V");
    EXPECT_EQ(text(), u"1. a\r2. b\r3. c\r4. b");
    EXPECT_TRUE(pad.GetCharFormat(at(u"4. "), at(u"4. ") + 3).effects &
                zn::richedit::CFE_PROTECTED);
    caret(at(u"a"));
    run("key Ctrl+V");
    EXPECT_EQ(text(), u"1. a\r2. b\r3. b\r4. c\r5. b");

    // Text from elsewhere arrives as plain text at the caret.
    zn::ui::SetClipboardText(&owner, u"x 1. y");
    caret(at(u"c") + 1);
    run("key Ctrl+V");
    EXPECT_EQ(text(), u"1. a\r2. b\r3. b\r4. cx 1. y\r5. b");
    EXPECT_FALSE(pad.GetCharFormat(at(u"x"), at(u"y")).effects & zn::richedit::CFE_BOLD);
}

TEST_F(ReqpadTest, CommandsArriveThroughTheWindow) {
    load(u"1. a\r2. b");
    caret(0);
    pad.SendMessage(zn::ui::WM_COMMAND, ID_ADD_ITEM, 0);
    EXPECT_EQ(text(), u"1. a\r2. \r3. b");
    pad.SendMessage(zn::ui::WM_COMMAND, ID_SPACING_DOUBLE, 0);
    EXPECT_EQ(pad.GetParaFormat().lineSpacing, 40);
    EXPECT_EQ(pad.GetParaFormat().lineSpacingRule, 5);
    pad.SetSel(0, 2); // a number cannot be made italic
    pad.SendMessage(zn::ui::WM_COMMAND, zn::ui::ID_FT_ITALIC, 0);
    EXPECT_FALSE(pad.GetCharFormat(0, 2).effects & zn::richedit::CFE_ITALIC);
    pad.SendMessage(zn::ui::WM_COMMAND, zn::ui::ID_FT_PLAIN, 0); // numbers come back
    EXPECT_TRUE(pad.GetCharFormat(0, 2).effects & zn::richedit::CFE_PROTECTED);
}

TEST_F(ReqpadTest, TheContextMenuCarriesTheEditorsEntries) {
    zn::ui::CMenu menu;
    menu.CreatePopupMenu();
    pad.SendMessage(zn::ui::ZNM_CONTEXTMENU_BUILD, 0, zn::ui::LPARAM(&menu));
    EXPECT_EQ(menu.GetMenuString(ID_ADD_ITEM, zn::ui::MF_BYCOMMAND), u"Add technical condition");
    EXPECT_TRUE(menu.GetMenuString(ID_INSERT_POSITION, zn::ui::MF_BYCOMMAND).empty());
    EXPECT_TRUE(menu.GetMenuString(zn::ui::ID_EDIT_UNDO_TEXT, zn::ui::MF_BYCOMMAND).empty());
}

} // namespace
} // namespace editor::test
