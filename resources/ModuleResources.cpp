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
        return find(uiResources(zn::interfaceLanguage()).dialogs, id);
    }
    const zn::ui::MenuTemplate* FindMenu(unsigned id) const override {
        return find(uiResources(zn::interfaceLanguage()).menus, id);
    }
    const zn::ui::PixelImage* FindBitmap(unsigned id) const override {
        return find(modulePictures().bitmaps, id);
    }
    const zn::ui::CursorImage* FindCursor(unsigned id) const override {
        return find(modulePictures().cursors, id);
    }
    const zn::ui::PixelImage* FindToolbarImage(int image) const override {
        return find(modulePictures().toolbarImages, image);
    }

private:
    template <class Map, class Key>
    static const typename Map::mapped_type* find(const Map& map, Key key) {
        auto it = map.find(key);
        return it == map.end() ? nullptr : &it->second;
    }
};

} // namespace

zn::ui::ResourceModule* ModuleResourceHandle() {
    static ModuleResources module;
    return &module;
}

} // namespace res
