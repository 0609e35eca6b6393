// The preview that follows the cursor while the single-line text dialog asks for a point:
// a rectangle of the measured text box, placed by the alignment point and turned by the
// direction; when fitting between two points, stretched from the first point to the cursor.
#pragma once

#include <optional>

#include "host/PointMonitor.h"

namespace dtext {

class CDTextSelectSink : public IUniEntMonitorSink {
public:
    // `horizontal` and `vertical` as in the text record (0 left/top ... 2 right/bottom).
    CDTextSelectSink(double width, double height, int horizontal, int vertical,
                     const ZnsPoint3& direction)
        : m_width(width), m_height(height), m_horizontal(horizontal), m_vertical(vertical),
          m_direction(direction) {}

    // Fitting: the box runs from `first` to wherever the cursor is.
    void StretchFrom(const ZnsPoint3& first) { m_stretchFrom = first; }

    void OnCursorMoved(const ZnsPoint3& cursor, IZnGeometrySink& preview) override;

private:
    double m_width;
    double m_height;
    int m_horizontal;
    int m_vertical;
    ZnsPoint3 m_direction;
    std::optional<ZnsPoint3> m_stretchFrom;
};

} // namespace dtext
