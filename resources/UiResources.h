// Dialog templates and menus kept as XML data (resources/ui/*.xml), read for one language
// set. Reading reports the first problem as a value, with the element it was found in.
#pragma once

#include <map>
#include <string>

#include "platform/ui/Resources.h"

namespace res {

struct UiResources {
    std::map<unsigned, zn::ui::DialogTemplate> dialogs;
    std::map<unsigned, zn::ui::MenuTemplate> menus;
};

struct UiReadResult {
    bool ok = true;
    std::string error; // what is wrong and where
    explicit operator bool() const { return ok; }
};

// Reads the dialogs and menus documents into `out`, taking the texts of `language`
// (1049 Russian, 3082 Spanish, anything else English).
UiReadResult ReadUiResources(std::string_view dialogsXml, std::string_view menusXml, int language,
                             UiResources& out);

// The module's dialogs and menus of a language set (read once; empty when the embedded
// data does not read, which the tests rule out).
const UiResources& uiResources(int language);

// Style words the documents use ("WS_CHILD|BS_PUSHBUTTON"), or a hexadecimal number.
bool ParseStyle(std::string_view text, std::uint32_t& style);

} // namespace res
