// The drawing's specification document: position records (position number, zone and the
// list of requirement item numbers that refer to them), as the specification module gives
// them out.
#pragma once

#include <cstdint>

#include "host/Array.h"
#include "host/Object.h"
#include "host/Variant.h"

// Numbered properties of a position record.
enum : std::int32_t {
    kZnsSpecPositionNumber = 1, // integer; 0 when the record has no number
    kZnsSpecZone = 2,           // text
    kZnsSpecItemNumbers = 23,   // integer array
};

class IZnSpecification : public virtual IZnObject {
public:
    static constexpr ZnsGuid IID = ZnsPlatformGuid(0x00000016, 0x0002);
    virtual ZnsArray<std::int32_t> RecordIds() const = 0;
    virtual bool HasRecord(std::int32_t recordId) const = 0;
    // E_NOTIMPL for a property the record lacks, E_INVALIDARG for an unknown record.
    virtual HRESULT GetRecordProperty(std::int32_t recordId, std::int32_t property,
                                      ZNSVariant& value) const = 0;
};

// The functions "SpecificationDlg.dll" exports.
// ZNS_GetDocSpecification(0): the active drawing's document with one reference, or null.
using ZnsGetDocSpecificationFunction = IZnSpecification* (*)(std::int32_t reserved);
// GetMainFormat(out format, 0, current format): the drawing's main format.
using ZnsGetMainFormatFunction = HRESULT (*)(IZnObject** format, std::int32_t reserved,
                                             znsWorkID current);
// SelectPositionRecordFromDlg(document, out first, out second): nonzero when the user chose
// a record; its id is `second` unless that is -1, else `first`.
using ZnsSelectPositionRecordFunction = std::int32_t (*)(IZnSpecification* document,
                                                         std::int32_t* first, std::int32_t* second);
