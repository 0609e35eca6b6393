// reqpad: the command-line host shell and tools of the requirements module.
#include <CLI/CLI.hpp>

#include "apps/Commands.h"

int main(int argc, char** argv) {
    CLI::App app{"Reqpad: technical requirements, notebook and engineering calculator"};
    app.require_subcommand(1);
    const std::vector<Subcommand> commands = {
        addCalcCommand(app),
        addEditCommand(app),
#ifdef REQPAD_GUI
        addGuiCommand(app),
#endif
        addHostCommand(app),
        addNotebookCommand(app),
        addResourcesCommand(app),
        addRtfCommand(app),
    };
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        // Help answers 0; every wrong argument exits 2 after CLI11 has said what is wrong.
        return app.exit(e) == 0 ? 0 : 2;
    }
    for (const Subcommand& command : commands)
        if (command.parser->parsed())
            return command.run();
    return 2;
}
