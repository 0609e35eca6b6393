// Each subcommand adds itself to the parser and says what runs when it was chosen.
#pragma once

#include <functional>
#include <vector>

namespace CLI {
class App;
}

struct Subcommand {
    CLI::App* parser;
    std::function<int()> run;
};

Subcommand addCalcCommand(CLI::App& app);
Subcommand addEditCommand(CLI::App& app);
Subcommand addGuiCommand(CLI::App& app);
Subcommand addHostCommand(CLI::App& app);
Subcommand addNotebookCommand(CLI::App& app);
Subcommand addResourcesCommand(CLI::App& app);
Subcommand addRtfCommand(CLI::App& app);
