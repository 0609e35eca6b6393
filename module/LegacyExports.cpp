// Exports kept for sibling modules built against an older interface.
#include "module/Exports.h"

ZNS_EXPORT std::int32_t ZNS_DelTTItem(std::int32_t) {
    return -1;
}
