// Objects whose entries each name a requirement item by its number (the position records of
// the drawing's specification): the module finds where an item is referred to through them.
#pragma once

#include <cstdint>

#include "host/Array.h"
#include "host/Object.h"

class IZnItemEntries : public virtual IZnObject {
public:
    static constexpr ZnsGuid IID = ZnsPlatformGuid(0x00000018, 0x0002);
    // The item number of every entry, in entry order.
    virtual ZnsArray<std::int32_t> EntryItemNumbers() const = 0;
};
