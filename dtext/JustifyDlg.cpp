#include "dtext/JustifyDlg.h"

#include "dtext/AlignmentGrid.h"
#include "resources/ResourceIds.h"

namespace dtext {

using namespace zn::ui;

namespace {

constexpr int IDC_PICTURE = 13;
constexpr int IDC_FIRST_POINT = 32962;

} // namespace

CJustifyDlg::CJustifyDlg(CWnd* parent) : CDialog(res::IDD_JUSTIFY, parent) {}

BOOL CJustifyDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    ShowAlignmentPicture(*this, IDC_PICTURE);
    CheckAlignment(*this, IDC_FIRST_POINT, m_row, m_column);
    return TRUE;
}

void CJustifyDlg::OnOK() {
    ReadAlignment(*this, IDC_FIRST_POINT, m_row, m_column);
    CDialog::OnOK();
}

} // namespace dtext
