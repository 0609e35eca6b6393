#include "editor/ImpTxtDlg.h"

#include "platform/ui/DataExchange.h"
#include "platform/ui/Resources.h"
#include "resources/ResourceIds.h"

namespace editor {

using namespace zn::ui;

namespace {

constexpr int IDC_REMOVE_SOURCE = 32923;
constexpr int IDC_QUESTION = 32975;
constexpr UINT IDS_CONVERT_TO_PARAMETERS = 15;

} // namespace

CImpTxtDlg::CImpTxtDlg(CWnd* parent) : CDialog(res::IDD_TEXT_IMPORT, parent) {
    // Every button reads the check box first; the dialog ends with the button's own id.
    for (int id : {IDYES, IDNO, IDCANCEL})
        OnCommandId(UINT(id), [this, id] {
            UpdateData(true);
            EndDialog(id);
        });
}

BOOL CImpTxtDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    if (m_ttMode == 0)
        SetDlgItemTextW(IDC_QUESTION, LoadStringW(IDS_CONVERT_TO_PARAMETERS));
    return TRUE;
}

void CImpTxtDlg::DoDataExchange(CDataExchange* dx) {
    DDX_Check(dx, IDC_REMOVE_SOURCE, m_removeSource);
}

} // namespace editor
