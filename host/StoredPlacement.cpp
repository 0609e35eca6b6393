#include "host/StoredPlacement.h"

#include "platform/ui/Placement.h"

void RestoreStoredPlacement(const IZnSettingsSection& section, const ZnsStringW& key,
                            zn::ui::CWnd& window) {
    if (std::optional<ZnsWindowPlacement> stored = section.GetPlacement(key)) {
        zn::ui::WINDOWPLACEMENT placement;
        placement.showCmd = zn::ui::UINT(stored->showCommand);
        placement.rcNormalPosition = {stored->left, stored->top, stored->right, stored->bottom};
        zn::ui::SetWindowPlacement(window, placement);
    }
}

void StorePlacement(IZnSettingsSection& section, const ZnsStringW& key,
                    const zn::ui::CWnd& window) {
    zn::ui::WINDOWPLACEMENT placement;
    if (zn::ui::GetWindowPlacement(window, placement)) {
        const zn::ui::CRect& rect = placement.rcNormalPosition;
        section.WritePlacement(key, {rect.left, rect.top, rect.right, rect.bottom,
                                     std::int32_t(placement.showCmd)});
    }
}
