#include "requirements/ContentRefresh.h"

#include "editor/ReqpadDlg.h"
#include "host/Context.h"
#include "host/Services.h"
#include "requirements/FlowScope.h"

namespace requirements {

void RefreshThroughEditor(const IZnEntity& text, ZnsStringW& content, ZnsArray<ZnsLink>& links) {
    // The references are read from the drawing's specification document, which must not
    // outlive this refresh: the next one may be on another drawing.
    FlowScope scope;
    auto* mainWindow =
        static_cast<zn::ui::CWnd*>(gpZnContext ? gpZnContext->GetMainWindow() : nullptr);
    editor::ReqpadDlg dialog(mainWindow);
    dialog.editor.SetObject(&text);
    dialog.SetContent(content, editor::kContentRtf, &links);
    if (!dialog.CreateHidden(mainWindow))
        return;
    dialog.TakeContent();
    dialog.GetContent(content, &links);
    dialog.CloseHidden();
}

} // namespace requirements
