// The class attribute table, with the standard classes' cursors.
#include "platform/ui/WindowClass.h"

#include <map>

#include "platform/text/ZnsString.h"
#include "platform/ui/SystemColors.h"

namespace zn::ui {

namespace {

std::map<std::u16string, WindowClassInfo>& classes() {
    static std::map<std::u16string, WindowClassInfo> table = [] {
        std::map<std::u16string, WindowClassInfo> t;
        HCURSOR arrow = LoadStandardCursor(IDC_ARROW);
        HCURSOR ibeam = LoadStandardCursor(IDC_IBEAM);
        for (const char16_t* name :
             {u"button", u"static", u"combobox", u"listbox", u"systreeview32"})
            t[name] = {0, arrow, -1};
        // Dialogs and toolbars stand in the button face.
        for (const char16_t* name : {u"toolbarwindow32", u"#32770"})
            t[name] = {0, arrow, COLOR_BTNFACE};
        // Text fields show the I-beam where text is typed.
        for (const char16_t* name : {u"edit", u"richedit20w"})
            t[name] = {0, ibeam, -1};
        return t;
    }();
    return table;
}

std::u16string key(std::u16string_view name) {
    return zn::toLower(name);
}

} // namespace

std::u16string AfxRegisterWndClass(UINT style, HCURSOR cursor, int backgroundColor) {
    std::u16string name =
        zn::format("Afx:%x:%p:%d", style, static_cast<const void*>(cursor), backgroundColor);
    classes()[key(name)] = {style, cursor, backgroundColor};
    return name;
}

WindowClassInfo GetWindowClassInfo(std::u16string_view className) {
    auto it = classes().find(key(className));
    return it == classes().end() ? WindowClassInfo{} : it->second;
}

HCURSOR SetClassCursor(std::u16string_view className, HCURSOR cursor) {
    WindowClassInfo& info = classes()[key(className)];
    HCURSOR previous = info.cursor;
    info.cursor = cursor;
    return previous;
}

} // namespace zn::ui
