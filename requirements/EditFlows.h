// The two ways a requirements text is edited: OldFlow runs this module's editor dialog on it
// and places it; NewFlow hands it to the newer editor component of the sibling module. Both
// find the drawing's text or make a new one first.
#pragma once

#include <cstdint>

#include "host/WorkId.h"

// `object`: the text to edit, null to find or create one; receives the one used. `item`:
// when given, the item to preselect, and on return the caret's item (OldFlow only); it also
// widens the search. `place`: placement may be asked interactively. `window`: the editor's
// parent, null for the host main window. `format`: the drawing format, null for none.
std::int32_t OldFlow(znsWorkID& object, std::int32_t mode, std::int32_t* item,
                     std::int32_t place, void* window, const znsWorkID& format);
std::int32_t NewFlow(znsWorkID& object, std::int32_t mode, std::int32_t* item,
                     std::int32_t place, void* window, const znsWorkID& format);
