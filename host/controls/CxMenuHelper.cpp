// Menu building with resource texts.
#include "host/controls/CxMenuHelper.h"

#include "platform/ui/Resources.h"

namespace zn::ui {

void CxMenuHelper::AppendCommand(CMenu& menu, UINT id, UINT flags) {
    menu.AppendMenu(flags, id, LoadStringW(id));
}

void CxMenuHelper::AppendSeparator(CMenu& menu) {
    int count = menu.GetMenuItemCount();
    if (count > 0 && !(menu.GetMenuState(UINT(count - 1), MF_BYPOSITION) & MF_SEPARATOR))
        menu.AppendMenu(MF_SEPARATOR);
}

void CxMenuHelper::RemoveCommands(CMenu& menu, std::initializer_list<UINT> ids) {
    for (UINT id : ids)
        while (menu.RemoveMenu(id, MF_BYCOMMAND)) {
        }
}

} // namespace zn::ui
