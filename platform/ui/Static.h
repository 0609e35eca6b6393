// The static control: a label, an etched line or frame, or a picture (SS_BITMAP) that it
// paints at its top-left corner.
#pragma once

#include <optional>

#include "platform/ui/Bitmap.h"
#include "platform/ui/Window.h"

namespace zn::ui {

class CStatic : public CWnd {
public:
    void SetImageNumber(int image) { m_image = image; }
    int GetImageNumber() const { return m_image; }
    // The picture shown (a copy); answers whether one was shown before.
    bool SetBitmap(const CBitmap& bitmap);
    const CBitmap* GetBitmap() const { return m_bitmap ? &*m_bitmap : nullptr; }

protected:
    void OnPaint() override;

private:
    int m_image = -1;
    std::optional<CBitmap> m_bitmap;
};

} // namespace zn::ui
