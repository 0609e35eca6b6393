// The notebook window open on a notebook the test makes, worked by a scripted user who also
// answers the window's message boxes.
#pragma once

#include <string>

#include "notebook/NotebookDlg.h"
#include "platform/ui/ScriptedAgent.h"
#include "platform/ui/Window.h"
#include "tests/notebook/NotebookFixture.h"

class NotebookWindowTest : public NotebookTest {
protected:
    // Fills the notebook the window opens; it is saved as "book.ntb" first.
    virtual void fill(notebook::CNotebookTree& pages) = 0;

    void SetUp() override {
        NotebookTest::SetUp();
        m_previousAgent = zn::ui::SetUserAgent(&agent);
        zn::ui::SetMessageBoxHandler(
            [this](void*, std::u16string_view text, std::u16string_view caption, unsigned type) {
                messages.push_back(zn::toUtf8(text));
                return agent.AnswerMessageBox(text, caption, type);
            });
        zn::ui::ClearMessageQueue();
        notebook::CNotebookDoc doc;
        doc.NewNotebook(true);
        fill(doc.Pages());
        ASSERT_EQ(doc.SaveNotebook(wpath("book.ntb")), 1);
        dialog.LoadNotebook(wpath("book.ntb"), notebook::kOpen);
        ASSERT_TRUE(dialog.CreateModeless(nullptr));
        dialog.ShowWindow(zn::ui::SW_SHOW);
        zn::ui::SetActiveWindow(&dialog);
    }
    void TearDown() override {
        if (dialog.GetSafeHwnd())
            dialog.DestroyWindow();
        zn::ui::ClearMessageQueue();
        zn::ui::SetUserAgent(m_previousAgent);
        NotebookTest::TearDown();
    }

    void user(const std::string& script) {
        agent.AddScript(script);
        // As the modal loop does, posted messages are handled before the next input.
        while (agent.Remaining() && dialog.GetSafeHwnd()) {
            agent.ProvideInput(dialog);
            zn::ui::PumpMessages();
        }
    }

    zn::ui::ScriptedAgent agent;
    notebook::CNotebook dialog;

private:
    zn::ui::UserAgent* m_previousAgent = nullptr;
};
