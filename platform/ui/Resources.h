// The resource module the window system loads strings, dialog templates, menus, bitmaps,
// cursors and the shared toolbar images from,
// and the scope guard that installs a module's resources around a user-interface entry
// and restores the previous ones on every way out.
#pragma once

#include <optional>
#include <vector>

#include "platform/text/ZnsString.h"
#include "platform/ui/Cursor.h"
#include "platform/ui/Menu.h"
#include "platform/ui/Types.h"

namespace zn::ui {

// One control of a dialog template; the rectangle is in dialog units (x, y, width, height
// stored as left, top, right = x + width, bottom = y + height).
struct DialogItemTemplate {
    int id = 0;
    std::u16string className;
    CRect rect;
    ZnsStringW text;
    std::uint32_t style = 0;
    std::uint32_t exStyle = 0;
};

struct DialogTemplate {
    UINT id = 0;
    ZnsStringW caption;
    std::uint32_t style = 0;
    std::uint32_t exStyle = 0;
    CRect rect; // dialog units
    ZnsStringW fontFace;
    int fontSize = 8;
    UINT menu = 0;
    std::vector<DialogItemTemplate> items;
};

// Dialog units to pixels with the fixed base units of the headless system (a 6 x 13 pixel
// average character of the dialog font at 96 dpi).
CRect DialogUnitsToPixels(const CRect& units);

class ResourceModule {
public:
    virtual ~ResourceModule() = default;
    virtual std::optional<ZnsStringW> FindString(UINT id) const = 0;
    virtual const DialogTemplate* FindDialog(UINT id) const = 0;
    virtual const MenuTemplate* FindMenu(UINT id) const = 0;
    // Pictures: a module without them answers none.
    virtual const PixelImage* FindBitmap(UINT /*id*/) const { return nullptr; }
    virtual const CursorImage* FindCursor(UINT /*id*/) const { return nullptr; }
    // The shared toolbar image `image` (kToolbarImageSize, kToolbarMaskColor standing for
    // transparent), chosen by number by toolbars and image buttons.
    virtual const PixelImage* FindToolbarImage(int /*image*/) const { return nullptr; }

protected:
    // The entry of `key` in one of a module's tables, or null.
    template <class Map, class Key>
    static const typename Map::mapped_type* findIn(const Map& map, const Key& key) {
        auto it = map.find(key);
        return it == map.end() ? nullptr : &it->second;
    }
};

inline constexpr CSize kToolbarImageSize{16, 16};
inline constexpr COLORREF kToolbarMaskColor = RGB(192, 192, 192);

// The resource module in force (null before anyone installs one).
ResourceModule* AfxGetResourceHandle();
void AfxSetResourceHandle(ResourceModule* module);

// The shared toolbar image `image` of the installed module, null when it has none.
const PixelImage* FindSharedToolbarImage(int image);

// Installs `module` for the life of the scope and restores what was installed before.
class ResourceScope {
public:
    explicit ResourceScope(ResourceModule* module);
    ~ResourceScope();
    ResourceScope(const ResourceScope&) = delete;
    ResourceScope& operator=(const ResourceScope&) = delete;

private:
    ResourceModule* m_previous;
};

constexpr int kStringBufferSize = 256;

// Loads string `id` of the installed module into `buffer` (at most bufferSize - 1 units
// and a terminator); 0 and an empty buffer when the string does not exist.
int LoadStringW(UINT id, char16_t* buffer, int bufferSize);
// The same through a 256-unit buffer, as a string.
ZnsStringW LoadStringW(UINT id);

} // namespace zn::ui
