// ZnObjectImpl: reference counting and QueryInterface for objects that are not drawing
// entities (a host's launcher, settings sections and measuring objects; a module's
// managers). The object starts with the one reference its creator holds.
#pragma once

#include <atomic>

#include "host/Object.h"

template <class... Interfaces> class ZnObjectImpl : public Interfaces... {
public:
    unsigned long AddRef() override { return ++m_references; }
    unsigned long Release() override {
        unsigned long left = --m_references;
        if (left == 0)
            delete this;
        return left;
    }
    HRESULT QueryInterface(const ZnsGuid& iid, void** out) override {
        if (!out)
            return E_INVALIDARG;
        *out = nullptr;
        if (iid == IZnObject::IID)
            *out = static_cast<IZnObject*>(this);
        else
            ((iid == Interfaces::IID ? (*out = static_cast<Interfaces*>(this), true) : false) ||
             ...);
        if (!*out)
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    znsWorkID GetId() const override { return znsWorkID::Null(); }

protected:
    ~ZnObjectImpl() override = default;

private:
    std::atomic<unsigned long> m_references{1};
};
