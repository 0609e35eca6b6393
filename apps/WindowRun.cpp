#include "apps/WindowRun.h"

#include <iostream>
#include <memory>

#include "platform/ui/ConsoleAgent.h"
#include "platform/ui/ScriptedAgent.h"

int RunWindowWithUser(const std::string& command, const std::optional<std::string>& script,
                      const std::string& scriptName, const std::function<void()>& show) {
    zn::ui::UserAgent* previous = nullptr;
    try {
        std::unique_ptr<zn::ui::UserAgent> user;
        if (script)
            user = std::make_unique<zn::ui::ScriptedAgent>(*script);
        else
            user = std::make_unique<zn::ui::ConsoleAgent>(std::cin, std::cout);
        previous = zn::ui::SetUserAgent(user.get());
        show();
        zn::ui::SetUserAgent(previous);
        if (auto* scripted = dynamic_cast<zn::ui::ScriptedAgent*>(user.get()))
            scripted->Finish();
        return 0;
    } catch (const zn::ui::AgentError& e) {
        zn::ui::SetUserAgent(previous);
        std::cerr << command << ": " << (script ? scriptName + ": " : "") << e.what() << '\n';
        return 2;
    }
}
