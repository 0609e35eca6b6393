// Placement of a requirements object on an A3 landscape sheet: the format's column frames,
// the flow from one column into the next, the free space under objects in the way, the
// header column, line spacing gaps, interactive rectangles, grips and the drawn texts.
#include <algorithm>
#include <sstream>

#include "host/TextObject.h"
#include "module/Exports.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/UserAgent.h"
#include "tests/host/TTextFixture.h"

namespace {

using TTextPlacement = TTextFixture;

struct RecordingSink : IZnGeometrySink {
    std::vector<ZnsTextPrimitive> texts;
    int polylines = 0;
    int lines = 0;
    void Line(const ZnsPoint3&, const ZnsPoint3&, std::int32_t) override { ++lines; }
    void Polyline(const std::vector<ZnsPoint3>&, bool, std::int32_t) override { ++polylines; }
    void Text(const ZnsTextPrimitive& text) override { texts.push_back(text); }
};

// Answers point requests from a list (a keyword first when one is given); anything else is
// a cancel.
struct PointsAgent : zn::ui::UserAgent {
    std::vector<ZnsPoint3> points;
    std::u16string keyword;
    std::optional<std::int32_t> object; // the index of the object to pick
    std::vector<std::u16string> messages;
    int AnswerMessageBox(std::u16string_view text, std::u16string_view, unsigned) override {
        messages.emplace_back(text);
        return zn::ui::IDOK;
    }
    std::optional<std::u16string> ChooseFile(const zn::ui::FileRequest&) override {
        return std::nullopt;
    }
    zn::ui::PickAnswer PickPoint(const zn::ui::PointRequest&) override {
        zn::ui::PickAnswer answer;
        if (!keyword.empty()) {
            answer.kind = zn::ui::PickAnswer::Kind::Keyword;
            answer.keyword = std::exchange(keyword, {});
            return answer;
        }
        if (points.empty())
            return answer;
        answer.kind = zn::ui::PickAnswer::Kind::Point;
        answer.point = {points.front().x, points.front().y, 0};
        points.erase(points.begin());
        return answer;
    }
    zn::ui::PickAnswer PickObject(const zn::ui::ObjectRequest&) override {
        zn::ui::PickAnswer answer;
        if (object) {
            answer.kind = zn::ui::PickAnswer::Kind::Object;
            answer.object = *std::exchange(object, std::nullopt);
        }
        return answer;
    }
};

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        result.push_back(line);
    return result;
}

TEST_F(TTextPlacement, TheFirstColumnIsInsetFromTheTitleBlockByTheOffsetsTimesTheScale) {
    ZnPtr<CZnTText> text = NewText(kTTModeConditions);
    ZnsPoint3 first, second;
    ASSERT_EQ(text->GetFormatColumnFrame(0, first, second), 0);
    OrderCorners(first, second);
    // Title block 230..415 x 5..60, frame top 292.
    EXPECT_EQ(first, (ZnsPoint3{235, 292, 0}));
    EXPECT_EQ(second, (ZnsPoint3{410, 70, 0}));
    ASSERT_EQ(text->GetFormatColumnFrame(1, first, second), 0);
    OrderCorners(first, second);
    EXPECT_EQ(first, (ZnsPoint3{45, 292, 0}));
    EXPECT_EQ(second, (ZnsPoint3{225, 10, 0}));
    EXPECT_EQ(text->GetFormatColumnFrame(2, first, second), -1);

    simhost::SheetChoice doubled;
    doubled.scale = 2;
    ASSERT_FALSE(Host().NewDrawing(doubled));
    ZnPtr<CZnTText> scaled = NewText(kTTModeConditions);
    ASSERT_EQ(scaled->GetFormatColumnFrame(0, first, second), 0);
    OrderCorners(first, second);
    // The sheet doubles too: title block 460..830 x 10..120, frame top 584.
    EXPECT_EQ(first, (ZnsPoint3{470, 584, 0}));
    EXPECT_EQ(second, (ZnsPoint3{820, 140, 0}));
}

TEST_F(TTextPlacement, AtScaleTwoTheSheetAndItsRequirementsAreDrawnTwiceAsLarge) {
    simhost::SheetChoice doubled;
    doubled.scale = 2;
    ASSERT_FALSE(Host().NewDrawing(doubled));
    ZnPtr<IZnObject> format;
    ASSERT_EQ(gpZnObjManager->Open(format.put(), Format()), S_OK);
    EXPECT_EQ(ZnQuery<IZnEntity>(format.get())->GetExtents(),
              ZnsBox3::Of({0, 0, 0}, {840, 594, 0}));

    ZnPtr<CZnTText> text = NewText(kTTModeConditions);
    EXPECT_EQ(text->GetScale(), 2.0);
    text->SetContent(Items(3), 0);
    text->Place(kTTPlaceAuto);
    ASSERT_EQ(text->GetColumnCount(), 1);
    EXPECT_EQ(text->Columns()[0].first, (ZnsPoint3{470, 584, 0}));
    RecordingSink sink;
    text->Draw(sink);
    ASSERT_EQ(sink.texts.size(), 1u);
    EXPECT_DOUBLE_EQ(sink.texts[0].params.height, 2 * 2.5);
}

TEST_F(TTextPlacement, ALongTextFlowsIntoASecondColumnLeftOfTheFirstWithNothingLostOrRepeated) {
    ZnPtr<CZnTText> text = NewText(kTTModeConditions);
    text->SetContent(Items(100), 0);
    EXPECT_EQ(text->Place(kTTPlaceAuto), 1);
    ASSERT_EQ(text->GetColumnCount(), 2);
    ASSERT_EQ(text->GetColumnTextCount(), 2);
    const auto& columns = text->Columns();
    EXPECT_LE(columns[1].second.x, columns[0].first.x);
    EXPECT_EQ(columns[0].anchor, kTTAnchorBottom);

    std::vector<std::string> first = lines(Visible(text->GetColumnText(0)));
    std::vector<std::string> second = lines(Visible(text->GetColumnText(1)));
    EXPECT_GT(first.size(), 20u);
    EXPECT_GT(second.size(), 20u);
    first.insert(first.end(), second.begin(), second.end());
    ASSERT_EQ(first.size(), 100u);
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(first[size_t(i)], zn::formatA("%i. Item %i word word word", i + 1, i + 1));

    // Every column holds what it was measured for: its text fits its height.
    for (std::int32_t i = 0; i < 2; ++i) {
        ZnPtr<IZnTextObject> measure = ZnCreate<IZnTextObject>(CLSID_ZnTextObject);
        measure->SetContent(text->GetColumnText(i), ZnsContentKind::Rtf);
        measure->SetWidth(columns[size_t(i)].second.x - columns[size_t(i)].first.x);
        ZnsTextParams params;
        params.height = 2.5;
        measure->SetTextParams(params);
        ZnsBox3 box;
        measure->GetExtents(box);
        EXPECT_LE(box.Height(), columns[size_t(i)].first.y - columns[size_t(i)].second.y);
    }
}

TEST_F(TTextPlacement, ObjectsInTheColumnAreaLowerItsTopAndObjectsLeftOfItDoNot) {
    simhost::Drawing& drawing = *Host().ActiveDrawing();
    AddBox(drawing, CLSID_ZnView, {100, 150, 0}, {235, 290, 0}); // max.x on the column's left edge
    ZnPtr<CZnTText> text = NewText(kTTModeConditions);
    text->SetContent(Items(3), 0);
    text->Place(kTTPlaceAuto);
    ASSERT_EQ(text->GetColumnCount(), 1);
    EXPECT_EQ(text->Columns()[0].first.y, 292);

    AddBox(drawing, CLSID_ZnView, {300, 200, 0}, {350, 250, 0});
    text->Place(kTTPlaceAuto);
    EXPECT_EQ(text->Columns()[0].first.y, 200);

    const double first[3] = {235, 292, 0}, second[3] = {410, 70, 0};
    const znsWorkID self = text->GetId();
    EXPECT_EQ(CalcBottomFreeSpace(first, second, &self), 200);
    const double emptyFirst[3] = {360, 292, 0}, emptySecond[3] = {410, 70, 0};
    EXPECT_EQ(CalcBottomFreeSpace(emptyFirst, emptySecond, &self), 292);
}

TEST_F(TTextPlacement, AHeaderGetsAColumnTextOfItsOwnAndItsPropertiesAppear) {
    ZnPtr<CZnTText> text = NewText(kTTModeConditions);
    text->SetContent(Items(3, 3, true), 0);
    ZnsArray<ZnsStringW> names;
    text->GetPropertyNames(names);
    EXPECT_EQ(names.size(), 4u);

    EXPECT_EQ(text->LayoutInRectangle({235, 292, 0}, {410, 70, 0}, 0, 0), 1);
    ASSERT_EQ(text->GetColumnTextCount(), 2);
    EXPECT_EQ(Visible(text->GetColumnText(0)), "Technical requirements");
    EXPECT_EQ(lines(Visible(text->GetColumnText(1))).size(), 3u);
    EXPECT_EQ(text->GetHeaderIndex(), 0);
    EXPECT_EQ(text->GetHeaderCount(), 1);
    EXPECT_DOUBLE_EQ(text->GetExtraValue(), 0.5 * 2.5); // single spacing, header height 2.5

    text->GetPropertyNames(names);
    ASSERT_EQ(names.size(), 9u);
    EXPECT_EQ(names[4], u"Header height");
    ZnsArray<std::int32_t> ids;
    text->GetPropertyIds(ids);
    EXPECT_EQ(ids, (ZnsArray<std::int32_t>{7109, 7114, 7116, 7118, 7121, 7120, 7122, 7119, 7123}));
    ZnsStringW display;
    ZnsArray<ZnsStringW> choices;
    EXPECT_EQ(text->GetPropertyDisplay(u"Header align", display, choices), S_OK);
    EXPECT_EQ(choices, (ZnsArray<ZnsStringW>{u"Left", u"Center", u"Right"}));
}

TEST_F(TTextPlacement, RefillingTheHeaderColumnKeepingItsHeaderLeavesRoomForTheHeader) {
    ZnPtr<CZnTText> text = NewText(kTTModeConditions);
    text->GetParameters().Set(kTTParamHeaderHeight, 7.0);
    text->SetContent(Items(60, 3, true), 0);
    EXPECT_EQ(text->LayoutInRectangle({45, 292, 0}, {225, 150, 0}, 0, 0), 0);
    ASSERT_EQ(text->GetColumnTextCount(), 3);
    const ZnsStringW header = text->GetColumnText(0), body = text->GetColumnText(1);
    const double extra = text->GetExtraValue();

    // The header keeps its own text and its height still counts against the column.
    EXPECT_EQ(text->FillColumn(0, 1), 1);
    ASSERT_EQ(text->GetColumnTextCount(), 3);
    EXPECT_EQ(text->GetColumnText(0), header);
    EXPECT_EQ(Visible(text->GetColumnText(1)), Visible(body));
    EXPECT_DOUBLE_EQ(text->GetExtraValue(), extra);
    EXPECT_EQ(text->GetHeaderIndex(), 0);
    EXPECT_EQ(text->GetHeaderCount(), 1);
    std::vector<std::string> placed = lines(Visible(text->GetColumnText(1)));
    const std::vector<std::string> rest = lines(Visible(text->GetColumnText(2)));
    EXPECT_EQ(placed.size() + rest.size(), 60u);
    EXPECT_EQ(placed.back().rfind(std::to_string(placed.size()) + ". ", 0), 0u);
    EXPECT_EQ(rest.front().rfind(std::to_string(placed.size() + 1) + ". ", 0), 0u);

    // A bigger header leaves less room for the body.
    text->GetParameters().Set(kTTParamHeaderHeight, 20.0);
    EXPECT_EQ(text->FillColumn(0, 1), 1);
    EXPECT_LT(lines(Visible(text->GetColumnText(1))).size(), placed.size());
    EXPECT_EQ(lines(Visible(text->GetColumnText(1))).size() +
                  lines(Visible(text->GetColumnText(2))).size(),
              60u);
}

TEST_F(TTextPlacement, ADoubleSpacedHeaderLeavesAGapOfTwiceTheHeight) {
    zn::richedit::RichEditModel model;
    model.StreamInText(u"Header\r1. One\r2. Two", false);
    zn::richedit::ParaFormat doubled;
    doubled.mask = zn::richedit::PFM_LINESPACING;
    doubled.lineSpacingRule = 5;
    doubled.lineSpacing = 40;
    model.SetParaFormat(0, 0, doubled);
    ZnsStringW rtf = zn::ansiToWide(model.GetRtf());
    const size_t first = rtf.find(u"\\pard") + 5;
    rtf.insert(rtf.find(u"\\pard", first) + 5, u"\\znheader0");
    rtf.insert(first, u"\\znheader1");
    // The second header paragraph keeps the spacing of the first (no \pard between them),
    // which only the text glued so far shows.
    const ZnsStringW inherited =
        u"{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1{\\fonttbl{\\f0\\fswiss\\fprq2\\fcharset0 "
        u"Arial;}}\n{\\colortbl ;}\n"
        u"\\pard\\znheader1\\sl480\\slmult1\\plain\\f0\\fs20\\cf0 Header\\par"
        u"\\znheader1\\plain\\f0\\fs20\\cf0 Second header\\par"
        u"\\pard\\znheader0\\plain\\f0\\fs20\\cf0 1. One}";

    for (const ZnsStringW& content : {rtf, inherited}) {
        ZnPtr<CZnTText> text = NewText(kTTModeConditions);
        text->GetParameters().Set(kTTParamHeaderHeight, 3.0);
        text->SetContent(content, 0);
        text->LayoutInRectangle({235, 292, 0}, {410, 70, 0}, 0, 0);
        EXPECT_EQ(text->GetHeaderCount(), 1);
        EXPECT_DOUBLE_EQ(text->GetExtraValue(), 2.0 * 1.0 * 3.0);
    }
}

TEST_F(TTextPlacement, ATextThatFitsLeavesOneColumnTextAndTheOlderModesCutItLineByLine) {
    for (std::int32_t mode : {kTTModeConditions, kTTModeOldConditions}) {
        ZnPtr<CZnTText> text = NewText(mode);
        text->SetContent(Items(5), 0);
        EXPECT_EQ(text->LayoutInRectangle({45, 292, 0}, {225, 10, 0}, 0, 0), 1) << mode;
        ASSERT_EQ(text->GetColumnTextCount(), 1) << mode;
        EXPECT_EQ(lines(Visible(text->GetColumnText(0))).size(), 5u);
        EXPECT_EQ(text->GetHeaderIndex(), -1);
    }
    // An empty text has no first line to be a header.
    zn::richedit::RichEditModel empty;
    for (const ZnsStringW& content : {ZnsStringW(), zn::ansiToWide(empty.GetRtf())}) {
        ZnPtr<CZnTText> blank = NewText(kTTModeOldConditions);
        blank->SetContent(content, 0);
        blank->LayoutInRectangle({45, 292, 0}, {225, 10, 0}, 0, 0);
        EXPECT_EQ(blank->GetHeaderIndex(), -1);
        ZnsArray<ZnsStringW> names;
        blank->GetPropertyNames(names);
        EXPECT_EQ(names.size(), 4u);
    }
    // The older modes know one header: a first line that is not an item.
    ZnPtr<CZnTText> old = NewText(kTTModeOldParameters);
    old->SetContent(Items(60, 3, true), 0);
    EXPECT_EQ(old->LayoutInRectangle({45, 292, 0}, {225, 150, 0}, 1, 0), 0);
    EXPECT_EQ(old->GetHeaderIndex(), 0);
    EXPECT_EQ(old->GetHeaderCount(), 1);
    ASSERT_EQ(old->GetColumnTextCount(), 3);
    std::vector<std::string> placed = lines(Visible(old->GetColumnText(1)));
    std::vector<std::string> rest = lines(Visible(old->GetColumnText(2)));
    EXPECT_EQ(placed.size() + rest.size(), 60u);
    EXPECT_EQ(rest.front(),
              zn::formatA("%zu. Item %zu word word word", placed.size() + 1, placed.size() + 1));
}

TEST_F(TTextPlacement, UpdateRederivesAutomaticColumnsAndKeepsGivenRectangles) {
    ZnPtr<CZnTText> text = NewText(kTTModeConditions);
    text->SetContent(Items(100), 0);
    text->Place(kTTPlaceAuto);
    text->SetContent(Items(4), 1);
    EXPECT_EQ(text->GetColumnCount(), 2); // the second column waits for the text to grow
    EXPECT_EQ(text->GetColumnTextCount(), 1);

    std::map<ZnsStringW, ZNSVariant> points{{u"pntStart", ZnsPoint3{100, 50, 0}},
                                            {u"pntEnd", ZnsPoint3{50, 200, 0}}};
    EXPECT_EQ(text->EditOrPlace(0x6, &points), S_OK);
    EXPECT_EQ(text->GetPlaceKind(), kTTPlaceFromPoints);
    text->Update();
    ASSERT_EQ(text->GetColumnCount(), 1);
    EXPECT_EQ(text->Columns()[0].first, (ZnsPoint3{50, 200, 0}));
    EXPECT_EQ(text->Columns()[0].second, (ZnsPoint3{100, 50, 0}));
    points.erase(u"pntEnd");
    EXPECT_EQ(text->EditOrPlace(0x6, &points), E_FAIL);
}

TEST_F(TTextPlacement, AnUpdateWithoutAFormatFrameKeepsTheColumnsItHas) {
    ZnPtr<CZnTText> text = NewText(kTTModeConditions);
    text->SetContent(Items(5), 0);
    text->Place(kTTPlaceAuto);
    ASSERT_EQ(text->GetColumnCount(), 1);
    const ZnsTTColumn column = text->Columns()[0];
    ASSERT_EQ(gpZnObjManager->Erase(Format()), S_OK);
    text->SetContent(Items(6), 1);
    ASSERT_EQ(text->GetColumnCount(), 1);
    EXPECT_EQ(text->Columns()[0], column);
    ASSERT_EQ(text->GetColumnTextCount(), 1);
    EXPECT_EQ(lines(Visible(text->GetColumnText(0))).size(), 6u);
}

TEST_F(TTextPlacement, PlacingFromPointsAttachesTheObjectOnTheDefaultLayerInItsFormatsSpace) {
    simhost::Drawing& drawing = *Host().ActiveDrawing();
    drawing.SetCurrentSpace(drawing.ModelSpace());
    drawing.DefaultValues()[kTTParamDefaultLayer] = ZNSVariant(u"Requirements");
    const std::map<ZnsStringW, ZNSVariant> points{{u"pntStart", ZnsPoint3{100, 50, 0}},
                                                  {u"pntEnd", ZnsPoint3{50, 200, 0}}};
    ZnPtr<CZnTText> text = NewText(kTTModeConditions, false);
    text->SetContent(Items(3), 0);
    text->SetFormat(Format());
    EXPECT_EQ(text->EditOrPlace(0x6, &points), S_OK);
    ASSERT_EQ(drawing.Find(text->GetId()), text.get());
    EXPECT_EQ(text->GetLayer(), u"Requirements");
    IZnEntity* format = drawing.Find(Format());
    EXPECT_EQ(text->GetOwnerId(), format->GetOwnerId()); // the sheet, not the current space
    const ZnsArray<znsWorkID>& followers = format->Dependants();
    EXPECT_NE(std::find(followers.begin(), followers.end(), text->GetId()), followers.end());

    // Technical parameters go to the current space, on the style manager's layer without a
    // default one.
    drawing.DefaultValues()[kTTParamDefaultLayer] = ZNSVariant(ZnsStringW());
    ZnPtr<CZnTText> parameters = NewText(kTTModeParameters, false);
    parameters->SetContent(Items(3), 0);
    parameters->SetFormat(Format());
    EXPECT_EQ(parameters->EditOrPlace(0x6, &points), S_OK);
    EXPECT_EQ(parameters->GetOwnerId(), drawing.ModelSpace());
    EXPECT_EQ(parameters->GetLayer(), gpZnStyleManager->GetCurrentLayer());

    // An object in a drawing that refuses edits is not attached.
    drawing.SetReadOnly(true);
    ZnPtr<CZnTText> refused = NewText(kTTModeParameters, false);
    EXPECT_EQ(refused->EditOrPlace(0x6, &points), E_FAIL);
    EXPECT_TRUE(refused->GetId().IsNull());
    drawing.SetReadOnly(false);
}

TEST_F(TTextPlacement, RectanglePlacementAsksForTwoCornersPerColumnUntilTheTextIsPlaced) {
    PointsAgent agent;
    agent.points = {{50, 200, 0}, {150, 180, 0}, {250, 200, 0}, {350, 20, 0}};
    zn::ui::UserAgent* previous = zn::ui::SetUserAgent(&agent);
    ZnPtr<CZnTText> text = NewText(kTTModeParameters);
    text->SetContent(Items(30), 0);
    EXPECT_EQ(text->Place(kTTPlaceRectangle), 1);
    zn::ui::SetUserAgent(previous);
    ASSERT_EQ(text->GetColumnCount(), 2);
    EXPECT_EQ(text->Columns()[0].anchor, kTTAnchorTop);
    EXPECT_EQ(text->Columns()[1].first, (ZnsPoint3{250, 200, 0}));
    EXPECT_EQ(text->GetPlaceKind(), kTTPlaceRectangle);
    EXPECT_TRUE(agent.points.empty());
}

TEST_F(TTextPlacement, ACancelledPromptTakesANewObjectOutOfTheDrawingAndLeavesAnOlderOne) {
    PointsAgent agent;
    zn::ui::UserAgent* previous = zn::ui::SetUserAgent(&agent);
    simhost::Drawing& drawing = *Host().ActiveDrawing();
    ZnPtr<CZnTText> older = NewText(kTTModeParameters);
    older->SetContent(Items(3), 0);
    drawing.BeginCommand();
    // Held by the drawing alone, as the host holds it, the object outlives its placement.
    CZnTText* text = NewText(kTTModeParameters).get();
    text->SetContent(Items(3), 0);
    const znsWorkID id = text->GetId();
    agent.points = {{50, 200, 0}}; // the second corner is cancelled
    EXPECT_EQ(text->Place(kTTPlaceRectangle), 1);
    EXPECT_EQ(drawing.Find(id), nullptr);
    EXPECT_EQ(older->Place(kTTPlaceRectangle), 1);
    EXPECT_EQ(drawing.Find(older->GetId()), older.get());
    zn::ui::SetUserAgent(previous);
}

TEST_F(TTextPlacement, AFormatThatCarriesAnyOtherRequirementsCannotBeChosen) {
    PointsAgent agent;
    zn::ui::UserAgent* previous = zn::ui::SetUserAgent(&agent);
    IZnObject* created = nullptr;
    ASSERT_EQ(gpZnObjManager->Create(&created, CLSID_ZnFormat), S_OK);
    ASSERT_EQ(gpZnObjManager->Append(created, nullptr), S_OK);
    created->Release();
    ZnPtr<CZnTText> parameters = NewText(kTTModeParameters);
    parameters->SetFormat(Format());
    ZnPtr<CZnTText> text = NewText(kTTModeConditions);
    text->SetContent(Items(3), 0);
    agent.object = Format().index;
    agent.points = {{300, 150, 0}};
    EXPECT_EQ(text->Place(kTTPlaceAsk), 1);
    ASSERT_EQ(agent.messages.size(), 1u);
    EXPECT_EQ(agent.messages[0], u"Selected format already contains technical requirements.");
    EXPECT_EQ(text->GetColumnCount(), 0);
    EXPECT_EQ(agent.points.size(), 1u); // no point was asked for
    zn::ui::SetUserAgent(previous);
}

TEST_F(TTextPlacement, AskingOffersKeywordsAndACornerKeepsTheFrameBottom) {
    PointsAgent agent;
    zn::ui::UserAgent* previous = zn::ui::SetUserAgent(&agent);
    ZnPtr<CZnTText> text = NewText(kTTModeConditions);
    text->SetContent(Items(5), 0);
    agent.keyword = u"Auto";
    text->Place(kTTPlaceAsk);
    EXPECT_EQ(text->GetPlaceKind(), kTTPlaceAuto);
    ASSERT_EQ(text->GetColumnCount(), 1);
    EXPECT_EQ(text->Columns()[0].first, (ZnsPoint3{235, 292, 0}));

    agent.points = {{300, 150, 0}};
    const int refreshes = Host().Documents().Active()->RefreshCount();
    text->Place(kTTPlaceAsk);
    EXPECT_EQ(Host().Documents().Active()->RefreshCount(), refreshes + 1); // after the point
    EXPECT_EQ(text->GetPlaceKind(), kTTPlaceCorner);
    EXPECT_EQ(text->Columns()[0].first, (ZnsPoint3{300, 150, 0}));
    EXPECT_EQ(text->Columns()[0].second, (ZnsPoint3{410, 70, 0}));

    // After an edit, a text with columns of an automatic kind is only updated.
    text->SetPlaceKind(kTTPlaceAuto);
    EXPECT_EQ(text->PlaceAfterEdit(1), 1);
    EXPECT_EQ(text->Columns()[0].first, (ZnsPoint3{235, 292, 0}));
    zn::ui::SetUserAgent(previous);
    EXPECT_TRUE(agent.points.empty());
}

TEST_F(TTextPlacement, HeightsBelowATenThousandthAreNotStored) {
    ZnPtr<CZnTText> text = NewText(kTTModeConditions);
    text->SetFontHeight(0.00005);
    EXPECT_FALSE(text->GetParameters().Has(kTTParamFontHeight));
    EXPECT_EQ(text->GetFontHeight(), 2.5); // the drawing's default shows through
    EXPECT_EQ(text->SetProperty(u"Text height", ZNSVariant(3.5)), S_OK);
    EXPECT_EQ(text->GetFontHeight(), 3.5);

    ZNSVariant value;
    EXPECT_EQ(text->GetProperty(u"Name", value), S_OK);
    EXPECT_EQ(value, ZNSVariant(u"Technical conditions"));
    EXPECT_EQ(text->GetProperty(u"Text7", value), S_OK);
    EXPECT_TRUE(value.IsEmpty());
    EXPECT_EQ(text->GetProperty(u"Colour", value), E_NOTIMPL);
    ZnsStringW name = u"unchanged";
    std::int32_t kind = 0;
    text->GetSubObjectName(10000, name, kind);
    EXPECT_EQ(name, u"unchanged");
    text->GetSubObjectName(1, name, kind);
    EXPECT_EQ(name, u"Text");
    EXPECT_EQ(kind, 3);
}

TEST_F(TTextPlacement, GripsMoveCornersOnlyWhileTheRectangleStaysValid) {
    ZnPtr<CZnTText> text = NewText(kTTModeConditions);
    text->SetContent(Items(3), 0);
    text->LayoutInRectangle({100, 200, 0}, {200, 100, 0}, 0, 0);
    ZnsArray<ZnsPoint3> grips;
    text->GetGripPoints(grips);
    EXPECT_EQ(grips,
              (ZnsArray<ZnsPoint3>{{100, 200, 0}, {200, 100, 0}, {100, 100, 0}, {200, 200, 0}}));

    EXPECT_EQ(text->MoveGripPoints({0}, {150, 0, 0}, false), S_OK); // past the right edge
    EXPECT_EQ(text->Columns()[0].first, (ZnsPoint3{100, 200, 0}));
    text->MoveGripPoints({2}, {10, -20, 0}, false);
    EXPECT_EQ(text->Columns()[0].first, (ZnsPoint3{110, 200, 0}));
    EXPECT_EQ(text->Columns()[0].second, (ZnsPoint3{200, 80, 0}));

    EXPECT_EQ(text->MoveGripPoints({}, {1, 1, 0}, false), E_NOTIMPL);
    EXPECT_EQ(text->MoveGripPoints({0, 1}, {1, 1, 0}, true), E_NOTIMPL);
    EXPECT_EQ(text->MoveGripPoints({0, 1, 2, 3}, {5, 5, 0}, true), S_OK);
    EXPECT_EQ(text->Columns()[0].first, (ZnsPoint3{115, 205, 0}));
}

TEST_F(TTextPlacement, TheDrawingStandsTextsOnTheColumnWithTheHeaderAboveInItsAlignment) {
    ZnPtr<CZnTText> text = NewText(kTTModeConditions);
    text->GetParameters().Set(kTTParamHeaderAlign, 1);
    text->GetParameters().Set(kTTParamOblique, 15);
    text->SetContent(Items(3, 3, true), 0);
    text->LayoutInRectangle({100, 200, 0}, {200, 100, 0}, 0, 0);
    RecordingSink sink;
    text->Draw(sink);
    ASSERT_EQ(sink.texts.size(), 2u);
    const ZnsTextPrimitive& body = sink.texts[0];
    const ZnsTextPrimitive& header = sink.texts[1];
    EXPECT_EQ(body.position, (ZnsPoint3{100, 100, 0}));
    EXPECT_EQ(body.anchor, kTTAnchorBottom);
    EXPECT_EQ(body.subObjectId, 10001);
    EXPECT_DOUBLE_EQ(body.params.oblique, 15 * 6.283185307179586 / 360);
    EXPECT_DOUBLE_EQ(body.width, 100);
    EXPECT_EQ(header.subObjectId, 10000);
    EXPECT_EQ(header.alignment, 1);
    EXPECT_DOUBLE_EQ(header.position.x, 150);
    EXPECT_GT(header.position.y, 100 + text->GetExtraValue());

    // The geometry stays until the object changes; a suspended object keeps its old one.
    RecordingSink again;
    text->Draw(again);
    EXPECT_EQ(again.texts.size(), 2u);
    text->OnNotify(0x20);
    text->SetContent(Items(1), 1);
    RecordingSink suspended;
    text->Draw(suspended);
    EXPECT_TRUE(suspended.texts.empty());
    text->OnNotify(0x40);
    RecordingSink resumed;
    text->Draw(resumed);
    EXPECT_EQ(resumed.texts.size(), 1u);
}

TEST_F(TTextPlacement, AnObjectNotYetInADrawingShowsItsColumnsWhileDragged) {
    ZnPtr<CZnTText> text = NewText(kTTModeConditions, false);
    text->LayoutInRectangle({100, 200, 0}, {200, 100, 0}, 0, 0);
    ZnsMatrix shift;
    shift.m[3] = 10;
    text->TransformBy(shift);
    RecordingSink sink;
    text->Draw(sink);
    EXPECT_EQ(sink.lines, 4);
    EXPECT_EQ(sink.polylines, 0);
    EXPECT_EQ(text->Columns()[0].first.x, 110);
    RecordingSink later;
    text->Draw(later);
    EXPECT_EQ(later.lines, 0);
}

} // namespace
