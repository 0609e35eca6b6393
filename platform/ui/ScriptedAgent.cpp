// The scripted user and the checks that its actions fit what the system asks.
#include "platform/ui/ScriptedAgent.h"

#include <algorithm>

#include "platform/ui/Input.h"
#include "platform/ui/Menu.h"
#include "platform/ui/MessageBox.h"

namespace zn::ui {

using Kind = ScriptAction::Kind;

void ScriptedAgent::AddScript(std::string_view script) {
    int lineNumber = 0;
    while (!script.empty()) {
        ++lineNumber;
        size_t end = script.find('\n');
        std::string_view line = script.substr(0, end);
        script.remove_prefix(end == std::string_view::npos ? script.size() : end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        size_t first = line.find_first_not_of(" \t");
        if (first == std::string_view::npos || line[first] == '#')
            continue;
        std::string error;
        std::optional<ScriptAction> action = ParseScriptAction(line, &error);
        if (!action)
            throw AgentError("script line " + std::to_string(lineNumber) + ": " + error);
        Add(std::move(*action));
    }
}

void ScriptedAgent::Finish() const {
    if (!m_actions.empty())
        throw AgentError(
            "the script has " + std::to_string(m_actions.size()) +
            " action(s) that nothing asked for, the first: " + DescribeAction(m_actions.front()));
}

ScriptAction ScriptedAgent::take(const std::string& situation, bool (*fits)(const ScriptAction&)) {
    if (m_actions.empty())
        throw AgentError("the script ended while " + situation);
    ScriptAction action = std::move(m_actions.front());
    int number = ++m_taken;
    m_actions.pop_front();
    if (!fits(action))
        throw AgentError("script action " + std::to_string(number) + " (" + DescribeAction(action) +
                         ") does not fit: " + situation);
    return action;
}

int ScriptedAgent::AnswerMessageBox(std::u16string_view text, std::u16string_view, unsigned type) {
    std::string situation =
        "a message box asks \"" + zn::toUtf8(text) + "\" with " + ButtonNames(type);
    ScriptAction action =
        take(situation, [](const ScriptAction& a) { return a.kind == Kind::Answer; });
    std::vector<int> buttons = MessageBoxButtons(type);
    if (std::find(buttons.begin(), buttons.end(), action.answer) == buttons.end())
        throw AgentError("answer " + AnswerName(action.answer) + " is not a button of " +
                         situation);
    return action.answer;
}

std::optional<std::u16string> ScriptedAgent::ChooseFile(const FileRequest& request) {
    FileRequest copy = request;
    return ChooseFileAndOptions(copy);
}

std::optional<std::u16string> ScriptedAgent::ChooseFileAndOptions(FileRequest& request) {
    std::string situation = std::string(request.save ? "a save" : "an open") + " file dialog (" +
                            zn::toUtf8(request.filter) + ") asks for a file";
    ScriptAction action =
        take(situation, [](const ScriptAction& a) { return a.kind == Kind::File; });
    if (action.cancel)
        return std::nullopt;
    for (int id : action.checks) {
        auto option = std::find_if(request.options.begin(), request.options.end(),
                                   [id](const FileOption& o) { return o.id == id; });
        if (option == request.options.end())
            throw AgentError("the file dialog has no option " + std::to_string(id));
        option->checked = true;
    }
    return action.text;
}

PickAnswer ScriptedAgent::pick(const std::string& situation,
                               const std::vector<std::u16string>& keywords, bool wantsObject) {
    ScriptAction action = take(situation, [](const ScriptAction& a) { return a.IsPick(); });
    PickAnswer answer;
    switch (action.kind) {
    case Kind::Point:
        if (wantsObject)
            throw AgentError("a point does not fit: " + situation);
        answer.kind = PickAnswer::Kind::Point;
        answer.point = action.point;
        break;
    case Kind::Object:
        if (!wantsObject)
            throw AgentError("an object does not fit: " + situation);
        answer.kind = PickAnswer::Kind::Object;
        answer.object = action.object;
        break;
    case Kind::Keyword: {
        auto it = std::find_if(keywords.begin(), keywords.end(), [&](const std::u16string& k) {
            return zn::equalsNoCase(k, action.text);
        });
        if (it == keywords.end())
            throw AgentError("keyword " + zn::toUtf8(action.text) +
                             " is not offered: " + situation);
        answer.kind = PickAnswer::Kind::Keyword;
        answer.keyword = *it;
        break;
    }
    default:
        answer.kind = PickAnswer::Kind::Cancel;
        break;
    }
    return answer;
}

PickAnswer ScriptedAgent::PickPoint(const PointRequest& request) {
    return pick("the host asks for a point: " + zn::toUtf8(request.prompt), request.keywords,
                false);
}

PickAnswer ScriptedAgent::PickObject(const ObjectRequest& request) {
    return pick("the host asks for an object: " + zn::toUtf8(request.prompt), request.keywords,
                true);
}

void ScriptedAgent::ProvideInput(CWnd& waiting) {
    CWnd& window = InputWindow(waiting);
    std::string situation = "\"" + zn::toUtf8(window.GetWindowTextW()) + "\" waits for input";
    ScriptAction action = take(situation, [](const ScriptAction& a) { return a.IsInput(); });
    try {
        ApplyInputAction(action, window);
        // Modifiers are held only from one key action to the next; a script that goes on
        // with anything else, or ends, leaves the keyboard released.
        if (m_actions.empty() || m_actions.front().kind != Kind::Key)
            HoldModifiers(0);
    } catch (const AgentError& e) {
        throw AgentError("script action " + std::to_string(m_taken) + " (" +
                         DescribeAction(action) + ") does not fit: " + e.what());
    }
}

unsigned ScriptedAgent::ChooseMenuCommand(const CMenu& menu) {
    ScriptAction action =
        take("a popup menu is shown", [](const ScriptAction& a) { return a.kind == Kind::Menu; });
    if (action.control && !menu.HasEnabledCommand(UINT(action.control)))
        throw AgentError("script action " + std::to_string(m_taken) + " (" +
                         DescribeAction(action) +
                         ") does not fit: the popup menu has no enabled command " +
                         std::to_string(action.control));
    return unsigned(action.control);
}

PickerAnswer ScriptedAgent::AnswerPicker(const PickerRequest& request) {
    std::string situation = "the " + std::string(PickerName(request.kind)) +
                            " picker asks for a choice (or pick cancel)";
    ScriptAction action = take(situation, [](const ScriptAction& a) { return a.IsPickerAnswer(); });
    if (!action.AnswersPicker(request.kind))
        throw AgentError("script action " + std::to_string(m_taken) + " (" +
                         DescribeAction(action) + ") does not fit: " + situation);
    return PickerAnswerOf(action);
}

} // namespace zn::ui
