// How a paragraph's format spaces its text in the control's fixed cells: indents, where its
// tabs stop and how tall its lines are.
#pragma once

#include <array>

#include "platform/richedit/ParaFormat.h"

namespace zn::richedit {

// The control's units: a cell's width in twips, a pixel in twips, and a single-spaced line.
struct LayoutUnits {
    int twipsPerCell = 1;
    int twipsPerPixel = 1;
    int lineHeight = 1; // pixels
};

// Tabs with no stop of their own go to the next multiple of this, as the platform's
// rich-edit control does by default (half an inch).
constexpr int kDefaultTabTwips = 720;

class ParagraphMetrics {
public:
    ParagraphMetrics(const ParaFormat& format, const LayoutUnits& units);

    // Cells of indent before the first line, before the further lines, and on the right.
    int FirstIndent() const { return m_firstIndent; }
    int FurtherIndent() const { return m_furtherIndent; }
    int RightIndent() const { return m_rightIndent; }
    // Cells a tab starting `column` cells from the margin takes to reach the next stop.
    int TabWidth(int column) const;
    // Pixels of every line of the paragraph, and the extra space under its last line.
    int LineHeight() const { return m_lineHeight; }
    int SpaceAfter() const { return m_spaceAfter; }

private:
    int m_firstIndent, m_furtherIndent, m_rightIndent;
    int m_defaultStop;
    std::array<int, MAX_TAB_STOPS> m_stops{}; // cells from the margin, ascending
    int m_stopCount;
    int m_lineHeight, m_spaceAfter;
};

} // namespace zn::richedit
