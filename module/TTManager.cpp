#include "module/TTManager.h"

#include <new>

namespace {
CZnsTTManager* g_manager = nullptr;
}

CZnsTTManager* AcquireTTManager() {
    if (!g_manager)
        g_manager = new (std::nothrow) CZnsTTManager; // its first reference is this call's
    else
        g_manager->AddRef();
    return g_manager;
}

void ReleaseTTManager() {
    if (g_manager)
        g_manager->Release();
    g_manager = nullptr;
}
