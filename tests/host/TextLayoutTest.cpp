// Text measured with the drafting font: wrapping keeps every word, fits the width, and the
// host's text object and splitter report the box the text takes.
#include "simhost/TextLayout.h"
#include "host/ClassIds.h"
#include "host/Services.h"
#include "host/SingleLineText.h"
#include "host/TextObject.h"
#include "simhost/TextContent.h"
#include "tests/host/HostFixture.h"

namespace {

using TextMeasuring = HostFixture;

ZnsTextParams params(double height) {
    ZnsTextParams p;
    p.height = height;
    return p;
}

TEST_F(TextMeasuring, WidthsGrowWithTextAndHeight) {
    const simhost::TextStyle& style = Host().Styles().Current();
    double one = simhost::MeasureLine(u"M", style, 5);
    EXPECT_GT(one, 1.0);
    EXPECT_NEAR(simhost::MeasureLine(u"MM", style, 5), 2 * one, 1e-9);
    EXPECT_NEAR(simhost::MeasureLine(u"M", style, 10), 2 * one, 1e-9);
    EXPECT_EQ(simhost::MeasureLine(u"", style, 5), 0);
}

TEST_F(TextMeasuring, WrappingFitsTheWidthAndLosesNoWord) {
    ZnsStringW paragraph = u"Unspecified limit deviations of dimensions: holes H14, shafts h14, "
                           u"others plus minus IT14/2 "
                           u"according to the general tolerance standard. "
                           u"Supercalifragilisticexpialidociouslylongword.";
    simhost::LaidOutText text = simhost::LayOutText({paragraph}, params(3.5), 60, Host().Styles());
    ASSERT_GT(text.lines.size(), 2u);
    ZnsStringW joined;
    for (const simhost::LaidOutLine& line : text.lines) {
        EXPECT_LE(line.width, 60 + 1e-9) << zn::toUtf8(line.text);
        if (!joined.empty() && joined.back() != u' ' && !line.text.empty())
            joined += u' ';
        joined += line.text;
    }
    ZnsStringW squeezed = paragraph, rejoined = joined;
    zn::replaceAll(squeezed, u" ", u"");
    zn::replaceAll(rejoined, u" ", u"");
    EXPECT_EQ(rejoined, squeezed);
    EXPECT_NEAR(text.height,
                3.5 + (double(text.lines.size()) - 1) * 3.5 * simhost::kLinePitchFactor, 1e-9);
}

TEST_F(TextMeasuring, TheTextObjectMeasuresWhatTheHostDraws) {
    ZnPtr<IZnTextObject> text = ZnCreate<IZnTextObject>(CLSID_ZnTextObject);
    ASSERT_TRUE(text);
    text->SetTextParams(params(2.5));
    text->SetContent(u"First paragraph\rSecond paragraph", ZnsContentKind::PlainText);
    ZnsBox3 unwrapped;
    text->GetExtents(unwrapped);
    EXPECT_NEAR(unwrapped.max.y, 0, 1e-9);
    EXPECT_NEAR(unwrapped.Height(), 2.5 + 2.5 * simhost::kLinePitchFactor, 1e-9);

    text->SetWidth(unwrapped.Width() * 0.6);
    ZnsBox3 wrapped;
    text->GetExtents(wrapped);
    EXPECT_GT(wrapped.Height(), unwrapped.Height());
    EXPECT_LE(wrapped.Width(), unwrapped.Width() * 0.6 + 1e-9);

    // A paragraph cut from a longer text ends with its mark, which opens no further line.
    text->SetWidth(0);
    text->SetContent(u"{\\rtf1\\pard\\plain First paragraph\\par\\pard\\plain Second paragraph\\par}",
                     ZnsContentKind::Rtf);
    ZnsBox3 cut;
    text->GetExtents(cut);
    EXPECT_EQ(cut, unwrapped);
    EXPECT_EQ(text->SetContent(u"not rtf", ZnsContentKind::Rtf), E_INVALIDARG);
    EXPECT_EQ(text->SetTextParams(params(0)), E_INVALIDARG);
}

TEST_F(TextMeasuring, RtfIsMeasuredByItsVisibleText) {
    auto paragraphs =
        simhost::VisibleParagraphs(u"{\\rtf1\\ansi\\ansicpg1251{\\fonttbl{\\f0 "
                                   u"GOST;}}\\pard\\plain 1. \\v *<iref id=\"1\"/>\\v0 "
                                   u"\\'cf\\'e0\\'f0\\par\\pard\\plain Second}",
                                   ZnsContentKind::Rtf);
    ASSERT_TRUE(paragraphs);
    EXPECT_EQ(*paragraphs, (std::vector<ZnsStringW>{u"1. Пар", u"Second"}))
        << "hidden tags are not drawn";

    ZnPtr<IZnTextObject> text = ZnCreate<IZnTextObject>(CLSID_ZnTextObject);
    ZnPtr<IZnTextObject> plain = ZnCreate<IZnTextObject>(CLSID_ZnTextObject);
    text->SetTextParams(params(3.5));
    plain->SetTextParams(params(3.5));
    ASSERT_EQ(text->SetContent(u"{\\rtf1\\pard\\plain Alpha beta\\par\\pard\\plain Gamma}",
                               ZnsContentKind::Rtf),
              S_OK);
    plain->SetContent(u"Alpha beta\rGamma", ZnsContentKind::PlainText);
    ZnsBox3 fromRtf, fromPlain;
    text->GetExtents(fromRtf);
    plain->GetExtents(fromPlain);
    EXPECT_EQ(fromRtf, fromPlain);
}

TEST_F(TextMeasuring, HostMultilineCodesShowOnlyTheirText) {
    EXPECT_EQ(simhost::HostMTextToPlain(u"{\\H2.5;\\fGOST|b0;Ra\\~3,2}\\PH7\\S+0,1^-0,2;\\\\"),
              u"Ra\u00A03,2\nH7+0,1/-0,2\\");
}

TEST_F(TextMeasuring, TheSplitterCutsLinesAndFramesTheBox) {
    ZnPtr<IZnTextSplitter> splitter = ZnCreate<IZnTextSplitter>(CLSID_ZnTextSplitter);
    ASSERT_TRUE(splitter);
    ZnsDTextRecord record;
    record.text = u"Line one\\PLine two";
    record.origin = {100, 50, 0};
    record.height = 5;
    ZnsArray<ZnsDTextRecord> lines;
    ZnsTextFrame frame;
    ASSERT_EQ(splitter->Split(record, lines, frame), S_OK);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1].text, u"Line two");
    EXPECT_LT(lines[1].origin.y, lines[0].origin.y);
    EXPECT_NEAR(frame.yAxis.y, 5 + 5 * simhost::kLinePitchFactor, 1e-9);
    EXPECT_GT(frame.xAxis.x, 10);

    record.text = u"Single";
    splitter->Split(record, lines, frame);
    EXPECT_TRUE(lines.empty()) << "a single line needs no pieces";
    record.width = 80;
    splitter->Split(record, lines, frame);
    EXPECT_NEAR(frame.xAxis.x, 80, 1e-9) << "a fitted text is as wide as its fit";
}

} // namespace
