#include "platform/ui/UserAgent.h"

namespace zn::ui {

namespace {
UserAgent* g_agent = nullptr;
}

UserAgent* CurrentUserAgent() { return g_agent; }

UserAgent* SetUserAgent(UserAgent* agent) {
    UserAgent* previous = g_agent;
    g_agent = agent;
    return previous;
}

} // namespace zn::ui
