// ZNSInit and ZNSUnInit: everything the module offers becomes visible to the host through
// what ZNSInit registers, in this order: default parameters, the requirements commands,
// the requirements and calculator object types, the two native properties, the tool
// commands, and the events sink.
#include <new>

#include "host/Services.h"
#include "module/CommandTable.h"
#include "module/EventsSink.h"
#include "module/Exports.h"
#include "module/Factories.h"
#include "module/ModuleIds.h"
#include "module/ModuleState.h"
#include "module/RegisterDefaults.h"
#include "resources/StringTable.h"

ZNS_EXPORT void ZNSInit() {
    module::RegisterDefaults();

    bool allRefused = true;
    for (const module::CommandEntry& command : module::kRequirementsCommands)
        allRefused = FAILED(module::RegisterCommand(command)) && allRefused;

    if (gpZnObjManager) {
        // A host that refused every requirements command and runs without requirements
        // objects gets no "TText" type either.
        bool noRequirements =
            gpZnContext && (gpZnContext->GetFlags() & kZnsContextNoRequirementsType);
        if (!(allRefused && noRequirements))
            gpZnObjManager->RegisterType(CLSID_ZnTText, &module::CreateTText,
                                         res::LoadStringW(57671), 683, u"TText", 0);
        gpZnObjManager->RegisterType(CLSID_ZnCalculator, &module::CreateCalculator,
                                     res::LoadStringW(57706), -1, nullptr, 0);
    }
    if (gpZnNativeGate) {
        gpZnNativeGate->PublishProperty(CLSID_ZnTText, res::LoadStringW(57677), 2, 0, 0, 0);
        gpZnNativeGate->PublishProperty(CLSID_ZnTText, res::LoadStringW(32873), 1, 0, 0, 0);
    }

    for (const module::CommandEntry& command : module::kToolCommands)
        module::RegisterCommand(command);

    ZnTT2EventsSink*& sink = module::EventsSink();
    if (!sink && gpZnContext) {
        sink = new (std::nothrow) ZnTT2EventsSink;
        if (sink)
            gpZnContext->RegisterSink(sink, 0, ZnNewCookie());
    }
}

ZNS_EXPORT void ZNSUnInit() {
    ZnTT2EventsSink*& sink = module::EventsSink();
    if (!sink)
        return;
    if (gpZnContext)
        gpZnContext->UnregisterSink(sink, 0);
    delete sink;
    sink = nullptr;
}
