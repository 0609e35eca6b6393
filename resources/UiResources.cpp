// Reading the dialog and menu documents.
#include "resources/UiResources.h"

#include <cstdlib>
#include <pugixml.hpp>

#include "platform/ui/Messages.h"
#include "platform/ui/TreeCtrl.h"

extern const char kUiDialogs[];
extern const std::size_t kUiDialogsSize;
extern const char kUiMenus[];
extern const std::size_t kUiMenusSize;

namespace res {

using namespace zn::ui;

namespace {

const std::map<std::string, std::uint32_t, std::less<>>& styleWords() {
    static const std::map<std::string, std::uint32_t, std::less<>> words = {
        {"WS_POPUP", WS_POPUP},
        {"WS_CHILD", WS_CHILD},
        {"WS_VISIBLE", WS_VISIBLE},
        {"WS_DISABLED", WS_DISABLED},
        {"WS_CAPTION", WS_CAPTION},
        {"WS_BORDER", WS_BORDER},
        {"WS_VSCROLL", WS_VSCROLL},
        {"WS_HSCROLL", WS_HSCROLL},
        {"WS_SYSMENU", WS_SYSMENU},
        {"WS_THICKFRAME", WS_THICKFRAME},
        {"WS_GROUP", WS_GROUP},
        {"WS_TABSTOP", WS_TABSTOP},
        {"WS_MINIMIZEBOX", WS_MINIMIZEBOX},
        {"WS_MAXIMIZEBOX", WS_MAXIMIZEBOX},
        {"DS_MODALFRAME", DS_MODALFRAME},
        {"DS_CONTROL", DS_CONTROL},
        {"BS_PUSHBUTTON", BS_PUSHBUTTON},
        {"BS_DEFPUSHBUTTON", BS_DEFPUSHBUTTON},
        {"BS_CHECKBOX", BS_CHECKBOX},
        {"BS_AUTOCHECKBOX", BS_AUTOCHECKBOX},
        {"BS_RADIOBUTTON", BS_RADIOBUTTON},
        {"BS_GROUPBOX", BS_GROUPBOX},
        {"BS_AUTORADIOBUTTON", BS_AUTORADIOBUTTON},
        {"BS_BITMAP", BS_BITMAP},
        {"BS_MULTILINE", BS_MULTILINE},
        {"BS_FLAT", BS_FLAT},
        {"ES_MULTILINE", ES_MULTILINE},
        {"ES_AUTOVSCROLL", ES_AUTOVSCROLL},
        {"ES_AUTOHSCROLL", ES_AUTOHSCROLL},
        {"ES_READONLY", ES_READONLY},
        {"ES_WANTRETURN", ES_WANTRETURN},
        {"ES_NUMBER", ES_NUMBER},
        {"SS_CENTER", SS_CENTER},
        {"SS_RIGHT", SS_RIGHT},
        {"SS_BITMAP", SS_BITMAP},
        {"SS_ETCHEDHORZ", SS_ETCHEDHORZ},
        {"CBS_DROPDOWN", CBS_DROPDOWN},
        {"CBS_DROPDOWNLIST", CBS_DROPDOWNLIST},
        {"CBS_SORT", CBS_SORT},
        {"CBS_AUTOHSCROLL", CBS_AUTOHSCROLL},
        {"TVS_HASBUTTONS", TVS_HASBUTTONS},
        {"TVS_HASLINES", TVS_HASLINES},
        {"TVS_LINESATROOT", TVS_LINESATROOT},
        {"TVS_EDITLABELS", TVS_EDITLABELS},
        {"TVS_SHOWSELALWAYS", TVS_SHOWSELALWAYS},
    };
    return words;
}

const char* textAttribute(int language) {
    return language == 1049 ? "ru" : language == 3082 ? "es" : "text";
}

// The text of `language`; "\t" stands for a tab.
ZnsStringW textOf(const pugi::xml_node& node, int language) {
    std::string text =
        node.attribute(textAttribute(language)).as_string(node.attribute("text").as_string());
    for (size_t at = text.find("\\t"); at != std::string::npos; at = text.find("\\t", at + 1))
        text.replace(at, 2, "\t");
    return zn::fromUtf8(text);
}

std::string where(const pugi::xml_node& node) {
    return std::string("<") + node.name() + " id=\"" + node.attribute("id").as_string() + "\">";
}

bool readRect(const pugi::xml_node& node, CRect& rect) {
    int x = 0, y = 0, w = 0, h = 0;
    char tail = 0;
    if (std::sscanf(node.attribute("rect").as_string(), "%d %d %d %d %c", &x, &y, &w, &h, &tail) !=
        4)
        return false;
    rect = {x, y, x + w, y + h};
    return true;
}

UiReadResult failure(std::string what) {
    return {false, std::move(what)};
}

UiReadResult readMenuItems(const pugi::xml_node& parent, int language,
                           std::vector<MenuTemplateItem>& items) {
    for (pugi::xml_node node : parent.children()) {
        if (node.type() != pugi::node_element)
            continue;
        MenuTemplateItem item;
        std::string name = node.name();
        if (name == "separator") {
            item.flags = MF_SEPARATOR;
        } else if (name == "popup") {
            item.flags = MF_POPUP;
            item.text = textOf(node, language);
            if (UiReadResult r = readMenuItems(node, language, item.items); !r)
                return r;
        } else if (name == "item") {
            item.id = node.attribute("id").as_uint();
            item.text = textOf(node, language);
            if (!item.id)
                return failure("a menu item without id in " + where(parent));
        } else {
            return failure("unknown element <" + name + "> in " + where(parent));
        }
        items.push_back(std::move(item));
    }
    return {};
}

} // namespace

bool ParseStyle(std::string_view text, std::uint32_t& style) {
    style = 0;
    while (!text.empty()) {
        size_t bar = text.find('|');
        std::string_view word = text.substr(0, bar);
        text.remove_prefix(bar == std::string_view::npos ? text.size() : bar + 1);
        if (word.rfind("0x", 0) == 0) {
            char* end = nullptr;
            std::string digits(word.substr(2));
            style |= std::uint32_t(std::strtoul(digits.c_str(), &end, 16));
            if (digits.empty() || *end)
                return false;
            continue;
        }
        auto it = styleWords().find(word);
        if (it == styleWords().end())
            return false;
        style |= it->second;
    }
    return true;
}

UiReadResult ReadUiResources(std::string_view dialogsXml, std::string_view menusXml, int language,
                             UiResources& out) {
    UiResources read;
    pugi::xml_document dialogs, menus;
    if (auto r = dialogs.load_buffer(dialogsXml.data(), dialogsXml.size()); !r)
        return failure(std::string("dialogs: ") + r.description() + " at offset " +
                       std::to_string(r.offset));
    if (auto r = menus.load_buffer(menusXml.data(), menusXml.size()); !r)
        return failure(std::string("menus: ") + r.description() + " at offset " +
                       std::to_string(r.offset));
    for (pugi::xml_node node : dialogs.child("dialogs").children("dialog")) {
        DialogTemplate dialog;
        dialog.id = node.attribute("id").as_uint();
        dialog.caption = textOf(node, language);
        dialog.fontFace = zn::fromUtf8(node.attribute("font").as_string());
        dialog.fontSize = node.attribute("size").as_int(8);
        dialog.menu = node.attribute("menu").as_uint();
        if (!dialog.id || !readRect(node, dialog.rect) ||
            !ParseStyle(node.attribute("style").as_string(), dialog.style))
            return failure("a bad id, rect or style in " + where(node));
        for (pugi::xml_node control : node.children("control")) {
            DialogItemTemplate item;
            item.id = control.attribute("id").as_int();
            item.className = zn::fromUtf8(control.attribute("class").as_string());
            item.text = textOf(control, language);
            if (item.className.empty() || !readRect(control, item.rect) ||
                !ParseStyle(control.attribute("style").as_string(), item.style))
                return failure("a bad class, rect or style in " + where(control) + " of " +
                               where(node));
            dialog.items.push_back(std::move(item));
        }
        if (!read.dialogs.emplace(dialog.id, std::move(dialog)).second)
            return failure("a second " + where(node));
    }
    for (pugi::xml_node node : menus.child("menus").children("menu")) {
        MenuTemplate menu;
        menu.id = node.attribute("id").as_uint();
        if (UiReadResult r = readMenuItems(node, language, menu.items); !r)
            return r;
        if (!menu.id || !read.menus.emplace(menu.id, std::move(menu)).second)
            return failure("a missing or repeated id in " + where(node));
    }
    out = std::move(read);
    return {};
}

const UiResources& uiResources(int language) {
    static std::map<int, UiResources> cache;
    int key = language == 1049 || language == 3082 ? language : 1033;
    auto it = cache.find(key);
    if (it == cache.end()) {
        UiResources read;
        ReadUiResources({kUiDialogs, kUiDialogsSize}, {kUiMenus, kUiMenusSize}, key, read);
        it = cache.emplace(key, std::move(read)).first;
    }
    return it->second;
}

} // namespace res
