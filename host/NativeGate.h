// The native gate: properties a module publishes for the host's property pages, and the
// host's own requirements data.
#pragma once

#include <cstdint>

#include "host/Array.h"
#include "host/Geometry.h"
#include "host/Guid.h"
#include "host/Status.h"
#include "host/WorkId.h"
#include "platform/text/ZnsString.h"

class IZnNativeGate {
public:
    virtual ~IZnNativeGate() = default;
    virtual HRESULT PublishProperty(const ZnsGuid& classId, const ZnsStringW& name,
                                    std::int32_t kind, std::int32_t a, std::int32_t b,
                                    std::int32_t c) = 0;
    // S_FALSE with everything empty when the drawing has no requirements of the host's own.
    virtual HRESULT GetNativeRequirements(ZnsArray<znsWorkID>& ids, ZnsStringW& text,
                                          ZnsArray<ZnsPoint3>& points) = 0;
};
