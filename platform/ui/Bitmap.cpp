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

PixelImage MapToSystemColors(const PixelImage& image) {
    const std::pair<COLORREF, int> map[] = {
        {RGB(0, 0, 0), COLOR_BTNTEXT},
        {RGB(128, 128, 128), COLOR_BTNSHADOW},
        {RGB(192, 192, 192), COLOR_BTNFACE},
        {RGB(255, 255, 255), COLOR_BTNHIGHLIGHT},
    };
    PixelImage mapped = image;
    for (COLORREF& pixel : mapped.pixels)
        for (auto [from, index] : map)
            if (pixel == from) {
                pixel = GetSysColor(index);
                break;
            }
    return mapped;
}

} // namespace zn::ui
