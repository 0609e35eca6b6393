// The host's component launcher: finds a module through the loader, asks it for the named
// component, hands it the object list and runs it.
#pragma once

#include "host/ClassIds.h"
#include "host/Component.h"
#include "host/ObjectImpl.h"

namespace simhost {

class ComponentLauncher : public ZnObjectImpl<IZnComponentLauncher> {
public:
    static HRESULT Factory(IZnObject** out);

    ZnsGuid GetClassId() const override { return CLSID_ZnComponentLauncher; }
    HRESULT Load(const ZnsStringW& moduleName, const ZnsStringW& componentName) override;
    HRESULT SetObjectList(const ZnsArray<znsWorkID>& objects) override;
    HRESULT Run(void* window) override;

private:
    ZnPtr<IZnComponent> m_component;
};

} // namespace simhost
