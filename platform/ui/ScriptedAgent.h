// The scripted user: a queue of actions taken in order. Each request of the system takes
// the next action, which must fit it (a message box wants an answer, a waiting dialog
// wants input, a file dialog a file, a pick a point or an object); an action that does
// not fit, or a script that has run out, is an AgentError that says what was expected.
#pragma once

#include <deque>

#include "platform/ui/ScriptActions.h"

namespace zn::ui {

class ScriptedAgent : public UserAgent {
public:
    ScriptedAgent() = default;
    // A script of action lines (blank lines and lines starting with # are skipped); throws
    // AgentError naming the line that is not an action.
    explicit ScriptedAgent(std::string_view script) { AddScript(script); }

    void Add(ScriptAction action) { m_actions.push_back(std::move(action)); }
    void AddScript(std::string_view script);
    size_t Remaining() const { return m_actions.size(); }
    // Throws AgentError when actions are left that nothing asked for.
    void Finish() const;

    int AnswerMessageBox(std::u16string_view text, std::u16string_view caption,
                         unsigned type) override;
    std::optional<std::u16string> ChooseFile(const FileRequest& request) override;
    std::optional<std::u16string> ChooseFileAndOptions(FileRequest& request) override;
    PickAnswer PickPoint(const PointRequest& request) override;
    PickAnswer PickObject(const ObjectRequest& request) override;
    void ProvideInput(CWnd& waiting) override;
    unsigned ChooseMenuCommand(const CMenu& menu) override;
    PickerAnswer AnswerPicker(const PickerRequest& request) override;

private:
    // The next action, which `fits` must accept; `situation` says what the system asks.
    ScriptAction take(const std::string& situation, bool (*fits)(const ScriptAction&));
    PickAnswer pick(const std::string& situation, const std::vector<std::u16string>& keywords,
                    bool wantsObject);

    std::deque<ScriptAction> m_actions;
    int m_taken = 0;
};

} // namespace zn::ui
