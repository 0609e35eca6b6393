// Writing RTF and reading it back: the model's content survives byte-exact in formats, and
// the written dialect keeps the shape that paragraph cutting relies on.
#include <gtest/gtest.h>

#include "platform/richedit/RichEditModel.h"
#include "platform/rtf/RtfReader.h"
#include "platform/rtf/RtfWriter.h"
#include "platform/text/CodePage.h"

using namespace zn::richedit;

namespace {

void expectSameContent(const RichText& a, const RichText& b) {
    ASSERT_EQ(zn::toUtf8(a.text), zn::toUtf8(b.text));
    ASSERT_EQ(a.runs.size(), b.runs.size());
    for (size_t i = 0; i < a.runs.size(); ++i) {
        EXPECT_EQ(a.runs[i].length, b.runs[i].length) << "run " << i;
        EXPECT_TRUE(a.runs[i].format.sameAs(b.runs[i].format))
            << "run " << i << " effects " << std::hex << a.runs[i].format.effects << " / "
            << b.runs[i].format.effects << std::dec << " height " << a.runs[i].format.height
            << " / " << b.runs[i].format.height << " offset " << a.runs[i].format.offset << " / "
            << b.runs[i].format.offset << " charset " << int(a.runs[i].format.charset) << " / "
            << int(b.runs[i].format.charset);
    }
    ASSERT_EQ(a.paragraphs.size(), b.paragraphs.size());
    for (size_t i = 0; i < a.paragraphs.size(); ++i)
        EXPECT_TRUE(a.paragraphs[i].sameAs(b.paragraphs[i])) << "paragraph " << i;
}

// A requirements text as the editor builds it: protected bold prefixes, a superscript, a
// hidden tag, a reference run, tabs, indents and line spacing.
void buildRequirements(RichEditModel& model, const char16_t* body) {
    model.ReplaceSel(u"Header\r1. ");
    model.ReplaceSel(body);
    model.ReplaceSel(u" 10");
    const int exponent = model.GetTextLength();
    model.ReplaceSel(u"-3\t{a\\b}\r2. *<iref id=\"2\"/> ");
    CharFormat prefix;
    prefix.mask = CFM_BOLD | CFM_PROTECTED | CFM_COLOR;
    prefix.effects = CFE_BOLD | CFE_PROTECTED;
    prefix.color = RGB(0, 0, 255);
    model.SetCharFormat(7, 10, prefix);
    CharFormat superscript;
    superscript.mask = CFM_SIZE | CFM_OFFSET;
    superscript.height = 150;
    superscript.offset = 200 * 4 / 9; // not a whole half-point
    model.SetCharFormat(exponent, exponent + 2, superscript);
    const int second = model.LineIndex(2);
    CharFormat tag;
    tag.mask = CFM_HIDDEN | CFM_EMBOSS | CFM_IMPRINT | CFM_LINK;
    tag.effects = CFE_HIDDEN | CFE_LINK | CFE_IMPRINT;
    model.SetCharFormat(second + 4, second + 18, tag);
    ParaFormat para;
    para.mask = PFM_ALL;
    para.startIndent = 284;
    para.offset = -284;
    para.rightIndent = 100;
    para.tabCount = 2;
    para.tabs[0] = 568;
    para.tabs[1] = 1136;
    para.lineSpacingRule = 5;
    para.lineSpacing = 30;
    para.spaceAfter = 120;
    para.alignment = PFA_JUSTIFY;
    model.SetParaFormat(second, second, para);
}

RichText readBack(const std::string& rtf) {
    RichText back;
    EXPECT_TRUE(zn::rtf::Read(rtf, back));
    return back;
}

} // namespace

TEST(RtfRoundTrip, ModelContentSurvivesWriteAndRead) {
    RichEditModel model;
    buildRequirements(model, u"Steel 45 per standard");
    const RichText content = model.GetRichText(0, model.GetTextLength());
    expectSameContent(readBack(model.GetRtf()), content);

    // And through a second model, streamed in over the whole document.
    RichEditModel copy;
    ASSERT_TRUE(copy.StreamInRtf(model.GetRtf(), false));
    EXPECT_EQ(copy.GetRtf(), model.GetRtf());
}

TEST(RtfRoundTrip, CyrillicThroughCodePage1251AndOthersThroughUnicode) {
    RichEditModel model;
    buildRequirements(model, u"Сталь 45 ГОСТ 1050 ≤ 50 € 𝔸 中");
    CharFormat cyrillic;
    cyrillic.mask = CFM_CHARSET;
    cyrillic.charset = RUSSIAN_CHARSET;
    model.SetCharFormat(0, model.GetTextLength(), cyrillic);
    const std::string rtf = model.GetRtf();
    EXPECT_NE(rtf.find("\\fcharset204"), std::string::npos);
    EXPECT_NE(rtf.find("\\'d1\\'f2\\'e0\\'eb\\'fc"), std::string::npos); // "Сталь" as bytes of 1251
    EXPECT_NE(rtf.find("\\u8804?"), std::string::npos);                  // ≤ is not in 1251
    EXPECT_NE(rtf.find("\\u-10187?\\u-8904?"), std::string::npos);       // 𝔸 as a surrogate pair
    for (unsigned char byte : rtf)
        ASSERT_LT(byte, 0x80) << "written RTF is 7-bit";
    expectSameContent(readBack(rtf), model.GetRichText(0, model.GetTextLength()));

    // In a font of charset 0 the same letters travel as \u.
    RichEditModel western;
    western.ReplaceSel(u"Сталь");
    CharFormat ansi;
    ansi.mask = CFM_CHARSET;
    ansi.charset = 0;
    western.SetCharFormat(0, 5, ansi);
    EXPECT_NE(western.GetRtf().find("\\u1057?"), std::string::npos);
    expectSameContent(readBack(western.GetRtf()), western.GetRichText(0, 5));
}

TEST(RtfRoundTrip, SelectionStreamsOutAndInOverTheSelection) {
    RichEditModel model;
    buildRequirements(model, u"body");
    const int second = model.LineIndex(2);
    model.SetSel(model.LineIndex(1), second);
    const std::string item = model.GetRtf(true);
    const RichText itemContent = model.GetRichText(model.LineIndex(1), second);

    model.SetSel(0, 0);
    ASSERT_TRUE(model.StreamInRtf(item, true));
    int start, end;
    model.GetSel(start, end);
    EXPECT_EQ(start, int(itemContent.text.size()));
    RichText moved = model.GetRichText(0, start);
    // The moved item keeps its paragraph format and runs; the paragraph it ends in keeps its own.
    EXPECT_FALSE(moved.paragraphs.back().sameAs(itemContent.paragraphs.back()));
    moved.paragraphs.back() = itemContent.paragraphs.back();
    expectSameContent(moved, itemContent);
    EXPECT_TRUE(model.CanUndo());
    model.Undo();
    EXPECT_EQ(model.GetLine(0), u"Header\r");
}

TEST(RtfWriter, DialectCutsIntoCompleteParagraphs) {
    RichEditModel model;
    buildRequirements(model, u"a\\par b"); // text that spells a terminator must not make one
    model.ReplaceSel(u"\r");               // and an empty last paragraph
    const std::string rtf = model.GetRtf();
    const size_t firstPard = rtf.find("\\pard");
    ASSERT_NE(firstPard, std::string::npos);
    EXPECT_EQ(rtf.find("\\par"), firstPard) << "nothing in the preamble looks like a terminator";

    int terminators = 0;
    for (size_t at = rtf.find("\\par", firstPard + 5); at != std::string::npos;
         at = rtf.find("\\par", at + 5)) {
        ++terminators;
        EXPECT_EQ(rtf.compare(at, 9, "\\par\\pard"), 0)
            << "a backslash and the next paragraph's words follow";
    }
    EXPECT_EQ(terminators, model.GetLineCount() - 1);
    EXPECT_EQ(rtf.back(), '}');
    EXPECT_NE(rtf.find("\\pard\\plain"), std::string::npos); // empty paragraphs state a format
}

TEST(RtfWriter, StandardWordsForEffects) {
    RichEditModel model;
    buildRequirements(model, u"x");
    const std::string rtf = model.GetRtf();
    for (const char* word :
         {"\\b", "\\protect", "\\v", "\\impr", "\\znlink", "\\up9", "\\fs15", "\\sl360\\slmult1",
          "\\fi284", "\\ri100", "\\sa120", "\\qj", "\\tx568\\tx1136", "\\red0\\green0\\blue255"})
        EXPECT_NE(rtf.find(word), std::string::npos) << word;
}
