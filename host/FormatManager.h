// Formats (sheet frames with title blocks): their text height, scale and the free areas of
// their text columns.
#pragma once

#include <cstdint>

#include "host/Geometry.h"
#include "host/Status.h"
#include "host/WorkId.h"

class IZnFormatManager {
public:
    virtual ~IZnFormatManager() = default;
    // 0 when the format prescribes no text height.
    virtual double GetTextHeight(const znsWorkID& format) const = 0;
    virtual HRESULT GetScale(const znsWorkID& format, double& scale) const = 0;
    // The free area of text column `column`: `first` top-left, `second` bottom-right.
    // Negative when the format has no such column.
    virtual HRESULT GetFreeArea(const znsWorkID& format, std::int32_t column, ZnsPoint3& first,
                                ZnsPoint3& second) const = 0;
};
