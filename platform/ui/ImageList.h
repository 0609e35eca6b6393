// The image list: equally sized images kept in order, added from bitmap strips that are
// cut into images of the list's width, with a mask colour that becomes transparent, and
// drawn by index into a device context. Toolbars and tree views show their images from
// one.
#pragma once

#include <vector>

#include "platform/ui/Bitmap.h"

namespace zn::ui {

class CDC;

// Creation flags.
inline constexpr UINT ILC_MASK = 0x0001;
inline constexpr UINT ILC_COLOR24 = 0x0018;
// Drawing styles.
inline constexpr UINT ILD_NORMAL = 0x0000;
inline constexpr UINT ILD_TRANSPARENT = 0x0001;
// A colour no pixel has: Add without a mask colour.
inline constexpr COLORREF CLR_NONE = 0xFFFFFFFF;

struct IMAGEINFO {
    CRect rcImage; // the image's place in the list's strip
};

class CImageList {
public:
    // Images of `cx` x `cy` pixels; `initial` and `grow` only size the storage. False for a
    // size that is not positive.
    bool Create(int cx, int cy, UINT flags, int initial, int grow);
    bool IsCreated() const { return m_size.cx > 0; }

    // Cuts `bitmap` from the left into as many whole images as fit (a partial image at the
    // right edge is dropped) and appends them. With ILC_MASK, pixels of `mask` colour and
    // transparent pixels become transparent. Answers the index of the first new image, -1
    // when nothing fits (or the list was not created).
    int Add(const CBitmap& bitmap, COLORREF mask);
    bool Remove(int index);
    int GetImageCount() const { return int(m_images.size()); }
    bool GetImageInfo(int index, IMAGEINFO* info) const;
    CSize GetImageSize() const { return m_size; }
    // The image's pixels, null for an index out of range.
    const PixelImage* GetImage(int index) const;

    // Draws image `index` with its top-left corner at `point`; ILD_NORMAL paints masked
    // pixels in the list's background colour, ILD_TRANSPARENT leaves them out.
    bool Draw(CDC* dc, int index, CPoint point, UINT style) const;
    // CLR_NONE (the default): masked pixels stay transparent whatever the style.
    COLORREF SetBkColor(COLORREF color);

private:
    CSize m_size;
    UINT m_flags = 0;
    COLORREF m_background = CLR_NONE;
    std::vector<PixelImage> m_images;
};

} // namespace zn::ui
