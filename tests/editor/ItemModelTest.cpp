// The item model: which paragraphs are items, renumbering in its three modes with items the
// drawing refers to, and item boundaries around headers and continuation paragraphs.
#include "editor/ItemPrefix.h"
#include "tests/editor/ReqpadFixture.h"

namespace editor::test {
namespace {

TEST(ItemPrefixTest, RecognisesBothFormsAndNothingElse) {
    ItemPrefix plain = ParseItemPrefix(u"12. Text");
    EXPECT_EQ(plain.length, 4);
    EXPECT_EQ(plain.number, 12);
    EXPECT_EQ(plain.tagId, 0);

    ItemPrefix tagged = ParseItemPrefix(u"3.*<iref id=\"7\"/> Text");
    EXPECT_EQ(tagged.length, 18);
    EXPECT_EQ(tagged.number, 3);
    EXPECT_EQ(tagged.tagId, 7);
    EXPECT_EQ(ParseItemPrefix(u"3.*<iref id=\"7\"/>").length, 17); // the blank is optional

    for (std::u16string_view notItem :
         {u"3.5 mm", u"12.", u"3.a", u".5 ", u"Length 12.", u"3.*<iref id=\"7\">", u"3.*<ref id=\"7\"/>",
          u"", u"abc"})
        EXPECT_FALSE(ParseItemPrefix(notItem)) << zn::toUtf8(notItem);
}

TEST_F(ReqpadTest, PlainRenumberingKeepsTitlesAndContinuations) {
    load(u"Title\r5. one\rmore of one\r9. two\r1. three");
    EXPECT_EQ(pad.Renumber(RenumberMode::Plain), 3);
    EXPECT_EQ(text(), u"Title\r1. one\rmore of one\r2. two\r3. three");
    zn::richedit::CharFormat number = pad.GetCharFormat(at(u"2. "), at(u"2. ") + 3);
    EXPECT_TRUE(number.effects & zn::richedit::CFE_PROTECTED);
    EXPECT_TRUE(number.effects & zn::richedit::CFE_BOLD);
    EXPECT_EQ(number.color, pad.m_numberColor);
    zn::richedit::CharFormat header = pad.GetCharFormat(0, 6);
    EXPECT_FALSE(header.effects & zn::richedit::CFE_PROTECTED);
}

TEST_F(ReqpadTest, ReferencedItemsKeepTheirTagUntilResolved) {
    pad.m_referencedItems = {2, 3, 9};
    load(u"1. a\r2. b\r3. c\r4. d");
    EXPECT_EQ(text(), u"1. a\r2.*<iref id=\"2\"/> b\r3.*<iref id=\"3\"/> c\r4. d");
    zn::richedit::CharFormat star = pad.GetCharFormat(at(u"*"), at(u"*") + 1);
    EXPECT_TRUE(star.effects & zn::richedit::CFE_EMBOSS);
    EXPECT_FALSE(star.effects & zn::richedit::CFE_HIDDEN);
    zn::richedit::CharFormat tag = pad.GetCharFormat(at(u"<iref"), at(u"/>") + 2);
    EXPECT_TRUE(tag.effects & zn::richedit::CFE_HIDDEN);

    // Item 1 goes away: the tagged items get new numbers but keep their tag ids.
    pad.SetSel(0, 0);
    pad.DeleteItems();
    pad.Renumber(RenumberMode::Plain);
    EXPECT_EQ(text(), u"1.*<iref id=\"2\"/> b\r2.*<iref id=\"3\"/> c\r3. d");
    // Then the old item 3 goes too.
    pad.SetSel(at(u" c"), at(u" c"));
    pad.DeleteItems();
    EXPECT_EQ(text(), u"1.*<iref id=\"2\"/> b\r2. d");

    EXPECT_EQ(pad.Renumber(RenumberMode::Resolve), 2);
    EXPECT_EQ(text(), u"1. b\r2. d");
    EXPECT_EQ(pad.m_referencedItems, (ZnsArray<std::int32_t>{1, 0, 0}));
}

TEST_F(ReqpadTest, RenumberingRewritesOnlyChangedPrefixes) {
    load(u"1. a\r2. b\r3. c");
    // A prefix that needs no new number keeps its characters (and any format of them).
    zn::richedit::CharFormat italic;
    italic.mask = zn::richedit::CFM_ITALIC;
    italic.effects = zn::richedit::CFE_ITALIC;
    {
        InternalChange guard(pad);
        pad.SetCharFormat(0, 2, italic);
    }
    pad.SetSel(at(u"3. "), at(u"3. "));
    pad.AddItem();
    EXPECT_EQ(text(), u"1. a\r2. b\r3. c\r4. ");
    EXPECT_TRUE(pad.GetCharFormat(0, 2).effects & zn::richedit::CFE_ITALIC);
}

TEST_F(ReqpadTest, ItemBoundariesAroundTitlesAndContinuations) {
    load(u"Head one\rHead two\r1. a\rcontinued\r2. b\r3. c");
    EXPECT_EQ(pad.ItemStart(3), 0);              // header
    EXPECT_EQ(pad.ItemEnd(3), at(u"1. "));       // the header runs to item 1
    EXPECT_EQ(pad.ItemStart(at(u"continued") + 2), at(u"1. "));
    EXPECT_EQ(pad.ItemEnd(at(u"1. ")), at(u"2. "));
    EXPECT_EQ(pad.ItemEnd(at(u"continued")), at(u"2. "));
    EXPECT_EQ(pad.ItemEnd(at(u"3. ")), -1);
    EXPECT_EQ(pad.ItemCount(), 3);
}

TEST_F(ReqpadTest, ItemEndReadsLinesLongerThanItsFirstBuffer) {
    ZnsStringW longLine(9000, u'x');
    load(u"1. " + longLine + u"\r" + longLine + u"\r2. b");
    EXPECT_EQ(pad.ItemEnd(0), at(u"2. "));
    EXPECT_EQ(pad.ItemStart(at(u"2. ") - 1), 0);
}

TEST_F(ReqpadTest, SelectItemPrefixSelectsTheNumberOnly) {
    load(u"Title\r1. a\r2.*<iref id=\"4\"/> b");
    EXPECT_EQ(pad.SelectItemPrefix(at(u"1. ")), 3);
    EXPECT_EQ(pad.GetSelText(), u"1. ");
    EXPECT_EQ(pad.SelectItemPrefix(at(u"2.")), 18);
    EXPECT_EQ(pad.SelectItemPrefix(0), 0);
    EXPECT_EQ(pad.GetSelStart(), 0);
    EXPECT_EQ(pad.GetSelEnd(), 0);
}

} // namespace
} // namespace editor::test
