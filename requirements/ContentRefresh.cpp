#include "requirements/ContentRefresh.h"

#include "editor/ReqpadDlg.h"
#include "host/Context.h"
#include "host/Services.h"
#include "resources/ModuleResources.h"

namespace requirements {

void RefreshThroughEditor(ZnsStringW& content, ZnsArray<ZnsLink>& links) {
    res::ModuleResourceScope resources;
    auto* mainWindow =
        static_cast<zn::ui::CWnd*>(gpZnContext ? gpZnContext->GetMainWindow() : nullptr);
    editor::ReqpadDlg dialog(mainWindow);
    dialog.SetContent(content, editor::kContentRtf, &links);
    if (!dialog.CreateHidden(mainWindow))
        return;
    dialog.TakeContent();
    dialog.GetContent(content, &links);
    dialog.CloseHidden();
}

} // namespace requirements
