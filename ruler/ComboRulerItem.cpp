#include "ruler/ComboRulerItem.h"

#include <algorithm>

namespace ruler {

using zn::ui::CPoint;

CComboRulerItem::CComboRulerItem(unsigned lowerBitmapId, unsigned upperBitmapId, CRulerItem& linked)
    : CRulerItem(lowerBitmapId), m_upper(upperBitmapId), m_linked(linked) {}

bool CComboRulerItem::LoadImages() {
    return CRulerItem::LoadImages() && m_upper.LoadImages();
}

bool CComboRulerItem::HitTest(CPoint point) const {
    if (CRulerItem::HitTest(point)) {
        m_hitLower = true;
        return true;
    }
    m_hitLower = false;
    return m_upper.HitTest(point);
}

void CComboRulerItem::Draw(zn::ui::CDC& dc) const {
    m_upper.Draw(dc);
    CRulerItem::Draw(dc);
}

void CComboRulerItem::SetPosition(int twips) {
    m_upper.SetPosition(twips);
    CRulerItem::SetPosition(twips);
}

void CComboRulerItem::TrackPosition(int twips, bool onRuler) {
    const int before = m_position;
    CRulerItem::TrackPosition(twips, onRuler);
    if (m_hitLower)
        m_linked.SetPosition(m_linked.GetPosition() + m_position - before);
}

void CComboRulerItem::SetTop(int top) {
    m_upper.SetTop(top);
    CRulerItem::SetTop(top + m_upper.GetSize().cy);
}

void CComboRulerItem::AttachRuler(CRulerBar* ruler) {
    CRulerItem::AttachRuler(ruler);
    m_upper.AttachRuler(ruler);
}

void CComboRulerItem::SetLimits(int minimum, int maximum) {
    if (m_hitLower) {
        // The linked marker lies `distance` away and must stay within its own limits.
        const int distance = m_position - m_linked.GetPosition();
        minimum = std::max(minimum, m_linked.GetMinimum() + distance);
        maximum = std::min(maximum, m_linked.GetMaximum() + distance);
    }
    CRulerItem::SetLimits(minimum, maximum);
}

} // namespace ruler
