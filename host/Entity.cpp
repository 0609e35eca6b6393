#include "host/Entity.h"

#include <algorithm>

unsigned long IZnEntity::AddRef() {
    return ++m_references;
}

unsigned long IZnEntity::Release() {
    unsigned long left = --m_references;
    if (left == 0)
        delete this;
    return left;
}

HRESULT IZnEntity::QueryInterface(const ZnsGuid& iid, void** out) {
    if (!out)
        return E_INVALIDARG;
    *out = nullptr;
    if (iid == IZnObject::IID)
        *out = static_cast<IZnObject*>(this);
    else if (iid == IZnExtProperties::IID)
        *out = static_cast<IZnExtProperties*>(this);
    else if (iid == IZnEntity::IID)
        *out = this;
    else
        return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

HRESULT IZnEntity::GetExtProperty(const ZnsStringW& name, ZNSVariant& value) const {
    auto it = m_extProperties.find(name);
    if (it == m_extProperties.end())
        return E_NOTIMPL;
    value = it->second;
    return S_OK;
}

HRESULT IZnEntity::SetExtProperty(const ZnsStringW& name, const ZNSVariant& value) {
    if (!writeEnabled())
        return E_FAIL;
    m_extProperties[name] = value;
    return S_OK;
}

HRESULT IZnEntity::RemoveExtProperty(const ZnsStringW& name) {
    if (!m_extProperties.count(name))
        return E_NOTIMPL;
    if (!writeEnabled())
        return E_FAIL;
    m_extProperties.erase(name);
    return S_OK;
}

std::vector<ZnsStringW> IZnEntity::ExtPropertyNames() const {
    std::vector<ZnsStringW> names;
    for (const auto& [name, value] : m_extProperties)
        names.push_back(name);
    return names;
}

void IZnEntity::AttachToHost(IZnEntityHost* host, const znsWorkID& id, const znsWorkID& owner) {
    m_host = host;
    m_id = id;
    m_owner = owner;
}

void IZnEntity::DetachFromHost() {
    m_host = nullptr;
    m_id = znsWorkID::Null();
    m_owner = znsWorkID::Null();
}

bool IZnEntity::writeEnabled() {
    return !m_host || m_host->RecordChange(*this);
}

void IZnEntity::invalidate() {
    if (m_host)
        m_host->EntityChanged(*this);
}

HRESULT IZnEntity::Save(IZnFiler&) const {
    return S_OK;
}
HRESULT IZnEntity::Load(IZnFiler&) {
    return S_OK;
}
void IZnEntity::Draw(IZnGeometrySink&) {}
ZnsBox3 IZnEntity::GetExtents() {
    return m_host ? m_host->ExtentsOf(*this) : ZnsBox3();
}
HRESULT IZnEntity::GetProperty(const ZnsStringW&, ZNSVariant&) const {
    return E_NOTIMPL;
}
HRESULT IZnEntity::SetProperty(const ZnsStringW&, const ZNSVariant&) {
    return E_NOTIMPL;
}
HRESULT IZnEntity::GetGripPoints(ZnsArray<ZnsPoint3>&) const {
    return E_NOTIMPL;
}
HRESULT IZnEntity::MoveGripPoints(const ZnsArray<std::int32_t>&, const ZnsPoint3&, bool) {
    return E_NOTIMPL;
}
HRESULT IZnEntity::TransformBy(const ZnsMatrix&) {
    return E_NOTIMPL;
}
HRESULT IZnEntity::Edit() {
    return E_NOTIMPL;
}
HRESULT IZnEntity::EditOrPlace(std::int32_t, const std::map<ZnsStringW, ZNSVariant>*) {
    return E_NOTIMPL;
}
void IZnEntity::OnNotify(std::int32_t) {}
HRESULT IZnEntity::OnObjectModified(const znsWorkID&, std::int32_t) {
    return E_NOTIMPL;
}
HRESULT IZnEntity::GetPropertyNames(ZnsArray<ZnsStringW>& names) const {
    names.clear();
    return S_OK;
}
HRESULT IZnEntity::GetPropertyIds(ZnsArray<std::int32_t>& ids) const {
    ids.clear();
    return S_OK;
}
HRESULT IZnEntity::GetPropertyDisplay(const ZnsStringW&, ZnsStringW&, ZnsArray<ZnsStringW>&) const {
    return E_NOTIMPL;
}
void IZnEntity::GetSubObjectName(std::int32_t, ZnsStringW&, std::int32_t&) const {}

void IZnEntity::AddDependant(const znsWorkID& id) {
    if (std::find(m_dependants.begin(), m_dependants.end(), id) == m_dependants.end())
        m_dependants.push_back(id);
}

void IZnEntity::RemoveDependant(const znsWorkID& id) {
    m_dependants.erase(std::remove(m_dependants.begin(), m_dependants.end(), id), m_dependants.end());
}
