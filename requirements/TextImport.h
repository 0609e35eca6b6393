// Host texts picked before "TTOld" becoming the content of a new requirements text: one
// paragraph per text, grouped into columns whose corners say where the text goes.
#pragma once

#include <vector>

#include "host/Array.h"
#include "requirements/TextGrouping.h"

namespace requirements {

// The host's single-line texts of the current selection, in the selection's order, their
// strings without leading blanks.
std::vector<SelectedText> SelectedHostTexts();

struct ImportedText {
    ZnsStringW rtf;
    ZnsArray<ZnsPoint3> corners;  // two per column
    ZnsArray<znsWorkID> sources; // the texts taken
};

// The blocks' strings one per paragraph, the last block first for technical conditions and
// the first block first for parameters; empty rtf when the scratch editor cannot be made.
ImportedText ImportTexts(const std::vector<SelectedText>& texts, bool parameters);

} // namespace requirements
