// ZnTT2EventsSink: the module's one events sink. It keeps the identifiers of requirements
// objects read from records of an older major version and upgrades them once the drawing
// has finished loading: the older modes become the newer ones, the format is looked up
// again, and the sibling module's converter rewrites the content.
#pragma once

#include "host/Array.h"
#include "host/EventsSink.h"
#include "host/WorkId.h"

class ZnTT2EventsSink : public IZnEventsSink {
public:
    void AddPending(const znsWorkID& id) { m_pending.push_back(id); }
    const ZnsArray<znsWorkID>& Pending() const { return m_pending; }

    void OnEndLoad(std::int32_t asReference) override;

private:
    ZnsArray<znsWorkID> m_pending;
};
