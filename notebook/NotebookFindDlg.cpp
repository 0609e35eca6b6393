#include "notebook/NotebookFindDlg.h"

#include "notebook/NotebookSearch.h"
#include "platform/ui/Button.h"

using namespace zn::ui;

namespace notebook {

bool CNotebookFindDlg::Create(std::u16string_view findWhat, std::uint32_t flags, CWnd* owner) {
    return CFindReplaceDialog::Create(true, findWhat, flags | FR_HIDEUPDOWN | FR_DOWN, IDD, owner);
}

BOOL CNotebookFindDlg::OnInitDialog() {
    BOOL result = CFindReplaceDialog::OnInitDialog();
    CheckDlgButton(IDC_ALL_PARTITIONS,
                   (m_fr.Flags & kFindAllPartitions) ? BST_CHECKED : BST_UNCHECKED);
    OnCommandId(IDC_FIND_ALL, [this] { findAll(); });
    OnNotifyCode(kFindWhatEdit, EN_CHANGE, [this](NMHDR*) {
        enableFindAll();
        return LRESULT(0);
    });
    enableFindAll();
    return result;
}

void CNotebookFindDlg::enableFindAll() {
    if (CWnd* button = GetDlgItem(IDC_FIND_ALL))
        button->EnableWindow(!GetDlgItemTextW(kFindWhatEdit).empty());
}

void CNotebookFindDlg::addPartitionsFlag() {
    m_fr.Flags &= ~std::uint32_t(kFindAll | kFindAllPartitions);
    if (IsDlgButtonChecked(IDC_ALL_PARTITIONS) == BST_CHECKED)
        m_fr.Flags |= kFindAllPartitions;
}

void CNotebookFindDlg::OnOK() {
    ReadControls();
    addPartitionsFlag();
    if (m_fr.findWhat.empty())
        return;
    m_fr.Flags |= FR_FINDNEXT;
    NotifyOwner();
}

void CNotebookFindDlg::findAll() {
    ReadControls();
    addPartitionsFlag();
    if (m_fr.findWhat.empty())
        return;
    m_fr.Flags |= kFindAll;
    NotifyOwner();
}

} // namespace notebook
