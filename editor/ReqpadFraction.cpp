// The fraction insert: the fraction dialog, preset from a form the selection holds, and
// the form it asks for in place of the selection.
#include "editor/FracDlg.h"
#include "editor/Reqpad.h"

namespace editor {

void CReqpad::InsertFractionFromDialog() {
    int start = 0, end = 0;
    GetSel(start, end);
    CFracDlg dialog(this);
    dialog.m_withBar = 1;
    dialog.PresetFromSelection(*this);
    if (dialog.DoModal() != zn::ui::IDOK) {
        SetSel(start, end);
        return;
    }
    TakeUndoSnapshot();
    InsertFraction(dialog.m_numerator, dialog.m_denominator, dialog.m_withBar != 0, nullptr);
}

} // namespace editor
