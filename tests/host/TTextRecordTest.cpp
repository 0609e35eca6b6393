// The stored record of a requirements object: what is saved comes back through the drawing
// file, records of the older versions load by their rules, and a record of a later major
// version (or with a link of an unknown kind) is refused while the rest of the drawing loads.
#include <cstring>

#include "simhost/Annotation.h"
#include "simhost/BinaryFiler.h"
#include "tests/host/TTextFixture.h"

namespace {

using TTextRecord = TTextFixture;

// The fields of a record in the order every version keeps them.
struct OldRecord {
    std::int32_t major = 1, minor = 0;
    ZnsStringW content = u"text";
    std::int32_t mode = 1, placeKind = 4;
    std::int32_t linkKind = 1;
    ZnsStringW columnText = u"column";
    double height = 0.0;
    std::int32_t oblique = -1;
    ZnsStringW header;
    double extra = 0;
    std::int32_t headerIndex = 0, headerCount = 0;

    std::vector<std::uint8_t> bytes() const {
        simhost::BinaryFiler filer;
        auto at = [&](std::int32_t a, std::int32_t b) {
            return major * 65536 + minor >= a * 65536 + b;
        };
        filer.BeginRecord(major, minor);
        filer.WriteString(content);
        filer.WriteInt32(mode);
        filer.WriteInt32(placeKind);
        filer.WriteInt32(1);
        filer.WriteInt32(linkKind);
        filer.WriteInt32(7);
        filer.WriteString(u"pos. 7");
        filer.WriteInt32(1);
        filer.WritePoint({10, 50, 0});
        filer.WritePoint({60, 20, 0});
        filer.WriteInt32(0);
        filer.WriteInt32(1);
        filer.WriteString(columnText);
        filer.WriteDouble(height);
        filer.WriteInt32(1);
        filer.WriteInt32(2);
        filer.WriteDouble(3);
        filer.WriteDouble(4);
        filer.WriteInt32(oblique);
        filer.WriteInt32(5);
        filer.WriteMatrix({});
        if (at(1, 2)) {
            filer.WriteId(znsWorkID::Null());
            filer.WriteBox(ZnsBox3::Of({0, 0, 0}, {420, 297, 0}));
        }
        if (at(1, 4)) {
            filer.WriteString(header);
            filer.WriteDouble(extra);
        }
        if (at(1, 5)) {
            filer.WriteInt32(headerIndex);
            filer.WriteInt32(headerCount);
        }
        filer.EndRecord();
        return filer.Bytes();
    }
};

HRESULT load(CZnTText& text, const OldRecord& record) {
    simhost::BinaryFiler filer(record.bytes());
    return text.Load(filer);
}

TEST_F(TTextRecord, ASavedObjectComesBackWithContentLinksColumnsAndHeader) {
    ZnPtr<CZnTText> text = NewText(kTTModeConditions);
    ZnPtr<simhost::Annotation> annotation =
        ZnPtr<simhost::Annotation>::Adopt(new simhost::Annotation(simhost::Annotation::Kind::View));
    annotation->SetPoints({{10, 10, 0}, {20, 20, 0}});
    Host().ActiveDrawing()->Append(annotation.get(), nullptr);
    const znsWorkID view = annotation->GetId();
    text->SetContentAndLinks(Items(100, 3, true),
                             {{znsWorkID::Numbered(7), u"pos. 7"}, {view, u"A-A"}});
    text->GetParameters().Set(kTTParamOblique, 10);
    text->Place(kTTPlaceAuto);
    ASSERT_EQ(text->GetColumnCount(), 2);
    const std::int32_t id = text->GetId().index;

    ASSERT_TRUE(Host().Save(Path("tt.zdw")));
    ASSERT_TRUE(Host().Open(Path("tt.zdw")));
    IZnEntity* entity = Host().ActiveDrawing()->FindByIndex(id);
    ASSERT_NE(entity, nullptr);
    ASSERT_EQ(entity->GetClassId(), CLSID_ZnTText);
    auto& loaded = static_cast<CZnTText&>(*entity);
    EXPECT_EQ(loaded.GetContent(), text->GetContent());
    ZnsArray<ZnsLink> links;
    loaded.GetLinks(links);
    ASSERT_EQ(links.size(), 2u);
    EXPECT_EQ(links[0].target.Number(), 7);
    EXPECT_EQ(links[0].text, u"pos. 7");
    EXPECT_EQ(links[1].target, view);
    EXPECT_EQ(loaded.Columns(), text->Columns());
    ASSERT_EQ(loaded.GetColumnTextCount(), text->GetColumnTextCount());
    for (std::int32_t i = 0; i < loaded.GetColumnTextCount(); ++i)
        EXPECT_EQ(loaded.GetColumnText(i), text->GetColumnText(i));
    EXPECT_EQ(loaded.GetHeaderIndex(), 0);
    EXPECT_EQ(loaded.GetHeaderCount(), 1);
    EXPECT_EQ(loaded.GetExtraValue(), text->GetExtraValue());
    EXPECT_EQ(loaded.GetOblique(), 10);
    EXPECT_EQ(loaded.GetMode(), kTTModeConditions);
    EXPECT_EQ(loaded.GetColor(), 0xFF000000u); // not part of the record
    znsWorkID format;
    loaded.GetFormat(format);
    EXPECT_EQ(format, Format());

    // The reloaded object draws what the saved one drew.
    simhost::BinaryFiler first, second;
    text->Save(first);
    loaded.Save(second);
    EXPECT_EQ(first.Bytes(), second.Bytes());
    EXPECT_FALSE(loaded.GetExtents().IsEmpty());
}

TEST_F(TTextRecord, RecordsUpToVersionOnePointTwoCarryHeightAndOblique) {
    ZnPtr<CZnTText> untouched = NewText(kTTModeConditions, false);
    OldRecord plain;
    ASSERT_EQ(load(*untouched, plain), S_OK);
    EXPECT_FALSE(untouched->GetParameters().Has(kTTParamOblique));
    EXPECT_FALSE(untouched->GetParameters().Has(kTTParamFontHeight));
    EXPECT_EQ(untouched->GetMode(), kTTModeOldParameters);
    EXPECT_EQ(untouched->GetColumnTextCount(), 1);
    ZnsArray<ZnsLink> links;
    untouched->GetLinks(links);
    EXPECT_EQ(links.at(0).target.Number(), 7);

    ZnPtr<CZnTText> given = NewText(kTTModeConditions, false);
    OldRecord withValues;
    withValues.height = 3.5;
    withValues.oblique = 15;
    ASSERT_EQ(load(*given, withValues), S_OK);
    EXPECT_EQ(given->GetFontHeight(), 3.5);
    EXPECT_EQ(given->GetOblique(), 15);

    ZnPtr<CZnTText> later = NewText(kTTModeConditions, false);
    OldRecord v13 = withValues;
    v13.minor = 3;
    ASSERT_EQ(load(*later, v13), S_OK);
    EXPECT_FALSE(later->GetParameters().Has(kTTParamFontHeight));
}

TEST_F(TTextRecord, AVersionOnePointOneTextGoesThroughTheMultilineConverter) {
    ZnPtr<CZnTText> text = NewText(kTTModeConditions, false);
    OldRecord v11;
    v11.minor = 1;
    v11.content = u"1. First\\P2. Second";
    ASSERT_EQ(load(*text, v11), S_OK);
    // The module's own converter turns the host text into items of an RTF content.
    ZnsStringW content = text->GetContent();
    EXPECT_EQ(content.rfind(u"{\\rtf", 0), 0u);
    EXPECT_NE(content.find(u"\\protect"), ZnsStringW::npos);
    EXPECT_NE(content.find(u"First\\par"), ZnsStringW::npos);
    EXPECT_NE(content.find(u"Second}"), ZnsStringW::npos);
}

TEST_F(TTextRecord, HeaderTextAndHeaderFieldsComeFromVersionsOnePointFourAndFive) {
    ZnPtr<CZnTText> text = NewText(kTTModeConditions, false);
    OldRecord v14;
    v14.minor = 4;
    v14.header = u"header";
    v14.extra = 2.5;
    ASSERT_EQ(load(*text, v14), S_OK);
    ASSERT_EQ(text->GetColumnTextCount(), 2);
    EXPECT_EQ(text->GetColumnText(0), u"header");
    EXPECT_EQ(text->GetHeaderIndex(), 0);
    EXPECT_EQ(text->GetHeaderCount(), 1);
    EXPECT_EQ(text->GetExtraValue(), 2.5);
    ZnsArray<ZnsStringW> names;
    text->GetPropertyNames(names);
    EXPECT_EQ(names.size(), 9u);

    ZnPtr<CZnTText> v15text = NewText(kTTModeConditions, false);
    OldRecord v15 = v14;
    v15.minor = 5;
    v15.headerIndex = 1;
    v15.headerCount = 0;
    ASSERT_EQ(load(*v15text, v15), S_OK);
    EXPECT_EQ(v15text->GetHeaderIndex(), 1);
    EXPECT_EQ(v15text->GetHeaderCount(), 0);
}

TEST_F(TTextRecord, ALaterMajorVersionAndAnUnknownLinkKindAreRefused) {
    ZnPtr<CZnTText> text = NewText(kTTModeConditions, false);
    OldRecord v30;
    v30.major = 3;
    EXPECT_EQ(load(*text, v30), ZNS_E_RECORD_TOO_NEW);
    ASSERT_FALSE(Host().Notifications().Events().empty());
    const simhost::HostEvent& report = Host().Notifications().Events().back();
    EXPECT_EQ(report.kind, simhost::HostEvent::Kind::VersionReport);
    EXPECT_EQ(report.text, u"Technical conditions");
    EXPECT_EQ(report.value, 3 * 65536);

    OldRecord badLink;
    badLink.linkKind = 2;
    EXPECT_EQ(load(*text, badLink), ZNS_E_RECORD_TOO_NEW);
}

// An object of the requirements class whose record is of a later major version.
class FutureText : public BoxObject {
public:
    FutureText() : BoxObject(CLSID_ZnTText, ZnsBox3::Of({1, 1, 0}, {2, 2, 0})) {}
    HRESULT Save(IZnFiler& filer) const override {
        filer.BeginRecord(3, 0);
        filer.WriteString(u"from the future");
        return filer.EndRecord();
    }
};

TEST_F(TTextRecord, ADrawingWithARecordTooNewLoadsEverythingElse) {
    simhost::Drawing& drawing = *Host().ActiveDrawing();
    ZnPtr<FutureText> future = ZnPtr<FutureText>::Adopt(new FutureText);
    drawing.Append(future.get(), nullptr);
    ZnPtr<CZnTText> text = NewText(kTTModeConditions);
    text->SetContent(Items(3), 0);
    text->Place(kTTPlaceAuto);
    const std::int32_t kept = text->GetId().index, dropped = future->GetId().index;
    ASSERT_TRUE(Host().Save(Path("future.zdw")));

    simhost::FileResult result = Host().Open(Path("future.zdw"));
    ASSERT_TRUE(result) << result.error;
    EXPECT_EQ(result.warnings.size(), 1u);
    EXPECT_EQ(Host().ActiveDrawing()->FindByIndex(dropped), nullptr);
    IZnEntity* loaded = Host().ActiveDrawing()->FindByIndex(kept);
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(static_cast<CZnTText*>(loaded)->GetColumnTextCount(), 1);
    EXPECT_NE(Host().ActiveDrawing()->Find(Format()), nullptr);
}

// Modules built apart from this one call the interface by slot, so its operations keep
// their order. A virtual member pointer holds 1 + its slot's byte offset in the table.
template <class Operation> std::ptrdiff_t slotOf(Operation operation) {
    std::ptrdiff_t raw = 0;
    std::memcpy(&raw, &operation, sizeof raw);
    return (raw - 1) / std::ptrdiff_t(sizeof(void*));
}

TEST(TTextInterface, OperationsKeepTheirSlotOrder) {
#if !defined(__x86_64__) && !defined(__i386__)
    GTEST_SKIP() << "member pointers are read in the x86 layout";
#endif
    using ConstContent = const ZnsStringW& (IZnTText::*)() const;
    using Content = const ZnsStringW& (IZnTText::*)();
    const std::ptrdiff_t slots[] = {
        slotOf(&IZnTText::GetMode),
        slotOf(&IZnTText::SetMode),
        slotOf(static_cast<ConstContent>(&IZnTText::GetContent)),
        slotOf(&IZnTText::GetLinks),
        slotOf(&IZnTText::ValidateLinks),
        slotOf(&IZnTText::SetContent),
        slotOf(&IZnTText::SetContentAndLinks),
        slotOf(&IZnTText::SetFormat),
        slotOf(&IZnTText::GetFormat),
        slotOf(&IZnTText::GetFontHeight),
        slotOf(&IZnTText::SetFontHeight),
        slotOf(&IZnTText::GetOblique),
        slotOf(&IZnTText::SetOblique),
        slotOf(&IZnTText::GetOption),
        slotOf(&IZnTText::SetOption),
        slotOf(&IZnTText::GetPlaceKind),
        slotOf(&IZnTText::SetPlaceKind),
        slotOf(&IZnTText::LayoutInRectangle),
        slotOf(&IZnTText::ClearColumns),
        slotOf(&IZnTText::GetColumn),
        slotOf(&IZnTText::GetColumnCount),
        slotOf(&IZnTText::GetColumnText),
        slotOf(&IZnTText::GetColumnTextCount),
        slotOf(&IZnTText::Update),
        slotOf(&IZnTText::GetFormatColumnFrame),
        slotOf(&IZnTText::PlaceAfterEdit),
        slotOf(&IZnTText::Place),
        slotOf(&IZnTText::ShowObject),
        slotOf(&IZnTText::ShowItemReference),
        slotOf(static_cast<Content>(&IZnTText::GetContent)),
        slotOf(&IZnTText::GetTextStyle),
        slotOf(&IZnTText::SetTextStyle),
        slotOf(&IZnTText::GetTextColor),
        slotOf(&IZnTText::SetTextColor),
    };
    for (size_t i = 1; i < std::size(slots); ++i)
        EXPECT_EQ(slots[i], slots[i - 1] + 1) << "operation " << i;
}

} // namespace
