// Loading bitmaps from the resource module and the system-colour mapping.
#include "platform/ui/Bitmap.h"

#include "platform/ui/Resources.h"
#include "platform/ui/SystemColors.h"

namespace zn::ui {

bool CBitmap::LoadBitmap(UINT id) {
    ResourceModule* module = AfxGetResourceHandle();
    const PixelImage* image = module ? module->FindBitmap(id) : nullptr;
    if (!image)
        return false;
    m_image = *image;
    return true;
}

bool CBitmap::LoadMappedBitmap(UINT id) {
    if (!LoadBitmap(id))
        return false;
    m_image = MapToSystemColors(m_image);
    return true;
}

PixelImage MapColors(const PixelImage& image, std::span<const ColorMapEntry> map) {
    PixelImage mapped = image;
    for (COLORREF& pixel : mapped.pixels)
        for (const ColorMapEntry& entry : map)
            if (pixel == entry.from) {
                pixel = entry.to;
                break;
            }
    return mapped;
}

PixelImage MapToSystemColors(const PixelImage& image) {
    const ColorMapEntry map[] = {
        {RGB(0, 0, 0), GetSysColor(COLOR_BTNTEXT)},
        {RGB(128, 128, 128), GetSysColor(COLOR_BTNSHADOW)},
        {RGB(192, 192, 192), GetSysColor(COLOR_BTNFACE)},
        {RGB(255, 255, 255), GetSysColor(COLOR_BTNHIGHLIGHT)},
    };
    return MapColors(image, map);
}

} // namespace zn::ui
