// The controls library's image toolbar: buttons by command and image number (from the
// shared 16x16 toolbar images of the installed resources) with tooltips that default to
// the command's string, standing at a place control of the dialog.
#pragma once

#include <functional>
#include <map>
#include <span>

#include "platform/ui/ToolBar.h"

namespace zn::ui {

// Create flags.
inline constexpr UINT kToolBarHidePlace = 0x1; // hide the place control the toolbar stands on

class CxToolBar : public CToolBarCtrl {
public:
    // A row of a bar's button table: command 0 stands for a separator.
    struct Button {
        UINT command;
        int image;
    };

    // Creates the toolbar as a child of `parent` with control id `id`; when the parent has
    // a control with that id already (a static place holder), the toolbar stands there.
    bool Create(CWnd* parent, UINT id, std::uint32_t style = TBSTYLE_FLAT | TBSTYLE_TOOLTIPS,
                UINT flags = 0);
    // An empty tooltip takes the string resource of the command. False, and no button,
    // when the shared images have no image `image`.
    bool AddButton(UINT command, int image, std::u16string_view tooltip = {},
                   std::uint8_t style = TBSTYLE_BUTTON);
    // The shared image number of the command's button, -1 when there is no such button.
    int GetButtonImage(UINT command) const;
    bool AddSeparator();
    // Adds the table's buttons in order, each with the tooltip `toolTip` gives its command
    // (none given or empty: the command's string); false at the first that cannot be added.
    bool AddButtons(std::span<const Button> buttons,
                    const std::function<ZnsStringW(UINT)>& toolTip = {});
    // Moves the toolbar to its place's top-left corner at the size of its buttons.
    void UpdatePosition();
    CWnd* GetPlace() const { return m_place; }

private:
    CWnd* m_place = nullptr;
    // The images of this toolbar's buttons, copied from the shared ones as buttons come.
    CImageList m_images;
    std::map<UINT, int> m_imageNumbers;
};

} // namespace zn::ui
