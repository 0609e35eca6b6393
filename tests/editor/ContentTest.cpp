// Whole content in and out: plain lines become items, RTF survives a round trip, older red
// fractions are repaired, and bad input changes nothing.
#include "tests/editor/ReqpadFixture.h"

namespace editor::test {
namespace {

TEST_F(ReqpadTest, PlainLinesBecomeItems) {
    load(u"Title\r2.\tfirst\r3.second\r3.5 mm is no item\r.5 neither\rends with 12.");
    EXPECT_EQ(text(), u"Title\r1. first\r2. second\r3.5 mm is no item\r.5 neither\rends with 12.");
    EXPECT_EQ(pad.ItemCount(), 2);
    EXPECT_FALSE(pad.GetModify());
    EXPECT_EQ(pad.GetSelStart(), pad.GetTextLength());
}

TEST_F(ReqpadTest, RtfRoundTripKeepsTextFormatsAndTags) {
    pad.m_referencedItems = {2};
    load(u"Title\r1. a\r2. b\rmore b\r3. c");
    zn::richedit::CharFormat raised;
    raised.mask = zn::richedit::CFM_OFFSET;
    raised.offset = 80;
    pad.SetCharFormat(at(u"more"), at(u"more") + 4, raised);
    std::string rtf = pad.GetRtf(false); // tags still in

    CReqpad other;
    ASSERT_TRUE(other.Create(zn::ui::WS_VISIBLE, {0, 0, 300, 200}, &owner, 12015));
    other.m_referencedItems = {2};
    ASSERT_EQ(other.SetContent(zn::fromUtf8(rtf), kContentRtf), 1);
    EXPECT_EQ(other.GetText(), text());
    EXPECT_EQ(other.GetCharFormat(at(u"more"), at(u"more") + 4).offset, 80);
    EXPECT_FALSE(other.GetModify());

    ZnsStringW out;
    ASSERT_EQ(other.GetContent(out, kContentRtf), 1);
    EXPECT_EQ(out.find(u"iref"), ZnsStringW::npos);
    EXPECT_EQ(other.m_referencedItems, (ZnsArray<std::int32_t>{2}));
    pad.m_referencedItems.clear();
    ASSERT_EQ(pad.SetContent(out, kContentRtf), 1);
    EXPECT_EQ(text(), u"Title\r1. a\r2. b\rmore b\r3. c");
    EXPECT_TRUE(pad.GetCharFormat(at(u"3. "), at(u"3. ") + 3).effects &
                zn::richedit::CFE_PROTECTED);
    other.DestroyWindow();
}

TEST_F(ReqpadTest, TaggedPlainContentCarriesTheTextAsLines) {
    load(u"1. a\r2. b");
    ZnsStringW out;
    ASSERT_EQ(pad.GetContent(out, kContentPlain), 1);
    EXPECT_EQ(out, u"1. a\r\n2. b");
}

TEST_F(ReqpadTest, BadContentChangesNothing) {
    load(u"1. a\r2. b");
    pad.SetModify(true);
    EXPECT_EQ(pad.SetContent(u"this is not rtf", kContentRtf), 0);
    EXPECT_EQ(pad.SetContent(u"1. x", 7), 0);
    EXPECT_EQ(text(), u"1. a\r2. b");
    EXPECT_TRUE(pad.GetModify());
    ZnsStringW out = u"kept";
    EXPECT_EQ(pad.GetContent(out, kContentMultiline), 0);
    EXPECT_EQ(out, u"kept");
}

TEST_F(ReqpadTest, OldRedFractionsBecomeRaisedAndLoweredText) {
    const char* rtf = "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red255\\green0\\blue0;}"
                      "\\pard 1. Fit {\\cf1 (H7/h6)} and {\\cf1 \\{+0,1^-0,2\\}} or {\\cf1 (link)}\\par "
                      "2. b}";
    ASSERT_EQ(pad.SetContent(zn::fromUtf8(rtf), kContentRtf), 1);
    EXPECT_EQ(text(), u"1. Fit H7|h6 and +0,1-0,2 or (link)\r2. b");
    EXPECT_GT(pad.GetCharFormat(at(u"H7"), at(u"H7") + 2).offset, 0);
    EXPECT_LT(pad.GetCharFormat(at(u"h6"), at(u"h6") + 2).offset, 0);
    EXPECT_EQ(pad.GetCharFormat(at(u"|"), at(u"|") + 1).offset, 0);
    EXPECT_LT(pad.GetCharFormat(at(u"-0,2"), at(u"-0,2") + 4).offset, 0);
}

} // namespace
} // namespace editor::test
