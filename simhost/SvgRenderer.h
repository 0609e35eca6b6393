// Renders a sheet to SVG in millimetres: every object of the space draws itself into this
// sink; texts are laid out with the same fonts and the same breaks the host measures with,
// and the SVG names that font so a viewer shows the lettering the layout was made for.
#pragma once

#include <string>

#include "simhost/SheetRenderer.h"
#include "simhost/TextStyles.h"

namespace pugi {
class xml_node;
}

namespace simhost {

class Drawing;

class SvgRenderer : public SheetRenderer {
public:
    // The sheet spans (0, 0) to (width, height) in drawing units (millimetres).
    SvgRenderer(const TextStyles& styles, double width, double height);
    ~SvgRenderer() override;

    void Line(const ZnsPoint3& from, const ZnsPoint3& to, std::int32_t color) override;
    void Polyline(const std::vector<ZnsPoint3>& points, bool closed, std::int32_t color) override;
    void Text(const ZnsTextPrimitive& text) override;
    void SetLineWeight(double millimetres) override { m_weight = millimetres; }

    std::string Document() const;

private:
    struct Impl;
    const TextStyles& m_styles;
    double m_height;
    double m_weight = 0; // 0: the group's thin default
    Impl* m_impl;
};

// The current space of `drawing` as SVG.
std::string RenderSvg(Drawing& drawing, const TextStyles& styles, const SheetPage& page);

} // namespace simhost
