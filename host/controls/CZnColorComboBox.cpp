// Colour entries of the colour combo.
#include "host/controls/CZnColorComboBox.h"

#include "platform/ui/PlatformStrings.h"
#include "platform/ui/Resources.h"

namespace zn::ui {

namespace {

struct StandardColor {
    UINT group;
    COLORREF color;
    UINT name;
};

constexpr StandardColor kStandardColors[] = {
    {kColorsBasic, RGB(0, 0, 0), kIdsColorBlack},
    {kColorsBasic, RGB(255, 255, 255), kIdsColorWhite},
    {kColorsPrimary, RGB(255, 0, 0), kIdsColorRed},
    {kColorsPrimary, RGB(0, 255, 0), kIdsColorGreen},
    {kColorsPrimary, RGB(0, 0, 255), kIdsColorBlue},
    {kColorsSecondary, RGB(255, 255, 0), kIdsColorYellow},
    {kColorsSecondary, RGB(0, 255, 255), kIdsColorCyan},
    {kColorsSecondary, RGB(255, 0, 255), kIdsColorMagenta},
};

} // namespace

void CZnColorComboBox::Init(COLORREF color, UINT flags) {
    m_initial = color;
    m_flags = flags;
    ResetContent();
    for (const StandardColor& standard : kStandardColors)
        if (flags & standard.group)
            SetItemData(AddString(LoadStringW(standard.name)), standard.color);
    if (!SetColor(color) && (flags & kColorsCustom)) {
        int index = AddString(
            zn::format("%u, %u, %u", color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF));
        SetItemData(index, color);
        SetCurSel(index);
    }
}

COLORREF CZnColorComboBox::GetColor() const {
    int index = GetCurSel();
    return index < 0 ? m_initial : COLORREF(GetItemData(index));
}

bool CZnColorComboBox::SetColor(COLORREF color) {
    for (int i = 0; i < GetCount(); ++i)
        if (COLORREF(GetItemData(i)) == color) {
            SetCurSel(i);
            return true;
        }
    return false;
}

} // namespace zn::ui
