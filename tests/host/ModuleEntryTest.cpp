// ZNSInit and ZNSUnInit as the host sees them, and the module's small exports.
#include <stdexcept>

#include "host/Services.h"
#include "host/SiblingModules.h"
#include "module/AcadToRtf.h"
#include "module/CommandTable.h"
#include "module/ModuleIds.h"
#include "module/SpecificationAccess.h"
#include "module/TTManager.h"
#include "module/TableCtrl.h"
#include "platform/ui/ScriptedAgent.h"
#include "simhost/SiblingStandIns.h"
#include "tests/host/HostFixture.h"

namespace {

using ModuleFrame = HostFixture;

std::vector<std::string> commandNames(simhost::SimHost& host) {
    std::vector<std::string> names;
    for (const znsCmd& command : host.Context().Commands())
        names.push_back(zn::toUtf8(ZnsStringW(command.Name())) + ":" +
                        std::to_string(command.m_flags));
    return names;
}

TEST_F(ModuleFrame, RegistersInOrderWithTheArgumentsTheHostExpects) {
    InitModule();
    EXPECT_EQ(commandNames(Host()),
              (std::vector<std::string>{"TTOld:33554432", "TDold:33554432", "TT:4", "TD:4",
                                        "DText:4", "DiviRuve:4", "FormEdit:16777216"}));

    std::vector<const simhost::RegisteredClass*> types;
    for (const simhost::RegisteredClass& type : Host().Classes().Classes())
        if (type.byModule)
            types.push_back(&type);
    ASSERT_EQ(types.size(), 2u);
    EXPECT_EQ(types[0]->classId.toString(), "{00000001-0013-AAAA-AAAA-050B00000000}");
    EXPECT_EQ(types[0]->name, u"Technical conditions");
    EXPECT_EQ(types[0]->code, 683);
    EXPECT_EQ(types[0]->internalName, ZnsStringW(u"TText"));
    EXPECT_EQ(types[1]->classId.toString(), "{00000003-0013-AAAA-AAAA-050B00000000}");
    EXPECT_EQ(types[1]->name, u"Calculator");
    EXPECT_EQ(types[1]->code, -1);
    EXPECT_FALSE(types[1]->internalName);

    const auto& properties = Host().NativeGate().Properties();
    ASSERT_EQ(properties.size(), 2u);
    EXPECT_EQ(properties[0].classId, CLSID_ZnTText);
    EXPECT_EQ(properties[0].name, u"Font height");
    EXPECT_EQ(properties[0].kind, 2);
    EXPECT_EQ(properties[1].name, u"Text oblique");
    EXPECT_EQ(properties[1].kind, 1);

    std::vector<std::string> order;
    for (const auto& entry : Host().Defaults().RegistrationOrder())
        order.push_back(entry.isCategory
                            ? zn::toUtf8(Host().Defaults().Categories()[entry.index].key)
                            : std::to_string(Host().Defaults().Parameters()[entry.index].id));
    EXPECT_EQ(order, (std::vector<std::string>{"7019", "7117", "7109", "7114", "7116", "7118",
                                               "7121", "7120", "7122", "7119", "7123", "7124",
                                               "7110", "7112", "7113", "7300", "7115"}));
    EXPECT_EQ(Host().Context().Sinks().size(), 1u);
    UnInitModule();
}

TEST_F(ModuleFrame, DefaultsCarryTheirTypesMasksUnitsAndChoices) {
    InitModule();
    const simhost::DefaultParams& defaults = Host().Defaults();
    const simhost::DefaultCategory& conditions = defaults.Categories().at(0);
    EXPECT_EQ(conditions.name, u"Technical conditions");
    EXPECT_EQ(conditions.codes[0], 8);
    EXPECT_EQ(conditions.codes[1], 2);
    EXPECT_EQ(conditions.codes[2], -1);

    const simhost::DefaultParameter* spacing = defaults.Find(7117);
    ASSERT_TRUE(spacing && spacing->choices);
    EXPECT_EQ(*spacing->choices, (ZnsArray<ZnsStringW>{u"Single", u"One and a half", u"Double"}));
    const simhost::DefaultParameter* align = defaults.Find(7123);
    ASSERT_TRUE(align && align->choices);
    EXPECT_EQ(*align->choices, (ZnsArray<ZnsStringW>{u"Left", u"Center", u"Right"}))
        << "the list reused for the alignments must be emptied first";
    EXPECT_EQ(defaults.Find(7116)->defaultValue.AsInteger(), std::int32_t(0xFE000000u));
    EXPECT_EQ(defaults.Find(7110)->mask, 4093u);
    EXPECT_EQ(defaults.Find(7110)->defaultValue.AsBoolean(), true);
    EXPECT_EQ(defaults.Find(7112)->unit, ZnsStringW(u"x"));
    EXPECT_EQ(defaults.Find(7113)->defaultValue.AsDouble(), 10.0);
    EXPECT_FALSE(defaults.Find(7109)->unit);
    const simhost::DefaultParameter* notebook = defaults.Find(7115);
    EXPECT_EQ(notebook->visible, 0);
    ASSERT_TRUE(notebook->defaultValue.AsTextArray());
    EXPECT_EQ(notebook->defaultValue.AsTextArray()->at(1), u"ntb");
    EXPECT_EQ(notebook->defaultValue.AsTextArray()->at(2),
              u"Notebook files(*.ntb)|*.ntb|All files(*.*)|*.*||");

    ZNSVariant height;
    EXPECT_TRUE(ZnGetParam(height, 7109, 0));
    EXPECT_EQ(height.AsDouble(), 2.5);
    UnInitModule();
}

TEST_F(ModuleFrame, InitTwiceMakesOneSinkAndUnInitRemovesIt) {
    InitModule();
    InitModule();
    EXPECT_EQ(Host().Context().Sinks().size(), 1u);
    EXPECT_EQ(Host().Context().Commands().size(), 14u)
        << "commands are registered again on every call";
    UnInitModule();
    EXPECT_TRUE(Host().Context().Sinks().empty());
    UnInitModule(); // nothing left to undo
    EXPECT_TRUE(Host().Context().Sinks().empty());
}

// A host context that refuses every command, with its flag word set.
class RefusingContext : public simhost::SimContext {
public:
    using SimContext::SimContext;
    HRESULT RegisterCommand(const znsCmd&) override { return E_FAIL; }
};

TEST_F(ModuleFrame, NoRequirementsTypeWhenTheHostRefusedEveryCommandAndSaysSo) {
    simhost::Notifier notifier;
    simhost::SettingsStore settings(Path("refusing.xml"));
    RefusingContext refusing(notifier, settings);
    refusing.SetFlags(kZnsContextNoRequirementsType);
    gpZnContext = &refusing;
    InitModule();
    UnInitModule();
    size_t types = 0;
    for (const simhost::RegisteredClass& type : Host().Classes().Classes())
        types += type.byModule ? 1 : 0;
    EXPECT_EQ(types, 1u);
    EXPECT_FALSE(Host().Classes().Find(CLSID_ZnTText));

    refusing.SetFlags(0); // refused commands alone do not stop the type
    InitModule();
    UnInitModule();
    gpZnContext = &Host().Context();
    EXPECT_TRUE(Host().Classes().Find(CLSID_ZnTText));
}

TEST_F(ModuleFrame, UnknownCommandsAndFormEditWithoutItsLibrary) {
    NewDrawing();
    InitModule();
    EXPECT_EQ(Host().RunCommand(u"NoSuchCommand"), E_INVALIDARG);

    simhost::SiblingCallLog().clear();
    zn::ui::ScriptedAgent user("type anything\nkey Enter\n");
    zn::ui::UserAgent* previous = zn::ui::SetUserAgent(&user);
    EXPECT_EQ(Host().RunCommand(u"FormEdit"), S_OK);
    zn::ui::SetUserAgent(previous);
    EXPECT_NO_THROW(user.Finish()) << "the form asked the user";
    EXPECT_EQ(simhost::SiblingCallLog(), std::vector<std::string>{"VornCtl.dll ZNSInputFormDlg"});
    zn::loader::UnregisterModule(u"VornCtl.dll");
    EXPECT_EQ(module::kToolCommands[2].callback(nullptr), E_NOINTERFACE);
    UnInitModule();
}

TEST_F(ModuleFrame, SmallExportsAndGlobals) {
    auto delItem = reinterpret_cast<std::int32_t (*)(std::int32_t)>(
        zn::loader::GetProcAddress(zn::loader::LoadLibraryW(u"ReqpadDll.dll"), "ZNS_DelTTItem"));
    ASSERT_NE(delItem, nullptr);
    EXPECT_EQ(delItem(5), -1);

    CZnsTTManager* first = AcquireTTManager();
    ASSERT_NE(first, nullptr);
    ReleaseTTManager();
    CZnsTTManager* second = AcquireTTManager();
    ASSERT_NE(second, nullptr);
    ReleaseTTManager();

    ZnsStringW out = u"stale";
    module::ConvertAcadToRtfThroughLoader(out, u"1. first\\P2. text", nullptr);
    EXPECT_EQ(out.rfind(u"{\\rtf", 0), 0u);
    EXPECT_NE(out.find(u"first"), ZnsStringW::npos);
    EXPECT_NE(out.find(u"text"), ZnsStringW::npos);
}

TEST_F(ModuleFrame, SpecificationDocumentComesFromTheSiblingModule) {
    simhost::Drawing& drawing = NewDrawing();
    (void)drawing;
    IZnSpecification* specification = module::DocSpecification();
    ASSERT_NE(specification, nullptr);
    EXPECT_EQ(module::DocSpecification(), specification) << "obtained once, then kept";
    EXPECT_TRUE(specification->RecordIds().empty());
    module::ReleaseDocSpecification();

    zn::loader::UnregisterModule(u"SpecificationDlg.dll");
    EXPECT_EQ(module::SpecificationFunction("GetMainFormat", nullptr), nullptr);
    EXPECT_EQ(module::DocSpecification(), nullptr);
}

TEST(TableCtrl, MembersTouchOnlyTheirField) {
    CTableCtrl table;
    EXPECT_EQ(table.ClipboardIsEmpty(), 1);
    EXPECT_EQ(table.CanMove(1, 2, 3), 1);
    table.SetRecordCount(2);
    table.SetRecordAttributes(1, 0x7F);
    EXPECT_EQ(table.GetRecordAttributes(1), 0x7F);
    EXPECT_EQ(table.GetRecordAttributes(2), 0);
    EXPECT_THROW(table.SetRecordAttributes(2, 1), std::invalid_argument);
    table.SetRecordLinkedData(5, 9, nullptr); // ignored
    table.SetRecordLinkedData(0, 9, nullptr);
    EXPECT_EQ(table.GetRecordLinkedData(0), 9u);
    EXPECT_EQ(table.GetRecordLinkedData(-1), 0u);
    EXPECT_EQ(table.GetRecordLinkedLargeData(7), nullptr);
    table.SetLengthLimit(-1);
    EXPECT_EQ(table.GetLengthLimit(), 0xFFFFFFFFu);
    int row = 0, column = 0;
    table.SelectCell(3, 4);
    table.GetSelectedCell(row, column);
    EXPECT_EQ(row, 3);
    EXPECT_EQ(column, 4);
}

TEST_F(ModuleFrame, TheReferenceInputFormAnswersWhatTheUserTyped) {
    auto form = reinterpret_cast<ZnsInputFormDlgFunction>(zn::loader::GetProcAddress(
        zn::loader::GetModuleHandleW(u"VornCtl.dll"), "ZNSInputFormDlg"));
    ASSERT_NE(form, nullptr);
    ZnsStringW text = u"kept";
    zn::ui::ScriptedAgent user("key Esc\nkey End\ntype  more\nkey Enter\n");
    zn::ui::UserAgent* previous = zn::ui::SetUserAgent(&user);
    EXPECT_EQ(form(nullptr, &text), 2);
    EXPECT_EQ(text, u"kept") << "a cancelled form changes nothing";
    EXPECT_EQ(form(nullptr, &text), 1);
    zn::ui::SetUserAgent(previous);
    EXPECT_EQ(text, u"kept more") << "the form starts from the text it was given";
}

} // namespace
