// The markers of the ruler bar: one draggable picture (an image and its mask) at a
// position in twips from the left edge of the text area, kept within limits while the
// user drags it. A tab stop leaves the ruler when dragged off it; the left-indent marker
// is two pictures, whose lower part drags the first-line indent along.
#pragma once

#include <climits>

#include "platform/ui/DeviceContext.h"

namespace ruler {

class CRulerBar;

class CRulerItem {
public:
    enum class Anchor { Left, Center, Right };

    // `bitmapId` names the image; its mask is the bitmap after it. 0: the marker draws
    // with the images of another (ShareImages).
    explicit CRulerItem(unsigned bitmapId = 0);
    virtual ~CRulerItem() = default;
    CRulerItem(const CRulerItem&) = delete;
    CRulerItem& operator=(const CRulerItem&) = delete;

    virtual bool HitTest(zn::ui::CPoint point) const;
    virtual void Draw(zn::ui::CDC& dc) const;
    // Moves the marker without regard to its limits; the old and new places repaint.
    virtual void SetPosition(int twips);
    // A step of a drag: the position kept within the limits.
    virtual void TrackPosition(int twips, bool onRuler);
    // Pixels below the top of the bar's inside; negative reaches into the border above.
    virtual void SetTop(int top);
    virtual void SetAnchor(Anchor anchor);
    virtual void AttachRuler(CRulerBar* ruler);
    virtual void SetLimits(int minimum, int maximum);

    // (Re)loads the image, mapped to the current system colours, and the mask; false when
    // the resources have no such bitmaps.
    virtual bool LoadImages();
    void ShareImages(const CRulerItem& from) { m_imagesFrom = &from; }

    int GetPosition() const { return m_position; }
    zn::ui::CSize GetSize() const { return images().m_image.GetSize(); }
    int GetMinimum() const { return m_minimum; }
    int GetMaximum() const { return m_maximum; }
    // The marker's picture in the bar's client coordinates.
    virtual zn::ui::CRect GetHitRect() const;

    // While tracking, a dotted line across the edited text follows the marker.
    void StartTracking();
    void EndTracking();
    bool IsTracking() const { return m_tracking; }

protected:
    zn::ui::CRect pictureRect(int top) const;
    void invalidate() const;
    const CRulerItem& images() const { return m_imagesFrom ? *m_imagesFrom : *this; }

    CRulerBar* m_ruler = nullptr;
    int m_top = 0;
    int m_position = 0;
    int m_minimum = 0;
    int m_maximum = INT_MAX;

private:
    unsigned m_bitmapId;
    const CRulerItem* m_imagesFrom = nullptr;
    zn::ui::CBitmap m_image, m_mask;
    Anchor m_anchor = Anchor::Center;
    bool m_tracking = false;
};

// A tab stop. Position 0 means the marker is free: not a tab stop, not drawn, not hit.
class CTabRulerItem : public CRulerItem {
public:
    bool HitTest(zn::ui::CPoint point) const override;
    void Draw(zn::ui::CDC& dc) const override;
    void TrackPosition(int twips, bool onRuler) override;
    bool IsFree() const { return m_position == 0; }
};

} // namespace ruler
