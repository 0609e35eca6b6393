// `reqpad gui [DRAWING] [--script FILE]`: the reference host in a desktop window.
#include <memory>

#include <CLI/CLI.hpp>

#include "apps/Commands.h"
#include "apps/gui/RunGui.h"

Subcommand addGuiCommand(CLI::App& app) {
    auto options = std::make_shared<gui::GuiOptions>();
    CLI::App* command = app.add_subcommand("gui", "Run the reference CAD host in a desktop window");
    command->add_option("DRAWING", options->drawing, "Drawing file to open");
    command->add_option("--lang", options->language, "Interface language: 1033, 1049 or 3082")
        ->check(CLI::IsMember({1033, 1049, 3082}));
    command->add_option("--script", options->script,
                        "Run these host lines in the window, then close it");
    return {command, [options] { return gui::RunGui(*options); }};
}
