// Paragraph formats in cells and pixels.
#include "platform/richedit/ParagraphMetrics.h"

#include <algorithm>

namespace zn::richedit {

namespace {

int nearest(int twips, int unit) {
    return (std::max(0, twips) + unit / 2) / unit;
}

int lineHeight(const ParaFormat& format, const LayoutUnits& units) {
    const int single = units.lineHeight;
    const int given = nearest(format.lineSpacing, units.twipsPerPixel);
    switch (format.lineSpacingRule) {
    case 1:
        return single * 3 / 2;
    case 2:
        return single * 2;
    case 3:
        return std::max(single, given);
    case 4:
        return std::max(1, given);
    case 5:
        return std::max(1, single * std::max(0, format.lineSpacing) / 20);
    default:
        return single;
    }
}

} // namespace

ParagraphMetrics::ParagraphMetrics(const ParaFormat& format, const LayoutUnits& units)
    : m_firstIndent(std::max(0, format.startIndent) / units.twipsPerCell),
      m_furtherIndent(std::max(0, format.startIndent + format.offset) / units.twipsPerCell),
      m_rightIndent(std::max(0, format.rightIndent) / units.twipsPerCell),
      m_defaultStop(std::max(1, nearest(kDefaultTabTwips, units.twipsPerCell))),
      m_stopCount(format.validTabCount()), m_lineHeight(lineHeight(format, units)),
      m_spaceAfter(nearest(format.spaceAfter, units.twipsPerPixel)) {
    for (int t = 0; t < m_stopCount; ++t)
        m_stops[size_t(t)] = nearest(format.tabs[size_t(t)], units.twipsPerCell);
    std::sort(m_stops.begin(), m_stops.begin() + m_stopCount);
}

int ParagraphMetrics::TabWidth(int column) const {
    const auto end = m_stops.begin() + m_stopCount;
    const auto stop = std::upper_bound(m_stops.begin(), end, column);
    if (stop != end)
        return *stop - column;
    return (column / m_defaultStop + 1) * m_defaultStop - column;
}

} // namespace zn::richedit
