// "Insert fraction": numerator, denominator and whether a bar stands between them, preset
// from a fraction form the selection already holds.
#pragma once

#include "platform/ui/Dialog.h"

namespace editor {

class CReqpad;

class CFracDlg : public zn::ui::CDialog {
public:
    explicit CFracDlg(zn::ui::CWnd* parent = nullptr);

    int m_withBar = 0;
    ZnsStringW m_numerator;
    ZnsStringW m_denominator;

    // Reads a raised run, an optional "|" and a lowered run from the selection of `pad` (after
    // a prefix in prefix mode) into the members and selects the form so that an insert
    // replaces it; false, with the selection as it was, when the selection holds none.
    bool PresetFromSelection(CReqpad& pad, ZnsStringW* prefix = nullptr);

protected:
    void DoDataExchange(zn::ui::CDataExchange* dx) override;
};

} // namespace editor
