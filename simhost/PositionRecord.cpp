#include "simhost/PositionRecord.h"

#include <new>

namespace simhost {

HRESULT PositionRecord::Factory(IZnObject** out) {
    *out = new (std::nothrow) PositionRecord;
    return S_OK;
}

HRESULT PositionRecord::QueryInterface(const ZnsGuid& iid, void** out) {
    if (out && iid == IZnItemEntries::IID) {
        *out = static_cast<IZnItemEntries*>(this);
        AddRef();
        return S_OK;
    }
    return IZnEntity::QueryInterface(iid, out);
}

HRESULT PositionRecord::Save(IZnFiler& filer) const {
    filer.BeginRecord(1, 0);
    filer.WriteInt32(m_number);
    filer.WriteString(m_zone);
    filer.WriteInt32(std::int32_t(m_items.size()));
    for (std::int32_t item : m_items)
        filer.WriteInt32(item);
    return filer.EndRecord();
}

HRESULT PositionRecord::Load(IZnFiler& filer) {
    std::int32_t major = 0, minor = 0, number = 0, count = 0;
    ZnsStringW zone;
    if (FAILED(filer.ReadVersion(major, minor)))
        return E_FAIL;
    if (major > 1)
        return ZNS_E_RECORD_TOO_NEW;
    if (FAILED(filer.ReadInt32(number)) || FAILED(filer.ReadString(zone)) ||
        FAILED(filer.ReadInt32(count)) || count < 0 || count > 100000)
        return E_FAIL;
    ZnsArray<std::int32_t> items(size_t(count), 0);
    for (std::int32_t& item : items)
        if (FAILED(filer.ReadInt32(item)))
            return E_FAIL;
    m_number = number;
    m_zone = std::move(zone);
    m_items = std::move(items);
    return filer.EndRecord();
}

} // namespace simhost
