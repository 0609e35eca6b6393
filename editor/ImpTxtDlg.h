// "Text import": whether text taken from the drawing becomes a technical-requirements text,
// and whether the source text is removed afterwards.
#pragma once

#include "platform/ui/Dialog.h"

namespace editor {

class CImpTxtDlg : public zn::ui::CDialog {
public:
    explicit CImpTxtDlg(zn::ui::CWnd* parent = nullptr);

    int m_removeSource = 0;
    int m_ttMode = 1; // 1 technical conditions, 0 technical parameters

protected:
    zn::ui::BOOL OnInitDialog() override;
    void DoDataExchange(zn::ui::CDataExchange* dx) override;
};

} // namespace editor
