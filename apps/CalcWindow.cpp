#include "apps/CalcWindow.h"

#include <iostream>

#include "apps/WindowRun.h"
#include "calculator/KLVBCalcDlg.h"
#include "platform/text/ZnsString.h"
#include "resources/ModuleResources.h"

int RunCalculatorWindow(const std::optional<std::string>& script, const std::string& scriptName,
                        const std::optional<std::string>& measures) {
    ZnsStringW shown;
    const int status = RunWindowWithUser("reqpad calc", script, scriptName, [&] {
        res::ModuleResourceScope resources;
        CKLVBCalcDlg dialog;
        if (measures)
            dialog.SetMeasureDocument(zn::fromUtf8(*measures));
        dialog.DoModal();
        shown = dialog.ResultText();
    });
    if (status == 0)
        std::cout << zn::toUtf8(shown) << '\n';
    return status;
}
