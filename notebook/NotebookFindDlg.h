// The notebook's find dialog: the standard find dialog without directions, plus "All
// partitions" and "Find All", which ask the owner for every hit at once.
#pragma once

#include "platform/ui/FindReplaceDialog.h"

namespace notebook {

class CNotebookFindDlg : public zn::ui::CFindReplaceDialog {
public:
    static constexpr zn::ui::UINT IDD = 1540;
    static constexpr int IDC_ALL_PARTITIONS = 32943;
    static constexpr int IDC_FIND_ALL = 32944;

    // `flags`: the last search's, the notebook's own bits included.
    bool Create(std::u16string_view findWhat, std::uint32_t flags, zn::ui::CWnd* owner);

protected:
    zn::ui::BOOL OnInitDialog() override;
    void OnOK() override;

private:
    void findAll();
    void addPartitionsFlag();
    void enableFindAll();
};

} // namespace notebook
