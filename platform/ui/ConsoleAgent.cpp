// The terminal user: requests shown as text, answers read as action lines.
#include "platform/ui/ConsoleAgent.h"

#include <algorithm>
#include <string>

#include "platform/ui/Menu.h"
#include "platform/ui/MessageBox.h"

namespace zn::ui {

using Kind = ScriptAction::Kind;

ScriptAction ConsoleAgent::ask(const std::string& prompt,
                               std::string (*accept)(const ScriptAction&)) {
    for (;;) {
        m_out << prompt << "> " << std::flush;
        std::string line;
        if (!std::getline(m_in, line))
            throw AgentError("the console input ended while " + prompt);
        std::string error;
        std::optional<ScriptAction> action = ParseScriptAction(line, &error);
        if (action)
            error = accept(*action);
        if (error.empty())
            return *action;
        m_out << error << "\n";
    }
}

int ConsoleAgent::AnswerMessageBox(std::u16string_view text, std::u16string_view caption,
                                   unsigned type) {
    m_out << "== " << zn::toUtf8(caption) << "\n"
          << zn::toUtf8(text) << "\n(" << ButtonNames(type) << ")\n";
    for (;;) {
        ScriptAction action = ask("answer", [](const ScriptAction& a) {
            return a.kind == Kind::Answer ? std::string()
                                          : std::string("answer with: answer yes, answer no, ...");
        });
        std::vector<int> buttons = MessageBoxButtons(type);
        if (std::find(buttons.begin(), buttons.end(), action.answer) != buttons.end())
            return action.answer;
        m_out << "the box offers " << ButtonNames(type) << "\n";
    }
}

std::optional<std::u16string> ConsoleAgent::ChooseFile(const FileRequest& request) {
    FileRequest copy = request;
    return ChooseFileAndOptions(copy);
}

std::optional<std::u16string> ConsoleAgent::ChooseFileAndOptions(FileRequest& request) {
    m_out << "== " << (request.save ? "Save" : "Open") << " file " << zn::toUtf8(request.filter)
          << "\n";
    for (const FileOption& option : request.options)
        m_out << "   option " << option.id << " " << zn::toUtf8(option.text) << "\n";
    for (;;) {
        ScriptAction action = ask("file", [](const ScriptAction& a) {
            return a.kind == Kind::File ? std::string()
                                        : std::string("answer with: file PATH or file cancel");
        });
        if (action.cancel)
            return std::nullopt;
        bool known = std::all_of(action.checks.begin(), action.checks.end(), [&](int id) {
            return std::any_of(request.options.begin(), request.options.end(),
                               [id](const FileOption& o) { return o.id == id; });
        });
        if (!known) {
            m_out << "no such option\n";
            continue;
        }
        for (FileOption& option : request.options)
            option.checked = std::find(action.checks.begin(), action.checks.end(), option.id) !=
                             action.checks.end();
        return action.text;
    }
}

PickAnswer ConsoleAgent::pick(const std::u16string& prompt,
                              const std::vector<std::u16string>& keywords, bool object) {
    m_out << "== " << zn::toUtf8(prompt);
    for (const std::u16string& keyword : keywords)
        m_out << " [" << zn::toUtf8(keyword) << "]";
    m_out << "\n";
    for (;;) {
        ScriptAction action = ask(object ? "object" : "point", [](const ScriptAction& a) {
            return a.IsPick()
                       ? std::string()
                       : std::string(
                             "answer with: point X Y, object N, keyword WORD or pick cancel");
        });
        PickAnswer answer;
        if (action.kind == Kind::PickCancel)
            return answer;
        if (action.kind == Kind::Keyword) {
            auto it = std::find_if(keywords.begin(), keywords.end(), [&](const std::u16string& k) {
                return zn::equalsNoCase(k, action.text);
            });
            if (it == keywords.end()) {
                m_out << "that keyword is not offered\n";
                continue;
            }
            answer.kind = PickAnswer::Kind::Keyword;
            answer.keyword = *it;
            return answer;
        }
        if ((action.kind == Kind::Object) != object) {
            m_out << (object ? "pick an object: object N\n" : "pick a point: point X Y\n");
            continue;
        }
        answer.kind = object ? PickAnswer::Kind::Object : PickAnswer::Kind::Point;
        answer.point = action.point;
        answer.object = action.object;
        return answer;
    }
}

PickAnswer ConsoleAgent::PickPoint(const PointRequest& request) {
    return pick(request.prompt, request.keywords, false);
}

PickAnswer ConsoleAgent::PickObject(const ObjectRequest& request) {
    return pick(request.prompt, request.keywords, true);
}

void ConsoleAgent::ProvideInput(CWnd& waiting) {
    CWnd& window = InputWindow(waiting);
    m_out << DescribeWindow(window);
    for (;;) {
        ScriptAction action = ask("input", [](const ScriptAction& a) {
            return a.IsInput()
                       ? std::string()
                       : std::string("the dialog waits for input: type, key, click, menu, ...");
        });
        try {
            ApplyInputAction(action, window);
            return;
        } catch (const AgentError& e) {
            m_out << e.what() << "\n";
        }
    }
}

unsigned ConsoleAgent::ChooseMenuCommand(const CMenu& menu) {
    m_out << "== menu\n";
    for (const CMenu::Entry& e : menu.Entries())
        m_out << "   " << std::string(size_t(e.depth) * 2, ' ')
              << (e.id ? std::to_string(e.id) + " " : "") << zn::toUtf8(e.text)
              << (e.enabled ? "" : " [disabled]") << "\n";
    for (;;) {
        ScriptAction action = ask("menu", [](const ScriptAction& a) {
            return a.kind == Kind::Menu ? std::string()
                                        : std::string("answer with: menu ID or menu none");
        });
        if (!action.control || menu.HasEnabledCommand(UINT(action.control)))
            return unsigned(action.control);
        m_out << "that is not an enabled command of the menu\n";
    }
}

PickerAnswer ConsoleAgent::AnswerPicker(const PickerRequest& request) {
    using PickerKind = PickerRequest::Kind;
    static const char* const forms[] = {"record ID", "material NAME|NUMERATOR|DENOMINATOR",
                                        "fit TEXT|UPPER|LOWER", "symbol TEXT"};
    std::string form = forms[int(request.kind)];
    m_out << "== " << PickerName(request.kind) << " picker\n";
    for (const std::u16string& choice : request.choices)
        m_out << "   " << zn::toUtf8(choice) << "\n";
    if (request.kind == PickerKind::Material && !request.presets.empty()) {
        m_out << "   preset:";
        for (size_t i = 0; i < request.presets.size(); ++i)
            m_out << (i ? "|" : " ") << zn::toUtf8(request.presets[i]);
        m_out << "\n";
    }
    for (;;) {
        ScriptAction action = ask(PickerName(request.kind), [](const ScriptAction& a) {
            return a.IsPickerAnswer() ? std::string() : std::string("answer the picker");
        });
        if (action.AnswersPicker(request.kind))
            return PickerAnswerOf(action);
        m_out << "answer with: " << form << " or pick cancel\n";
    }
}

} // namespace zn::ui
