#include "ruler/RulerItem.h"

#include <algorithm>

#include "ruler/RulerBar.h"

namespace ruler {

using zn::ui::CDC;
using zn::ui::CPoint;
using zn::ui::CRect;

CRulerItem::CRulerItem(unsigned bitmapId) : m_bitmapId(bitmapId) {}

bool CRulerItem::LoadImages() {
    if (!m_bitmapId)
        return true;
    zn::ui::CBitmap image, mask;
    if (!image.LoadMappedBitmap(m_bitmapId) || !mask.LoadBitmap(m_bitmapId + 1) ||
        image.GetSize() != mask.GetSize())
        return false;
    m_image = std::move(image);
    m_mask = std::move(mask);
    return true;
}

CRect CRulerItem::pictureRect(int top) const {
    if (!m_ruler)
        return {};
    const zn::ui::CSize picture = GetSize();
    int x = m_ruler->TwipsToX(m_position);
    if (m_anchor == Anchor::Center)
        x -= picture.cx / 2;
    else if (m_anchor == Anchor::Right)
        x -= picture.cx - 1;
    const int y = m_ruler->InsideTop() + top;
    return {x, y, x + picture.cx, y + picture.cy};
}

CRect CRulerItem::GetHitRect() const {
    return pictureRect(m_top);
}

bool CRulerItem::HitTest(CPoint point) const {
    return GetHitRect().PtInRect(point);
}

void CRulerItem::Draw(CDC& dc) const {
    CRect rect = GetHitRect();
    dc.DrawBitmap(rect.left, rect.top, images().m_image, &images().m_mask);
}

void CRulerItem::invalidate() const {
    if (!m_ruler)
        return;
    CRect rect = GetHitRect();
    m_ruler->InvalidateRect(&rect);
}

void CRulerItem::SetPosition(int twips) {
    if (twips == m_position)
        return;
    // The line is drawn inverted: drawing it again at the old place takes it away.
    if (m_tracking)
        m_ruler->DrawTrackingLine(m_position);
    invalidate();
    m_position = twips;
    invalidate();
    if (m_tracking)
        m_ruler->DrawTrackingLine(m_position);
}

void CRulerItem::TrackPosition(int twips, bool /*onRuler*/) {
    SetPosition(std::clamp(twips, m_minimum, std::max(m_minimum, m_maximum)));
}

void CRulerItem::SetTop(int top) {
    invalidate();
    m_top = top;
    invalidate();
}

void CRulerItem::SetAnchor(Anchor anchor) {
    invalidate();
    m_anchor = anchor;
    invalidate();
}

void CRulerItem::AttachRuler(CRulerBar* ruler) {
    m_ruler = ruler;
}

void CRulerItem::SetLimits(int minimum, int maximum) {
    m_minimum = minimum;
    m_maximum = maximum;
}

void CRulerItem::StartTracking() {
    if (m_tracking || !m_ruler)
        return;
    m_tracking = true;
    m_ruler->DrawTrackingLine(m_position);
}

void CRulerItem::EndTracking() {
    if (!m_tracking)
        return;
    m_ruler->DrawTrackingLine(m_position);
    m_tracking = false;
}

bool CTabRulerItem::HitTest(CPoint point) const {
    return !IsFree() && CRulerItem::HitTest(point);
}

void CTabRulerItem::Draw(CDC& dc) const {
    if (!IsFree())
        CRulerItem::Draw(dc);
}

void CTabRulerItem::TrackPosition(int twips, bool onRuler) {
    // Off the ruler the tab stop goes to 0, which frees it: released there, it is gone.
    CRulerItem::TrackPosition(onRuler ? twips : 0, onRuler);
}

} // namespace ruler
