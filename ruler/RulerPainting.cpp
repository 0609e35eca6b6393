// How the ruler looks: the scale with its ticks and numbers in the current unit, the
// markers, and the marks of the default tab stops after the last set one, all drawn in
// the system colours, which the bar takes again whenever they change.
#include <algorithm>

#include "platform/ui/SystemColors.h"
#include "ruler/RulerBar.h"

namespace ruler {

using namespace zn::ui;

namespace {

// Rows of the scale, in pixels below the top of the bar's inside.
constexpr int kScaleTop = 3;
constexpr int kScaleBottom = 14;
constexpr int kScaleMiddle = 8;
constexpr int kSmallTick = 2;
constexpr int kMediumTick = 5;
constexpr int kDefaultTabTop = 16;
constexpr int kDefaultTabBottom = 18;
// Tab stops the control keeps when none are set: every half inch.
constexpr int kDefaultTabStep = 720;

} // namespace

void CRulerBar::loadColors() {
    m_colors.shadow = GetSysColor(COLOR_BTNSHADOW);
    m_colors.window = GetSysColor(COLOR_WINDOW);
    m_colors.windowText = GetSysColor(COLOR_WINDOWTEXT);
    m_colors.tickPen.CreatePen(PS_SOLID, 1, m_colors.windowText);
    m_colors.trackingPen.CreatePen(PS_DOT, 1, m_colors.windowText);
}

void CRulerBar::OnPaint() {
    CPaintDC dc(this);
    const CPen* previousPen = dc.SelectObject(&m_colors.tickPen);
    const CFont* previousFont = dc.SelectObject(&m_font);
    paintScale(dc);
    m_firstIndent.Draw(dc);
    m_rightIndent.Draw(dc);
    m_leftIndent.Draw(dc);
    for (const CTabRulerItem& tab : m_tabs)
        tab.Draw(dc);
    paintDefaultTabs(dc);
    dc.SelectObject(previousFont);
    dc.SelectObject(previousPen);
}

void CRulerBar::paintScale(CDC& dc) const {
    const int top = InsideTop();
    const int textWidth = TextWidth();
    // The paper in the shadow colour, the text between the margins in the window colour.
    dc.FillSolidRect(
        {TwipsToX(-m_margins.left), top + kScaleTop, TwipsToX(ScaleEnd()), top + kScaleBottom},
        m_colors.shadow);
    dc.FillSolidRect({TwipsToX(0), top + kScaleTop, TwipsToX(textWidth), top + kScaleBottom},
                     m_colors.window);

    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(m_colors.windowText);
    const int middle = top + kScaleMiddle;
    // Position 0 has no number: the indent markers stand there at the default indents.
    for (int twips = m_unit.smallDivision; twips <= ScaleEnd(); twips += m_unit.smallDivision) {
        if (twips == textWidth)
            continue;
        const int x = TwipsToX(twips);
        if (twips % m_unit.largeDivision == 0) {
            CRect box{x - 16, middle - 8, x + 16, middle + 8};
            dc.DrawTextW(zn::format("%d", twips / m_unit.twipsPerUnit), box,
                         DT_CENTER | DT_VCENTER | DT_SINGLELINE);
            continue;
        }
        const int length = twips % m_unit.mediumDivision == 0 ? kMediumTick : kSmallTick;
        dc.MoveTo(x, middle - length / 2);
        dc.LineTo(x, middle - length / 2 + length);
    }
}

void CRulerBar::paintDefaultTabs(CDC& dc) const {
    int last = 0;
    for (const CTabRulerItem& tab : m_tabs)
        last = std::max(last, tab.GetPosition());
    const int top = InsideTop();
    for (int twips = (last / kDefaultTabStep + 1) * kDefaultTabStep; twips <= TextWidth();
         twips += kDefaultTabStep) {
        const int x = TwipsToX(twips);
        dc.MoveTo(x, top + kDefaultTabTop);
        dc.LineTo(x, top + kDefaultTabBottom);
    }
}

} // namespace ruler
