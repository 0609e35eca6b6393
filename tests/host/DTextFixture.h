// The single-line text dialog inside the reference host: the module loaded, an A3 drawing,
// and "DText" run with a script of user actions.
#pragma once

#include "dtext/DTextDlg.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/ScriptedAgent.h"
#include "simhost/SingleLineText.h"
#include "tests/host/DefaultNotebook.h"
#include "tests/host/HostFixture.h"

class DTextFixture : public HostFixture {
protected:
    void SetUp() override {
        HostFixture::SetUp();
        InitModule();
        NewDrawing();
        ASSERT_TRUE(UseEmptyDefaultNotebook(Path("default.ntb")));
        zn::ui::ClearRecordedMessageBoxes();
    }
    void TearDown() override {
        UnInitModule();
        HostFixture::TearDown();
    }

    // Runs "DText" with the user's actions; every action must be used.
    HRESULT RunDText(std::string_view script) {
        zn::ui::ScriptedAgent agent(script);
        zn::ui::UserAgent* previous = zn::ui::SetUserAgent(&agent);
        HRESULT result = E_FAIL;
        try {
            result = Host().RunCommand(u"DText");
            agent.Finish();
        } catch (...) {
            zn::ui::SetUserAgent(previous);
            throw;
        }
        zn::ui::SetUserAgent(previous);
        return result;
    }

    // The drawing's single-line texts, in drawing order.
    std::vector<simhost::SingleLineText*> Texts() {
        std::vector<simhost::SingleLineText*> texts;
        for (IZnEntity* entity : Host().ActiveDrawing()->Objects())
            if (auto* text = dynamic_cast<simhost::SingleLineText*>(entity))
                texts.push_back(text);
        return texts;
    }
};
