#include "apps/NotebookWindow.h"

#include <iostream>
#include <memory>

#include "notebook/NotebookDlg.h"
#include "platform/text/ZnsString.h"
#include "platform/ui/ConsoleAgent.h"
#include "platform/ui/ScriptedAgent.h"

int RunNotebookWindow(const std::string& file, const std::optional<std::string>& script,
                      const std::string& scriptName) {
    zn::ui::UserAgent* previous = nullptr;
    try {
        std::unique_ptr<zn::ui::UserAgent> user;
        if (script)
            user = std::make_unique<zn::ui::ScriptedAgent>(*script);
        else
            user = std::make_unique<zn::ui::ConsoleAgent>(std::cin, std::cout);
        previous = zn::ui::SetUserAgent(user.get());
        notebook::CNotebook dialog;
        // Recorded now, opened as the window comes up.
        dialog.LoadNotebook(zn::fromUtf8(file), notebook::kOpen);
        dialog.DoModal();
        zn::ui::SetUserAgent(previous);
        if (auto* scripted = dynamic_cast<zn::ui::ScriptedAgent*>(user.get()))
            scripted->Finish();
        return 0;
    } catch (const zn::ui::AgentError& e) {
        zn::ui::SetUserAgent(previous);
        std::cerr << "reqpad notebook ui: " << (script ? scriptName + ": " : "") << e.what()
                  << '\n';
        return 2;
    }
}
