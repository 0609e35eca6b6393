#include "dtext/DTextSelectSink.h"

#include <cmath>

namespace dtext {

namespace {

ZnsPoint3 unit(const ZnsPoint3& v) {
    double length = std::hypot(v.x, v.y);
    return length > 0 ? ZnsPoint3{v.x / length, v.y / length, 0} : ZnsPoint3{1, 0, 0};
}

} // namespace

void CDTextSelectSink::OnCursorMoved(const ZnsPoint3& cursor, IZnGeometrySink& preview) {
    ZnsPoint3 along = unit(m_direction);
    double width = m_width;
    ZnsPoint3 corner; // bottom left
    if (m_stretchFrom) {
        along = unit(cursor - *m_stretchFrom);
        width = std::hypot(cursor.x - m_stretchFrom->x, cursor.y - m_stretchFrom->y);
        corner = *m_stretchFrom;
    } else {
        // How far the alignment point lies right of and above the bottom-left corner.
        double right = m_horizontal == 1 ? width / 2 : m_horizontal == 2 ? width : 0;
        double above = m_vertical == 1 ? m_height / 2 : m_vertical == 0 ? m_height : 0;
        ZnsPoint3 up{-along.y, along.x, 0};
        corner = cursor - along * right - up * above;
    }
    ZnsPoint3 up{-along.y, along.x, 0};
    preview.Polyline({corner, corner + along * width, corner + along * width + up * m_height,
                      corner + up * m_height},
                     true, 0);
}

} // namespace dtext
