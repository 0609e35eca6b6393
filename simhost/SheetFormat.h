// A format: the sheet with its frame (20 mm from the left edge, 5 mm from the others), the
// main title block of 185 x 55 mm in the frame's bottom-right corner, a scale, and the free
// text areas where requirements stand: column 0 above the title block, each further column
// the strip of the same width left of the one before, from the frame's bottom to its top.
// The sheet's sizes are paper millimetres; in the drawing everything is that times the scale.
#pragma once

#include <optional>
#include <string>

#include "host/ClassIds.h"
#include "host/Entity.h"

namespace simhost {

class SheetFormat : public IZnEntity {
public:
    static constexpr double kFrameLeft = 20, kFrameOther = 5;
    static constexpr double kTitleWidth = 185, kTitleHeight = 55;

    static HRESULT Factory(IZnObject** out);

    // False (and no change) for an unknown sheet or a landscape A4.
    bool SetSheet(const std::string& sheet, bool landscape);
    const std::string& Sheet() const { return m_sheet; }
    bool Landscape() const { return m_landscape; }
    double Scale() const { return m_scale; }
    void SetScale(double scale) { m_scale = scale; }

    // The paper.
    double Width() const;
    double Height() const;
    // In drawing units.
    ZnsBox3 Frame() const;
    ZnsBox3 TitleBlock() const;
    // Column n of the free text area: top-left and bottom-right; nullopt when there is none.
    std::optional<std::pair<ZnsPoint3, ZnsPoint3>> FreeArea(int column) const;

    ZnsGuid GetClassId() const override { return CLSID_ZnFormat; }
    HRESULT Save(IZnFiler& filer) const override;
    HRESULT Load(IZnFiler& filer) override;
    void Draw(IZnGeometrySink& sink) override;
    HRESULT GetProperty(const ZnsStringW& name, ZNSVariant& value) const override;

private:
    std::string m_sheet = "A3";
    bool m_landscape = true;
    double m_scale = 1.0;
};

class Drawing;
// The format in the drawing's current space; null without one.
const SheetFormat* CurrentSheet(const Drawing& drawing);
// Its scale; 1 without one.
double CurrentSheetScale(const Drawing& drawing);

} // namespace simhost
