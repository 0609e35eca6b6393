// Where texts land and how a sheet renders: anchors and alignments place the text box,
// extents follow rotation, and the SVG flips the drawing's y axis into the page's.
#include <cmath>

#include "simhost/BoundsSink.h"
#include "simhost/SvgRenderer.h"
#include "simhost/TextPlacement.h"
#include "tests/host/HostFixture.h"

namespace {

using Rendering = HostFixture;

ZnsTextPrimitive text(const char16_t* content, std::int32_t anchor, std::int32_t alignment) {
    ZnsTextPrimitive primitive;
    primitive.position = {100, 100, 0};
    primitive.content = content;
    primitive.contentKind = ZnsContentKind::PlainText;
    primitive.anchor = anchor;
    primitive.alignment = alignment;
    primitive.params.height = 5;
    return primitive;
}

TEST_F(Rendering, AnchorsAndAlignmentsPlaceTheBox) {
    simhost::PlacedText hanging = simhost::PlaceText(text(u"One\nTwo", 0, 0), Host().Styles());
    EXPECT_NEAR(hanging.corners[0].y, 100, 1e-9) << "anchor 0: the text hangs from the point";
    EXPECT_NEAR(hanging.baselines[0].y, 95, 1e-9);
    EXPECT_NEAR(hanging.baselines[1].y, 95 - 5 * simhost::kLinePitchFactor, 1e-9);
    EXPECT_NEAR(hanging.corners[0].x, 100, 1e-9);

    simhost::PlacedText standing = simhost::PlaceText(text(u"One\nTwo", 2, 0), Host().Styles());
    EXPECT_NEAR(standing.baselines.back().y, 100, 1e-9)
        << "anchor 2: the last line stands on the point";

    simhost::PlacedText centred = simhost::PlaceText(text(u"Centre", 0, 1), Host().Styles());
    EXPECT_NEAR(centred.corners[0].x + centred.corners[1].x, 200, 1e-9);
    simhost::PlacedText right = simhost::PlaceText(text(u"Right", 0, 2), Host().Styles());
    EXPECT_NEAR(right.corners[1].x, 100, 1e-9);
}

TEST_F(Rendering, ExtentsTurnWithTheDirection) {
    ZnsTextPrimitive upright = text(u"Vertical text", 2, 0);
    upright.direction = {0, 1, 0};
    simhost::BoundsSink sink(Host().Styles());
    sink.Text(upright);
    EXPECT_NEAR(sink.Box().min.x, 95, 1e-9) << "the text's height now runs along -x";
    EXPECT_NEAR(sink.Box().max.x, 100, 1e-9);
    EXPECT_GT(sink.Box().Height(), 20);
}

TEST_F(Rendering, TheSvgHasTheSheetTheLinesAndTheWrappedTexts) {
    simhost::SvgRenderer svg(Host().Styles(), 420, 297);
    svg.Line({0, 0, 0}, {10, 20, 0}, kZnsColorByDefault);
    ZnsTextPrimitive wrapped = text(u"several words that do not fit in one short line", 0, 0);
    wrapped.width = 40;
    wrapped.params.color = 255; // red, as colour values are 0x00BBGGRR
    svg.Text(wrapped);
    std::string document = svg.Document();
    EXPECT_NE(document.find("viewBox=\"0 0 420 297\""), std::string::npos);
    EXPECT_NE(document.find("y1=\"297\" x2=\"10\" y2=\"277\""), std::string::npos)
        << "y grows downwards on a page";
    simhost::PlacedText placed = simhost::PlaceText(wrapped, Host().Styles());
    size_t texts = 0;
    for (size_t at = 0; (at = document.find("<text", at)) != std::string::npos; ++at)
        ++texts;
    EXPECT_EQ(texts, placed.layout.lines.size());
    EXPECT_GT(texts, 2u);
    EXPECT_NE(document.find("fill=\"#FF0000\""), std::string::npos);
    EXPECT_NE(document.find(Host().Styles().Current().font->FamilyName()), std::string::npos);
}

TEST_F(Rendering, ASheetRendersItsFormatAndOnlyItsSpace) {
    simhost::Drawing& drawing = NewDrawing("A4");
    std::string sheet = Host().RenderSheet();
    EXPECT_NE(sheet.find("viewBox=\"0 0 210 297\""), std::string::npos);
    EXPECT_NE(sheet.find("points=\"20,292 205,292 205,5 20,5 \""), std::string::npos)
        << "the frame";
    size_t lines = 0;
    for (size_t at = 0; (at = sheet.find("<line", at)) != std::string::npos; ++at)
        ++lines;
    EXPECT_EQ(lines, 5u + 10u + 11u) << "title block: columns, signature rows and field lines";
    size_t thick = 0;
    for (size_t at = 0; (at = sheet.find("stroke-width=\"0.7\"", at)) != std::string::npos; ++at)
        ++thick;
    EXPECT_EQ(thick, 2u + 5u + 2u + 8u) << "frame, title block outline, columns and field borders";
    (void)drawing;
}

} // namespace
