// A geometry sink that only collects the box of what is drawn into it: the extents of an
// object, with texts measured by the drawing's fonts.
#pragma once

#include "host/GeometrySink.h"
#include "simhost/TextStyles.h"

namespace simhost {

class BoundsSink : public IZnGeometrySink {
public:
    explicit BoundsSink(const TextStyles& styles) : m_styles(styles) {}
    void Line(const ZnsPoint3& from, const ZnsPoint3& to, std::int32_t color) override;
    void Polyline(const std::vector<ZnsPoint3>& points, bool closed, std::int32_t color) override;
    void Text(const ZnsTextPrimitive& text) override;
    const ZnsBox3& Box() const { return m_box; }

private:
    const TextStyles& m_styles;
    ZnsBox3 m_box;
};

} // namespace simhost
