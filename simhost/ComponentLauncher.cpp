#include "simhost/ComponentLauncher.h"

#include <new>

#include "platform/loader/Loader.h"

namespace simhost {

HRESULT ComponentLauncher::Factory(IZnObject** out) {
    *out = new (std::nothrow) ComponentLauncher;
    return S_OK;
}

HRESULT ComponentLauncher::Load(const ZnsStringW& moduleName, const ZnsStringW& componentName) {
    m_component.reset();
    zn::loader::HMODULE module = zn::loader::GetModuleHandleW(moduleName);
    if (!module)
        module = zn::loader::LoadLibraryW(moduleName);
    auto create = reinterpret_cast<ZnsCreateComponentFunction>(
        zn::loader::GetProcAddress(module, kZnsCreateComponentExport));
    if (!create)
        return E_NOINTERFACE;
    m_component = ZnPtr<IZnComponent>::Adopt(create(componentName.c_str()));
    return m_component ? S_OK : E_NOINTERFACE;
}

HRESULT ComponentLauncher::SetObjectList(const ZnsArray<znsWorkID>& objects) {
    return m_component ? m_component->SetObjectList(objects) : E_HANDLE;
}

HRESULT ComponentLauncher::Run(void* window) {
    return m_component ? m_component->Run(window) : E_HANDLE;
}

} // namespace simhost
