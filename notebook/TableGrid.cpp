#include "notebook/TableGrid.h"

#include <algorithm>

#include "notebook/TableText.h"

using namespace zn::ui;

namespace notebook {

namespace {

constexpr UINT kHeaderFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
constexpr char16_t kStar[] = u"*";

int addColumn(CGridCtrl& grid, std::u16string_view name, int width, int before = -1) {
    int col = grid.InsertColumn(name, kHeaderFormat, before);
    grid.SetColumnWidth(col, width > 0 ? width : kDefaultColumnWidth);
    return col;
}

} // namespace

void ShowTableText(CGridCtrl& grid, std::u16string_view text, bool rowNumbers) {
    grid.DeleteAllItems();
    Table table = ParseTableText(text);
    const int first = rowNumbers ? 1 : 0;
    grid.SetRowCount(1);
    if (rowNumbers) {
        grid.SetColumnCount(1);
        grid.SetColumnWidth(0, kRowNumberWidth);
    }
    for (const TableColumn& column : table.columns)
        addColumn(grid, column.name, column.width);
    const size_t columns = table.columns.size();
    for (size_t r = 0; r < table.rows.size(); ++r) {
        int row = grid.InsertRow(rowNumbers ? zn::format("%i", int(r + 1)) : ZnsStringW());
        const auto& cells = table.rows[r];
        // A row longer than the header keeps only the cells that have a column.
        for (size_t c = 0; c < std::min(cells.size(), columns); ++c)
            grid.SetItemText(row, first + int(c), cells[c]);
    }
    grid.SetFixedRowCount(1);
    grid.SetFixedColumnCount(first);
    grid.SetFixedTextColor(kTableHeaderColor);
    grid.SetModified(false);
}

ZnsStringW GridTableText(const CGridCtrl& grid) {
    ZnsStringW text;
    const int first = grid.GetFixedColumnCount();
    const int last = grid.GetColumnCount() - 1;
    for (int row = 0; row < grid.GetRowCount(); ++row)
        for (int col = first; col <= last; ++col) {
            text += grid.GetItemText(row, col);
            if (row == 0)
                text += zn::format("|%i", grid.GetColumnWidth(col));
            text += col < last ? u'\t' : u'\n';
        }
    return text;
}

ZnsStringW SelectedCellsText(const CGridCtrl& grid) {
    CCellRange range = grid.GetSelectedCellRange();
    if (!range.IsValid())
        return {};
    if (range.Count() == 1)
        return grid.GetItemText(range.minRow, range.minCol);
    ZnsStringW text;
    for (int row = range.minRow; row <= range.maxRow; ++row)
        for (int col = range.minCol; col <= range.maxCol; ++col) {
            text += grid.GetItemText(row, col);
            text += col < range.maxCol ? u'\t' : u'\n';
        }
    return text;
}

void CTableEditing::Start() {
    if (m_editing)
        return;
    m_grid.SetSelectedRange(CCellRange{});
    m_grid.SetEditable(true);
    m_editing = true;
    appendStarRow();
    appendStarColumn();
    if (!m_grid.IsValid(m_grid.GetFocusCell()))
        focus(1, 1);
}

bool CTableEditing::Finish() {
    if (!m_editing)
        return false;
    // A cell still being typed into keeps its text.
    m_grid.EndEditing(false);
    m_editing = false;
    m_grid.SetEditable(false);
    bool changed = m_grid.GetModified();
    m_grid.DeleteColumn(starColumn());
    m_grid.DeleteRow(starRow());
    m_grid.SetModified(false);
    return changed;
}

LRESULT CTableEditing::CellEdited(int row, int col) {
    if (!m_editing || m_grid.IsCellFixed(row, col))
        return -1;
    if (m_grid.GetItemText(row, col).empty())
        return 0;
    if (row == starRow()) {
        appendStarRow();
        renumber();
        focus(row, col);
    }
    if (col == starColumn()) {
        appendStarColumn();
        m_grid.SetItemText(0, col, u"");
        focus(row, col);
    }
    return 0;
}

bool CTableEditing::IsEnabled(Command command) const {
    CCellRange selection = m_grid.GetSelectedCellRange();
    if (!m_editing || !selection.IsValid() || selection.minRow < 1 || selection.minCol < 1)
        return false;
    bool one = selection.Count() == 1;
    switch (command) {
    case Command::InsertRow:
        return one || spansAllColumns(selection);
    case Command::DeleteRow:
        return (one || spansAllColumns(selection)) && selection.maxRow < starRow();
    case Command::InsertColumn:
        return one || spansAllRows(selection);
    case Command::DeleteColumn:
    case Command::RenameColumn:
        return (one || spansAllRows(selection)) && selection.maxCol < starColumn();
    }
    return false;
}

void CTableEditing::InsertRow() {
    CCellID place = insertPlace(true);
    if (!IsEnabled(Command::InsertRow) || !place.IsValid())
        return;
    m_grid.InsertRow(u"", place.row);
    renumber();
    focus(place.row, place.col);
    m_grid.SetModified();
}

void CTableEditing::InsertColumn() {
    CCellID place = insertPlace(false);
    if (!IsEnabled(Command::InsertColumn) || !place.IsValid())
        return;
    addColumn(m_grid, u"", kDefaultColumnWidth, place.col);
    renumber();
    focus(place.row, place.col);
    m_grid.SetModified();
}

void CTableEditing::DeleteRows() {
    if (!IsEnabled(Command::DeleteRow))
        return;
    CCellRange selection = m_grid.GetSelectedCellRange();
    int col = m_grid.GetFocusCell().IsValid() ? m_grid.GetFocusCell().col : selection.minCol;
    for (int n = selection.maxRow - selection.minRow + 1; n > 0 && selection.minRow < starRow();
         --n)
        m_grid.DeleteRow(selection.minRow);
    renumber();
    focus(std::min(selection.minRow, starRow()), col);
    m_grid.SetModified();
}

void CTableEditing::DeleteColumns() {
    if (!IsEnabled(Command::DeleteColumn))
        return;
    CCellRange selection = m_grid.GetSelectedCellRange();
    int row = m_grid.GetFocusCell().IsValid() ? m_grid.GetFocusCell().row : selection.minRow;
    for (int n = selection.maxCol - selection.minCol + 1; n > 0 && selection.minCol < starColumn();
         --n)
        m_grid.DeleteColumn(selection.minCol);
    renumber();
    focus(row, std::min(selection.minCol, starColumn()));
    m_grid.SetModified();
}

int CTableEditing::TargetColumn() const {
    if (!IsEnabled(Command::RenameColumn))
        return -1;
    CCellID focusCell = m_grid.GetFocusCell();
    if (m_grid.IsValid(focusCell) && !m_grid.IsCellFixed(focusCell.row, focusCell.col) &&
        focusCell.col < starColumn())
        return focusCell.col;
    CCellRange selection = m_grid.GetSelectedCellRange();
    return selection.minCol == selection.maxCol ? selection.minCol : -1;
}

void CTableEditing::SetColumn(int col, std::u16string_view name, int width) {
    m_grid.SetItemText(0, col, name);
    m_grid.SetColumnWidth(col, width);
    m_grid.SetModified();
}

void CTableEditing::appendStarRow() {
    m_grid.InsertRow(kStar);
}

void CTableEditing::appendStarColumn() {
    addColumn(m_grid, kStar, kDefaultColumnWidth);
}

void CTableEditing::renumber() {
    for (int row = 1; row < m_grid.GetRowCount(); ++row)
        m_grid.SetItemText(
            row, 0, m_editing && row == starRow() ? ZnsStringW(kStar) : zn::format("%i", row));
}

CCellID CTableEditing::insertPlace(bool rows) const {
    CCellID focusCell = m_grid.GetFocusCell();
    if (m_grid.IsValid(focusCell) && !m_grid.IsCellFixed(focusCell.row, focusCell.col))
        return focusCell;
    CCellRange selection = m_grid.GetSelectedCellRange();
    bool inOne = rows ? selection.minRow == selection.maxRow : selection.minCol == selection.maxCol;
    return selection.IsValid() && inOne ? CCellID{selection.minRow, selection.minCol} : CCellID{};
}

bool CTableEditing::spansAllColumns(const CCellRange& range) const {
    // The "*" column may be part of the range or not.
    return range.minCol <= 1 && range.maxCol >= starColumn() - 1;
}

bool CTableEditing::spansAllRows(const CCellRange& range) const {
    return range.minRow <= 1 && range.maxRow >= starRow() - 1;
}

void CTableEditing::focus(int row, int col) {
    m_grid.SetFocusCell(row, col);
    m_grid.SetSelectedRange(row, col, row, col);
}

} // namespace notebook
