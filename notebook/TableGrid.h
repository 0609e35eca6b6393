// A table page in a grid. Read-only the grid shows the table text (in the notebook window
// with a fixed column of row numbers); while the page is edited it carries a trailing "*"
// row and "*" column that grow the table when typed into, and the row and column commands
// work on its selection.
#pragma once

#include "host/controls/CGridCtrl.h"
#include "platform/text/ZnsString.h"

namespace notebook {

// The grid of the notebook window: the width of its row-number column and the colour of
// its header texts.
inline constexpr int kRowNumberWidth = 21;
inline constexpr zn::ui::COLORREF kTableHeaderColor = 0xFF0000;

// Fills `grid` from a table text. With row numbers, column 0 is a fixed column numbering
// the data rows; without, the table's columns start at 0. Row 0 is the fixed header.
// Cells beyond the header's columns are not shown; short rows leave their cells empty.
void ShowTableText(zn::ui::CGridCtrl& grid, std::u16string_view text, bool rowNumbers);
// The table text of the grid's non-fixed columns: names with "|" and their widths, then
// the data rows.
ZnsStringW GridTableText(const zn::ui::CGridCtrl& grid);
// The selected cells: one cell's text, or a range's cells separated by TAB, rows ended by LF.
ZnsStringW SelectedCellsText(const zn::ui::CGridCtrl& grid);

// Editing a table page shown with row numbers.
class CTableEditing {
public:
    explicit CTableEditing(zn::ui::CGridCtrl& grid) : m_grid(grid) {}

    bool IsEditing() const { return m_editing; }
    // Makes the grid editable, adds the "*" row and column, and focuses a cell.
    void Start();
    // Makes the grid read-only and drops the "*" row and column; whether cells or rows and
    // columns changed since Start.
    bool Finish();

    // The answer to the grid's end of a cell edit (< 0 refuses it). Text typed into the "*"
    // row or column makes it a real one and adds a new "*" behind it.
    zn::ui::LRESULT CellEdited(int row, int col);

    enum class Command { InsertRow, DeleteRow, InsertColumn, DeleteColumn, RenameColumn };
    bool IsEnabled(Command command) const;
    void InsertRow();
    void DeleteRows();
    void InsertColumn();
    void DeleteColumns();
    // The column the column properties work on; -1 when the selection gives none.
    int TargetColumn() const;
    void SetColumn(int col, std::u16string_view name, int width);

private:
    int starRow() const { return m_grid.GetRowCount() - 1; }
    int starColumn() const { return m_grid.GetColumnCount() - 1; }
    void appendStarRow();
    void appendStarColumn();
    void renumber();
    // The place of an insert: the focus cell, or the selection when it lies in one row
    // (rows) or one column (columns).
    zn::ui::CCellID insertPlace(bool rows) const;
    bool spansAllColumns(const zn::ui::CCellRange& range) const;
    bool spansAllRows(const zn::ui::CCellRange& range) const;
    void focus(int row, int col);

    zn::ui::CGridCtrl& m_grid;
    bool m_editing = false;
};

} // namespace notebook
