// The left-indent marker: an upper part (a triangle) that moves the left indent alone, and
// a lower part (a block) under it that moves the first-line indent along by the same
// distance, so the first line keeps its place relative to the others.
#pragma once

#include "ruler/RulerItem.h"

namespace ruler {

class CComboRulerItem : public CRulerItem {
public:
    CComboRulerItem(unsigned lowerBitmapId, unsigned upperBitmapId, CRulerItem& linked);

    bool HitTest(zn::ui::CPoint point) const override;
    void Draw(zn::ui::CDC& dc) const override;
    void SetPosition(int twips) override;
    void TrackPosition(int twips, bool onRuler) override;
    // The upper part at `top`, the lower part right under it.
    void SetTop(int top) override;
    void AttachRuler(CRulerBar* ruler) override;
    // After a hit on the lower part the limits shrink so that the linked marker, moved by
    // the same distance, stays within its own limits too.
    void SetLimits(int minimum, int maximum) override;
    bool LoadImages() override;

    bool HitLowerPart() const { return m_hitLower; }
    const CRulerItem& UpperPart() const { return m_upper; }

private:
    CRulerItem m_upper;
    CRulerItem& m_linked;
    mutable bool m_hitLower = false;
};

} // namespace ruler
