#include "module/TTManager.h"

#include <new>

namespace {
CZnsTTManager* g_manager = nullptr;
}

unsigned long CZnsTTManager::Release() {
    unsigned long left = --m_references;
    if (left == 0)
        delete this;
    return left;
}

HRESULT CZnsTTManager::QueryInterface(const ZnsGuid& iid, void** out) {
    if (!out)
        return E_INVALIDARG;
    *out = nullptr;
    if (iid == IZnObject::IID)
        *out = static_cast<IZnObject*>(this);
    else if (iid == IZnsTTManager::IID)
        *out = static_cast<IZnsTTManager*>(this);
    else
        return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

CZnsTTManager* AcquireTTManager() {
    if (!g_manager)
        g_manager = new (std::nothrow) CZnsTTManager;
    if (g_manager)
        g_manager->AddRef();
    return g_manager;
}

void ReleaseTTManager() {
    if (g_manager)
        g_manager->Release();
    g_manager = nullptr;
}
