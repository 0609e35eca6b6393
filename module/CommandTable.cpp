#include "module/CommandTable.h"

#include <memory>

#include "calculator/KLVBCalcDlg.h"
#include "dtext/DTextCommand.h"
#include "host/Services.h"
#include "host/SiblingModules.h"
#include "platform/loader/Loader.h"
#include "requirements/EditFlows.h"
#include "requirements/IZnTText.h"
#include "resources/ModuleResources.h"

namespace module {

const CommandEntry kRequirementsCommands[4] = {
    {u"TTOld", 0x2000000, &RunOldConditions},
    {u"TDold", 0x2000000, &RunOldParameters},
    {u"TT", 0x4, &RunConditions},
    {u"TD", 0x4, &RunParameters},
};

const CommandEntry kToolCommands[3] = {
    {u"DText", 0x4, &dtext::RunDText},
    {u"DiviRuve", 0x4, &RunCalculator},
    {u"FormEdit", 0x1000000, &RunFormEdit},
};

HRESULT RegisterCommand(const CommandEntry& entry) {
    if (!gpZnContext)
        return E_FAIL;
    auto record = std::make_unique<znsCmd>(entry.name, entry.flags, entry.callback);
    return gpZnContext->RegisterCommand(*record);
}

namespace {

template <auto Flow, std::int32_t Mode> std::int32_t runFlow() {
    znsWorkID object;
    return Flow(object, Mode, nullptr, 1, nullptr, znsWorkID::Null());
}

} // namespace

std::int32_t RunOldConditions(void*) {
    return runFlow<&OldFlow, kTTModeOldConditions>();
}

std::int32_t RunOldParameters(void*) {
    return runFlow<&OldFlow, kTTModeOldParameters>();
}

std::int32_t RunConditions(void*) {
    return runFlow<&NewFlow, kTTModeConditions>();
}

std::int32_t RunParameters(void*) {
    return runFlow<&NewFlow, kTTModeParameters>();
}

std::int32_t RunFormEdit(void*) {
    zn::loader::HMODULE library = zn::loader::GetModuleHandleW(u"VornCtl.dll");
    if (!library)
        library = zn::loader::LoadLibraryW(u"VornCtl.dll");
    auto form = reinterpret_cast<ZnsInputFormDlgFunction>(
        zn::loader::GetProcAddress(library, "ZNSInputFormDlg"));
    if (!form)
        return E_NOINTERFACE;
    ZnsStringW text;
    form(gpZnContext ? gpZnContext->GetMainWindow() : nullptr, &text);
    return 0;
}

std::int32_t RunCalculator(void*) {
    res::ModuleResourceScope resources;
    auto* mainWindow =
        static_cast<zn::ui::CWnd*>(gpZnContext ? gpZnContext->GetMainWindow() : nullptr);
    CKLVBCalcDlg dialog(mainWindow);
    dialog.DoModal();
    return 0;
}

} // namespace module
