// `reqpad host`: the reference CAD host with the module loaded through the platform loader,
// driven by a script (--script FILE) or by a person typing the same commands.
#include <unistd.h>

#include <fstream>
#include <iostream>

#include <CLI/CLI.hpp>

#include "apps/Commands.h"
#include "apps/HostListings.h"
#include "apps/HostShell.h"
#include "apps/HostUser.h"
#include "platform/text/CodePage.h"
#include "platform/ui/ConsoleAgent.h"

namespace {

struct HostOptions {
    std::string script;
    int language = 1033;
};

void printEvent(const simhost::HostEvent& event) {
    std::cout << EventLine(event) << '\n';
}

// Runs every line; a failing line of a script ends it with its number and exit code 2, at a
// terminal it is reported and the session goes on.
int runLines(HostShell& shell, HostUser& user, std::istream& in, const std::string& source,
             bool stopOnError) {
    bool prompt = !stopOnError && isatty(STDIN_FILENO);
    std::string line;
    int number = 0;
    while (true) {
        if (prompt)
            std::cout << "host> " << std::flush;
        if (!std::getline(in, line))
            break;
        ++number;
        try {
            if (!shell.Execute(line))
                break;
        } catch (const std::runtime_error& e) { // a shell error or a user action that did not fit
            std::cerr << source << ":" << number << ": " << e.what() << '\n';
            if (stopOnError)
                return 2;
        }
    }
    try {
        user.Finish();
    } catch (const zn::ui::AgentError& e) {
        std::cerr << source << ": " << e.what() << '\n';
        return stopOnError ? 2 : 0;
    }
    return 0;
}

int runHost(const HostOptions& options) {
    zn::setInterfaceLanguage(options.language);
    std::ifstream script;
    if (!options.script.empty()) {
        script.open(options.script);
        if (!script) {
            std::cerr << "cannot read " << options.script << '\n';
            return 2;
        }
    }
    try {
        simhost::SimHost host;
        bool atTerminal = options.script.empty() && isatty(STDIN_FILENO);
        HostUser user(atTerminal ? std::make_unique<zn::ui::ConsoleAgent>(std::cin, std::cout)
                                 : nullptr);
        zn::ui::UserAgent* previous = zn::ui::SetUserAgent(&user);
        host.Notifications().SetListener(printEvent);
        if (!host.Settings().Problem().empty())
            std::cerr << "settings: " << host.Settings().Problem() << '\n';
        int status = 0;
        {
            HostShell shell(host, user, std::cout);
            shell.LoadModule();
            status = options.script.empty() ? runLines(shell, user, std::cin, "stdin", false)
                                            : runLines(shell, user, script, options.script, true);
            shell.UnloadModule();
        }
        zn::ui::SetUserAgent(previous);
        return status;
    } catch (const std::exception& e) {
        std::cerr << "reqpad host: " << e.what() << '\n';
        return 2;
    }
}

} // namespace

Subcommand addHostCommand(CLI::App& app) {
    auto options = std::make_shared<HostOptions>();
    CLI::App* host =
        app.add_subcommand("host", "Run the reference CAD host with the module loaded");
    host->add_option("--script", options->script,
                     "Read commands from FILE instead of the terminal");
    host->add_option("--lang", options->language, "Interface language: 1033, 1049 or 3082")
        ->check(CLI::IsMember({1033, 1049, 3082}));
    return {host, [options] { return runHost(*options); }};
}
