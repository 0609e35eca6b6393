#include "module/TTManager.h"

#include <new>
#include <optional>

#include "host/ExtProperties.h"
#include "host/Services.h"
#include "module/ModuleIds.h"
#include "resources/StringTable.h"

namespace {

CZnsTTManager* g_manager = nullptr;

constexpr const char16_t* kItemProperty = u"TT item";
constexpr const char16_t* kInfoProperty = u"TT info";
constexpr const char16_t* kItemListProperty = u"ZNSTTC";

// The object's extended-property storage; empty when it cannot be opened or has none.
ZnPtr<IZnExtProperties> openStorage(const znsWorkID& id) {
    ZnPtr<IZnObject> object;
    if (!gpZnObjManager || FAILED(gpZnObjManager->Open(object.put(), id)))
        return {};
    return ZnQuery<IZnExtProperties>(object.get());
}

std::optional<ZNSVariant> readProperty(const znsWorkID& id, const char16_t* name) {
    ZnPtr<IZnExtProperties> storage = openStorage(id);
    ZNSVariant value;
    if (!storage || FAILED(storage->GetExtProperty(name, value)))
        return std::nullopt;
    return value;
}

} // namespace

std::int32_t CZnsTTManager::GetTTItem(const znsWorkID& object) {
    auto value = readProperty(object, kItemProperty);
    if (!value || value->kind() != ZNSVariant::Kind::Integer)
        return -1;
    std::int32_t number = *value->AsInteger();
    return number > 0 ? number : -1;
}

bool CZnsTTManager::SetTTItem(const znsWorkID& object, std::int32_t number) {
    ZnPtr<IZnExtProperties> storage = openStorage(object);
    if (!storage)
        return false;
    ZNSVariant current;
    if (SUCCEEDED(storage->GetExtProperty(kItemProperty, current)) && current == ZNSVariant(number))
        return false;
    return SUCCEEDED(storage->SetExtProperty(kItemProperty, ZNSVariant(number)));
}

bool CZnsTTManager::GetTTInfo(const znsWorkID& object, ZnsStringW& text) {
    auto value = readProperty(object, kInfoProperty);
    if (!value || !value->AsText())
        return false;
    text = *value->AsText();
    return true;
}

void CZnsTTManager::CollectLinkedObjects(ZnsArray<znsWorkID>& objects) {
    objects.clear();
    ZnsObjectFilter filter;
    filter.classes = {CLSID_ZnPositionObjectA, CLSID_ZnPositionObjectB, CLSID_ZnPositionObjectC};
    if (!gpZnObjManager || FAILED(gpZnObjManager->List(objects, filter)))
        return;
    std::erase_if(objects, [&](const znsWorkID& id) { return GetTTItem(id) == -1; });
}

bool CZnsTTManager::PickLinkedObject(znsWorkID& object) {
    ZnsArray<znsWorkID> picked;
    if (!gpZnObjManager || gpZnObjManager->Pick(picked, 1, res::LoadStringW(57678)) != S_OK ||
        picked.empty())
        return false;
    ZnsStringW ignored;
    if (!GetTTInfo(picked.front(), ignored))
        return false;
    object = picked.front();
    return true;
}

std::int32_t CZnsTTManager::GetItemList(const znsWorkID& object, ZnsArray<std::int32_t>& numbers) {
    // The older storage read this array with its flag 16384; ours keeps arrays as they are.
    auto value = readProperty(object, kItemListProperty);
    numbers =
        value && value->AsIntegerArray() ? *value->AsIntegerArray() : ZnsArray<std::int32_t>();
    return 0;
}

CZnsTTManager* AcquireTTManager() {
    if (!g_manager)
        g_manager = new (std::nothrow) CZnsTTManager; // its first reference is this call's
    else
        g_manager->AddRef();
    return g_manager;
}

void ReleaseTTManager() {
    // A procedure that runs inside another (the editor's reference lookup inside a command)
    // must not end the manager its caller still holds.
    if (g_manager && g_manager->Release() == 0)
        g_manager = nullptr;
}
