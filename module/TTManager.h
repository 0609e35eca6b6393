// The requirements manager: one reference-counted instance per module, created on the
// first acquire. Procedures that use it acquire it at their start and release it at their
// end; the last release ends it.
#pragma once

#include "host/ObjectImpl.h"

class IZnsTTManager : public virtual IZnObject {
public:
    static constexpr ZnsGuid IID = ZnsPlatformGuid(0x00000004, 0x0013);
};

class CZnsTTManager : public ZnObjectImpl<IZnsTTManager> {
public:
    ZnsGuid GetClassId() const override { return IZnsTTManager::IID; }
};

// The manager with one more reference; null only when it could not be created.
CZnsTTManager* AcquireTTManager();
// Releases one reference and clears the global.
void ReleaseTTManager();
