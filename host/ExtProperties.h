// Extended property storage of a drawing object: named values that other modules keep on
// an object ("TT item", "TT info", ...). Reached by QueryInterface with IID below.
#pragma once

#include <map>
#include <vector>

#include "host/Object.h"
#include "host/Variant.h"

class IZnExtProperties : public virtual IZnObject {
public:
    static constexpr ZnsGuid IID = ZnsPlatformGuid(0x00000005, 0x0001);

    // E_NOTIMPL when the object has no property of that name.
    virtual HRESULT GetExtProperty(const ZnsStringW& name, ZNSVariant& value) const = 0;
    virtual HRESULT SetExtProperty(const ZnsStringW& name, const ZNSVariant& value) = 0;
    virtual HRESULT RemoveExtProperty(const ZnsStringW& name) = 0;
    virtual std::vector<ZnsStringW> ExtPropertyNames() const = 0;
};
