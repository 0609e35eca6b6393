// The host's text object (class CLSID_ZnTextObject): given content at a width with text
// parameters, it lays the text out as the host will draw it and tells its extents. Objects
// use it to measure before they draw.
#pragma once

#include "host/GeometrySink.h"
#include "host/Object.h"

class IZnTextObject : public virtual IZnObject {
public:
    static constexpr ZnsGuid IID = ZnsPlatformGuid(0x00000013, 0x0002);

    virtual HRESULT SetContent(const ZnsStringW& content, ZnsContentKind kind) = 0;
    // 0: one line per paragraph, no wrapping.
    virtual HRESULT SetWidth(double width) = 0;
    virtual HRESULT SetTextParams(const ZnsTextParams& params) = 0;
    // The laid-out text hanging from the origin: max.y = 0, min.y = -height.
    virtual HRESULT GetExtents(ZnsBox3& box) = 0;
};
