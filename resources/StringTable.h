// The module's string tables: one per language set (neutral, 1033, 1049, 3082), kept as
// `ID<TAB>TEXT` data files with \\, \n and \t escapes and embedded into the module.
#pragma once

#include <map>

#include "platform/text/ZnsString.h"

namespace res {

constexpr int kLanguageNeutral = 0;
constexpr int kLanguages[] = {kLanguageNeutral, 1033, 1049, 3082};
constexpr size_t kStringBufferSize = 256;

using StringTable = std::map<unsigned, ZnsStringW>;

// The table of a language set; an unknown language gives the neutral set.
const StringTable& stringTable(int language);

// Loads a string of the current interface language into a 256-unit buffer the way the
// module always did: at most 255 units and a terminator; 0 when the id is missing.
int LoadStringW(unsigned id, char16_t* buffer, int bufferSize);
// The same, as a string (empty when the id is missing).
ZnsStringW LoadStringW(unsigned id);

} // namespace res
