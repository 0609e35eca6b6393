// The 3 x 3 grid of alignment buttons that both text dialogs show over a picture of a
// text box: button first + 3 x row + column, rows top to bottom, columns left to right.
#pragma once

#include "platform/ui/Window.h"

namespace dtext {

void ShowAlignmentPicture(zn::ui::CWnd& dialog, int pictureId);
// Checks the button of (row, column) and clears the other eight.
void CheckAlignment(zn::ui::CWnd& dialog, int firstButton, int row, int column);
// Clears all nine.
void ClearAlignment(zn::ui::CWnd& dialog, int firstButton);
// The checked button's row and column; bottom left when none is checked. False then.
bool ReadAlignment(const zn::ui::CWnd& dialog, int firstButton, int& row, int& column);

} // namespace dtext
