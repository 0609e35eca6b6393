// The exports through which sibling modules start the editing procedures.
#include "host/Services.h"
#include "module/Exports.h"
#include "module/TTManager.h"
#include "platform/ui/Dialog.h"
#include "requirements/EditFlows.h"
#include "requirements/IZnTText.h"
#include "requirements/TextSearch.h"
#include "resources/ModuleResources.h"
#include "resources/StringTable.h"

namespace {

constexpr unsigned kSelectRequirementsPrompt = 57725;

// The calling dialog steps aside so the drawing can be reached.
void endCallingDialog(void* window) {
    if (auto* dialog = dynamic_cast<zn::ui::CDialog*>(static_cast<zn::ui::CWnd*>(window)))
        dialog->EndDialog(0);
}

void showCallingDialog(void* window) {
    if (auto* wnd = static_cast<zn::ui::CWnd*>(window))
        wnd->ShowWindow(5);
}

// The flow that edits the picked text with `current` preselected; 0 when nothing ran.
std::int32_t editPickedText(std::int32_t& current, void* window) {
    ZnsArray<znsWorkID> picked;
    const ZnsStringW prompt = res::LoadStringW(kSelectRequirementsPrompt);
    endCallingDialog(window);
    const bool pickedSomething = gpZnObjManager &&
                                 gpZnObjManager->Pick(picked, 1, prompt) == S_OK &&
                                 !picked.empty();
    showCallingDialog(window);
    if (!pickedSomething)
        return 0;
    ZnPtr<IZnTText> text = requirements::OpenText(picked.front());
    if (!text)
        return 0;
    znsWorkID id = picked.front();
    if (text->GetMode() == kTTModeOldConditions)
        return OldFlow(id, kTTModeOldConditions, &current, 0, window, znsWorkID::Null());
    if (text->GetMode() == kTTModeConditions)
        return NewFlow(id, kTTModeConditions, &current, 0, window, znsWorkID::Null());
    return 0;
}

} // namespace

ZNS_EXPORT std::int32_t EditTT(const znsWorkID* format, std::int32_t flag, void* window) {
    znsWorkID object;
    return NewFlow(object, kTTModeConditions, nullptr, flag, window,
                   format ? *format : znsWorkID::Null());
}

ZNS_EXPORT std::int32_t ZNS_SelectTTItem(const znsWorkID* object, void* window) {
    res::ModuleResourceScope resources;
    CZnsTTManager* manager = AcquireTTManager();
    const znsWorkID target = object ? *object : znsWorkID::Null();
    std::int32_t current = manager && !target.IsNull() ? manager->GetTTItem(target) : -1;
    if (current < 1)
        current = -1;
    std::int32_t answer = 0;
    if (current != -1) {
        answer = editPickedText(current, window);
    } else {
        endCallingDialog(window);
        znsWorkID none;
        answer = NewFlow(none, kTTModeConditions, &current, 0, window, znsWorkID::Null());
        showCallingDialog(window);
    }
    if (answer == 1 && manager && !target.IsNull())
        manager->SetTTItem(target, current);
    ReleaseTTManager();
    return current;
}
