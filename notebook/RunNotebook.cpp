#include "notebook/RunNotebook.h"

#include <optional>

#include "host/Services.h"
#include "resources/ModuleResources.h"

using namespace zn::ui;
using namespace notebook;

std::intptr_t RunNotebook(HWND parent, const ZnsStringW* file, std::uint32_t flags,
                          NotebookCallbackBlock* callback) {
    res::ModuleResourceScope resources;
    CWnd* parentWindow = CWnd::FromHandle(parent);
    CWnd* owner = parentWindow  ? parentWindow
                  : gpZnContext ? CWnd::FromHandle(HWND(gpZnContext->GetMainWindow()))
                                : nullptr;
    auto* dialog = new CNotebook(owner);
    dialog->SetTransferMode(flags);
    constexpr std::uint32_t kDelivering =
        kTransferSingleLine | kTransferPlain | 0x04 | kTransferRtf;
    if ((flags & kDelivering) && callback)
        dialog->SetTransferCallback(callback->function, callback->context);
    dialog->LoadNotebook(file ? std::optional<ZnsStringW>(*file) : std::nullopt, kOpen);
    if (parentWindow && !(flags & kTransferClose)) {
        dialog->SetAutoDelete(true);
        return dialog->CreateModeless(parentWindow) ? 1 : 0;
    }
    std::intptr_t result = dialog->DoModal();
    if ((flags & kTransferClose) && callback)
        callback->text = dialog->LastTransferredText();
    delete dialog;
    return result;
}
