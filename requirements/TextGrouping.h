// Texts picked on the drawing grouped into columns: a text joins the column it reaches into
// horizontally, columns that come to overlap merge, and each column's texts run from top to
// bottom.
#pragma once

#include <vector>

#include "host/Geometry.h"
#include "host/WorkId.h"
#include "platform/text/ZnsString.h"

namespace requirements {

struct SelectedText {
    znsWorkID id;
    ZnsStringW text;
    ZnsBox3 extents;
};

struct TextBlock {
    std::vector<SelectedText> entries; // top to bottom; equal heights keep their order
    ZnsBox3 extents;
};

// The blocks from left to right, the texts taken in the order given.
std::vector<TextBlock> GroupSelectedTexts(const std::vector<SelectedText>& texts);

} // namespace requirements
