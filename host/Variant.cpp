#include "host/Variant.h"

std::optional<std::int32_t> ZNSVariant::AsInteger() const {
    if (auto v = std::get_if<std::int32_t>(&m_value))
        return *v;
    if (auto v = std::get_if<double>(&m_value))
        return std::int32_t(*v);
    if (auto v = std::get_if<bool>(&m_value))
        return *v ? 1 : 0;
    return std::nullopt;
}

std::optional<double> ZNSVariant::AsDouble() const {
    if (auto v = std::get_if<double>(&m_value))
        return *v;
    if (auto v = std::get_if<std::int32_t>(&m_value))
        return double(*v);
    if (auto v = std::get_if<bool>(&m_value))
        return *v ? 1.0 : 0.0;
    return std::nullopt;
}

std::optional<bool> ZNSVariant::AsBoolean() const {
    if (auto v = std::get_if<bool>(&m_value))
        return *v;
    if (auto v = AsInteger())
        return *v != 0;
    return std::nullopt;
}
