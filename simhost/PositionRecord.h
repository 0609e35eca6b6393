// A position record of the drawing's specification: the position number, the zone, and the
// numbers of the requirement items that refer to it. Records live in the drawing's model
// space as objects that draw nothing.
#pragma once

#include "host/Array.h"
#include "host/ClassIds.h"
#include "host/Entity.h"
#include "host/ItemEntries.h"

namespace simhost {

class PositionRecord : public IZnEntity, public IZnItemEntries {
public:
    static HRESULT Factory(IZnObject** out);

    std::int32_t Number() const { return m_number; }
    void SetNumber(std::int32_t number) { m_number = number; }
    const ZnsStringW& Zone() const { return m_zone; }
    void SetZone(ZnsStringW zone) { m_zone = std::move(zone); }
    const ZnsArray<std::int32_t>& Items() const { return m_items; }
    void SetItems(ZnsArray<std::int32_t> items) { m_items = std::move(items); }

    ZnsGuid GetClassId() const override { return CLSID_ZnPositionRecord; }
    HRESULT QueryInterface(const ZnsGuid& iid, void** out) override;
    // Each item number of the record is one entry.
    ZnsArray<std::int32_t> EntryItemNumbers() const override { return m_items; }
    HRESULT Save(IZnFiler& filer) const override;
    HRESULT Load(IZnFiler& filer) override;

private:
    std::int32_t m_number = 0;
    ZnsStringW m_zone;
    ZnsArray<std::int32_t> m_items;
};

} // namespace simhost
