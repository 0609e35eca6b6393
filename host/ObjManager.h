// The host object manager: registered classes and their factories, creation, the objects
// of the active drawing, and the user's picks.
#pragma once

#include <cstdint>

#include "host/Array.h"
#include "host/Geometry.h"
#include "host/Object.h"
#include "platform/text/ZnsString.h"

// A factory stores a new object's IZnObject part (null when it could not allocate) and
// answers 0.
using ZnsFactory = HRESULT (*)(IZnObject** out);

struct ZnsObjectFilter {
    static constexpr std::int32_t kByClass = 24;
    static constexpr std::int32_t kByBox = 34;

    std::int32_t kind = kByClass;
    ZnsArray<ZnsGuid> classes; // kByClass: objects of any of these classes
    ZnsBox3 box;               // kByBox: objects whose extents meet the box
};

enum class ZnsPointResult : std::int32_t { Point = 0, Keyword = 1, Cancel = -1 };

class IZnObjManager {
public:
    virtual ~IZnObjManager() = default;

    virtual HRESULT RegisterType(const ZnsGuid& classId, ZnsFactory factory, const ZnsStringW& name,
                                 std::int32_t code, const char16_t* internalName,
                                 std::int32_t reserved) = 0;
    // A new object of a registered class, not yet in a drawing.
    virtual HRESULT Create(IZnObject** object, const ZnsGuid& classId) = 0;
    virtual HRESULT Open(IZnObject** object, const znsWorkID& id) = 0;
    // The object joins the active drawing, in `container` (a space) or the current space.
    virtual HRESULT Append(IZnObject* object, const znsWorkID* container) = 0;
    virtual HRESULT Erase(const znsWorkID& id) = 0;
    // Abandons what the running command did to the object: one that joined the drawing in
    // this command leaves it again; an older one stays as it is.
    virtual HRESULT Cancel(const znsWorkID& id) = 0;
    virtual HRESULT List(ZnsArray<znsWorkID>& ids, const ZnsObjectFilter& filter) = 0;
    // Lets the user pick `count` objects; 0 when the user picked.
    virtual HRESULT Pick(ZnsArray<znsWorkID>& ids, std::int32_t count,
                         const ZnsStringW& prompt) = 0;
    virtual HRESULT GetSelection(ZnsArray<znsWorkID>& ids) = 0;
    // Asks for a point. `keywords` is the host's keyword list ("1;2;1\nAuto\nAuto;2\n...":
    // entries "number\nlocal name\nglobal name" separated by ';'); a typed keyword answers
    // Keyword with its number. A rubber band follows the cursor from `rubberBandFrom`.
    virtual ZnsPointResult GetPoint(const ZnsStringW& prompt, const ZnsStringW& keywords,
                                    const ZnsPoint3* rubberBandFrom, ZnsPoint3& point,
                                    std::int32_t& keyword) = 0;
    // Interactive placement of a text box of the given size, aligned at its origin by
    // (horizontal 0-2, vertical 0-2): asks for the origin, then for the angle with a rubber
    // band from the origin. False when the user cancelled either.
    virtual bool PlaceTextBox(double width, double height, std::int32_t horizontal,
                              std::int32_t vertical, const ZnsStringW& originPrompt,
                              const ZnsStringW& anglePrompt, ZnsPoint3& origin,
                              ZnsPoint3& direction) = 0;
};
