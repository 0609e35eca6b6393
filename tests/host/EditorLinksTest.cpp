// The editor control inside the reference host: references to the drawing's position
// records on load, and the notice with the edit-object button when records are gone.
#include "editor/ErrorTrace.h"
#include "editor/Reqpad.h"
#include "editor/SpecReference.h"
#include "module/SpecificationAccess.h"
#include "resources/ModuleResources.h"
#include "simhost/Annotation.h"
#include "simhost/PositionRecord.h"
#include "platform/ui/ScriptedAgent.h"
#include "tests/host/HostFixture.h"

namespace {

class EditorInHost : public HostFixture {
protected:
    void SetUp() override {
        HostFixture::SetUp();
        module::ReleaseDocSpecification(); // a document of an earlier host must not linger
        ASSERT_TRUE(owner.Create(u"Test", u"Owner", zn::ui::WS_POPUP, {0, 0, 640, 480}, nullptr, 0));
        ASSERT_TRUE(pad.Create(zn::ui::WS_VISIBLE, {0, 0, 600, 400}, &owner, 12014));
        pad.InitControl();
    }
    void TearDown() override {
        pad.DestroyWindow();
        owner.DestroyWindow();
        module::ReleaseDocSpecification();
        HostFixture::TearDown();
    }

    res::ModuleResourceScope resources;
    zn::ui::CWnd owner;
    editor::CReqpad pad;
};

TEST_F(EditorInHost, GoneRecordsAreDroppedWithTheEditButtonOfTheTextsObject) {
    simhost::Drawing& drawing = NewDrawing();
    ZnPtr<simhost::PositionRecord> record =
        ZnPtr<simhost::PositionRecord>::Adopt(new simhost::PositionRecord);
    record->SetNumber(7);
    drawing.Append(record.get(), nullptr);
    ZnPtr<simhost::Annotation> holder = ZnPtr<simhost::Annotation>::Adopt(
        new simhost::Annotation(simhost::Annotation::Kind::View));
    drawing.Append(holder.get(), nullptr);

    // RTF as an earlier session wrote it: one live record, one that was erased since.
    std::int32_t live = record->GetId().index;
    editor::WriteReference(pad, live, u"pos. 6");
    pad.ReplaceSel(u" and ");
    editor::WriteReference(pad, live + 100, u"pos. 8");
    ZnsStringW rtf = zn::fromUtf8(pad.GetRtf(false));

    pad.SetObject(static_cast<IZnEntity*>(holder.get()));
    size_t before = Host().Notifications().Events().size();
    ASSERT_EQ(pad.SetContent(rtf, editor::kContentRtf), 1);
    EXPECT_EQ(pad.GetText(),
              zn::format("<spcref id=\"%i\">pos. 7</spcref> and pos. 8", live));
    const auto& events = Host().Notifications().Events();
    ASSERT_EQ(events.size(), before + 1);
    EXPECT_EQ(events.back().text,
              u"Some objects linked with technical conditions do not exist anymore.\nLinks will be dropped.");
    ASSERT_TRUE(events.back().editObject);
    EXPECT_EQ(*events.back().editObject, holder->GetId());
}

TEST_F(EditorInHost, AViewLinkTheConverterRefusesIsTracedNotShown) {
    simhost::Drawing& drawing = NewDrawing();
    ZnPtr<simhost::Annotation> view = ZnPtr<simhost::Annotation>::Adopt(
        new simhost::Annotation(simhost::Annotation::Kind::View));
    drawing.Append(view.get(), nullptr);
    ASSERT_EQ(view->SetExtProperty(u"TT info", ZNSVariant(ZnsStringW(u"view B"))), S_OK);
    zn::ui::ScriptedAgent agent("object " + std::to_string(view->GetId().index));
    zn::ui::UserAgent* previous = zn::ui::SetUserAgent(&agent);
    std::vector<std::string> trace;
    editor::SetDebugMonitor([&](const std::string& line) { trace.push_back(line); });

    pad.m_allowedInserts = editor::kAllowView;
    pad.SetReadOnly(true);
    pad.SendMessage(zn::ui::WM_COMMAND, editor::ID_INSERT_VIEW, 0);
    editor::SetDebugMonitor(nullptr);
    zn::ui::SetUserAgent(previous);

    EXPECT_EQ(pad.GetTextLength(), 0);
    ASSERT_EQ(trace.size(), 1u);
    EXPECT_EQ(trace[0].rfind("ERROR(80004005) 'RETERRIF marco, expr: !pLink ReqpadInserts.cpp(", 0), 0u)
        << trace[0];
    EXPECT_EQ(agent.Remaining(), 0u);
}

} // namespace
