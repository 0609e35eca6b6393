// Components of other modules, run by the host's component launcher. A module that offers
// components exports ZnsCreateComponent(name) -> IZnComponent* (with one reference), or
// null for a name it does not know.
#pragma once

#include "host/Array.h"
#include "host/Object.h"
#include "platform/text/ZnsString.h"

class IZnComponent : public virtual IZnObject {
public:
    static constexpr ZnsGuid IID = ZnsPlatformGuid(0x00000011, 0x0002);
    virtual HRESULT SetObjectList(const ZnsArray<znsWorkID>& objects) = 0;
    virtual HRESULT Run(void* window) = 0;
};

using ZnsCreateComponentFunction = IZnComponent* (*)(const char16_t* name);
constexpr const char* kZnsCreateComponentExport = "ZnsCreateComponent";

// The host object (class CLSID_ZnComponentLauncher) that loads a component from a module by
// name, hands it objects and runs it.
class IZnComponentLauncher : public virtual IZnObject {
public:
    static constexpr ZnsGuid IID = ZnsPlatformGuid(0x00000012, 0x0002);
    virtual HRESULT Load(const ZnsStringW& moduleName, const ZnsStringW& componentName) = 0;
    virtual HRESULT SetObjectList(const ZnsArray<znsWorkID>& objects) = 0;
    virtual HRESULT Run(void* window) = 0;
};
