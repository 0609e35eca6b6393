// ZNSVariant: the platform's variant value, as default parameters, parameter sets,
// properties and extended properties carry it.
#pragma once

#include <cstdint>
#include <optional>
#include <variant>

#include "host/Array.h"
#include "host/Geometry.h"
#include "platform/text/ZnsString.h"

class ZNSVariant {
public:
    enum class Kind { Empty, Integer, Double, Boolean, Text, IntegerArray, TextArray, Point };

    ZNSVariant() = default;
    ZNSVariant(std::int32_t value) : m_value(value) {}
    ZNSVariant(double value) : m_value(value) {}
    ZNSVariant(bool value) : m_value(value) {}
    ZNSVariant(ZnsStringW value) : m_value(std::move(value)) {}
    ZNSVariant(const char16_t* value) : m_value(ZnsStringW(value)) {}
    ZNSVariant(ZnsArray<std::int32_t> value) : m_value(std::move(value)) {}
    ZNSVariant(ZnsArray<ZnsStringW> value) : m_value(std::move(value)) {}
    ZNSVariant(ZnsPoint3 value) : m_value(value) {}

    Kind kind() const { return Kind(m_value.index()); }
    bool IsEmpty() const { return kind() == Kind::Empty; }

    // Typed reads; nullopt when the value holds another kind. Numbers convert between
    // integer, double and boolean the way the host's variant coerces them.
    std::optional<std::int32_t> AsInteger() const;
    std::optional<double> AsDouble() const;
    std::optional<bool> AsBoolean() const;
    const ZnsStringW* AsText() const { return std::get_if<ZnsStringW>(&m_value); }
    const ZnsArray<std::int32_t>* AsIntegerArray() const {
        return std::get_if<ZnsArray<std::int32_t>>(&m_value);
    }
    const ZnsArray<ZnsStringW>* AsTextArray() const {
        return std::get_if<ZnsArray<ZnsStringW>>(&m_value);
    }
    const ZnsPoint3* AsPoint() const { return std::get_if<ZnsPoint3>(&m_value); }

    bool operator==(const ZNSVariant&) const = default;

private:
    std::variant<std::monostate, std::int32_t, double, bool, ZnsStringW, ZnsArray<std::int32_t>,
                 ZnsArray<ZnsStringW>, ZnsPoint3>
        m_value;
};
