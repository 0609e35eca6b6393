#include "apps/CalcWindow.h"

#include <iostream>
#include <memory>

#include "calculator/KLVBCalcDlg.h"
#include "platform/ui/ConsoleAgent.h"
#include "platform/ui/ScriptedAgent.h"
#include "resources/ModuleResources.h"

int RunCalculatorWindow(const std::optional<std::string>& script, const std::string& scriptName,
                        const std::optional<std::string>& measures) {
    zn::ui::UserAgent* previous = nullptr;
    try {
        std::unique_ptr<zn::ui::UserAgent> user;
        if (script)
            user = std::make_unique<zn::ui::ScriptedAgent>(*script);
        else
            user = std::make_unique<zn::ui::ConsoleAgent>(std::cin, std::cout);
        previous = zn::ui::SetUserAgent(user.get());
        res::ModuleResourceScope resources;
        CKLVBCalcDlg dialog;
        if (measures)
            dialog.SetMeasureDocument(zn::fromUtf8(*measures));
        dialog.DoModal();
        zn::ui::SetUserAgent(previous);
        if (auto* scripted = dynamic_cast<zn::ui::ScriptedAgent*>(user.get()))
            scripted->Finish();
        std::cout << zn::toUtf8(dialog.ResultText()) << '\n';
        return 0;
    } catch (const zn::ui::AgentError& e) {
        zn::ui::SetUserAgent(previous);
        std::cerr << "reqpad calc: " << (script ? scriptName + ": " : "") << e.what() << '\n';
        return 2;
    }
}
