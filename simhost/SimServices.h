// The smaller services of the reference host: the native gate (properties modules publish),
// the style manager over the drawing's text styles, and the format manager over the
// drawing's formats.
#pragma once

#include <vector>

#include "host/FormatManager.h"
#include "host/NativeGate.h"
#include "host/StyleManager.h"
#include "simhost/SimDocuments.h"
#include "simhost/TextStyles.h"

namespace simhost {

struct PublishedProperty {
    ZnsGuid classId;
    ZnsStringW name;
    std::int32_t kind;
};

class SimNativeGate : public IZnNativeGate {
public:
    HRESULT PublishProperty(const ZnsGuid& classId, const ZnsStringW& name, std::int32_t kind,
                            std::int32_t a, std::int32_t b, std::int32_t c) override;
    // The reference host keeps no requirements of its own.
    HRESULT GetNativeRequirements(ZnsArray<znsWorkID>& ids, ZnsStringW& text,
                                  ZnsArray<ZnsPoint3>& points) override;
    const std::vector<PublishedProperty>& Properties() const { return m_properties; }

private:
    std::vector<PublishedProperty> m_properties;
};

class SimStyleManager : public IZnStyleManager {
public:
    SimStyleManager(const TextStyles& styles, SimDocManager& documents)
        : m_styles(styles), m_documents(documents) {}

    double GetDefaultHeight(std::int32_t styleKind) const override;
    ZnsStringW GetCurrentLayer() const override { return u"0"; }
    ZnsArray<ZnsStringW> GetTextStyles() const override;
    ZnsStringW GetCurrentTextStyle() const override { return m_styles.Current().name; }
    double GetTextStyleOblique(const ZnsStringW& style) const override;
    // The scale of the current sheet's format (1 without one).
    double GetDrawingScale() const override;
    double GetCurrentScale() const override { return 1.0; }

private:
    const TextStyles& m_styles;
    SimDocManager& m_documents;
};

class SimFormatManager : public IZnFormatManager {
public:
    explicit SimFormatManager(SimDocManager& documents) : m_documents(documents) {}

    double GetTextHeight(const znsWorkID& format) const override;
    HRESULT GetScale(const znsWorkID& format, double& scale) const override;
    HRESULT GetFreeArea(const znsWorkID& format, std::int32_t column, ZnsPoint3& first,
                        ZnsPoint3& second) const override;

private:
    SimDocManager& m_documents;
};

} // namespace simhost
