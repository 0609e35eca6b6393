// The measure field of the calculator window: the "..." button opens the unit menu under
// itself, and its commands attach, convert or detach the unit of the shown value.
#include "calculator/CalcDlgIds.h"
#include "calculator/KLVBCalcDlg.h"

using namespace zn::ui;
using namespace calcdlg;

void CKLVBCalcDlg::showMeasureMenu() {
    const std::vector<MeasureMenuEntry> entries = m_measures.BuildMenu();
    if (entries.empty())
        return; // the document did not load: there is nothing to offer
    CMenu popup;
    popup.CreatePopupMenu();
    for (const MeasureMenuEntry& entry : entries) {
        if (entry.command == 0)
            popup.AppendMenu(MF_SEPARATOR);
        else
            popup.AppendMenu(MF_STRING | (entry.checked ? MF_CHECKED : 0), UINT(entry.command),
                             entry.text);
    }
    CWnd* button = GetDlgItem(IDC_MEASURE_MENU);
    const CRect under = button ? button->GetWindowRect() : GetWindowRect();
    popup.TrackPopupMenu(TPM_LEFTALIGN, under.left, under.bottom, this);
}

void CKLVBCalcDlg::measureCommand(int command) {
    takeExpressionEdit();
    if (!m_measures.OnCommand(command, m_engine))
        return;
    showEngine();
    SetDlgItemTextW(IDC_MEASURE_NAME, m_measures.ShortNameField());
}
