// The controls library's colour combo: a drop-down list of colours whose entries carry
// their colour value. Init fills it with the groups its flags ask for and selects the
// given colour (added as a custom entry, shown as its red, green and blue values, when it
// is none of the standard ones and the custom group is asked for).
#pragma once

#include "platform/ui/ComboBox.h"

namespace zn::ui {

inline constexpr UINT kColorsBasic = 0x1;     // black, white
inline constexpr UINT kColorsPrimary = 0x2;   // red, green, blue
inline constexpr UINT kColorsSecondary = 0x4; // yellow, cyan, magenta
inline constexpr UINT kColorsCustom = 0x8;    // the given colour when it is none of those

class CZnColorComboBox : public CComboBox {
public:
    void Init(COLORREF color, UINT flags);
    // The selected colour; the colour given to Init when nothing is selected.
    COLORREF GetColor() const;
    // Selects the entry of `color`; false when there is none.
    bool SetColor(COLORREF color);
    UINT GetFlags() const { return m_flags; }

private:
    COLORREF m_initial = 0;
    UINT m_flags = 0;
};

} // namespace zn::ui
