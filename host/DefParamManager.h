// Default parameters: categories and parameters modules register for the host's pages,
// their choice lists, and the values of the active drawing.
#pragma once

#include <cstdint>

#include "host/Status.h"
#include "host/Variant.h"

class IZnDefParamManager {
public:
    virtual ~IZnDefParamManager() = default;
    virtual HRESULT RegisterCategory(const ZnsStringW& key, const ZnsStringW& name,
                                     std::int32_t code1, std::int32_t code2, std::int32_t code3,
                                     std::int32_t reserved) = 0;
    // `unit` may be null (no unit text).
    virtual HRESULT RegisterParameter(std::int32_t id, const ZnsStringW& category,
                                      const ZnsStringW& name, std::int32_t type,
                                      const ZNSVariant& defaultValue, std::uint32_t mask,
                                      std::int32_t visible, std::int32_t a, std::int32_t b,
                                      const ZnsStringW* unit) = 0;
    virtual HRESULT SetList(std::int32_t id, const ZNSVariant& list) = 0;
    // The active drawing's value, else the registered default; E_INVALIDARG for an unknown id.
    virtual HRESULT GetValue(std::int32_t id, ZNSVariant& value) const = 0;
    virtual HRESULT SetValue(std::int32_t id, const ZNSVariant& value) = 0;
};
