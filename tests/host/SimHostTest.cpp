// The reference host's services as a module uses them: objects through the object
// manager, picks and points through the user agent, settings in the config folder, the
// specification's records, the component launcher and the notifier.
#include <cstdlib>
#include <deque>
#include <fstream>

#include "host/ClassIds.h"
#include "host/Component.h"
#include "host/Dimension.h"
#include "host/Services.h"
#include "host/SingleLineText.h"
#include "host/Specification.h"
#include "platform/ui/UserAgent.h"
#include "simhost/Annotation.h"
#include "simhost/PositionRecord.h"
#include "simhost/SiblingStandIns.h"
#include "simhost/SimObjManager.h"
#include "tests/host/HostFixture.h"

namespace {

using SimHostServices = HostFixture;

// Answers picks from a list prepared by the test.
class PreparedAgent : public zn::ui::UserAgent {
public:
    std::deque<zn::ui::PickAnswer> answers;
    std::vector<zn::ui::PointRequest> pointRequests;

    int AnswerMessageBox(std::u16string_view, std::u16string_view, unsigned) override { return 1; }
    std::optional<std::u16string> ChooseFile(const zn::ui::FileRequest&) override {
        return std::nullopt;
    }
    zn::ui::PickAnswer PickPoint(const zn::ui::PointRequest& request) override {
        pointRequests.push_back(request);
        return next();
    }
    zn::ui::PickAnswer PickObject(const zn::ui::ObjectRequest&) override { return next(); }
    zn::ui::PickerAnswer AnswerPicker(const zn::ui::PickerRequest& request) override {
        pickerRequests.push_back(request);
        zn::ui::PickerAnswer answer = pickerAnswers.front();
        pickerAnswers.pop_front();
        return answer;
    }
    std::deque<zn::ui::PickerAnswer> pickerAnswers;
    std::vector<zn::ui::PickerRequest> pickerRequests;

private:
    zn::ui::PickAnswer next() {
        zn::ui::PickAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

struct AgentScope {
    explicit AgentScope(zn::ui::UserAgent* agent) : previous(zn::ui::SetUserAgent(agent)) {}
    ~AgentScope() { zn::ui::SetUserAgent(previous); }
    zn::ui::UserAgent* previous;
};

zn::ui::PickAnswer keyword(const char16_t* word) {
    zn::ui::PickAnswer answer;
    answer.kind = zn::ui::PickAnswer::Kind::Keyword;
    answer.keyword = word;
    return answer;
}

TEST_F(SimHostServices, ObjectsAreCreatedAppendedListedAndErased) {
    NewDrawing();
    IZnObject* raw = nullptr;
    ASSERT_EQ(gpZnObjManager->Create(&raw, CLSID_ZnView), S_OK);
    ZnPtr<IZnObject> view = ZnPtr<IZnObject>::Adopt(raw);
    EXPECT_TRUE(view->GetId().IsNull()) << "not in a drawing yet";
    ASSERT_EQ(gpZnObjManager->Append(view.get(), nullptr), S_OK);
    EXPECT_FALSE(view->GetId().IsNull());

    ZnsObjectFilter byClass;
    byClass.classes = {CLSID_ZnView, CLSID_ZnFormat};
    ZnsArray<znsWorkID> ids;
    ASSERT_EQ(gpZnObjManager->List(ids, byClass), S_OK);
    EXPECT_EQ(ids.size(), 2u);

    ZnsObjectFilter byBox;
    byBox.kind = ZnsObjectFilter::kByBox;
    byBox.box =
        ZnsBox3::Of({5, 5, 0}, {6, 6, 0}); // inside the view's default corners, away from the frame
    gpZnObjManager->List(ids, byBox);
    ASSERT_EQ(ids.size(), 2u) << "the sheet edge of the format and the view meet the box";

    IZnObject* opened = nullptr;
    ASSERT_EQ(gpZnObjManager->Open(&opened, view->GetId()), S_OK);
    EXPECT_EQ(opened, view.get());
    opened->Release();
    EXPECT_EQ(gpZnObjManager->Erase(view->GetId()), S_OK);
    EXPECT_EQ(gpZnObjManager->Open(&opened, view->GetId()), E_INVALIDARG);
    EXPECT_EQ(gpZnObjManager->Create(&raw, ZnsPlatformGuid(0x7777, 0x7777)), E_INVALIDARG);
    EXPECT_EQ(raw, nullptr);
}

TEST_F(SimHostServices, ARefusingDocumentKeepsItsObjectsAsTheyWere) {
    simhost::Drawing& drawing = NewDrawing();
    ZnPtr<simhost::Annotation> mark = ZnPtr<simhost::Annotation>::Adopt(
        new simhost::Annotation(simhost::Annotation::Kind::PositionMark));
    drawing.Append(mark.get(), nullptr);
    drawing.SetReadOnly(true);
    EXPECT_FALSE(gpZnDocManager->GetActiveDocument()->AcceptsEdits());
    EXPECT_EQ(mark->SetProperty(u"Label", ZNSVariant(ZnsStringW(u"7"))), E_FAIL);
    EXPECT_EQ(mark->SetExtProperty(u"TT item", ZNSVariant(std::int32_t(1))), E_FAIL);
    EXPECT_TRUE(mark->Label().empty());
    drawing.SetReadOnly(false);
    EXPECT_EQ(mark->SetProperty(u"Label", ZNSVariant(ZnsStringW(u"7"))), S_OK);
    EXPECT_EQ(drawing.Journal().back().kind, simhost::ChangeRecord::Kind::Changed);
}

TEST_F(SimHostServices, PointsAndKeywordsComeFromTheUserAgent) {
    NewDrawing();
    PreparedAgent agent;
    AgentScope scope(&agent);
    zn::ui::PickAnswer point;
    point.kind = zn::ui::PickAnswer::Kind::Point;
    point.point = {10, 20, 0};
    agent.answers = {point, keyword(u"Corner"), keyword(u"3"), keyword(u"Elsewhere")};
    const ZnsStringW keywords = u"1;2;1\nAuto\nAuto;2\nCorner\nCorner;3\nRectangle\nRectangle;";
    ZnsPoint3 picked, from{1, 1, 0};
    std::int32_t number = 0;

    EXPECT_EQ(gpZnObjManager->GetPoint(u"Specify left top corner", keywords, &from, picked, number),
              ZnsPointResult::Point);
    EXPECT_EQ(picked, (ZnsPoint3{10, 20, 0}));
    EXPECT_EQ(agent.pointRequests[0].keywords,
              (std::vector<std::u16string>{u"Auto", u"Corner", u"Rectangle"}));
    ASSERT_TRUE(agent.pointRequests[0].rubberBandFrom);
    EXPECT_EQ(gpZnObjManager->GetPoint(u"", keywords, nullptr, picked, number),
              ZnsPointResult::Keyword);
    EXPECT_EQ(number, 2);
    EXPECT_EQ(gpZnObjManager->GetPoint(u"", keywords, nullptr, picked, number),
              ZnsPointResult::Keyword);
    EXPECT_EQ(number, 3);
    EXPECT_EQ(gpZnObjManager->GetPoint(u"", keywords, nullptr, picked, number),
              ZnsPointResult::Cancel);

    zn::ui::PickAnswer towards = point;
    towards.point = {10, 30, 0};
    agent.answers = {point, towards};
    ZnsPoint3 origin, direction;
    ASSERT_TRUE(gpZnObjManager->PlaceTextBox(20, 5, 0, 2, u"Pick origin", u"Pick angle", origin,
                                             direction));
    EXPECT_EQ(origin, (ZnsPoint3{10, 20, 0}));
    EXPECT_EQ(direction, (ZnsPoint3{0, 1, 0}));
    EXPECT_EQ(agent.pointRequests.back().prompt, u"Pick angle");
    agent.answers = {point, zn::ui::PickAnswer{}};
    EXPECT_FALSE(gpZnObjManager->PlaceTextBox(20, 5, 0, 2, u"", u"", origin, direction));
}

TEST_F(SimHostServices, SettingsLiveInTheConfigFolderAcrossSessions) {
    const char* previous = std::getenv("XDG_CONFIG_HOME");
    std::string saved = previous ? previous : "";
    setenv("XDG_CONFIG_HOME", Path("config").c_str(), 1);
    EXPECT_EQ(simhost::SettingsStore::DefaultPath(), Path("config") + "/reqpad/settings.xml");
    {
        simhost::SettingsStore store;
        ZnPtr<IZnSettingsSection> section =
            ZnPtr<IZnSettingsSection>::Adopt(store.OpenSection(u"ZNSTT"));
        section->WriteInt(u"ReqpadDialog.RulerOn", 1);
        section->WriteString(u"Notebook.LastFilename", u"/tmp/Блокнот.ntb");
        section->WritePlacement(u"ReqpadDialog", {10, 20, 300, 400, 3});
    }
    simhost::SettingsStore again;
    ZnPtr<IZnSettingsSection> section =
        ZnPtr<IZnSettingsSection>::Adopt(again.OpenSection(u"ZNSTT"));
    EXPECT_EQ(section->GetInt(u"ReqpadDialog.RulerOn", 0), 1);
    EXPECT_EQ(section->GetString(u"Notebook.LastFilename", u""), u"/tmp/Блокнот.ntb");
    EXPECT_EQ(section->GetPlacement(u"ReqpadDialog"), (ZnsWindowPlacement{10, 20, 300, 400, 3}));
    EXPECT_EQ(section->GetInt(u"Missing", 7), 7);

    std::ofstream(simhost::SettingsStore::DefaultPath()) << "<settings><section";
    simhost::SettingsStore broken;
    EXPECT_FALSE(broken.Problem().empty());
    ZnPtr<IZnSettingsSection>::Adopt(broken.OpenSection(u"ZNSTT"))->WriteInt(u"x", 1);
    std::ifstream file(simhost::SettingsStore::DefaultPath());
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(file), {}), "<settings><section")
        << "a file that could not be read is not overwritten";
    if (previous)
        setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
    else
        unsetenv("XDG_CONFIG_HOME");
}

TEST_F(SimHostServices, SpecificationRecordsAndThePositionPicker) {
    simhost::Drawing& drawing = NewDrawing();
    ZnPtr<simhost::PositionRecord> record =
        ZnPtr<simhost::PositionRecord>::Adopt(new simhost::PositionRecord);
    record->SetNumber(4);
    record->SetZone(u"B2");
    record->SetItems({1, 3});
    drawing.Append(record.get(), nullptr);
    std::int32_t recordId = record->GetId().index;
    ZnPtr<simhost::Annotation> mark = ZnPtr<simhost::Annotation>::Adopt(
        new simhost::Annotation(simhost::Annotation::Kind::PositionMark));
    mark->SetSpecRecord(recordId);
    drawing.Append(mark.get(), nullptr);

    zn::loader::HMODULE library = zn::loader::GetModuleHandleW(u"SpecificationDlg.dll");
    auto getDocument = reinterpret_cast<ZnsGetDocSpecificationFunction>(
        zn::loader::GetProcAddress(library, "ZNS_GetDocSpecification"));
    ZnPtr<IZnSpecification> document = ZnPtr<IZnSpecification>::Adopt(getDocument(0));
    ASSERT_TRUE(document);
    EXPECT_EQ(document->RecordIds(), ZnsArray<std::int32_t>{recordId});
    ZNSVariant items, zone;
    EXPECT_EQ(document->GetRecordProperty(recordId, kZnsSpecItemNumbers, items), S_OK);
    EXPECT_EQ(items, ZNSVariant(ZnsArray<std::int32_t>{1, 3}));
    document->GetRecordProperty(recordId, kZnsSpecZone, zone);
    EXPECT_EQ(zone, ZNSVariant(ZnsStringW(u"B2")));
    EXPECT_EQ(document->GetRecordProperty(recordId + 100, kZnsSpecZone, zone), E_INVALIDARG);

    PreparedAgent agent;
    AgentScope scope(&agent);
    zn::ui::PickerAnswer chosen;
    chosen.chosen = true;
    chosen.record = recordId;
    agent.pickerAnswers = {chosen, zn::ui::PickerAnswer()};
    auto select = reinterpret_cast<ZnsSelectPositionRecordFunction>(
        zn::loader::GetProcAddress(library, "SelectPositionRecordFromDlg"));
    std::int32_t first = -1, second = -1;
    EXPECT_NE(select(document.get(), &first, &second), 0);
    EXPECT_EQ(second, recordId);
    ASSERT_EQ(agent.pickerRequests.size(), 1u);
    EXPECT_EQ(agent.pickerRequests[0].choices,
              std::vector<std::u16string>{zn::format("%i pos. 4 zone B2", recordId)})
        << "the dialog lists the records";
    first = second = -1;
    EXPECT_EQ(select(document.get(), &first, &second), 0) << "cancelled";
    EXPECT_EQ(second, -1);

    auto mainFormat = reinterpret_cast<ZnsGetMainFormatFunction>(
        zn::loader::GetProcAddress(library, "GetMainFormat"));
    IZnObject* format = nullptr;
    ASSERT_EQ(mainFormat(&format, 0, znsWorkID::Null()), S_OK);
    EXPECT_EQ(format->GetClassId(), CLSID_ZnFormat);
    format->Release();
}

TEST_F(SimHostServices, TheLauncherRunsComponentsOfSiblingModules) {
    NewDrawing();
    simhost::SiblingCallLog().clear();
    ZnPtr<IZnComponentLauncher> launcher =
        ZnCreate<IZnComponentLauncher>(CLSID_ZnComponentLauncher);
    ASSERT_TRUE(launcher);
    EXPECT_EQ(launcher->Run(nullptr), E_HANDLE) << "nothing loaded yet";
    ASSERT_EQ(launcher->Load(u"ZnNMod.dll", u"ZnNMod.Reqpador"), S_OK);
    launcher->SetObjectList({znsWorkID::ForObject(1, 9, 9)});
    launcher->Run(nullptr);
    EXPECT_EQ(simhost::SiblingCallLog(),
              (std::vector<std::string>{"ZnNMod.dll ZnNMod.Reqpador Load",
                                        "ZnNMod.dll ZnNMod.Reqpador SetObjectList 9",
                                        "ZnNMod.dll ZnNMod.Reqpador Run"}));
    EXPECT_EQ(launcher->Load(u"ZnNMod.dll", u"ZnNMod.Unknown"), E_NOINTERFACE);
    EXPECT_EQ(launcher->Load(u"Missing.dll", u"Anything"), E_NOINTERFACE);
}

TEST_F(SimHostServices, TheNotifierAndVersionReportsReachTheListener) {
    std::vector<simhost::HostEvent> heard;
    Host().Notifications().SetListener(
        [&](const simhost::HostEvent& event) { heard.push_back(event); });
    gpZnNotificator->ShowMessage(u"Converted", 0);
    gpZnContext->ReportVersion(u"Technical conditions", (3 << 16) | 1);
    gpZnContext->ShowHelp(u"ZNS_HELP_TT", nullptr);
    ASSERT_EQ(heard.size(), 3u);
    EXPECT_EQ(heard[1].kind, simhost::HostEvent::Kind::VersionReport);
    EXPECT_EQ(heard[1].value, 0x30001);
    EXPECT_EQ(heard[2].text, u"ZNS_HELP_TT");
}

TEST_F(SimHostServices, ADimensionKeepsItsFitAndShowsIt) {
    NewDrawing();
    ZnPtr<IZnDimension> dimension = ZnCreate<IZnDimension>(CLSID_ZnDimension);
    ASSERT_TRUE(dimension);
    dimension->SetNominal(10.0);
    dimension->SetText(u"10");
    dimension->SetFit(u"H7", u"+0,015", u"0");
    EXPECT_EQ(dimension->GetFitText(), u"H7");
    EXPECT_EQ(dimension->GetUpperDeviation(), u"+0,015");
    ASSERT_EQ(gpZnObjManager->Append(dimension.get(), nullptr), S_OK);
    EXPECT_NE(Host().RenderSheet().find("10H7(+0,015/0)"), std::string::npos);
}

TEST(Keywords, ParsesTheHostKeywordList) {
    auto keywords =
        simhost::ParseKeywords(u"1;2;1\nAuto\nAuto;2\nCorner\nCorner;3\nRectangle\nRectangle;");
    ASSERT_EQ(keywords.size(), 3u);
    EXPECT_EQ(keywords[0].number, 1);
    EXPECT_EQ(keywords[0].localName, u"Auto");
    EXPECT_EQ(keywords[2].number, 3);
    EXPECT_EQ(keywords[2].globalName, u"Rectangle");
    EXPECT_TRUE(simhost::ParseKeywords(u"").empty());
}

} // namespace
