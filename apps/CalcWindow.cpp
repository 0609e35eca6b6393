#include "apps/CalcWindow.h"

#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>

#include "calculator/KLVBCalcDlg.h"
#include "platform/ui/ConsoleAgent.h"
#include "platform/ui/ScriptedAgent.h"
#include "resources/ModuleResources.h"

namespace {

bool readFile(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream data;
    data << in.rdbuf();
    text = data.str();
    return true;
}

} // namespace

int RunCalculatorWindow(const std::string& scriptPath, const std::string& measuresPath) {
    std::string script, measures;
    for (const auto& [path, text] : {std::pair{&scriptPath, &script}, {&measuresPath, &measures}})
        if (!path->empty() && !readFile(*path, *text)) {
            std::cerr << "reqpad calc: cannot read " << *path << '\n';
            return 2;
        }
    try {
        std::unique_ptr<zn::ui::UserAgent> user;
        if (scriptPath.empty())
            user = std::make_unique<zn::ui::ConsoleAgent>(std::cin, std::cout);
        else
            user = std::make_unique<zn::ui::ScriptedAgent>(script);
        zn::ui::UserAgent* previous = zn::ui::SetUserAgent(user.get());
        res::ModuleResourceScope resources;
        CKLVBCalcDlg dialog;
        if (!measuresPath.empty())
            dialog.SetMeasureDocument(zn::fromUtf8(measures));
        dialog.DoModal();
        zn::ui::SetUserAgent(previous);
        if (auto* scripted = dynamic_cast<zn::ui::ScriptedAgent*>(user.get()))
            scripted->Finish();
        std::cout << zn::toUtf8(dialog.ResultText()) << '\n';
        return 0;
    } catch (const zn::ui::AgentError& e) {
        std::cerr << "reqpad calc: " << (scriptPath.empty() ? "" : scriptPath + ": ") << e.what()
                  << '\n';
        return 2;
    }
}
