// A CReqpad in a headless owner window with the module's resources and a scripted user,
// and helpers that load and read its text as lines.
#pragma once

#include <gtest/gtest.h>

#include "editor/Reqpad.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/ScriptedAgent.h"
#include "resources/ModuleResources.h"

namespace editor::test {

class ReqpadTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_previous = zn::ui::SetUserAgent(&agent);
        zn::ui::ClearRecordedMessageBoxes();
        zn::ui::ResetClipboard();
        ASSERT_TRUE(owner.Create(u"Test", u"Owner", zn::ui::WS_POPUP | zn::ui::WS_VISIBLE,
                                 {0, 0, 640, 480}, nullptr, 0));
        ASSERT_TRUE(pad.Create(zn::ui::WS_VISIBLE, {0, 0, 600, 400}, &owner, 12014));
        pad.m_numberColor = zn::richedit::RGB(0, 0, 128);
        pad.InitControl();
        pad.SetFocus();
    }
    void TearDown() override {
        pad.DestroyWindow();
        owner.DestroyWindow();
        zn::ui::SetUserAgent(m_previous);
    }

    // Paragraphs joined by '\r'.
    void load(std::u16string_view text) { ASSERT_EQ(pad.SetContent(ZnsStringW(text), 0), 1); }
    void run(const std::string& script) {
        agent.AddScript(script);
        while (agent.Remaining())
            agent.ProvideInput(owner);
    }
    void caret(int position) { pad.SetSel(position, position); }
    int at(std::u16string_view what) const { return int(pad.GetText().find(what)); }
    const ZnsStringW& text() const { return pad.GetText(); }

    res::ModuleResourceScope resources;
    zn::ui::ScriptedAgent agent;
    zn::ui::CWnd owner;
    CReqpad pad;

private:
    zn::ui::UserAgent* m_previous = nullptr;
};

} // namespace editor::test
