#include "notebook/InsertTableDlg.h"

#include <algorithm>

#include "platform/ui/DataExchange.h"
#include "resources/ResourceIds.h"
#include "resources/StringTable.h"

using namespace zn::ui;

namespace notebook {

namespace {

constexpr unsigned IDS_NEW_TABLE = 57680;
constexpr int IDC_TABLE_NAME = 12054;
constexpr int IDC_ROW_COUNT = 12057;
constexpr int IDC_COLUMN_COUNT = 32954;

} // namespace

CInsertTableDlg::CInsertTableDlg(CWnd* parent)
    : CDialog(res::IDD_INSERT_TABLE, parent), m_name(res::LoadStringW(IDS_NEW_TABLE)) {}

void CInsertTableDlg::DoDataExchange(CDataExchange* dx) {
    DDX_Text(dx, IDC_TABLE_NAME, m_name);
    DDX_Text(dx, IDC_ROW_COUNT, m_rows);
    DDV_MinMaxInt(dx, m_rows, 1, kMaxRows);
    DDX_Text(dx, IDC_COLUMN_COUNT, m_columns);
    DDV_MinMaxInt(dx, m_columns, 1, kMaxColumns);
}

ZnsStringW EmptyTableText(int rows, int columns) {
    return ZnsStringW(size_t(std::max(columns - 1, 0)), u'\t') +
           ZnsStringW(size_t(std::max(rows + 1, 1)), u'\n');
}

} // namespace notebook
