// The tolerant reader, one inline document per rule.
#include <gtest/gtest.h>

#include "platform/rtf/RtfReader.h"

using namespace zn::richedit;

namespace {

RichText read(const std::string& rtf, int codePage = 1252) {
    RichText text;
    zn::rtf::ReadOptions options;
    options.ansiCodePage = codePage;
    const zn::rtf::ReadResult result = zn::rtf::Read(rtf, text, options);
    EXPECT_TRUE(result) << rtf;
    return text;
}

std::string visible(const std::string& rtf, int codePage = 1252) {
    return zn::toUtf8(read(rtf, codePage).visibleText());
}

const CharFormat& formatAt(const RichText& text, int position) {
    for (const RichText::Run& run : text.runs) {
        if (position < run.length)
            return run.format;
        position -= run.length;
    }
    return text.runs.back().format;
}

} // namespace

TEST(RtfReader, CodePagesOfDocumentAndFonts) {
    EXPECT_EQ(visible("{\\rtf1\\ansi\\ansicpg1251 \\'D1\\'f2}"), "Ст"); // either case of hex
    // The font's charset wins over the document's page, per font.
    EXPECT_EQ(visible("{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset204 Arial;}"
                      "{\\f2\\fcharset238 Arial;}}\\f0\\'80 \\f1\\'80\\'e0 \\f2\\'e8}"),
              "€ Ђа č");
    // Without a page the caller's system page is used; raw high bytes decode the same way.
    EXPECT_EQ(visible("{\\rtf1 \xd1\xf2}", 1251), "Ст");
    // Double-byte pages need both bytes together, even when one is escaped.
    EXPECT_EQ(visible("{\\rtf1\\ansi\\ansicpg932 \\'82\\'a8\\'8b\\'43}"), "お気");
}

TEST(RtfReader, UnicodeAndFallbacks) {
    EXPECT_EQ(visible("{\\rtf1\\uc1\\u1071?\\u-3913?x}"), "Я\uF0B7x");
    EXPECT_EQ(visible("{\\rtf1\\uc0\\u8804 \\u8804}"), "≤≤");
    EXPECT_EQ(visible("{\\rtf1{\\uc2\\u228\\'e8a}b\\u945 c}"), "äbα");
    EXPECT_EQ(visible("{\\rtf1\\u-10187?\\u-8904?}"), "𝔸");
    // A group ends the fallback that was to be skipped.
    EXPECT_EQ(visible("{\\rtf1\\uc3{\\u1071}x}"), "Яx");
}

TEST(RtfReader, SkipsWhatIsNotText) {
    // \* destinations, unknown words, binary data with braces and field instructions are not
    // text; field results are.
    EXPECT_EQ(visible("{\\rtf1{\\*\\generator x;}{\\*\\unknown {nested} text}\\foo12 a"
                      "{\\pict\\bin3 }{}}b}"),
              "ab");
    EXPECT_EQ(visible("{\\rtf1{\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt link}} item}"),
              "link item");
    EXPECT_EQ(visible("{\\rtf1 a\\znheader1 b\\znheader0 c}"), "abc");
    // After the final brace nothing counts.
    EXPECT_EQ(visible("{\\rtf1 a}b}c"), "a");
    // Hidden text is read but not visible.
    const RichText hidden = read("{\\rtf1 a{\\v tag}b}");
    EXPECT_EQ(zn::toUtf8(hidden.text), "atagb");
    EXPECT_EQ(zn::toUtf8(hidden.visibleText()), "ab");
}

TEST(RtfReader, ListLabelsAndNestedCellsAreShown) {
    // A label is read once per paragraph, whichever form comes first; the old form inside
    // \pn stays out.
    EXPECT_EQ(visible("{\\rtf1{\\pntext\\pard\\plain 1.\\tab}{\\*\\pn\\pnlvlbody{\\pntxta .}}"
                      "{\\listtext 1.\\tab}one\\par{\\listtext\\f3 \\'b7\\tab}two}"),
              "1.\tone\n\u00B7\ttwo");
    // Cells of a nested table, also when a writer puts them in the table's properties group;
    // the flat copy for readers without nested tables is not shown twice.
    EXPECT_EQ(visible("{\\rtf1 a\\cell\\itap2 b\\nestcell{\\*\\nesttableprops\\trowd c\\nestcell"
                      "\\nestrow}{\\nonesttables b c}d\\cell\\row}"),
              "a\nb\nc\nd\n");
}

TEST(RtfReader, ParagraphsAndSpecialCharacters) {
    EXPECT_EQ(visible("{\\rtf1 a\\par b\\\nc\\\r\nd\\line e\\tab f\\emdash\\~\\_\\-}"),
              "a\nb\nc\nd\ne\tf\u2014\u00A0\u2011\u00AD");
    EXPECT_EQ(visible("{\\rtf1 \\{\\}\\\\ \\lquote\\rquote\\ldblquote\\rdblquote\\bullet}"),
              "{}\\ \u2018\u2019\u201C\u201D\u2022");
    // Line breaks in the source are not text.
    EXPECT_EQ(visible("{\\rtf1 a\r\nb}"), "ab");
}

TEST(RtfReader, CharacterFormats) {
    const RichText text =
        read("{\\rtf1{\\fonttbl{\\f0\\fswiss\\fprq2\\fcharset0 Arial;}{\\f1\\froman Times;}}"
             "{\\colortbl ;\\red255\\green0\\blue0;}"
             "\\plain\\f0\\fs20 a{\\b\\protect b}\\up9 c\\dn3 d\\plain\\f1\\embo\\impr\\cf1 "
             "e\\cf0\\ul f\\ul0 g"
             "\\znlink h\\plain\\fs15\\up9\\znyoffset88 i}");
    EXPECT_EQ(zn::toUtf8(text.text), "abcdefghi");
    const CharFormat& a = formatAt(text, 0);
    EXPECT_EQ(a.face, u"Arial");
    EXPECT_EQ(a.height, 200);
    EXPECT_EQ(a.pitchAndFamily, VARIABLE_PITCH | FF_SWISS);
    EXPECT_TRUE(a.effects & CFE_AUTOCOLOR);
    EXPECT_EQ(formatAt(text, 1).effects & (CFE_BOLD | CFE_PROTECTED), CFE_BOLD | CFE_PROTECTED);
    EXPECT_EQ(formatAt(text, 2).effects & CFE_BOLD, 0u); // the group ended
    EXPECT_EQ(formatAt(text, 2).offset, 90);
    EXPECT_EQ(formatAt(text, 3).offset, -30);
    const CharFormat& e = formatAt(text, 4);
    EXPECT_EQ(e.face, u"Times");
    EXPECT_EQ(e.height, 240); // \plain returns to 12 points
    EXPECT_EQ(e.effects & (CFE_EMBOSS | CFE_IMPRINT | CFE_AUTOCOLOR), CFE_EMBOSS | CFE_IMPRINT);
    EXPECT_EQ(e.color, RGB(255, 0, 0));
    EXPECT_TRUE(formatAt(text, 5).effects & CFE_UNDERLINE);
    EXPECT_TRUE(formatAt(text, 5).effects & CFE_AUTOCOLOR);
    EXPECT_FALSE(formatAt(text, 6).effects & CFE_UNDERLINE);
    EXPECT_TRUE(formatAt(text, 7).effects & CFE_LINK);
    EXPECT_EQ(formatAt(text, 8).height, 150);
    EXPECT_EQ(formatAt(text, 8).offset, 88);
}

TEST(RtfReader, ParagraphFormats) {
    const RichText text =
        read("{\\rtf1\\pard\\li567\\fi-283\\ri100\\sa60\\qc\\tx500\\tx1000\\sl360\\slmult1 a\\par"
             "\\pard\\sl-300 b\\par\\pard\\sl240\\slmult1\\sl480 c}");
    ASSERT_EQ(text.paragraphs.size(), 3u);
    const ParaFormat& a = text.paragraphs[0];
    EXPECT_EQ(a.startIndent, 284);
    EXPECT_EQ(a.offset, 283);
    EXPECT_EQ(a.rightIndent, 100);
    EXPECT_EQ(a.spaceAfter, 60);
    EXPECT_EQ(a.alignment, PFA_CENTER);
    ASSERT_EQ(a.tabCount, 2);
    EXPECT_EQ(a.tabs[1], 1000);
    EXPECT_EQ(a.lineSpacingRule, 5);
    EXPECT_EQ(a.lineSpacing, 30);
    EXPECT_EQ(text.paragraphs[1].lineSpacingRule, 4);
    EXPECT_EQ(text.paragraphs[1].lineSpacing, 300);
    EXPECT_EQ(text.paragraphs[2].lineSpacingRule, 5);
    EXPECT_EQ(text.paragraphs[2].lineSpacing, 40);
}

TEST(RtfReader, RefusesWhatIsNotRtf) {
    RichText text;
    text.append(u"kept", CharFormat());
    const zn::rtf::ReadResult result = zn::rtf::Read("  plain text {\\rtf1}", text);
    EXPECT_FALSE(result);
    EXPECT_EQ(result.status, zn::rtf::ReadStatus::NotRtf);
    EXPECT_EQ(result.offset, 2u);
    EXPECT_EQ(text.text, u"kept"); // a failed read leaves the output alone
    EXPECT_TRUE(zn::rtf::Read("\r\n{\\rtf1 unterminated", text)); // tolerant of a missing brace
    EXPECT_EQ(text.text, u"unterminated");
}
