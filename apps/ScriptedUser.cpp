#include "apps/ScriptedUser.h"

#include <algorithm>

#include "apps/HostShell.h"
#include "apps/ShellWords.h"
#include "platform/ui/MessageBox.h"

void ScriptedUser::Queue(const std::string& line) {
    std::string error;
    auto words = SplitShellWords(line, error);
    if (!words)
        throw ShellError(error);
    static const std::vector<std::string> kVerbs = {"point", "keyword", "object", "pick", "file", "answer"};
    if (words->empty() || std::find(kVerbs.begin(), kVerbs.end(), words->front()) == kVerbs.end())
        throw ShellError("\"" + line + "\" is not a user action: point X Y [Z], keyword WORD, object ID, pick cancel, "
                         "file PATH|cancel, answer ok|cancel|yes|no");
    const std::string& verb = words->front();
    size_t count = words->size() - 1;
    bool fits = verb == "point" ? (count == 2 || count == 3) && ParseNumber((*words)[1]) && ParseNumber((*words)[2]) &&
                                      (count == 2 || ParseNumber((*words)[3]))
                : verb == "object" ? count == 1 && ParseNumber((*words)[1])
                : verb == "pick"   ? count == 1 && (*words)[1] == "cancel"
                : verb == "answer" ? count == 1 && ((*words)[1] == "ok" || (*words)[1] == "cancel" ||
                                                    (*words)[1] == "yes" || (*words)[1] == "no")
                                   : count == 1;
    if (!fits)
        throw ShellError("\"" + line + "\" is not a complete " + verb + " action");
    m_actions.push_back({verb, std::vector<std::string>(words->begin() + 1, words->end()), line});
}

std::string ScriptedUser::Leftover() const {
    if (m_actions.empty())
        return {};
    return std::to_string(m_actions.size()) + " user action(s) were never asked for, the first: " +
           m_actions.front().line;
}

std::string ScriptedUser::TakeFailure() { return std::exchange(m_failure, {}); }

std::optional<ScriptedUser::Action> ScriptedUser::take(std::initializer_list<const char*> verbs,
                                                       const std::string& request) {
    if (!m_actions.empty())
        for (const char* verb : verbs)
            if (m_actions.front().verb == verb) {
                Action action = m_actions.front();
                m_actions.pop_front();
                return action;
            }
    if (m_failure.empty())
        m_failure = request + " but the next user action is " +
                    (m_actions.empty() ? std::string("missing") : "\"" + m_actions.front().line + "\"");
    return std::nullopt;
}

int ScriptedUser::AnswerMessageBox(std::u16string_view text, std::u16string_view, unsigned) {
    auto action = take({"answer"}, "a message box asks \"" + zn::toUtf8(text) + "\"");
    const std::string answer = action ? action->words[0] : "cancel";
    return answer == "ok" ? zn::ui::IDOK : answer == "yes" ? zn::ui::IDYES : answer == "no" ? zn::ui::IDNO : zn::ui::IDCANCEL;
}

std::optional<std::u16string> ScriptedUser::ChooseFile(const zn::ui::FileRequest&) {
    auto action = take({"file"}, "a file dialog asks for a file");
    if (!action || action->words[0] == "cancel")
        return std::nullopt;
    return zn::fromUtf8(action->words[0]);
}

zn::ui::PickAnswer ScriptedUser::PickPoint(const zn::ui::PointRequest& request) {
    zn::ui::PickAnswer answer;
    auto action = take({"point", "keyword", "pick"}, "the host asks for a point (" + zn::toUtf8(request.prompt) + ")");
    if (!action || action->verb == "pick")
        return answer;
    if (action->verb == "keyword") {
        answer.kind = zn::ui::PickAnswer::Kind::Keyword;
        answer.keyword = zn::fromUtf8(action->words[0]);
        return answer;
    }
    answer.kind = zn::ui::PickAnswer::Kind::Point;
    answer.point = {*ParseNumber(action->words[0]), *ParseNumber(action->words[1]),
                    action->words.size() > 2 ? *ParseNumber(action->words[2]) : 0.0};
    return answer;
}

zn::ui::PickAnswer ScriptedUser::PickObject(const zn::ui::ObjectRequest& request) {
    zn::ui::PickAnswer answer;
    auto action = take({"object", "keyword", "pick"}, "the host asks for an object (" + zn::toUtf8(request.prompt) + ")");
    if (!action || action->verb == "pick")
        return answer;
    if (action->verb == "keyword") {
        answer.kind = zn::ui::PickAnswer::Kind::Keyword;
        answer.keyword = zn::fromUtf8(action->words[0]);
        return answer;
    }
    answer.kind = zn::ui::PickAnswer::Kind::Object;
    answer.object = static_cast<long long>(*ParseNumber(action->words[0]));
    return answer;
}
