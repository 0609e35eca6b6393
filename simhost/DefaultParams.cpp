#include "simhost/DefaultParams.h"

#include <utility>

namespace simhost {

HRESULT DefaultParams::RegisterCategory(const ZnsStringW& key, const ZnsStringW& name,
                                        std::int32_t code1, std::int32_t code2, std::int32_t code3,
                                        std::int32_t) {
    if (key.empty())
        return E_INVALIDARG;
    DefaultCategory category{key, name, {code1, code2, code3}};
    for (DefaultCategory& known : m_categories)
        if (known.key == key) {
            known = std::move(category); // a module loaded again registers again
            return S_OK;
        }
    m_categories.push_back(std::move(category));
    m_order.push_back({true, m_categories.size() - 1});
    return S_OK;
}

HRESULT DefaultParams::RegisterParameter(std::int32_t id, const ZnsStringW& category,
                                         const ZnsStringW& name, std::int32_t type,
                                         const ZNSVariant& defaultValue, std::uint32_t mask,
                                         std::int32_t visible, std::int32_t, std::int32_t,
                                         const ZnsStringW* unit) {
    DefaultParameter parameter{
        id,           category, name,    type,
        defaultValue, mask,     visible, unit ? std::optional<ZnsStringW>(*unit) : std::nullopt,
        std::nullopt};
    if (DefaultParameter* known = find(id)) {
        *known = std::move(parameter); // a module loaded again registers again
        return S_OK;
    }
    m_parameters.push_back(std::move(parameter));
    m_order.push_back({false, m_parameters.size() - 1});
    return S_OK;
}

HRESULT DefaultParams::SetList(std::int32_t id, const ZNSVariant& list) {
    DefaultParameter* parameter = find(id);
    if (!parameter || !list.AsTextArray())
        return E_INVALIDARG;
    parameter->choices = *list.AsTextArray();
    return S_OK;
}

HRESULT DefaultParams::GetValue(std::int32_t id, ZNSVariant& value) const {
    if (auto* values = m_drawingValues ? m_drawingValues() : nullptr) {
        auto it = values->find(id);
        if (it != values->end()) {
            value = it->second;
            return S_OK;
        }
    }
    const DefaultParameter* parameter = Find(id);
    if (!parameter)
        return E_INVALIDARG;
    value = parameter->defaultValue;
    return S_OK;
}

HRESULT DefaultParams::SetValue(std::int32_t id, const ZNSVariant& value) {
    auto* values = m_drawingValues ? m_drawingValues() : nullptr;
    if (!Find(id))
        return E_INVALIDARG;
    if (!values)
        return E_FAIL;
    (*values)[id] = value;
    return S_OK;
}

const DefaultParameter* DefaultParams::Find(std::int32_t id) const {
    for (const DefaultParameter& parameter : m_parameters)
        if (parameter.id == id)
            return &parameter;
    return nullptr;
}

DefaultParameter* DefaultParams::find(std::int32_t id) {
    return const_cast<DefaultParameter*>(std::as_const(*this).Find(id));
}

} // namespace simhost
