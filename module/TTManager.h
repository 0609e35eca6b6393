// The requirements manager: one reference-counted instance per module, created on the
// first acquire. Procedures that use it acquire it at their start and release it at their
// end; the last release ends it.
#pragma once

#include <atomic>

#include "host/Object.h"

class IZnsTTManager : public virtual IZnObject {
public:
    static constexpr ZnsGuid IID = ZnsPlatformGuid(0x00000004, 0x0013);
};

class CZnsTTManager : public IZnsTTManager {
public:
    unsigned long AddRef() override { return ++m_references; }
    unsigned long Release() override;
    HRESULT QueryInterface(const ZnsGuid& iid, void** out) override;
    ZnsGuid GetClassId() const override { return IZnsTTManager::IID; }
    znsWorkID GetId() const override { return znsWorkID::Null(); }

private:
    std::atomic<unsigned long> m_references{0};
};

// The manager with one more reference; null only when it could not be created.
CZnsTTManager* AcquireTTManager();
// Releases one reference and clears the global.
void ReleaseTTManager();
