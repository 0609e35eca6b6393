// The parameter set of an entity: values keyed by default-parameter id. A missing value
// reads as the drawing's default through ZnGetParam.
#pragma once

#include <cstdint>
#include <map>
#include <optional>

#include "host/Variant.h"

class ZnParameterSet {
public:
    bool Has(std::int32_t id) const { return m_values.count(id) != 0; }
    // The stored value, else the drawing default of the id, else empty.
    ZNSVariant Get(std::int32_t id) const;
    void Set(std::int32_t id, ZNSVariant value) { m_values[id] = std::move(value); }
    // Forgets the stored value, so the default shows through again.
    void Reset(std::int32_t id) { m_values.erase(id); }

    double GetDouble(std::int32_t id) const { return Get(id).AsDouble().value_or(0.0); }
    std::int32_t GetInteger(std::int32_t id) const { return Get(id).AsInteger().value_or(0); }
    ZnsStringW GetText(std::int32_t id) const;

    const std::map<std::int32_t, ZNSVariant>& Values() const { return m_values; }
    bool operator==(const ZnParameterSet&) const = default;

private:
    std::map<std::int32_t, ZNSVariant> m_values;
};
