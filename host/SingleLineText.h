// The host's single-line text: its record, the drawing object that shows one record, and
// the text-splitting object that cuts a record of formatted text into lines and measures
// the box they take.
#pragma once

#include <cstdint>

#include "host/Array.h"
#include "host/Entity.h"

struct ZnsDTextRecord {
    ZnsStringW text; // host formatted text; "\P" starts a new line
    ZnsStringW style;
    ZnsPoint3 origin;
    ZnsPoint3 direction{1, 0, 0};
    std::int32_t horizontalAlignment = 0; // 0 left, 1 centre, 2 right
    std::int32_t verticalAlignment = 2;   // 0 top, 1 middle, 2 bottom
    double width = 0;                     // 0: not fitted
    double height = 5.0;
    double oblique = 0; // radians; kZnsStyleOblique: the style's own slant
    std::int32_t reservedInteger = 0;
    double reservedDouble = 0;
    std::uint32_t flags = 0;
    bool operator==(const ZnsDTextRecord&) const = default;
};

constexpr double kZnsStyleOblique = -10.0;

// A box given by its corner and two axes, as long as the box is wide and high.
struct ZnsTextFrame {
    ZnsPoint3 origin;
    ZnsPoint3 xAxis;
    ZnsPoint3 yAxis;
};

class IZnSingleLineText : public IZnEntity {
public:
    static constexpr ZnsGuid IID = ZnsPlatformGuid(0x00000014, 0x0002);
    virtual void SetRecord(const ZnsDTextRecord& record) = 0;
    virtual const ZnsDTextRecord& GetRecord() const = 0;
    virtual void SetColor(std::int32_t color) = 0;
    virtual std::int32_t GetColor() const = 0;
    virtual void SetWidthFactor(double factor) = 0;
    // Numbered host attributes of new objects (-4, ...).
    virtual void SetAttribute(std::int32_t id, const ZNSVariant& value) = 0;
};

class IZnTextSplitter : public virtual IZnObject {
public:
    static constexpr ZnsGuid IID = ZnsPlatformGuid(0x00000015, 0x0002);
    // One record per line (empty when the text has a single line) and the frame of the box
    // all lines take together, placed by the record's origin, direction and alignment.
    virtual HRESULT Split(const ZnsDTextRecord& record, ZnsArray<ZnsDTextRecord>& lines,
                          ZnsTextFrame& frame) = 0;
};
