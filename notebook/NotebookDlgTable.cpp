// The notebook window's table pages: the grid that shows and edits them, "Add table", the
// row and column commands with their menu, and the column properties.
#include "notebook/ColumnProperty.h"
#include "notebook/InsertTableDlg.h"
#include "notebook/NotebookDlg.h"
#include "notebook/NotebookSearch.h"
#include "platform/ui/Input.h"
#include "platform/ui/Menu.h"
#include "resources/ResourceIds.h"

using namespace zn::ui;

namespace notebook {

namespace {

using Command = CTableEditing::Command;

struct TableCommand {
    UINT id;
    Command command;
    int image; // of the table toolbar
};
constexpr TableCommand kTableCommands[] = {
    {ID_INSERT_ROW, Command::InsertRow, 244},       {ID_DELETE_ROW, Command::DeleteRow, 245},
    {ID_INSERT_COLUMN, Command::InsertColumn, 246}, {ID_DELETE_COLUMN, Command::DeleteColumn, 247},
    {ID_RENAME_COLUMN, Command::RenameColumn, 248},
};
// The toolbar place above the page; the table toolbar stands there.
constexpr UINT kPageBarPlace = 9305;

const TableCommand* tableCommand(UINT id) {
    for (const TableCommand& each : kTableCommands)
        if (each.id == id)
            return &each;
    return nullptr;
}

// The offset in a table text just behind the cell (row, col), both counted from 0; the
// text's length when the table has no such cell.
int offsetBehindCell(std::u16string_view table, int row, int col) {
    int r = 0, c = 0;
    for (size_t i = 0; i < table.size(); ++i) {
        char16_t ch = table[i];
        if (ch != u'\t' && ch != u'\n' && ch != u'\r')
            continue;
        if (ch == u'\r' && i + 1 < table.size() && table[i + 1] == u'\n')
            ++i;
        if (r == row && c == col)
            return int(i + 1);
        if (ch == u'\t') {
            ++c;
        } else {
            ++r;
            c = 0;
        }
    }
    return int(table.size());
}

} // namespace

void CNotebook::createTableControls() {
    m_grid.Create(ScreenToClient(m_view.GetWindowRect()), this, IDC_TABLE_GRID,
                  WS_CHILD | WS_TABSTOP | WS_BORDER);
    m_grid.SetEditable(false);
    if (m_tableBar.Create(this, kPageBarPlace, TBSTYLE_FLAT | TBSTYLE_TOOLTIPS, kToolBarHidePlace))
        for (const TableCommand& each : kTableCommands) {
            // Rows, then columns.
            if (each.id == ID_INSERT_COLUMN)
                m_tableBar.AddSeparator();
            m_tableBar.AddButton(each.id, each.image);
        }
    m_tableBar.ShowWindow(SW_HIDE);
}

void CNotebook::updateTableBar() {
    if (!m_tableBar.GetSafeHwnd())
        return;
    m_tableBar.ShowWindow(m_table.IsEditing() ? SW_SHOW : SW_HIDE);
    for (const TableCommand& each : kTableCommands)
        m_tableBar.EnableButton(int(each.id), isTableCommandEnabled(each.id));
}

void CNotebook::mapTableCommands() {
    OnCommandId(ID_ADD_TABLE, [this] { addTable(); });
    for (const TableCommand& each : kTableCommands)
        OnCommandId(each.id, [this, id = each.id] {
            if (!isTableCommandEnabled(id))
                return;
            switch (tableCommand(id)->command) {
            case Command::InsertRow:
                m_table.InsertRow();
                break;
            case Command::DeleteRow:
                m_table.DeleteRows();
                break;
            case Command::InsertColumn:
                m_table.InsertColumn();
                break;
            case Command::DeleteColumn:
                m_table.DeleteColumns();
                break;
            case Command::RenameColumn:
                renameColumn();
                break;
            }
            updateTableBar();
        });
    OnNotifyCode(IDC_TABLE_GRID, GVN_ENDLABELEDIT, [this](NMHDR* header) {
        auto* info = reinterpret_cast<NM_GRIDVIEW*>(header);
        LRESULT answer = m_table.CellEdited(info->iRow, info->iColumn);
        updateTableBar();
        return answer;
    });
    for (int code : {int(GVN_SELCHANGED), int(NM_CLICK)})
        OnNotifyCode(IDC_TABLE_GRID, code, [this](NMHDR*) {
            updateTableBar();
            return LRESULT(0);
        });
    OnNotifyCode(IDC_TABLE_GRID, NM_RCLICK, [this](NMHDR*) {
        updateTableBar();
        if (m_table.IsEditing())
            showTableMenu();
        return LRESULT(1);
    });
    // A double click transfers while the table is only shown and edits a cell otherwise.
    OnNotifyCode(IDC_TABLE_GRID, NM_DBLCLK, [this](NMHDR*) {
        if (m_table.IsEditing())
            return LRESULT(0);
        Transfer();
        return LRESULT(1);
    });
}

bool CNotebook::isTableCommand(UINT id) const {
    return tableCommand(id) != nullptr;
}

bool CNotebook::isTableCommandEnabled(UINT id) const {
    const TableCommand* command = tableCommand(id);
    return command && !m_viewing && m_table.IsEnabled(command->command);
}

void CNotebook::showTable(const NotebookPage* page) {
    bool table = page && page->type == kTablePage;
    m_grid.ShowWindow(table ? SW_SHOW : SW_HIDE);
    if (table)
        ShowTableText(m_grid, page->text, true);
}

void CNotebook::addTable() {
    if (!IsCommandEnabled(ID_ADD_TABLE))
        return;
    CInsertTableDlg dialog(this);
    if (dialog.DoModal() != IDOK)
        return;
    CxTreeCtrl& tree = Pages().Tree();
    HTREEITEM target = targetPartition();
    HTREEITEM item = Pages().InsertTreeItem(dialog.m_name, target, TVI_LAST, kTablePage);
    NotebookPage* page = Pages().GetOwnPage(item);
    page->text = EmptyTableText(dialog.m_rows, dialog.m_columns);
    Pages().Expand(target, true);
    tree.ClearSelection();
    // Shown, the table comes back from the grid with every column's width.
    tree.SelectItem(item);
    page->text = GridTableText(m_grid);
    SetModified();
    // The table has the name the dialog asked for; a rename may follow but is not started.
    m_labelEditPermitted = true;
    tree.SetFocus();
}

void CNotebook::finishTableEdit(NotebookPage* page) {
    if (m_table.Finish())
        SetModified();
    updateTableBar();
    if (page)
        page->text = GridTableText(m_grid);
}

void CNotebook::renameColumn() {
    int col = m_table.TargetColumn();
    if (col < 0)
        return;
    CColumnProperty dialog(this);
    dialog.m_column.name = m_grid.GetItemText(0, col).substr(0, ColumnRecord::kMaxName);
    dialog.m_column.width = m_grid.GetColumnWidth(col);
    if (dialog.DoModal() == IDOK)
        m_table.SetColumn(col, dialog.m_column.name, dialog.m_column.width);
}

void CNotebook::showTableMenu() {
    CMenu menu;
    if (!menu.LoadMenu(res::IDR_TABLE_CONTEXT))
        return;
    CMenu popup = menu.GetSubMenu(0);
    for (const CMenu::Entry& entry : popup.Entries())
        popup.EnableMenuItem(entry.id, isTableCommandEnabled(entry.id) ? MF_ENABLED : MF_GRAYED);
    CPoint cursor = GetCursorPos();
    popup.TrackPopupMenu(TPM_LEFTALIGN, cursor.x, cursor.y, this);
}

int CNotebook::tableSearchPosition() const {
    HTREEITEM item = Pages().Tree().GetSelectedItem();
    const NotebookPage* page = item ? Pages().GetOwnPage(item) : nullptr;
    CCellID focus = m_grid.GetFocusCell();
    if (!page || !focus.IsValid())
        return 0;
    return offsetBehindCell(page->text, std::max(focus.row, 1), std::max(focus.col - 1, 0));
}

void CNotebook::showTableHit(const ZnsStringW& table, int at) {
    auto [row, column] = CNotebookSearch::CellAt(table, at);
    int col = column + m_grid.GetFixedColumnCount();
    m_grid.SetFocusCell(row, col);
    m_grid.SetSelectedRange(row, col, row, col);
    m_grid.EnsureVisible(row, col);
}

} // namespace notebook
