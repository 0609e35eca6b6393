#include "simhost/SheetSizes.h"

#include <strings.h>

namespace simhost {

namespace {
constexpr SheetSize kSheets[] = {
    {"A0", 841, 1189, false}, {"A1", 594, 841, false}, {"A2", 420, 594, false},
    {"A3", 297, 420, false},  {"A4", 210, 297, true},
};
} // namespace

std::optional<SheetSize> FindSheetSize(const std::string& name) {
    for (const SheetSize& sheet : kSheets)
        if (strcasecmp(sheet.name, name.c_str()) == 0)
            return sheet;
    return std::nullopt;
}

const SheetSize* AllSheetSizes(size_t& count) {
    count = std::size(kSheets);
    return kSheets;
}

} // namespace simhost
