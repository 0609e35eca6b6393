// Buttons: push buttons, check boxes, radio buttons and group boxes. A click checks or
// unchecks the automatic kinds and tells the parent BN_CLICKED.
#pragma once

#include "platform/ui/Window.h"

namespace zn::ui {

class CButton : public CWnd {
public:
    int GetCheck() const { return m_check; }
    void SetCheck(int check) { m_check = check; }
    bool IsPushButton() const;
    bool IsRadio() const;
    // The radio buttons of this button's group: from the nearest WS_GROUP sibling at or
    // before it to the next one.
    std::vector<CButton*> RadioGroup();
    // The number of the image the button shows, -1 for none.
    void SetImageNumber(int image) { m_image = image; }
    int GetImageNumber() const { return m_image; }
    // Whether a click gives the button the keyboard focus (it does unless told not to).
    void SetTakesFocus(bool takesFocus) { m_takesFocus = takesFocus; }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    virtual void Clicked();

private:
    int m_check = BST_UNCHECKED;
    int m_image = -1;
    bool m_takesFocus = true;
};

} // namespace zn::ui
