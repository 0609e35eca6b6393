// "Select alignment origin": one of the nine alignment points of a text box, as a row
// (top, middle, bottom) and a column (left, centre, right) of a 3 x 3 grid of buttons.
#pragma once

#include "platform/ui/Dialog.h"

namespace dtext {

class CJustifyDlg : public zn::ui::CDialog {
public:
    explicit CJustifyDlg(zn::ui::CWnd* parent = nullptr);

    int m_row = 2;
    int m_column = 0;

protected:
    zn::ui::BOOL OnInitDialog() override;
    void OnOK() override;
};

} // namespace dtext
