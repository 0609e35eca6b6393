// The agent in charge, and what an agent that does not work dialogs or menus answers.
#include "platform/ui/UserAgent.h"

namespace zn::ui {

namespace {
UserAgent* g_agent = nullptr;
}

void UserAgent::ProvideInput(CWnd&) {
    throw AgentError("the user agent cannot operate dialogs");
}

unsigned UserAgent::ChooseMenuCommand(const CMenu&) {
    throw AgentError("the user agent cannot choose from menus");
}

PickerAnswer UserAgent::AnswerPicker(const PickerRequest& request) {
    throw AgentError(std::string("the user agent cannot answer the ") + PickerName(request.kind) +
                     " picker");
}

const char* PickerName(PickerRequest::Kind kind) {
    switch (kind) {
    case PickerRequest::Kind::Record:
        return "record";
    case PickerRequest::Kind::Material:
        return "material";
    case PickerRequest::Kind::Fit:
        return "fit";
    case PickerRequest::Kind::Symbol:
        return "symbol";
    }
    return "";
}

UserAgent* CurrentUserAgent() {
    return g_agent;
}

UserAgent* SetUserAgent(UserAgent* agent) {
    UserAgent* previous = g_agent;
    g_agent = agent;
    return previous;
}

} // namespace zn::ui
