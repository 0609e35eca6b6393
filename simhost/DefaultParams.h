// The default-parameter manager: categories and parameters in the order modules register
// them, with their choice lists; a value reads from the active drawing when the drawing has
// its own, else the registered default.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <vector>

#include "host/DefParamManager.h"

namespace simhost {

struct DefaultCategory {
    ZnsStringW key;
    ZnsStringW name;
    std::int32_t codes[3] = {0, 0, 0};
};

struct DefaultParameter {
    std::int32_t id = 0;
    ZnsStringW category;
    ZnsStringW name;
    std::int32_t type = 0;
    ZNSVariant defaultValue;
    std::uint32_t mask = 0;
    std::int32_t visible = 0;
    std::optional<ZnsStringW> unit;
    std::optional<ZnsArray<ZnsStringW>> choices;
};

// Type codes of default parameters.
enum : std::int32_t {
    kParamInteger = 1,
    kParamReal = 2,
    kParamBoolean = 4,
    kParamColor = 5,
    kParamLayer = 7,
    kParamTextStyle = 8,
    kParamChoice = 23,
    kParamFilePath = 33,
};

class DefaultParams : public IZnDefParamManager {
public:
    // `drawingValues` gives the active drawing's own values, or null when none is open.
    using DrawingValues = std::function<std::map<std::int32_t, ZNSVariant>*()>;
    explicit DefaultParams(DrawingValues drawingValues)
        : m_drawingValues(std::move(drawingValues)) {}

    HRESULT RegisterCategory(const ZnsStringW& key, const ZnsStringW& name, std::int32_t code1,
                             std::int32_t code2, std::int32_t code3,
                             std::int32_t reserved) override;
    HRESULT RegisterParameter(std::int32_t id, const ZnsStringW& category, const ZnsStringW& name,
                              std::int32_t type, const ZNSVariant& defaultValue, std::uint32_t mask,
                              std::int32_t visible, std::int32_t a, std::int32_t b,
                              const ZnsStringW* unit) override;
    HRESULT SetList(std::int32_t id, const ZNSVariant& list) override;
    HRESULT GetValue(std::int32_t id, ZNSVariant& value) const override;
    HRESULT SetValue(std::int32_t id, const ZNSVariant& value) override;

    // Categories and parameters interleaved as they were registered.
    struct Entry {
        bool isCategory;
        size_t index;
    };
    const std::vector<Entry>& RegistrationOrder() const { return m_order; }
    const std::vector<DefaultCategory>& Categories() const { return m_categories; }
    const std::vector<DefaultParameter>& Parameters() const { return m_parameters; }
    const DefaultParameter* Find(std::int32_t id) const;

private:
    DefaultParameter* find(std::int32_t id);

    DrawingValues m_drawingValues;
    std::vector<DefaultCategory> m_categories;
    std::vector<DefaultParameter> m_parameters;
    std::vector<Entry> m_order;
};

} // namespace simhost
