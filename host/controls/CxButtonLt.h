// The controls library's light button: a push button with an image from the shared image
// list, a flat look, a text colour, and optionally no focus on click (calculator keys).
#pragma once

#include "platform/ui/Button.h"
#include "platform/ui/Resources.h"

namespace zn::ui {

class CxButtonLt : public CButton {
public:
    // An image from the shared toolbar images; false (and the image unchanged) when they
    // have no image `image`.
    bool SetImage(int image) {
        if (!FindSharedToolbarImage(image))
            return false;
        SetImageNumber(image);
        return true;
    }
    int GetImage() const { return GetImageNumber(); }
    void SetFlat(bool flat = true) { ModifyStyle(flat ? 0 : BS_FLAT, flat ? BS_FLAT : 0); }
    bool IsFlat() const { return GetStyle() & BS_FLAT; }
    void SetNoFocus(bool noFocus = true) {
        m_noFocus = noFocus;
        SetTakesFocus(!noFocus);
    }
    bool IsNoFocus() const { return m_noFocus; }
    void SetTextColor(COLORREF color) { m_textColor = color; }
    COLORREF GetTextColor() const { return m_textColor; }

private:
    bool m_noFocus = false;
    COLORREF m_textColor = 0;
};

} // namespace zn::ui
