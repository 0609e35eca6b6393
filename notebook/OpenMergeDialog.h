// The notebook's Open dialog: an open-file dialog for notebook files with one more box,
// "Merge with current notebook", that tells the caller to merge instead of replacing.
#pragma once

#include "platform/ui/FileDialog.h"

namespace notebook {

class COpenMergeDialog : public zn::ui::CFileDialog {
public:
    static constexpr zn::ui::UINT IDD = 24;
    static constexpr int IDC_MERGE = 32923;

    explicit COpenMergeDialog(zn::ui::CWnd* parent = nullptr);

    int DoModal() override;
    // Whether the box was checked when the dialog closed.
    bool Merge() const { return m_merge; }

private:
    bool m_merge = false;
};

} // namespace notebook
