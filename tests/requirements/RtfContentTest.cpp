// Cutting requirements RTF into paragraphs and gluing it back, on inline documents for the
// rules and on documents the rich-edit model writes.
#include <gtest/gtest.h>

#include "platform/richedit/RichEditModel.h"
#include "requirements/RtfContent.h"

using namespace zn::richedit;

namespace {

ZnsStringW w(const char* text) {
    return zn::fromUtf8(text);
}
std::string u8(const ZnsStringW& text) {
    return zn::toUtf8(text);
}

} // namespace

TEST(RtfContent, PreambleEndsWithTheFirstPard) {
    ZnsStringW preamble = u"stale";
    EXPECT_EQ(RtfPreamble(w("{\\rtf1{\\fonttbl}\\pard\\plain a\\par\\pard b}"), preamble), 21);
    EXPECT_EQ(u8(preamble), "{\\rtf1{\\fonttbl}\\pard");
    EXPECT_EQ(RtfPreamble(w("{\\rtf1 no paragraphs}"), preamble), -1);
    EXPECT_TRUE(preamble.empty());
}

TEST(RtfContent, TwoTerminatorsMakeThreePieces) {
    const ZnsStringW doc = w("{\\rtf1 P\\pard\\b one\\par\\pard two\\par\\pard three}");
    std::vector<ZnsStringW> pieces = {u"old"};
    EXPECT_EQ(SplitRtfParagraphs(doc, pieces, true), 0);
    ASSERT_EQ(pieces.size(), 3u);
    EXPECT_EQ(u8(pieces[0]), "{\\rtf1 P\\pard\\b one\\par}");
    EXPECT_EQ(u8(pieces[1]), "{\\rtf1 P\\pard\\pard two\\par}");
    // The last piece: preamble, the restored backslash, and the rest of the document.
    EXPECT_EQ(u8(pieces[2]), "{\\rtf1 P\\pard\\pard three}");

    // A list paragraph at the end gets its brace back instead.
    const ZnsStringW list = w("{\\rtf1\\pard one\\par{\\listtext 1.}item}");
    SplitRtfParagraphs(list, pieces, false);
    ASSERT_EQ(pieces.size(), 2u);
    EXPECT_EQ(u8(pieces[1]), "{\\rtf1\\pard{\\listtext 1.}item}");

    // No terminator at all: the whole body is the one piece; nothing without "\pard".
    SplitRtfParagraphs(w("{\\rtf1\\pard\\plain only}"), pieces, false);
    ASSERT_EQ(pieces.size(), 1u);
    EXPECT_EQ(u8(pieces[0]), "{\\rtf1\\pard\\plain only}");
    EXPECT_EQ(SplitRtfParagraphs(w("{\\rtf1 text}"), pieces, true), 0);
    EXPECT_TRUE(pieces.empty());
    // A document that ends with a terminator and its brace has no empty last piece.
    SplitRtfParagraphs(w("{\\rtf1\\pard a\\par}"), pieces, false);
    EXPECT_EQ(pieces.size(), 1u);
}

TEST(RtfContent, HeaderCounting) {
    const ZnsStringW marked = w("{\\rtf1\\pard\\znheader1 H1\\par\\pard\\znheader1 H2\\par"
                                "\\pard\\znheader0 1. a\\par\\pard 2. b\\par\\pard 3. c}");
    std::vector<ZnsStringW> pieces;
    EXPECT_EQ(SplitRtfParagraphs(marked, pieces, true), 2);
    EXPECT_EQ(pieces.size(), 5u);
    EXPECT_EQ(SplitRtfParagraphs(marked, pieces, false), 0);

    // Without any "\znheader1" counting is off even when asked for.
    EXPECT_EQ(SplitRtfParagraphs(w("{\\rtf1\\pard a\\par\\pard\\znheader0 b\\par\\pard c}"), pieces,
                                 true),
              0);
    // Unmarked paragraphs before the first "\znheader0" count while counting is on.
    EXPECT_EQ(
        SplitRtfParagraphs(w("{\\rtf1\\pard\\znheader1 a\\par\\pard b\\par\\pard\\znheader0 c\\par"
                             "\\pard d\\par\\pard e}"),
                           pieces, true),
        2);
    // Without a "\znheader0" every paragraph but the last counts.
    EXPECT_EQ(SplitRtfParagraphs(w("{\\rtf1\\pard\\znheader1 a\\par\\pard b\\par\\pard c}"), pieces,
                                 true),
              2);
}

TEST(RtfContent, AppendGluesBodies) {
    ZnsStringW target;
    const ZnsStringW first = w("{\\rtf1 P\\pard one\\par}");
    AppendRtf(target, first);
    EXPECT_EQ(target, first); // an empty target takes the source unchanged
    EXPECT_EQ(AppendRtf(target, w("{\\rtf1 P\\pard\\pard two}")), 1);
    EXPECT_EQ(u8(target), "{\\rtf1 P\\pard one\\par\\pard two}");
    // A source without "\pard" adds nothing; a target not ending in "\par}" keeps its brace.
    AppendRtf(target, w("{\\rtf1 nothing}"));
    AppendRtf(target, w("{\\rtf1 P\\pard three}"));
    EXPECT_EQ(u8(target), "{\\rtf1 P\\pard one\\par\\pard two} three}");
}

TEST(RtfContent, OurRtfCutsIntoPiecesWithTheFormatsOfTheirParagraphs) {
    RichEditModel model;
    model.ReplaceSel(u"Header\r1. Сталь 45\r2. 10-3 mm\rlast");
    CharFormat prefix;
    prefix.mask = CFM_BOLD | CFM_PROTECTED;
    prefix.effects = CFE_BOLD | CFE_PROTECTED;
    model.SetCharFormat(7, 10, prefix);
    CharFormat raised;
    raised.mask = CFM_OFFSET | CFM_SIZE;
    raised.offset = 88;
    raised.height = 150;
    model.SetCharFormat(23, 25, raised);
    ParaFormat spacing;
    spacing.mask = PFM_LINESPACING | PFM_STARTINDENT;
    spacing.lineSpacingRule = 5;
    spacing.lineSpacing = 30;
    spacing.startIndent = 284;
    model.SetParaFormat(19, 19, spacing);

    const ZnsStringW content = zn::fromUtf8(model.GetRtf());
    std::vector<ZnsStringW> pieces;
    SplitRtfParagraphs(content, pieces, false);
    ASSERT_EQ(pieces.size(), 4u);
    for (int i = 0; i < 4; ++i) {
        RichEditModel piece;
        ASSERT_TRUE(piece.StreamInRtf(zn::toUtf8(pieces[size_t(i)]), false));
        const int start = model.LineIndex(i);
        const int length = model.LineLength(start);
        EXPECT_EQ(piece.GetLine(0).substr(0, size_t(length)),
                  model.GetTextRange(start, start + length));
        for (int c = 0; c < length; ++c)
            EXPECT_TRUE(
                piece.Document().CharFormatAt(c).sameAs(model.Document().CharFormatAt(start + c)))
                << "paragraph " << i << " character " << c;
        EXPECT_TRUE(piece.Document().ParaFormatOf(0).sameAs(model.Document().ParaFormatOf(i))) << i;
    }

    // Gluing the pieces back gives the document byte for byte.
    ZnsStringW joined;
    for (const ZnsStringW& piece : pieces)
        AppendRtf(joined, piece);
    EXPECT_EQ(joined, content);
}
