// The user of a `reqpad host` session: `user` lines queue actions for the scripted agent,
// which answers the host and the module while it has actions; once the queue is empty, the
// person (at the console, or in the desktop window) answers instead.
#pragma once

#include <memory>

#include "platform/ui/ScriptedAgent.h"

class HostUser : public zn::ui::UserAgent {
public:
    // `person` null: a script session, where a question without a queued answer fails.
    explicit HostUser(std::unique_ptr<zn::ui::UserAgent> person = nullptr)
        : m_person(std::move(person)) {}

    // Queues one action line; throws zn::ui::AgentError when it is not an action.
    void Queue(std::string_view action) { m_script.AddScript(action); }
    size_t Remaining() const { return m_script.Remaining(); }
    // Throws zn::ui::AgentError when actions are left that nothing asked for.
    void Finish() const { m_script.Finish(); }

    int AnswerMessageBox(std::u16string_view text, std::u16string_view caption,
                         unsigned type) override {
        return current().AnswerMessageBox(text, caption, type);
    }
    std::optional<std::u16string> ChooseFile(const zn::ui::FileRequest& request) override {
        return current().ChooseFile(request);
    }
    std::optional<std::u16string> ChooseFileAndOptions(zn::ui::FileRequest& request) override {
        return current().ChooseFileAndOptions(request);
    }
    zn::ui::PickAnswer PickPoint(const zn::ui::PointRequest& request) override {
        return current().PickPoint(request);
    }
    zn::ui::PickAnswer PickObject(const zn::ui::ObjectRequest& request) override {
        return current().PickObject(request);
    }
    void ProvideInput(zn::ui::CWnd& waiting) override { current().ProvideInput(waiting); }
    unsigned ChooseMenuCommand(const zn::ui::CMenu& menu) override {
        return current().ChooseMenuCommand(menu);
    }
    zn::ui::PickerAnswer AnswerPicker(const zn::ui::PickerRequest& request) override {
        return current().AnswerPicker(request);
    }

private:
    zn::ui::UserAgent& current() {
        if (m_script.Remaining() == 0 && m_person)
            return *m_person;
        return m_script;
    }

    zn::ui::ScriptedAgent m_script;
    std::unique_ptr<zn::ui::UserAgent> m_person;
};
