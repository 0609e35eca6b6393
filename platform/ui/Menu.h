// Menus: menu bars and popups with items (command id, text, check and enable state),
// separators and nested popups. A CMenu is a handle: copies refer to the same menu, so a
// popup inserted into a menu bar stays reachable through the handle its maker kept.
#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "platform/text/ZnsString.h"
#include "platform/ui/Types.h"

namespace zn::ui {

class CWnd;

inline constexpr UINT MF_STRING = 0x0;
inline constexpr UINT MF_ENABLED = 0x0;
inline constexpr UINT MF_UNCHECKED = 0x0;
inline constexpr UINT MF_BYCOMMAND = 0x0;
inline constexpr UINT MF_GRAYED = 0x1;
inline constexpr UINT MF_DISABLED = 0x2;
inline constexpr UINT MF_CHECKED = 0x8;
inline constexpr UINT MF_POPUP = 0x10;
inline constexpr UINT MF_BYPOSITION = 0x400;
inline constexpr UINT MF_SEPARATOR = 0x800;
inline constexpr UINT MF_DEFAULT = 0x1000;

// TrackPopupMenu flags.
inline constexpr UINT TPM_LEFTALIGN = 0x0;
inline constexpr UINT TPM_RIGHTBUTTON = 0x2;
inline constexpr UINT TPM_RETURNCMD = 0x100;

// A menu as resource data: items in order, popups with their own items.
struct MenuTemplateItem {
    UINT id = 0; // 0 for popups and separators
    ZnsStringW text;
    UINT flags = 0; // MF_POPUP, MF_SEPARATOR, MF_GRAYED, MF_CHECKED
    std::vector<MenuTemplateItem> items;
};
struct MenuTemplate {
    UINT id = 0;
    std::vector<MenuTemplateItem> items;
};

class CMenu {
public:
    CMenu() = default;

    bool CreateMenu();
    bool CreatePopupMenu();
    // Builds the menu from resource data (a menu bar whose top items are its popups).
    bool LoadMenu(const MenuTemplate& resource);
    // Loads menu `id` from the installed resource module.
    bool LoadMenu(UINT id);
    void DestroyMenu() { m_data.reset(); }
    bool IsValid() const { return m_data != nullptr; }
    bool operator==(const CMenu& other) const { return m_data == other.m_data; }

    bool AppendMenu(UINT flags, UINT id = 0, std::u16string_view text = {});
    bool AppendMenu(UINT flags, const CMenu& popup, std::u16string_view text);
    // Inserts before `position` (an index with MF_BYPOSITION, else the item with that id);
    // -1 by position appends.
    bool InsertMenu(UINT position, UINT flags, UINT id = 0, std::u16string_view text = {});
    bool InsertMenu(UINT position, UINT flags, const CMenu& popup, std::u16string_view text);
    // Removes an item; a removed popup lives on in the handles that refer to it.
    bool RemoveMenu(UINT position, UINT flags);
    bool DeleteMenu(UINT position, UINT flags) { return RemoveMenu(position, flags); }
    // Renames or re-identifies an item.
    bool ModifyMenu(UINT position, UINT flags, UINT newId, std::u16string_view text);

    // Previous state (MF_CHECKED / MF_GRAYED), or -1 when the item does not exist.
    int CheckMenuItem(UINT item, UINT flags);
    int EnableMenuItem(UINT item, UINT flags);
    // The item's flags, or -1 when it does not exist.
    int GetMenuState(UINT item, UINT flags) const;
    ZnsStringW GetMenuString(UINT item, UINT flags) const;
    int GetMenuItemCount() const;
    // The command id at a position: -1 for a popup, 0 for a separator.
    int GetMenuItemID(int position) const;
    CMenu GetSubMenu(int position) const;

    // Whether `id` is an enabled command of this menu or of one of its popups.
    bool HasEnabledCommand(UINT id) const;
    // Every command id with its text (popups walked), for showing the menu to a user.
    struct Entry {
        UINT id;
        ZnsStringW text;
        bool enabled;
        bool checked;
        int depth;
    };
    std::vector<Entry> Entries() const;

    // Shows the menu as a popup and lets the user choose: the chosen command goes to
    // `owner` as WM_COMMAND, or is answered directly with TPM_RETURNCMD; 0 when the user
    // dismissed the menu.
    UINT TrackPopupMenu(UINT flags, int x, int y, CWnd* owner) const;

private:
    struct Item;
    struct Data;
    Item* find(UINT item, UINT flags) const;
    bool insertItem(UINT position, UINT flags, Item item);
    std::shared_ptr<Data> m_data;
};

} // namespace zn::ui
