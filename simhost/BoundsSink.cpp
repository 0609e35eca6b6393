#include "simhost/BoundsSink.h"

#include "simhost/TextPlacement.h"

namespace simhost {

void BoundsSink::Line(const ZnsPoint3& from, const ZnsPoint3& to, std::int32_t) {
    m_box.Add(from);
    m_box.Add(to);
}

void BoundsSink::Polyline(const std::vector<ZnsPoint3>& points, bool, std::int32_t) {
    for (const ZnsPoint3& p : points)
        m_box.Add(p);
}

void BoundsSink::Text(const ZnsTextPrimitive& text) {
    PlacedText placed = PlaceText(text, m_styles);
    if (placed.layout.lines.empty())
        return;
    for (const ZnsPoint3& corner : placed.corners)
        m_box.Add(corner);
}

} // namespace simhost
