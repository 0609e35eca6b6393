// Renders a sheet to PDF through cairo at true size (an A3 sheet is a 420 x 297 mm page
// whatever the drawing's scale). Texts are set in the drafting font, which cairo embeds, so
// the lettering is the one the layout was made for and the text stays selectable.
#pragma once

#include <memory>
#include <string>

#include "simhost/SheetRenderer.h"
#include "simhost/TextStyles.h"

namespace simhost {

class PdfRenderer : public SheetRenderer {
public:
    PdfRenderer(const TextStyles& styles, const SheetPage& page);
    ~PdfRenderer() override;

    void Line(const ZnsPoint3& from, const ZnsPoint3& to, std::int32_t color) override;
    void Polyline(const std::vector<ZnsPoint3>& points, bool closed, std::int32_t color) override;
    void Text(const ZnsTextPrimitive& text) override;
    void SetLineWeight(double millimetres) override { m_weight = millimetres; }

    // Finishes the page; throws std::runtime_error when cairo failed.
    std::string Document();

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
    double m_weight = 0; // 0: the thin default
};

// The current space of `drawing` as PDF.
std::string RenderPdf(Drawing& drawing, const TextStyles& styles, const SheetPage& page);

} // namespace simhost
