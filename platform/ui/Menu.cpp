// Menu handles, their items, and popup tracking through the user agent.
#include "platform/ui/Menu.h"

#include "platform/ui/Resources.h"
#include "platform/ui/UserAgent.h"
#include "platform/ui/Window.h"

namespace zn::ui {

struct CMenu::Item {
    UINT id = 0;
    ZnsStringW text;
    UINT flags = 0;
    CMenu popup;
};

struct CMenu::Data {
    std::vector<Item> items;
};

namespace {

constexpr UINT kStateFlags = MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_DEFAULT;

void appendTemplate(CMenu& menu, const std::vector<MenuTemplateItem>& items) {
    for (const MenuTemplateItem& item : items) {
        if (item.flags & MF_POPUP) {
            CMenu popup;
            popup.CreatePopupMenu();
            appendTemplate(popup, item.items);
            menu.AppendMenu(item.flags, popup, item.text);
        } else {
            menu.AppendMenu(item.flags, item.id, item.text);
        }
    }
}

} // namespace

bool CMenu::CreateMenu() {
    m_data = std::make_shared<Data>();
    return true;
}

bool CMenu::CreatePopupMenu() {
    return CreateMenu();
}

bool CMenu::LoadMenu(const MenuTemplate& resource) {
    CreateMenu();
    appendTemplate(*this, resource.items);
    return true;
}

bool CMenu::LoadMenu(UINT id) {
    ResourceModule* module = AfxGetResourceHandle();
    const MenuTemplate* resource = module ? module->FindMenu(id) : nullptr;
    return resource && LoadMenu(*resource);
}

bool CMenu::AppendMenu(UINT flags, UINT id, std::u16string_view text) {
    return InsertMenu(UINT(-1), flags | MF_BYPOSITION, id, text);
}

bool CMenu::AppendMenu(UINT flags, const CMenu& popup, std::u16string_view text) {
    return InsertMenu(UINT(-1), flags | MF_BYPOSITION, popup, text);
}

bool CMenu::insertItem(UINT position, UINT flags, Item item) {
    if (!m_data)
        return false;
    auto& items = m_data->items;
    size_t at = items.size();
    if (flags & MF_BYPOSITION) {
        if (position != UINT(-1))
            at = std::min<size_t>(position, items.size());
    } else {
        // By command, the item goes before the top-level entry that carries the command.
        auto it = std::find_if(items.begin(), items.end(), [&](const Item& i) {
            return !(i.flags & (MF_POPUP | MF_SEPARATOR)) && i.id == position;
        });
        if (it == items.end())
            return false;
        at = size_t(it - items.begin());
    }
    items.insert(items.begin() + long(at), std::move(item));
    return true;
}

bool CMenu::InsertMenu(UINT position, UINT flags, UINT id, std::u16string_view text) {
    UINT kept = flags & (kStateFlags | MF_SEPARATOR);
    return insertItem(position, flags,
                      Item{(kept & MF_SEPARATOR) ? 0 : id, ZnsStringW(text), kept, {}});
}

bool CMenu::InsertMenu(UINT position, UINT flags, const CMenu& popup, std::u16string_view text) {
    if (!popup.m_data || popup.m_data == m_data)
        return false;
    return insertItem(position, flags,
                      Item{0, ZnsStringW(text), (flags & kStateFlags) | MF_POPUP, popup});
}

CMenu::Item* CMenu::find(UINT item, UINT flags) const {
    if (!m_data)
        return nullptr;
    auto& items = m_data->items;
    if (flags & MF_BYPOSITION)
        return item < items.size() ? &items[item] : nullptr;
    for (Item& i : items) {
        if (!(i.flags & (MF_POPUP | MF_SEPARATOR)) && i.id == item)
            return &i;
        if (i.flags & MF_POPUP)
            if (Item* found = i.popup.find(item, flags))
                return found;
    }
    return nullptr;
}

bool CMenu::RemoveMenu(UINT position, UINT flags) {
    if (!m_data)
        return false;
    auto& items = m_data->items;
    if (flags & MF_BYPOSITION) {
        if (position >= items.size())
            return false;
        items.erase(items.begin() + long(position));
        return true;
    }
    for (size_t i = 0; i < items.size(); ++i) {
        if (!(items[i].flags & (MF_POPUP | MF_SEPARATOR)) && items[i].id == position) {
            items.erase(items.begin() + long(i));
            return true;
        }
        if ((items[i].flags & MF_POPUP) && items[i].popup.RemoveMenu(position, flags))
            return true;
    }
    return false;
}

bool CMenu::ModifyMenu(UINT position, UINT flags, UINT newId, std::u16string_view text) {
    Item* item = find(position, flags);
    if (!item)
        return false;
    if (!(item->flags & MF_POPUP))
        item->id = newId;
    item->text = text;
    item->flags = (item->flags & MF_POPUP) | (flags & (kStateFlags | MF_SEPARATOR));
    return true;
}

int CMenu::CheckMenuItem(UINT item, UINT flags) {
    Item* i = find(item, flags);
    if (!i)
        return -1;
    int previous = int(i->flags & MF_CHECKED);
    i->flags = (i->flags & ~MF_CHECKED) | (flags & MF_CHECKED);
    return previous;
}

int CMenu::EnableMenuItem(UINT item, UINT flags) {
    Item* i = find(item, flags);
    if (!i)
        return -1;
    int previous = int(i->flags & (MF_GRAYED | MF_DISABLED));
    i->flags = (i->flags & ~(MF_GRAYED | MF_DISABLED)) | (flags & (MF_GRAYED | MF_DISABLED));
    return previous;
}

int CMenu::GetMenuState(UINT item, UINT flags) const {
    Item* i = find(item, flags);
    return i ? int(i->flags) : -1;
}

ZnsStringW CMenu::GetMenuString(UINT item, UINT flags) const {
    Item* i = find(item, flags);
    return i ? i->text : ZnsStringW();
}

int CMenu::GetMenuItemCount() const {
    return m_data ? int(m_data->items.size()) : -1;
}

int CMenu::GetMenuItemID(int position) const {
    Item* i = find(UINT(position), MF_BYPOSITION);
    if (!i)
        return -1;
    if (i->flags & MF_POPUP)
        return -1;
    return (i->flags & MF_SEPARATOR) ? 0 : int(i->id);
}

CMenu CMenu::GetSubMenu(int position) const {
    Item* i = find(UINT(position), MF_BYPOSITION);
    return i && (i->flags & MF_POPUP) ? i->popup : CMenu();
}

bool CMenu::HasEnabledCommand(UINT id) const {
    if (!m_data)
        return false;
    for (const Item& i : m_data->items) {
        if (i.flags & (MF_GRAYED | MF_DISABLED))
            continue;
        if (i.flags & MF_POPUP) {
            if (i.popup.HasEnabledCommand(id))
                return true;
        } else if (!(i.flags & MF_SEPARATOR) && i.id == id) {
            return true;
        }
    }
    return false;
}

std::vector<CMenu::Entry> CMenu::Entries() const {
    std::vector<Entry> out;
    if (!m_data)
        return out;
    for (const Item& i : m_data->items) {
        if (i.flags & MF_SEPARATOR)
            continue;
        bool enabled = !(i.flags & (MF_GRAYED | MF_DISABLED));
        out.push_back({i.id, i.text, enabled, bool(i.flags & MF_CHECKED), 0});
        if (i.flags & MF_POPUP)
            for (Entry e : i.popup.Entries()) {
                ++e.depth;
                e.enabled = e.enabled && enabled;
                out.push_back(std::move(e));
            }
    }
    return out;
}

UINT CMenu::TrackPopupMenu(UINT flags, int, int, CWnd* owner) const {
    if (owner)
        owner->SendMessage(WM_INITMENUPOPUP, 0, LPARAM(this));
    UserAgent* agent = CurrentUserAgent();
    if (!agent)
        throw AgentError("a popup menu waits for a choice and no user agent is installed");
    UINT id = agent->ChooseMenuCommand(*this);
    if (id && !HasEnabledCommand(id))
        throw AgentError("command " + std::to_string(id) +
                         " is not an enabled entry of the popup menu");
    if (id && owner && !(flags & TPM_RETURNCMD))
        owner->PostMessage(WM_COMMAND, MAKEWPARAM(id, 0), 0);
    return id;
}

} // namespace zn::ui
