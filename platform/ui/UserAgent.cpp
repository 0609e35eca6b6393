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

UserAgent* CurrentUserAgent() {
    return g_agent;
}

UserAgent* SetUserAgent(UserAgent* agent) {
    UserAgent* previous = g_agent;
    g_agent = agent;
    return previous;
}

} // namespace zn::ui
