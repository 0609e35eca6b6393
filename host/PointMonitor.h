// A watcher of the host's point input: while the host asks for a point it tells the
// attached monitor where the cursor is, and the monitor draws a preview of what the point
// will make into the sink the host gives it.
#pragma once

#include "host/Geometry.h"
#include "host/GeometrySink.h"

class IUniEntMonitorSink {
public:
    virtual ~IUniEntMonitorSink() = default;
    virtual void OnCursorMoved(const ZnsPoint3& cursor, IZnGeometrySink& preview) = 0;
};
