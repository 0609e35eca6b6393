// Draws the rich-edit control from its document: every character in the cell the model
// gives it (so clicks land where the text shows), with its character format.
#pragma once

#include <QPalette>

namespace zn::ui {
class CRichEditCtrl;
}
class QPainter;

namespace zn::ui::qt {

void PaintRichEdit(QPainter& painter, const CRichEditCtrl& edit, bool focused,
                   const QPalette& palette);

} // namespace zn::ui::qt
