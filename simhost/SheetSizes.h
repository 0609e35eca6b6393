// The standard sheets A0 to A4 (millimetres, portrait width x height).
#pragma once

#include <optional>
#include <string>

namespace simhost {

struct SheetSize {
    const char* name;
    double width; // portrait
    double height;
    bool portraitOnly;
};

// Case-insensitive "A0".."A4"; nullopt for any other name.
std::optional<SheetSize> FindSheetSize(const std::string& name);
const SheetSize* AllSheetSizes(size_t& count);

} // namespace simhost
