#include "host/ParameterSet.h"

#include "host/Services.h"

ZNSVariant ZnParameterSet::Get(std::int32_t id) const {
    auto it = m_values.find(id);
    if (it != m_values.end())
        return it->second;
    ZNSVariant value;
    ZnGetParam(value, id, 0);
    return value;
}

ZnsStringW ZnParameterSet::GetText(std::int32_t id) const {
    ZNSVariant value = Get(id);
    const ZnsStringW* text = value.AsText();
    return text ? *text : ZnsStringW();
}
