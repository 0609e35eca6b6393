// The calculator in the reference host: "DiviRuve" runs it modally under the scripted
// user and keeps its state in the "ZNSTT" settings; the calculator class made through the
// host's object manager shows a modeless window and relays the caller's requests to it.
#include "calculator/ZnCalculator.h"
#include "host/Services.h"
#include "module/ModuleIds.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Input.h"
#include "platform/ui/ScriptedAgent.h"
#include "tests/host/DefaultNotebook.h"
#include "tests/host/HostFixture.h"

namespace {

using namespace zn::ui;

class CalculatorHost : public HostFixture {
protected:
    void SetUp() override {
        HostFixture::SetUp();
        m_previous = SetUserAgent(&agent);
        ClearMessageQueue();
        NewDrawing();
        InitModule();
        ASSERT_TRUE(UseEmptyDefaultNotebook(Path("default.ntb")));
    }
    void TearDown() override {
        UnInitModule();
        SetUserAgent(m_previous);
        ClearMessageQueue();
        HostFixture::TearDown();
    }
    std::optional<std::string> setting(const char* name) {
        return Host().Settings().Get("ZNSTT", std::string("CKLVBCalcDlg.") + name);
    }

    ScriptedAgent agent;

private:
    UserAgent* m_previous = nullptr;
};

class Sink : public ZnObjectImpl<IDictionaryCallback> {
public:
    ZnsGuid GetClassId() const override { return IDictionaryCallback::IID; }
    HRESULT ReceiveText(const ZnsStringW& text, std::int32_t) override {
        received.push_back(text);
        return S_OK;
    }
    HRESULT WindowClosed(HWND) override {
        ++closed;
        return S_OK;
    }
    std::vector<ZnsStringW> received;
    int closed = 0;
};

TEST_F(CalculatorHost, DiviRuveRunsModallyWithoutInsertAndKeepsItsState) {
    agent.AddScript("click 1005\nclick 1023\nclick 1012\nkey Enter\n"
                    "menu 32952\nmenu 32959\nkey F1\nclick 1055");
    EXPECT_EQ(Host().RunCommand(u"DiviRuve"), S_OK);
    EXPECT_EQ(agent.Remaining(), 0u);
    EXPECT_EQ(setting("Degrees"), "0");
    EXPECT_EQ(setting("EditMode"), "1");
    EXPECT_EQ(setting("NoteBook"), "0");
    ASSERT_FALSE(Host().Notifications().Events().empty());
    EXPECT_EQ(Host().Notifications().Events().back().text, u"ZNS_HELP_DIGI_CALC");

    // The next run starts in expression mode (leaving it is stored) and in radians.
    agent.AddScript("menu 32959\nclick 32953\nclick 1055");
    EXPECT_EQ(Host().RunCommand(u"DiviRuve"), S_OK);
    EXPECT_EQ(setting("EditMode"), "0");
    EXPECT_EQ(setting("Degrees"), "0");
    EXPECT_EQ(setting("NoteBook"), "1");

    // Insert is disabled for the host command: a click on it does not fit.
    agent.AddScript("click 1056");
    EXPECT_THROW(Host().RunCommand(u"DiviRuve"), AgentError);
}

TEST_F(CalculatorHost, TheCalculatorObjectRelaysTheCallerToItsWindow) {
    ZnPtr<IZnObject> made;
    ASSERT_EQ(gpZnObjManager->Create(made.put(), CLSID_ZnCalculator), S_OK);
    ZnPtr<IZnDiviRuveulator> calculator = ZnQuery<IZnDiviRuveulator>(made.get());
    ASSERT_TRUE(calculator);

    ZnsStringW result;
    EXPECT_FALSE(calculator->GetResult(&result));
    EXPECT_EQ(result, u"0");
    EXPECT_FALSE(calculator->SetUp(u"1", nullptr, true, true));
    EXPECT_EQ(calculator->Show(nullptr), nullptr);

    CWnd editor;
    ASSERT_TRUE(editor.CreateEx(0, u"Static", u"editor", WS_POPUP | WS_VISIBLE,
                                CRect{0, 0, 300, 200}, nullptr, 0));
    auto sink = ZnPtr<Sink>::Adopt(new Sink);
    calculator->SetResultSink(sink.get());
    HWND window = calculator->Show(editor.GetSafeHwnd());
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(calculator->GetWindow(), window);
    EXPECT_EQ(calculator->Show(editor.GetSafeHwnd()), window) << "one window per object";

    const ZnsStringW title = u"Length";
    EXPECT_TRUE(calculator->SetUp(u"12,5 mm", &title, true, true));
    EXPECT_EQ(CWnd::FromHandle(window)->GetWindowTextW(), u"Length");
    KeyPress(VK_RETURN, kModCtrl);
    EXPECT_EQ(sink->received, std::vector<ZnsStringW>{u"12.5"});
    calculator->SetGroupCaption(u"Item 3");
    EXPECT_EQ(CWnd::FromHandle(window)->GetDlgItemTextW(32983), u"Item 3");

    calculator->Close();
    PumpMessages();
    EXPECT_FALSE(CWnd::IsWindow(window));
    EXPECT_EQ(calculator->GetWindow(), nullptr);
    EXPECT_EQ(sink->closed, 1);
    EXPECT_FALSE(calculator->GetResult(&result));
    EXPECT_EQ(result, u"12.5") << "the last result outlives the window";
    editor.DestroyWindow();
}

TEST_F(CalculatorHost, OpenCalculatorInsertsIntoTheEditorAndGoesWhenTheEditorLetsGo) {
    // The editor's text window owns the calculator; Insert pastes the result at its caret.
    CEdit editor;
    ASSERT_TRUE(editor.CreateEx(0, u"Edit", u"L=", WS_POPUP | WS_VISIBLE, CRect{0, 0, 300, 20},
                                nullptr, 0));
    editor.SetSel(2, 2);
    auto sink = ZnPtr<Sink>::Adopt(new Sink);
    ZnPtr<IZnDiviRuveulator> calculator = OpenCalculator(editor, sink.get());
    ASSERT_TRUE(calculator);
    HWND window = calculator->GetWindow();
    ASSERT_TRUE(CWnd::IsWindow(window));
    CWnd* dialog = CWnd::FromHandle(window);
    for (int key : {1009, 1021, 1012, 1028, 1056}) // 4 * 3 = Insert
        dialog->SendMessage(WM_COMMAND, WPARAM(key), 0);
    EXPECT_EQ(editor.GetWindowTextW(), u"L=12");
    EXPECT_EQ(sink->received, std::vector<ZnsStringW>{u"12"});

    // The editor lets go of the object while the window is open: the window goes with it.
    calculator.reset();
    EXPECT_FALSE(CWnd::IsWindow(window));
    EXPECT_EQ(sink->closed, 1);
    editor.DestroyWindow();
}

} // namespace
