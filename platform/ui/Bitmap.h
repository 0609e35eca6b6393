// The bitmap GDI object: width, height and RGB pixels, loaded by id from the installed
// resource module, either as drawn or with its greys mapped to the system's button
// colours (how toolbar-like pictures follow the colour scheme).
#pragma once

#include <span>

#include "platform/ui/PixelImage.h"

namespace zn::ui {

class CBitmap {
public:
    CBitmap() = default;
    explicit CBitmap(PixelImage image) : m_image(std::move(image)) {}

    // Bitmap `id` of the installed resource module; false (and the bitmap unchanged) when
    // there is none.
    bool LoadBitmap(UINT id);
    // The same with black, dark grey, light grey and white replaced by the button text,
    // shadow, face and highlight colours.
    bool LoadMappedBitmap(UINT id);

    bool IsEmpty() const { return m_image.IsEmpty(); }
    CSize GetSize() const { return {m_image.width, m_image.height}; }
    COLORREF GetPixel(int x, int y) const { return m_image.At(x, y); }
    const PixelImage& GetImage() const { return m_image; }

private:
    PixelImage m_image;
};

// `image` with every pixel of a `from` colour of the map turned into its `to` colour.
struct ColorMapEntry {
    COLORREF from;
    COLORREF to;
};
PixelImage MapColors(const PixelImage& image, std::span<const ColorMapEntry> map);
// `image` with the four classic greys replaced by the current system button colours.
PixelImage MapToSystemColors(const PixelImage& image);

} // namespace zn::ui
