// Image lists: cutting strips, masks and drawing.
#include "platform/ui/ImageList.h"

#include <algorithm>
#include <utility>

#include "platform/ui/DeviceContext.h"

namespace zn::ui {

bool CImageList::Create(int cx, int cy, UINT flags, int initial, int grow) {
    if (cx <= 0 || cy <= 0)
        return false;
    m_size = {cx, cy};
    m_flags = flags;
    m_images.clear();
    m_images.reserve(size_t(std::max(initial, 0) + std::max(grow, 0)));
    return true;
}

int CImageList::Add(const CBitmap& bitmap, COLORREF mask) {
    const PixelImage& strip = bitmap.GetImage();
    if (!IsCreated() || strip.height < m_size.cy || strip.width < m_size.cx)
        return -1;
    int first = GetImageCount();
    for (int x = 0; x + m_size.cx <= strip.width; x += m_size.cx) {
        PixelImage image = strip.Crop(x, 0, m_size.cx, m_size.cy);
        if (m_flags & ILC_MASK) {
            for (int y = 0; y < image.height; ++y)
                for (int col = 0; col < image.width; ++col)
                    if (image.At(col, y) == mask)
                        image.SetTransparent(col, y, true);
        } else {
            image.transparent.clear();
        }
        m_images.push_back(std::move(image));
    }
    return first;
}

bool CImageList::Remove(int index) {
    if (!GetImage(index))
        return false;
    m_images.erase(m_images.begin() + index);
    return true;
}

bool CImageList::GetImageInfo(int index, IMAGEINFO* info) const {
    if (!GetImage(index) || !info)
        return false;
    info->rcImage = {index * m_size.cx, 0, (index + 1) * m_size.cx, m_size.cy};
    return true;
}

const PixelImage* CImageList::GetImage(int index) const {
    return index >= 0 && index < GetImageCount() ? &m_images[size_t(index)] : nullptr;
}

bool CImageList::Draw(CDC* dc, int index, CPoint point, UINT style) const {
    const PixelImage* image = GetImage(index);
    if (!dc || !image)
        return false;
    if ((style & ILD_TRANSPARENT) || m_background == CLR_NONE || image->transparent.empty()) {
        dc->DrawImage(point.x, point.y, *image);
        return true;
    }
    PixelImage filled = *image;
    for (size_t i = 0; i < filled.pixels.size(); ++i)
        if (filled.transparent[i])
            filled.pixels[i] = m_background;
    filled.transparent.clear();
    dc->DrawImage(point.x, point.y, filled);
    return true;
}

COLORREF CImageList::SetBkColor(COLORREF color) {
    return std::exchange(m_background, color);
}

} // namespace zn::ui
