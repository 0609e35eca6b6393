// The requirements commands run as a user runs them: the scripted user writes in the editor
// dialog and ends it; the text is found or made, stored, placed or taken out again.
#include "host/Services.h"
#include "module/ModuleIds.h"
#include "module/TTManager.h"
#include "platform/ui/ScriptedAgent.h"
#include "requirements/ZnTText.h"
#include "simhost/SiblingStandIns.h"
#include "simhost/SingleLineText.h"
#include "tests/host/HostFixture.h"

namespace {

using namespace zn::ui;

class TTCommands : public HostFixture {
protected:
    void SetUp() override {
        HostFixture::SetUp();
        m_previous = SetUserAgent(&agent);
        ClearMessageQueue();
        m_drawing = &NewDrawing();
        InitModule();
        simhost::SiblingCallLog().clear();
    }
    void TearDown() override {
        UnInitModule();
        SetUserAgent(m_previous);
        ClearMessageQueue();
        HostFixture::TearDown();
    }

    std::vector<CZnTText*> texts() const {
        std::vector<CZnTText*> found;
        for (IZnEntity* entity : m_drawing->Objects())
            if (entity->GetClassId() == CLSID_ZnTText)
                found.push_back(static_cast<CZnTText*>(entity));
        return found;
    }
    static std::string columnText(CZnTText& text, int column) {
        return zn::toUtf8(text.GetColumnText(column));
    }
    // "TTOld" with items typed one per line and ended by `ending`.
    void runTTOld(const std::string& items, const std::string& ending) {
        agent.AddScript("type " + items + "\n" + ending);
        Host().RunCommand(u"TTOld");
        EXPECT_EQ(agent.Remaining(), 0u);
    }

    znsWorkID addText(const char16_t* string, double x, double y) {
        ZnsDTextRecord record;
        record.origin = {x, y, 0};
        record.text = string;
        ZnPtr<simhost::SingleLineText> text =
            ZnPtr<simhost::SingleLineText>::Adopt(new simhost::SingleLineText);
        text->SetRecord(record);
        EXPECT_EQ(gpZnObjManager->Append(text.get(), nullptr), S_OK);
        return text->GetId();
    }

    ScriptedAgent agent;
    simhost::Drawing* m_drawing = nullptr;

private:
    UserAgent* m_previous = nullptr;
};

TEST_F(TTCommands, OkPlacesANewTextAboveTheTitleBlock) {
    runTTOld("Sharp edges blunted\\nUnspecified radii 1 mm", "click 1");
    auto made = texts();
    ASSERT_EQ(made.size(), 1u);
    CZnTText& text = *made[0];
    EXPECT_EQ(text.GetMode(), kTTModeOldConditions);
    EXPECT_EQ(text.GetPlaceKind(), kTTPlaceAuto);
    ASSERT_GE(text.GetColumnTextCount(), 1);
    EXPECT_NE(columnText(text, 0).find("Sharp edges blunted"), std::string::npos);
    EXPECT_NE(columnText(text, 0).find("2."), std::string::npos);
    znsWorkID format;
    text.GetFormat(format);
    EXPECT_FALSE(format.IsNull()) << "the automatic placement ties the text to the format";
}

TEST_F(TTCommands, ASecondTTOldMakesANewTextPlacedByTwoCorners) {
    runTTOld("First text", "click 1");
    runTTOld("Second text", "click 1\npoint 40 200\npoint 140 150");
    auto made = texts();
    ASSERT_EQ(made.size(), 2u);
    CZnTText& second = *made[1];
    ASSERT_EQ(second.GetColumnCount(), 1);
    ZnsPoint3 first, last;
    second.GetColumn(0, first, last);
    EXPECT_DOUBLE_EQ(first.x, 40);
    EXPECT_DOUBLE_EQ(last.x, 140);
    EXPECT_NE(columnText(second, 0).find("Second text"), std::string::npos);
    EXPECT_NE(columnText(*made[0], 0).find("First text"), std::string::npos);

    // The second text has no format, so the next run edits it again; a pick cancelled after
    // Place keeps it, since it was not made by that run.
    runTTOld(" more", "click 12015\npick cancel");
    ASSERT_EQ(texts().size(), 2u);
    EXPECT_NE(zn::toUtf8(texts()[1]->GetContent()).find("Second text"), std::string::npos);
}

TEST_F(TTCommands, LeavingWithoutAcceptingLeavesNoNewText) {
    runTTOld("Never kept", "click 2");
    EXPECT_TRUE(texts().empty());
    runTTOld("Not applied", "menu 57602\nanswer no");
    EXPECT_TRUE(texts().empty());
    runTTOld("Applied", "menu 57602\nanswer yes");
    ASSERT_EQ(texts().size(), 1u);
    EXPECT_NE(columnText(*texts()[0], 0).find("Applied"), std::string::npos);
}

TEST_F(TTCommands, TDoldAsksForItsCorners) {
    agent.AddScript("type Mass 2 kg\nclick 1\npoint 30 100\npoint 120 60");
    Host().RunCommand(u"TDold");
    ASSERT_EQ(texts().size(), 1u);
    EXPECT_EQ(texts()[0]->GetMode(), kTTModeOldParameters);
    EXPECT_EQ(texts()[0]->GetColumnCount(), 1);
}

TEST_F(TTCommands, ReferringObjectsFollowTheRenumbering) {
    runTTOld("one\\ntwo\\nthree", "click 1");
    ASSERT_EQ(texts().size(), 1u);
    CZnTText& text = *texts()[0];
    IZnEntity* view = nullptr;
    {
        ZnPtr<IZnEntity> made = ZnCreate<IZnEntity>(CLSID_ZnView);
        ASSERT_TRUE(made);
        ASSERT_EQ(gpZnObjManager->Append(made.get(), nullptr), S_OK);
        view = made.get();
    }
    CZnsTTManager* manager = AcquireTTManager();
    ASSERT_TRUE(manager->SetTTItem(view->GetId(), 3));

    auto delTTItem = reinterpret_cast<std::int32_t (*)(std::int32_t, ZnsStringW*, std::int32_t,
                                                       ZnsArray<ZnsLink>*)>(
        zn::loader::GetProcAddress(zn::loader::LoadLibraryW(u"ReqpadDll.dll"), "DelTTItem"));
    ASSERT_NE(delTTItem, nullptr);
    ZnsStringW content = text.GetContent();
    ZnsArray<ZnsLink> links;
    EXPECT_EQ(delTTItem(7, &content, 2, &links), 0) << "no item 7";
    EXPECT_EQ(manager->GetTTItem(view->GetId()), 3);
    EXPECT_EQ(delTTItem(1, &content, 2, &links), 1);
    EXPECT_EQ(manager->GetTTItem(view->GetId()), 2);
    EXPECT_EQ(content.find(u"one"), ZnsStringW::npos);
    EXPECT_NE(content.find(u"three"), ZnsStringW::npos);
    ReleaseTTManager();
}

TEST_F(TTCommands, SelectedTextsBecomeTheNewTextWhenTheUserSaysSo) {
    const znsWorkID lower = addText(u"  second line", 50, 100);
    const znsWorkID upper = addText(u"first line", 50, 110);
    Host().Documents().Active()->Selection() = {lower, upper};

    agent.AddScript("click 2"); // the import question cancelled
    Host().RunCommand(u"TTOld");
    EXPECT_TRUE(texts().empty());
    EXPECT_TRUE(m_drawing->Find(lower));

    agent.AddScript("click 6\nclick 1");
    Host().RunCommand(u"TTOld");
    EXPECT_EQ(agent.Remaining(), 0u);
    ASSERT_EQ(texts().size(), 1u);
    const std::string content = zn::toUtf8(texts()[0]->GetContent());
    const auto first = content.find("first line"), second = content.find("second line");
    ASSERT_NE(first, std::string::npos);
    ASSERT_NE(second, std::string::npos);
    EXPECT_LT(first, second) << "top to bottom";
    EXPECT_FALSE(m_drawing->Find(lower)) << "the check box removes the sources";
    EXPECT_FALSE(m_drawing->Find(upper));
}

TEST_F(TTCommands, SelectItemWithoutAStoredItemRunsTheSiblingEditor) {
    ZnPtr<IZnEntity> view = ZnCreate<IZnEntity>(CLSID_ZnView);
    ASSERT_TRUE(view);
    ASSERT_EQ(gpZnObjManager->Append(view.get(), nullptr), S_OK);
    const znsWorkID id = view->GetId();
    EXPECT_EQ(ZNS_SelectTTItem(&id, nullptr), -1); // no pick is asked: the agent has nothing
    EXPECT_EQ(simhost::SiblingCallLog().back(), "ZnNMod.dll ZnNMod.Reqpador Run");
    ASSERT_EQ(texts().size(), 1u) << "the sibling editor got a new text";

    // With an item stored, the user picks the text and its editor opens on that item.
    runTTOld("one\\ntwo\\nthree", "click 1");
    ASSERT_EQ(texts().size(), 2u);
    CZnsTTManager* manager = AcquireTTManager();
    manager->SetTTItem(id, 2);
    agent.AddScript("object " + std::to_string(texts()[1]->GetId().index) + "\nclick 1");
    EXPECT_EQ(ZNS_SelectTTItem(&id, nullptr), 2);
    EXPECT_EQ(agent.Remaining(), 0u);
    ReleaseTTManager();
}

TEST_F(TTCommands, EditingAnOlderTextMovesItToTheSiblingEditorWhichEditTTThenFinds) {
    runTTOld("kept", "click 1");
    ASSERT_EQ(texts().size(), 1u);
    CZnTText& text = *texts()[0];
    const std::string listed = "ZnNMod.dll ZnNMod.Reqpador SetObjectList " +
                               std::to_string(text.GetId().index);
    EXPECT_EQ(text.Edit(), S_OK);
    EXPECT_EQ(text.GetMode(), kTTModeConditions);
    const auto& log = simhost::SiblingCallLog();
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(log[log.size() - 2], listed);

    znsWorkID format;
    text.GetFormat(format);
    simhost::SiblingCallLog().clear();
    EXPECT_EQ(EditTT(&format, 0, nullptr), 1);
    EXPECT_EQ(texts().size(), 1u) << "the format's text is opened, not a new one";
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(log[log.size() - 2], listed);
}

TEST_F(TTCommands, TTMakesANewTextEachTimeForTheSiblingEditor) {
    Host().RunCommand(u"TT");
    Host().RunCommand(u"TT");
    auto made = texts();
    ASSERT_EQ(made.size(), 2u);
    EXPECT_EQ(made[0]->GetMode(), kTTModeConditions);
    const std::string second = std::to_string(made[1]->GetId().index);
    EXPECT_EQ(simhost::SiblingCallLog().back(), "ZnNMod.dll ZnNMod.Reqpador Run");
    EXPECT_EQ(simhost::SiblingCallLog()[simhost::SiblingCallLog().size() - 2],
              "ZnNMod.dll ZnNMod.Reqpador SetObjectList " + second);
}

TEST_F(TTCommands, ARefusingDrawingOrAMissingEditorLeavesNothingHalfMade) {
    m_drawing->SetReadOnly(true);
    Host().RunCommand(u"TTOld"); // no dialog: the agent has nothing queued
    Host().RunCommand(u"TT");
    EXPECT_TRUE(texts().empty());
    const auto& log = simhost::SiblingCallLog();
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(log.back(), "ZnNMod.dll ZnNMod.Reqpador Run")
        << "the editor still runs, without an object";

    m_drawing->SetReadOnly(false);
    zn::loader::UnregisterModule(u"ZnNMod.dll");
    Host().RunCommand(u"TT");
    EXPECT_TRUE(texts().empty());
    simhost::RegisterSiblingStandIns();
}

} // namespace
