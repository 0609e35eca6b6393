// The host's single-line text object on the drawing: one text record, its colour, width
// factor and numbered attributes.
#pragma once

#include <map>

#include "host/ClassIds.h"
#include "host/SingleLineText.h"

namespace simhost {

class SingleLineText : public IZnSingleLineText {
public:
    static HRESULT Factory(IZnObject** out);

    HRESULT QueryInterface(const ZnsGuid& iid, void** out) override;
    ZnsGuid GetClassId() const override { return CLSID_ZnSingleLineText; }

    void SetRecord(const ZnsDTextRecord& record) override;
    const ZnsDTextRecord& GetRecord() const override { return m_record; }
    void SetColor(std::int32_t color) override;
    std::int32_t GetColor() const override { return m_color; }
    void SetWidthFactor(double factor) override;
    double WidthFactor() const { return m_widthFactor; }
    void SetAttribute(std::int32_t id, const ZNSVariant& value) override;
    const std::map<std::int32_t, ZNSVariant>& Attributes() const { return m_attributes; }

    HRESULT Save(IZnFiler& filer) const override;
    HRESULT Load(IZnFiler& filer) override;
    void Draw(IZnGeometrySink& sink) override;

private:
    ZnsDTextRecord m_record;
    std::int32_t m_color = kZnsColorByDefault;
    double m_widthFactor = 1.0;
    std::map<std::int32_t, ZNSVariant> m_attributes;
};

} // namespace simhost
