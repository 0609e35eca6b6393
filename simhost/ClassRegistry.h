// The classes the host can create: the host's own and those modules register, each with its
// factory, display name, numeric code and internal name.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "host/ObjManager.h"

namespace simhost {

struct RegisteredClass {
    ZnsGuid classId;
    std::function<HRESULT(IZnObject**)> factory; // a module's ZnsFactory, or the host's own maker
    ZnsStringW name;
    std::int32_t code = -1;
    std::optional<ZnsStringW> internalName;
    bool byModule = false; // registered through the object manager, not built into the host
};

class ClassRegistry {
public:
    // A later registration of the same class replaces the earlier one and keeps its place.
    void Register(RegisteredClass entry);
    const RegisteredClass* Find(const ZnsGuid& classId) const;
    // A new object through the class's factory; null for an unknown class or when the
    // factory gives none.
    ZnPtr<IZnObject> Create(const ZnsGuid& classId, HRESULT* status = nullptr) const;
    // In registration order.
    const std::vector<RegisteredClass>& Classes() const { return m_classes; }

private:
    std::vector<RegisteredClass> m_classes;
};

} // namespace simhost
