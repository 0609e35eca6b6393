// ZnTT2EventsSink: the module's one events sink. It keeps the identifiers of requirements
// objects read from records of an older major version, which are upgraded once the drawing
// has finished loading.
#pragma once

#include "host/Array.h"
#include "host/EventsSink.h"
#include "host/WorkId.h"

class ZnTT2EventsSink : public IZnEventsSink {
public:
    void AddPending(const znsWorkID& id) { m_pending.push_back(id); }
    const ZnsArray<znsWorkID>& Pending() const { return m_pending; }

private:
    ZnsArray<znsWorkID> m_pending;
};
