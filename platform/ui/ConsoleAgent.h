// The user at a terminal: a waiting dialog, a message box, a file dialog, a pick or a popup
// menu is shown as text, and the person's answer is read as a line in the script language
// (ScriptActions.h). A line that is not an action, or does not fit, is explained and asked
// again; the end of the input is an AgentError.
#pragma once

#include <istream>
#include <ostream>

#include "platform/ui/ScriptActions.h"

namespace zn::ui {

class ConsoleAgent : public UserAgent {
public:
    ConsoleAgent(std::istream& in, std::ostream& out) : m_in(in), m_out(out) {}

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
    // Reads actions until `accept` takes one (it answers an explanation when it does not).
    ScriptAction ask(const std::string& prompt, std::string (*accept)(const ScriptAction&));
    PickAnswer pick(const std::u16string& prompt, const std::vector<std::u16string>& keywords,
                    bool object);

    std::istream& m_in;
    std::ostream& m_out;
};

} // namespace zn::ui
