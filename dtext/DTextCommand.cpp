#include "dtext/DTextCommand.h"

#include "dtext/DTextDlg.h"
#include "host/ClassIds.h"
#include "host/Services.h"
#include "resources/ModuleResources.h"

namespace dtext {

namespace {

// The one selected single-line text, or null.
ZnPtr<IZnSingleLineText> selectedText() {
    ZnsArray<znsWorkID> selection;
    if (!gpZnObjManager || FAILED(gpZnObjManager->GetSelection(selection)) || selection.size() != 1)
        return {};
    ZnPtr<IZnObject> object;
    if (FAILED(gpZnObjManager->Open(object.put(), selection.front())) || !object)
        return {};
    return ZnQuery<IZnSingleLineText>(object.get());
}

} // namespace

std::int32_t RunDText(void*) {
    IZnDocument* document = gpZnDocManager ? gpZnDocManager->GetActiveDocument() : nullptr;
    if (!document || !document->AcceptsEdits())
        return E_FAIL;
    res::ModuleResourceScope resources;
    CDTextDlg dialog(gpZnContext ? zn::ui::CWnd::FromHandle(
                                       static_cast<zn::ui::HWND>(gpZnContext->GetMainWindow()))
                                 : nullptr);
    if (ZnPtr<IZnSingleLineText> edited = selectedText())
        dialog.EditObject(*edited, edited->GetColor());
    if (dialog.DoModal() == zn::ui::IDOK && !dialog.IsAdded())
        dialog.Add();
    return S_OK;
}

} // namespace dtext
