// IZnEventsSink: notifications the host sends to every registered sink. A sink overrides
// the ones it cares about.
#pragma once

#include <cstdint>

class IZnEventsSink {
public:
    virtual ~IZnEventsSink() = default;
    // A drawing was read from its file; `asReference` is set when it was loaded only to be
    // shown inside another drawing.
    virtual void OnEndLoad(std::int32_t asReference) { (void)asReference; }
    // The active drawing is about to be written.
    virtual void OnBeforeSave() {}
    // The active drawing is about to close.
    virtual void OnDocumentClosing() {}
};
