#include "simhost/SheetRenderer.h"

#include "simhost/Drawing.h"

namespace simhost {

void DrawSpace(Drawing& drawing, SheetRenderer& renderer) {
    for (IZnEntity* entity : drawing.Objects())
        if (entity->GetOwnerId() == drawing.CurrentSpace()) {
            renderer.BeginObject(*entity);
            entity->Draw(renderer);
        }
}

std::uint32_t InkRgb(std::int32_t color) {
    if (color == kZnsColorByDefault || (std::uint32_t(color) >> 24) != 0)
        return 0;
    std::uint32_t bgr = std::uint32_t(color);
    return ((bgr & 0xFF) << 16) | (bgr & 0xFF00) | ((bgr >> 16) & 0xFF);
}

} // namespace simhost
