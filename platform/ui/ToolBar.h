// The toolbar control: a row of buttons (command, image index, style, state, tooltip)
// and separators. A click on an enabled button sends its command to the owner. Buttons
// paint their image from the toolbar's image list, greyed while disabled.
#pragma once

#include <vector>

#include "platform/ui/ImageList.h"
#include "platform/ui/Window.h"

namespace zn::ui {

inline constexpr std::uint8_t TBSTATE_CHECKED = 0x01;
inline constexpr std::uint8_t TBSTATE_ENABLED = 0x04;
inline constexpr std::uint8_t TBSTATE_HIDDEN = 0x08;
inline constexpr std::uint8_t TBSTYLE_BUTTON = 0x00;
inline constexpr std::uint8_t TBSTYLE_SEP = 0x01;
inline constexpr std::uint8_t TBSTYLE_CHECK = 0x02;

struct TBBUTTON {
    int iBitmap = 0;
    int idCommand = 0;
    std::uint8_t fsState = TBSTATE_ENABLED;
    std::uint8_t fsStyle = TBSTYLE_BUTTON;
    ZnsStringW tooltip;
};

class CToolBarCtrl : public CWnd {
public:
    static constexpr CSize kButtonSize{23, 22};
    static constexpr int kSeparatorWidth = 8;

    bool Create(std::uint32_t style, const CRect& rect, CWnd* parent, int id);
    bool AddButton(const TBBUTTON& button) { return InsertButton(GetButtonCount(), button); }
    bool InsertButton(int index, const TBBUTTON& button);
    bool DeleteButton(int index);
    int GetButtonCount() const { return int(m_buttons.size()); }
    const TBBUTTON* GetButton(int index) const;
    int CommandToIndex(int command) const;
    bool EnableButton(int command, bool enable = true);
    bool CheckButton(int command, bool check = true);
    bool HideButton(int command, bool hide = true);
    bool IsButtonEnabled(int command) const;
    bool IsButtonChecked(int command) const;
    ZnsStringW GetToolTipText(int command) const;
    CRect GetItemRect(int index) const;
    // Width and height of all visible buttons in a row.
    CSize GetMaxSize() const;
    void AutoSize();
    // The list the buttons' image indexes point into (not owned); answers the previous.
    const CImageList* SetImageList(const CImageList* images);
    const CImageList* GetImageList() const { return m_images; }

    // Buttons are found by their command id written in decimal.
    std::optional<CRect> FindItemRect(std::u16string_view item) const override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnPaint() override;

private:
    TBBUTTON* byCommand(int command);
    std::vector<TBBUTTON> m_buttons;
    const CImageList* m_images = nullptr;
    int m_pressed = -1;
};

} // namespace zn::ui
