// The module's resource module over its string tables, UI documents and pictures.
#include "resources/ModuleResources.h"

#include "platform/text/CodePage.h"
#include "resources/Pictures.h"
#include "resources/StringTable.h"
#include "resources/UiResources.h"

namespace res {

namespace {

class ModuleResources : public zn::ui::ResourceModule {
public:
    std::optional<ZnsStringW> FindString(unsigned id) const override {
        const StringTable& table = stringTable(zn::interfaceLanguage());
        auto it = table.find(id);
        return it == table.end() ? std::nullopt : std::optional<ZnsStringW>(it->second);
    }
    const zn::ui::DialogTemplate* FindDialog(unsigned id) const override {
        return findIn(uiResources(zn::interfaceLanguage()).dialogs, id);
    }
    const zn::ui::MenuTemplate* FindMenu(unsigned id) const override {
        return findIn(uiResources(zn::interfaceLanguage()).menus, id);
    }
    const zn::ui::PixelImage* FindBitmap(unsigned id) const override {
        return findIn(modulePictures().bitmaps, id);
    }
    const zn::ui::CursorImage* FindCursor(unsigned id) const override {
        return findIn(modulePictures().cursors, id);
    }
    const zn::ui::PixelImage* FindToolbarImage(int image) const override {
        return findIn(modulePictures().toolbarImages, image);
    }
};

} // namespace

zn::ui::ResourceModule* ModuleResourceHandle() {
    static ModuleResources module;
    return &module;
}

} // namespace res
