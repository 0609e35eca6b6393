#include "notebook/OpenMergeDialog.h"

#include "resources/StringTable.h"

using namespace zn::ui;

namespace notebook {

namespace {
constexpr unsigned kNotebookFilter = 32854;
}

COpenMergeDialog::COpenMergeDialog(CWnd* parent)
    : CFileDialog(true, u"ntb", {}, OFN_FILEMUSTEXIST | OFN_HIDEREADONLY,
                  res::LoadStringW(kNotebookFilter), parent) {
    SetTemplate(IDD);
    SetOptionCheck(IDC_MERGE, false);
}

int COpenMergeDialog::DoModal() {
    int result = CFileDialog::DoModal();
    // The box is read as the dialog goes away, whichever way it was closed.
    m_merge = GetOptionCheck(IDC_MERGE);
    return result;
}

} // namespace notebook
