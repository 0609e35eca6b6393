// A linear dimension between two points: extension lines, the dimension line offset above
// them, and its text (the nominal value or the given text, then the fit and deviations).
#pragma once

#include "host/ClassIds.h"
#include "host/Dimension.h"

namespace simhost {

class Dimension : public IZnDimension {
public:
    static HRESULT Factory(IZnObject** out);

    HRESULT QueryInterface(const ZnsGuid& iid, void** out) override;
    ZnsGuid GetClassId() const override { return CLSID_ZnDimension; }

    double GetNominal() const override { return m_nominal; }
    void SetNominal(double value) override;
    ZnsStringW GetText() const override { return m_text; }
    void SetText(const ZnsStringW& text) override;
    ZnsStringW GetFitText() const override { return m_fit; }
    ZnsStringW GetUpperDeviation() const override { return m_upper; }
    ZnsStringW GetLowerDeviation() const override { return m_lower; }
    void SetFit(const ZnsStringW& fit, const ZnsStringW& upper, const ZnsStringW& lower) override;
    void SetPoints(const ZnsPoint3& from, const ZnsPoint3& to, double offset);

    HRESULT Save(IZnFiler& filer) const override;
    HRESULT Load(IZnFiler& filer) override;
    void Draw(IZnGeometrySink& sink) override;

private:
    ZnsPoint3 m_from{0, 0, 0};
    ZnsPoint3 m_to{10, 0, 0};
    double m_offset = 10;
    double m_nominal = 10;
    ZnsStringW m_text;
    ZnsStringW m_fit, m_upper, m_lower;
};

} // namespace simhost
