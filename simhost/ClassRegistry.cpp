#include "simhost/ClassRegistry.h"

namespace simhost {

void ClassRegistry::Register(RegisteredClass entry) {
    for (RegisteredClass& known : m_classes)
        if (known.classId == entry.classId) {
            known = std::move(entry);
            return;
        }
    m_classes.push_back(std::move(entry));
}

const RegisteredClass* ClassRegistry::Find(const ZnsGuid& classId) const {
    for (const RegisteredClass& known : m_classes)
        if (known.classId == classId)
            return &known;
    return nullptr;
}

ZnPtr<IZnObject> ClassRegistry::Create(const ZnsGuid& classId, HRESULT* status) const {
    const RegisteredClass* entry = Find(classId);
    HRESULT result = E_INVALIDARG;
    IZnObject* object = nullptr;
    if (entry && entry->factory)
        result = entry->factory(&object);
    if (status)
        *status = object ? S_OK : FAILED(result) ? result : E_FAIL;
    return ZnPtr<IZnObject>::Adopt(object);
}

} // namespace simhost
