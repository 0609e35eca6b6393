// Renders a sheet to DXF (R2000, so any reader takes it) through dxflib. Texts keep the lines
// our layout broke them into: a wrapped text, such as a requirements column, is one MTEXT
// whose lines are separate paragraphs and which has no width to wrap at again; any other
// text is one TEXT per line with its alignment. Each object lands on its layer, and every
// text style names the drafting font in a STYLE.
#pragma once

#include <memory>
#include <string>

#include "simhost/SheetRenderer.h"
#include "simhost/TextStyles.h"

namespace simhost {

class DxfRenderer : public SheetRenderer {
public:
    DxfRenderer(const TextStyles& styles, const SheetPage& page);
    ~DxfRenderer() override;

    void BeginObject(const IZnEntity& entity) override;
    void Line(const ZnsPoint3& from, const ZnsPoint3& to, std::int32_t color) override;
    void Polyline(const std::vector<ZnsPoint3>& points, bool closed, std::int32_t color) override;
    void Text(const ZnsTextPrimitive& text) override;
    void SetLineWeight(double millimetres) override;

    std::string Document() const;

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

// The current space of `drawing` as DXF.
std::string RenderDxf(Drawing& drawing, const TextStyles& styles, const SheetPage& page);

// Text as DXF writes it in an R2000 file: 7-bit, every other character as \U+XXXX.
std::string DxfText(std::u16string_view text);

} // namespace simhost
