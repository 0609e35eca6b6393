// Links between a requirements text and the drawing: the backward references the manager
// keeps on objects, the reference checks that validate links, the links of older position
// data, and the upgrade of objects read from older records.
#include "editor/References.h"
#include "module/Exports.h"
#include "module/SpecificationAccess.h"
#include "module/TTManager.h"
#include "platform/ui/ScriptedAgent.h"
#include "simhost/PositionRecord.h"
#include "simhost/SiblingStandIns.h"
#include "tests/host/TTextFixture.h"

namespace {

using TTextLinks = TTextFixture;

std::int32_t addRecord(simhost::Drawing& drawing, std::int32_t number, const ZnsStringW& zone,
                       ZnsArray<std::int32_t> items = {}) {
    ZnPtr<simhost::PositionRecord> record =
        ZnPtr<simhost::PositionRecord>::Adopt(new simhost::PositionRecord);
    record->SetNumber(number);
    record->SetZone(zone);
    record->SetItems(items);
    znsWorkID model = drawing.ModelSpace();
    drawing.Append(record.get(), &model);
    return record->GetId().index;
}

// The manager for one test, released at its end.
struct Manager {
    CZnsTTManager* manager = AcquireTTManager();
    ~Manager() { ReleaseTTManager(); }
    CZnsTTManager* operator->() const { return manager; }
};

TEST_F(TTextLinks, TheManagerKeepsItemReferencesOnObjects) {
    simhost::Drawing& drawing = *Host().ActiveDrawing();
    znsWorkID mark = AddBox(drawing, CLSID_ZnPositionObjectA, {0, 0, 0}, {1, 1, 0});
    znsWorkID unrelated = AddBox(drawing, CLSID_ZnPositionObjectB, {0, 0, 0}, {1, 1, 0});
    Manager manager;
    EXPECT_EQ(manager->GetTTItem(mark), -1);
    EXPECT_TRUE(manager->SetTTItem(mark, 4));
    EXPECT_EQ(manager->GetTTItem(mark), 4);
    const size_t journal = drawing.Journal().size();
    EXPECT_FALSE(manager->SetTTItem(mark, 4));
    EXPECT_EQ(drawing.Journal().size(), journal);
    EXPECT_FALSE(manager->SetTTItem(znsWorkID::Numbered(3), 1)); // no such object

    drawing.Find(unrelated)->SetExtProperty(u"TT item", ZNSVariant(std::int32_t(0)));
    EXPECT_EQ(manager->GetTTItem(unrelated), -1);
    ZnsArray<znsWorkID> linked;
    manager->CollectLinkedObjects(linked);
    EXPECT_EQ(linked, ZnsArray<znsWorkID>{mark});

    ZnsStringW info;
    EXPECT_FALSE(manager->GetTTInfo(mark, info));
    drawing.Find(mark)->SetExtProperty(u"TT info", ZNSVariant(ZnsStringW(u"view A")));
    EXPECT_TRUE(manager->GetTTInfo(mark, info));
    EXPECT_EQ(info, u"view A");
}

TEST_F(TTextLinks, ReferringObjectsAreCollectedAndRenumberedOrReset) {
    simhost::Drawing& drawing = *Host().ActiveDrawing();
    znsWorkID first = AddBox(drawing, CLSID_ZnPositionObjectA, {0, 0, 0}, {1, 1, 0});
    znsWorkID second = AddBox(drawing, CLSID_ZnPositionObjectC, {0, 0, 0}, {1, 1, 0});
    drawing.Find(first)->SetExtProperty(u"TT item", ZNSVariant(std::int32_t(2)));
    drawing.Find(second)->SetExtProperty(u"TT item", ZNSVariant(std::int32_t(5)));
    ZnsArray<znsWorkID> objects;
    ZnsArray<std::int32_t> numbers;
    editor::CollectReferringObjects(objects, numbers);
    EXPECT_EQ(objects, (ZnsArray<znsWorkID>{first, second}));
    EXPECT_EQ(numbers, (ZnsArray<std::int32_t>{2, 5}));

    editor::WriteBackItemNumbers(objects, {3, 0});
    Manager manager;
    EXPECT_EQ(manager->GetTTItem(first), 3);
    EXPECT_EQ(manager->GetTTItem(second), -1);
}

TEST_F(TTextLinks, PositionTextsAndLinkChecks) {
    simhost::Drawing& drawing = *Host().ActiveDrawing();
    std::int32_t numbered = addRecord(drawing, 12, u"C4");
    std::int32_t unnumbered = addRecord(drawing, 0, u"");
    EXPECT_EQ(editor::PositionText(numbered), u"pos. 12 (zone C4)");
    EXPECT_EQ(editor::PositionText(unnumbered), u"pos. ");
    EXPECT_EQ(editor::PositionText(9999), u"");
    drawing.DefaultValues()[7110] = ZNSVariant(false);
    EXPECT_EQ(editor::PositionText(numbered), u"pos. 12");

    znsWorkID view = AddBox(drawing, CLSID_ZnView, {0, 0, 0}, {1, 1, 0});
    drawing.Find(view)->SetExtProperty(u"TT info", ZNSVariant(ZnsStringW(u"A-A")));
    znsWorkID gone = AddBox(drawing, CLSID_ZnView, {0, 0, 0}, {1, 1, 0});
    ZnPtr<CZnTText> text = NewText(kTTModeConditions);
    text->SetContentAndLinks(Items(3), {{znsWorkID::Numbered(numbered), u"old"},
                                        {view, u"old"},
                                        {gone, u"old"},
                                        {znsWorkID::Numbered(9999), u"old"}});
    drawing.Erase(gone);
    text->ValidateLinks();
    module::ReleaseDocSpecification();
    ZnsArray<ZnsLink> links;
    text->GetLinks(links);
    ASSERT_EQ(links.size(), 4u);
    EXPECT_EQ(links[0].text, u"pos. 12");
    EXPECT_EQ(links[1], (ZnsLink{view, u"A-A"}));
    EXPECT_EQ(links[2], ZnsLink{});
    EXPECT_EQ(links[3], ZnsLink{});
}

// Plain lines as our RTF, references and all.
ZnsStringW rtfOf(const ZnsStringW& lines) {
    zn::richedit::RichEditModel model;
    model.StreamInText(lines, false);
    return zn::ansiToWide(model.GetRtf());
}

// The reference texts of an older text follow the records when the host says the objects it
// refers to changed; a reference whose record is gone is dropped with a notice that offers
// to edit the text.
TEST_F(TTextLinks, ChangedReferencesRefreshAnOlderTextThroughTheHiddenEditor) {
    simhost::Drawing& drawing = *Host().ActiveDrawing();
    const std::int32_t record = addRecord(drawing, 12, u"C4");
    ZnPtr<CZnTText> text = NewText(kTTModeOldConditions);
    text->SetContentAndLinks(
        rtfOf(zn::format("3. Holes <spcref id=\"%i\">pos. 1</spcref>\n"
                         "7. Edges <spcref id=\"9999\">pos. 2</spcref>",
                         record)),
        {});
    text->LayoutInRectangle({40, 200, 0}, {200, 100, 0}, 0, 0);
    const size_t before = Host().Notifications().Events().size();

    text->OnNotify(1);
    const std::string content = Visible(text->GetContent());
    EXPECT_NE(content.find("1. Holes <spcref id=\"" + std::to_string(record) +
                           "\">pos. 12 (zone C4)</spcref>"),
              std::string::npos)
        << content;
    EXPECT_NE(content.find("2. Edges pos. 2"), std::string::npos) << content;
    EXPECT_EQ(content.find("9999"), std::string::npos) << content;
    EXPECT_NE(Visible(text->GetColumnText(0)).find("pos. 12 (zone C4)"), std::string::npos)
        << "the columns are filled again";
    const auto& events = Host().Notifications().Events();
    ASSERT_EQ(events.size(), before + 1);
    ASSERT_TRUE(events.back().editObject);
    EXPECT_EQ(*events.back().editObject, text->GetId());

    // A text of the newer editor is left to that editor's component.
    ZnPtr<CZnTText> newer = NewText(kTTModeConditions);
    const ZnsStringW stale = rtfOf(zn::format("3. Holes <spcref id=\"%i\">pos. 1</spcref>", record));
    newer->SetContentAndLinks(stale, {});
    newer->OnNotify(1);
    EXPECT_EQ(newer->GetContent(), stale);
}

// "TTOld" attaches the text it edits to the editor's control, so the notice about dropped
// references offers to edit that text.
TEST_F(TTextLinks, TheEditorOfTTOldKnowsTheTextItEdits) {
    ZnPtr<CZnTText> text = NewText(kTTModeOldConditions);
    text->SetContentAndLinks(rtfOf(u"1. Holes <spcref id=\"9999\">pos. 2</spcref>"), {});
    zn::ui::ScriptedAgent agent("click 2");
    zn::ui::UserAgent* previous = zn::ui::SetUserAgent(&agent);
    const size_t before = Host().Notifications().Events().size();
    Host().RunCommand(u"TTOld");
    zn::ui::SetUserAgent(previous);
    EXPECT_EQ(agent.Remaining(), 0u);
    const auto& events = Host().Notifications().Events();
    ASSERT_EQ(events.size(), before + 1);
    ASSERT_TRUE(events.back().editObject);
    EXPECT_EQ(*events.back().editObject, text->GetId());
}

TEST_F(TTextLinks, OlderPositionDataGivesLinksByItemNumberUpTo301) {
    simhost::Drawing& drawing = *Host().ActiveDrawing();
    std::int32_t record = addRecord(drawing, 3, u"", {2, 302});
    znsWorkID old = AddBox(drawing, CLSID_ZnOldPositionB, {0, 0, 0}, {1, 1, 0});
    drawing.Find(old)->SetExtProperty(u"ZNSTTC", ZNSVariant(ZnsArray<std::int32_t>{4, 0}));
    drawing.Find(old)->SetExtProperty(u"TT info", ZNSVariant(ZnsStringW(u"section B")));

    ZnsArray<ZnsLink> links;
    EXPECT_EQ(GetOldPositionLinks(&links), 1);
    ASSERT_EQ(links.size(), 4u);
    EXPECT_EQ(links[1].target.Number(), record);
    EXPECT_EQ(links[1].text, u"pos. 3");
    EXPECT_EQ(links[3], (ZnsLink{old, u"section B"}));
    EXPECT_EQ(links[0], ZnsLink{});

    drawing.Erase(old);
    drawing.Erase(drawing.FindByIndex(record)->GetId());
    ZnsArray<ZnsLink> none;
    EXPECT_EQ(GetOldPositionLinks(&none), 0);
}

TEST_F(TTextLinks, AnItemReferenceShowsTheFirstRecordReferringToTheItemInTheView) {
    simhost::Drawing& drawing = *Host().ActiveDrawing();
    const std::int32_t first = addRecord(drawing, 1, u"A1", {1, 3});
    const std::int32_t second = addRecord(drawing, 2, u"B2", {3, 5});
    simhost::SimDocument& document = *Host().Documents().Active();
    ZnPtr<CZnTText> text = NewText(kTTModeConditions);

    EXPECT_EQ(text->ShowItemReference(5), 1);
    EXPECT_EQ(document.ShownObject(), drawing.FindByIndex(second)->GetId());
    EXPECT_DOUBLE_EQ(document.ShownFactor(), 0.4);
    EXPECT_EQ(text->ShowItemReference(3), 1);
    EXPECT_EQ(document.ShownObject(), drawing.FindByIndex(first)->GetId());

    // An item no record refers to shows nothing.
    EXPECT_EQ(text->ShowItemReference(4), 0);
    EXPECT_EQ(document.ShownObject(), drawing.FindByIndex(first)->GetId());

    EXPECT_EQ(text->ShowObject(drawing.FindByIndex(second)->GetId()), S_OK);
    EXPECT_EQ(document.ShownObject(), drawing.FindByIndex(second)->GetId());
    EXPECT_DOUBLE_EQ(document.ShownFactor(), 0.4);
}

TEST_F(TTextLinks, AnOlderObjectIsUpgradedAfterTheDrawingLoads) {
    simhost::SiblingCallLog().clear();
    // An object as an older module stored it: record 1.5, mode 1.
    struct OldText : BoxObject {
        OldText() : BoxObject(CLSID_ZnTText, ZnsBox3::Of({1, 1, 0}, {2, 2, 0})) {}
        HRESULT Save(IZnFiler& filer) const override {
            filer.BeginRecord(1, 5);
            filer.WriteString(u"");
            filer.WriteInt32(kTTModeOldParameters);
            filer.WriteInt32(0);
            for (int i = 0; i < 3; ++i)
                filer.WriteInt32(0); // links, columns, column texts
            filer.WriteDouble(0);
            filer.WriteInt32(0);
            filer.WriteInt32(0);
            filer.WriteDouble(0);
            filer.WriteDouble(0);
            filer.WriteInt32(-1);
            filer.WriteInt32(1);
            filer.WriteMatrix({});
            filer.WriteId(znsWorkID::Null());
            filer.WriteBox({});
            filer.WriteString(u"");
            filer.WriteDouble(0);
            filer.WriteInt32(-1);
            filer.WriteInt32(0);
            return filer.EndRecord();
        }
    };
    ZnPtr<OldText> old = ZnPtr<OldText>::Adopt(new OldText);
    Host().ActiveDrawing()->Append(old.get(), nullptr);
    const std::int32_t oldId = old->GetId().index;
    ASSERT_TRUE(Host().Save(Path("old.zdw")));
    ASSERT_TRUE(Host().Open(Path("old.zdw")));

    IZnEntity* loaded = Host().ActiveDrawing()->FindByIndex(oldId);
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(static_cast<CZnTText*>(loaded)->GetMode(), kTTModeParameters);
    const std::string handed =
        "ZnNMod.dll ZnNMod.TTOldToNewConverter SetObjectList " + std::to_string(oldId);
    const auto& calls = simhost::SiblingCallLog();
    EXPECT_NE(std::find(calls.begin(), calls.end(), handed), calls.end());
}

} // namespace
