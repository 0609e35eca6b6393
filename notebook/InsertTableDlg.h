// "Insert table": the name, row count and column count of a new table page.
#pragma once

#include "platform/ui/Dialog.h"

namespace notebook {

class CInsertTableDlg : public zn::ui::CDialog {
public:
    static constexpr int kMaxRows = 10000;
    static constexpr int kMaxColumns = 1000;

    explicit CInsertTableDlg(zn::ui::CWnd* parent = nullptr);

    ZnsStringW m_name;
    int m_rows = 5;
    int m_columns = 2;

protected:
    void DoDataExchange(zn::ui::CDataExchange* dx) override;
};

// The text of a table with `columns` empty names and `rows` empty rows (no widths yet).
ZnsStringW EmptyTableText(int rows, int columns);

} // namespace notebook
