// "Column properties": the name and width of one table column.
#pragma once

#include <cstdint>

#include "platform/ui/Dialog.h"

namespace notebook {

struct ColumnRecord {
    static constexpr int kMaxName = 49;
    ZnsStringW name;
    std::int32_t width = 0;
};

class CColumnProperty : public zn::ui::CDialog {
public:
    explicit CColumnProperty(zn::ui::CWnd* parent = nullptr);

    // Filled by the caller; on OK it holds what the user gave.
    ColumnRecord m_column;

protected:
    zn::ui::BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

private:
    void showPicture();
};

} // namespace notebook
