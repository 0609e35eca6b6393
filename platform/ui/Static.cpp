// Static pictures.
#include "platform/ui/Static.h"

#include "platform/ui/DeviceContext.h"

namespace zn::ui {

bool CStatic::SetBitmap(const CBitmap& bitmap) {
    bool had = m_bitmap.has_value();
    m_bitmap = bitmap;
    Invalidate();
    return had;
}

void CStatic::OnPaint() {
    CPaintDC dc(this);
    if (m_bitmap)
        dc.DrawBitmap(0, 0, *m_bitmap);
}

} // namespace zn::ui
