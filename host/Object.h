// IZnObject: the root of every host object, reference counted in the COM manner, and
// ZnPtr, the holder that releases it on every path.
#pragma once

#include <utility>

#include "host/Guid.h"
#include "host/Status.h"
#include "host/WorkId.h"

class IZnObject {
public:
    static constexpr ZnsGuid IID = ZnsPlatformGuid(0x00000001, 0x0001);

    virtual unsigned long AddRef() = 0;
    virtual unsigned long Release() = 0;
    // On success *out holds an added reference to the asked interface.
    virtual HRESULT QueryInterface(const ZnsGuid& iid, void** out) = 0;
    virtual ZnsGuid GetClassId() const = 0;
    // The object's identifier in its drawing; null while it is in none.
    virtual znsWorkID GetId() const = 0;

protected:
    virtual ~IZnObject() = default;
};

// A counted reference to a host object (CComPtr's manner).
template <class T> class ZnPtr {
public:
    ZnPtr() = default;
    ZnPtr(T* p) : m_p(p) {
        if (m_p)
            m_p->AddRef();
    }
    ZnPtr(const ZnPtr& other) : ZnPtr(other.m_p) {}
    ZnPtr(ZnPtr&& other) noexcept : m_p(std::exchange(other.m_p, nullptr)) {}
    ~ZnPtr() { reset(); }
    ZnPtr& operator=(ZnPtr other) noexcept {
        std::swap(m_p, other.m_p);
        return *this;
    }
    // Takes over a reference the callee already added (an out-slot of a host call).
    static ZnPtr Adopt(T* p) {
        ZnPtr ptr;
        ptr.m_p = p;
        return ptr;
    }
    void reset() {
        if (m_p)
            std::exchange(m_p, nullptr)->Release();
    }
    // The out-slot for a call that hands over a reference; the old one is released first.
    T** put() {
        reset();
        return &m_p;
    }
    // Hands the reference over to the caller (into an out-slot).
    T* detach() { return std::exchange(m_p, nullptr); }
    T* get() const { return m_p; }
    T* operator->() const { return m_p; }
    T& operator*() const { return *m_p; }
    explicit operator bool() const { return m_p != nullptr; }

private:
    T* m_p = nullptr;
};

// The interface I of an object, through QueryInterface; empty when it has none.
template <class I, class T> ZnPtr<I> ZnQuery(T* object) {
    void* out = nullptr;
    if (!object || FAILED(object->QueryInterface(I::IID, &out)))
        return {};
    return ZnPtr<I>::Adopt(static_cast<I*>(out));
}
