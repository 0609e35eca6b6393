// The global service pointers a host fills before it loads a module, and the free functions
// of the platform runtime. They are null while no host is running.
#pragma once

#include <cstdint>

#include "host/Context.h"
#include "host/DefParamManager.h"
#include "host/Documents.h"
#include "host/FormatManager.h"
#include "host/NativeGate.h"
#include "host/Notificator.h"
#include "host/ObjManager.h"
#include "host/StyleManager.h"

extern IZnContext* gpZnContext;
extern IZnObjManager* gpZnObjManager;
extern IZnNativeGate* gpZnNativeGate;
extern IZnDocManager* gpZnDocManager;
extern IZnStyleManager* gpZnStyleManager;
extern IZnFormatManager* gpZnFormatManager;
extern IZnDefParamManager* gpZnDefParamManager;
extern IZnNotificator* gpZnNotificator;

// Reads a default parameter of the active drawing; false (value left empty) when there is
// no manager or no such parameter.
bool ZnGetParam(ZNSVariant& value, std::int32_t id, std::uint32_t flags);
// A cookie for a sink registration, unique in the process.
std::uint32_t ZnNewCookie();
// Creates a host object of `classId` through the object manager and asks it for I.
template <class I> ZnPtr<I> ZnCreate(const ZnsGuid& classId) {
    IZnObject* object = nullptr;
    if (!gpZnObjManager || FAILED(gpZnObjManager->Create(&object, classId)) || !object)
        return {};
    ZnPtr<IZnObject> holder = ZnPtr<IZnObject>::Adopt(object);
    return ZnQuery<I>(holder.get());
}
