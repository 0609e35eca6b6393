// Grid cells, rows and columns, selection, focus and in-place editing.
#include "host/controls/CGridCtrl.h"

#include <algorithm>

#include "platform/ui/DeviceContext.h"
#include "platform/ui/Input.h"
#include "platform/ui/SystemColors.h"

namespace zn::ui {

CGridCtrl::CGridCtrl() = default;

CGridCtrl::~CGridCtrl() = default;

bool CGridCtrl::Create(const CRect& rect, CWnd* parent, UINT id, std::uint32_t style) {
    return CreateEx(0, u"MFCGridCtrl", u"", style | WS_CHILD, rect, parent, int(id));
}

bool CGridCtrl::IsValid(int row, int col) const {
    return row >= 0 && row < GetRowCount() && col >= 0 && col < GetColumnCount();
}

void CGridCtrl::clampState() {
    m_fixedRows = std::min(m_fixedRows, GetRowCount());
    m_fixedColumns = std::min(m_fixedColumns, GetColumnCount());
    if (!IsValid(m_focus))
        m_focus = {};
    if (!IsValid(m_anchor))
        m_anchor = {};
    if (m_selection.IsValid()) {
        m_selection.maxRow = std::min(m_selection.maxRow, GetRowCount() - 1);
        m_selection.maxCol = std::min(m_selection.maxCol, GetColumnCount() - 1);
        if (!m_selection.IsValid())
            m_selection = {};
    }
}

bool CGridCtrl::SetRowCount(int rows) {
    if (rows < 0)
        return false;
    m_cells.resize(size_t(rows), std::vector<Cell>(m_columnWidths.size()));
    m_rowHeights.resize(size_t(rows), kDefaultRowHeight);
    clampState();
    redraw();
    return true;
}

bool CGridCtrl::SetColumnCount(int columns) {
    if (columns < 0)
        return false;
    for (auto& row : m_cells)
        row.resize(size_t(columns));
    m_columnWidths.resize(size_t(columns), kDefaultColumnWidth);
    clampState();
    redraw();
    return true;
}

bool CGridCtrl::SetFixedRowCount(int rows) {
    if (rows < 0)
        return false;
    if (rows > GetRowCount())
        SetRowCount(rows);
    m_fixedRows = rows;
    redraw();
    return true;
}

bool CGridCtrl::SetFixedColumnCount(int columns) {
    if (columns < 0)
        return false;
    if (columns > GetColumnCount())
        SetColumnCount(columns);
    m_fixedColumns = columns;
    redraw();
    return true;
}

bool CGridCtrl::SetItemText(int row, int col, std::u16string_view text) {
    if (!IsValid(row, col))
        return false;
    m_cells[size_t(row)][size_t(col)].text = text;
    redraw();
    return true;
}

ZnsStringW CGridCtrl::GetItemText(int row, int col) const {
    return IsValid(row, col) ? m_cells[size_t(row)][size_t(col)].text : ZnsStringW();
}

bool CGridCtrl::SetItemFormat(int row, int col, UINT format) {
    if (!IsValid(row, col))
        return false;
    m_cells[size_t(row)][size_t(col)].format = format;
    redraw();
    return true;
}

UINT CGridCtrl::GetItemFormat(int row, int col) const {
    return IsValid(row, col) ? m_cells[size_t(row)][size_t(col)].format : 0;
}

bool CGridCtrl::SetColumnWidth(int col, int width) {
    if (col < 0 || col >= GetColumnCount() || width < 0)
        return false;
    m_columnWidths[size_t(col)] = width;
    redraw();
    return true;
}

int CGridCtrl::GetColumnWidth(int col) const {
    return col >= 0 && col < GetColumnCount() ? m_columnWidths[size_t(col)] : 0;
}

bool CGridCtrl::SetRowHeight(int row, int height) {
    if (row < 0 || row >= GetRowCount() || height < 0)
        return false;
    m_rowHeights[size_t(row)] = height;
    redraw();
    return true;
}

int CGridCtrl::GetRowHeight(int row) const {
    return row >= 0 && row < GetRowCount() ? m_rowHeights[size_t(row)] : 0;
}

int CGridCtrl::InsertRow(std::u16string_view heading, int before) {
    if (before < 0 || before > GetRowCount())
        before = GetRowCount();
    m_cells.insert(m_cells.begin() + before, std::vector<Cell>(m_columnWidths.size()));
    m_rowHeights.insert(m_rowHeights.begin() + before, kDefaultRowHeight);
    if (GetColumnCount() > 0)
        m_cells[size_t(before)][0].text = heading;
    if (m_focus.row >= before)
        ++m_focus.row;
    if (m_selection.IsValid() && m_selection.minRow >= before)
        ++m_selection.minRow, ++m_selection.maxRow;
    redraw();
    return before;
}

int CGridCtrl::InsertColumn(std::u16string_view heading, UINT format, int before) {
    if (before < 0 || before > GetColumnCount())
        before = GetColumnCount();
    // The heading needs a row to stand in.
    if (m_cells.empty()) {
        m_cells.emplace_back(m_columnWidths.size());
        m_rowHeights.push_back(kDefaultRowHeight);
    }
    for (auto& row : m_cells)
        row.insert(row.begin() + before, Cell{});
    m_columnWidths.insert(m_columnWidths.begin() + before, kDefaultColumnWidth);
    if (GetRowCount() > 0) {
        m_cells[0][size_t(before)].text = heading;
        m_cells[0][size_t(before)].format = format;
    }
    if (m_focus.col >= before)
        ++m_focus.col;
    if (m_selection.IsValid() && m_selection.minCol >= before)
        ++m_selection.minCol, ++m_selection.maxCol;
    redraw();
    return before;
}

bool CGridCtrl::DeleteRow(int row) {
    if (row < 0 || row >= GetRowCount())
        return false;
    m_cells.erase(m_cells.begin() + row);
    m_rowHeights.erase(m_rowHeights.begin() + row);
    if (row < m_fixedRows)
        --m_fixedRows;
    if (m_focus.row == row)
        m_focus = {};
    else if (m_focus.row > row)
        --m_focus.row;
    m_selection = {};
    clampState();
    redraw();
    return true;
}

bool CGridCtrl::DeleteColumn(int col) {
    if (col < 0 || col >= GetColumnCount())
        return false;
    for (auto& row : m_cells)
        row.erase(row.begin() + col);
    m_columnWidths.erase(m_columnWidths.begin() + col);
    if (col < m_fixedColumns)
        --m_fixedColumns;
    if (m_focus.col == col)
        m_focus = {};
    else if (m_focus.col > col)
        --m_focus.col;
    m_selection = {};
    clampState();
    redraw();
    return true;
}

bool CGridCtrl::DeleteAllItems() {
    EndEditing(true);
    m_cells.clear();
    m_columnWidths.clear();
    m_rowHeights.clear();
    m_fixedRows = m_fixedColumns = 0;
    m_selection = {};
    m_focus = m_anchor = {};
    redraw();
    return true;
}

bool CGridCtrl::DeleteNonFixedRows() {
    while (GetRowCount() > m_fixedRows)
        DeleteRow(GetRowCount() - 1);
    return true;
}

void CGridCtrl::SetSelectedRange(int minRow, int minCol, int maxRow, int maxCol) {
    CCellRange range{std::min(minRow, maxRow), std::min(minCol, maxCol), std::max(minRow, maxRow),
                     std::max(minCol, maxCol)};
    m_selection = IsValid(range.minRow, range.minCol) && IsValid(range.maxRow, range.maxCol)
                      ? range
                      : CCellRange{};
    redraw();
}

void CGridCtrl::SetSelectedRange(const CCellRange& range) {
    SetSelectedRange(range.minRow, range.minCol, range.maxRow, range.maxCol);
}

void CGridCtrl::SetFocusCell(int row, int col) {
    m_focus = IsValid(row, col) ? CCellID{row, col} : CCellID{};
    m_anchor = m_focus;
    redraw();
}

bool CGridCtrl::GetModified(int row, int col) const {
    if (row >= 0 && col >= 0)
        return IsValid(row, col) && m_cells[size_t(row)][size_t(col)].modified;
    if (m_modified)
        return true;
    for (const auto& cells : m_cells)
        for (const Cell& cell : cells)
            if (cell.modified)
                return true;
    return false;
}

void CGridCtrl::SetModified(bool modified, int row, int col) {
    if (row >= 0 && col >= 0) {
        if (IsValid(row, col))
            m_cells[size_t(row)][size_t(col)].modified = modified;
        return;
    }
    m_modified = modified;
    if (!modified)
        for (auto& cells : m_cells)
            for (Cell& cell : cells)
                cell.modified = false;
}

void CGridCtrl::SetRedraw(bool allow, bool) {
    m_redraw = allow;
    redraw();
}

void CGridCtrl::redraw() {
    if (m_redraw)
        Invalidate();
}

void CGridCtrl::OnPaint() {
    CPaintDC dc(this);
    dc.SetBkMode(TRANSPARENT);
    CPen lines(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));
    dc.SelectObject(&lines);
    for (int row = 0; row < GetRowCount(); ++row)
        for (int col = 0; col < GetColumnCount(); ++col) {
            CRect rect = GetCellRect(row, col);
            if (rect.IsRectEmpty())
                continue;
            const Cell& cell = m_cells[size_t(row)][size_t(col)];
            bool fixed = IsCellFixed(row, col);
            bool selected = !fixed && IsCellSelected(row, col);
            if (fixed || selected)
                dc.FillSolidRect(rect, GetSysColor(fixed ? COLOR_BTNFACE : COLOR_HIGHLIGHT));
            dc.MoveTo(rect.right - 1, rect.top);
            dc.LineTo(rect.right - 1, rect.bottom - 1);
            dc.LineTo(rect.left - 1, rect.bottom - 1);
            dc.SetTextColor(fixed      ? m_fixedTextColor
                            : selected ? GetSysColor(COLOR_HIGHLIGHTTEXT)
                                       : GetSysColor(COLOR_WINDOWTEXT));
            CRect inside{rect.left + 2, rect.top, rect.right - 2, rect.bottom - 1};
            dc.DrawTextW(cell.text, inside, cell.format);
        }
}

CRect CGridCtrl::GetCellRect(int row, int col) const {
    if (!IsValid(row, col))
        return {};
    int x = 0, y = 0;
    for (int c = 0; c < col; ++c)
        x += m_columnWidths[size_t(c)];
    for (int r = 0; r < row; ++r)
        y += m_rowHeights[size_t(r)];
    return {x, y, x + m_columnWidths[size_t(col)], y + m_rowHeights[size_t(row)]};
}

CCellID CGridCtrl::GetCellFromPt(CPoint point) const {
    CCellID cell;
    for (int x = 0, c = 0; c < GetColumnCount(); x += m_columnWidths[size_t(c)], ++c)
        if (point.x >= x && point.x < x + m_columnWidths[size_t(c)])
            cell.col = c;
    for (int y = 0, r = 0; r < GetRowCount(); y += m_rowHeights[size_t(r)], ++r)
        if (point.y >= y && point.y < y + m_rowHeights[size_t(r)])
            cell.row = r;
    return cell.IsValid() ? cell : CCellID{};
}

std::optional<CRect> CGridCtrl::FindItemRect(std::u16string_view item) const {
    int row = -1, col = -1;
    char tail = 0;
    if (std::sscanf(zn::toUtf8(item).c_str(), "%d,%d%c", &row, &col, &tail) != 2 ||
        !IsValid(row, col))
        return std::nullopt;
    return GetCellRect(row, col);
}

// Each row as "row: cell | cell", a selected cell in brackets, so the "row,column" names
// FindItemRect takes can be read off.
std::vector<std::u16string> CGridCtrl::ItemLines() const {
    std::vector<std::u16string> lines;
    for (int row = 0; row < GetRowCount(); ++row) {
        std::u16string line = zn::fromUtf8(std::to_string(row)) + u":";
        for (int col = 0; col < GetColumnCount(); ++col) {
            const bool selected = IsCellSelected(row, col);
            line += (col ? u" | " : u" ") + std::u16string(selected ? u"[" : u"") +
                    GetItemText(row, col) + (selected ? u"]" : u"");
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

LRESULT CGridCtrl::notify(int code, int row, int col) {
    CWnd* parent = GetParent();
    if (!parent)
        return 0;
    NM_GRIDVIEW info;
    info.hdr = {m_hWnd, std::uintptr_t(GetDlgCtrlID()), code};
    info.iRow = row;
    info.iColumn = col;
    return parent->SendMessage(WM_NOTIFY, WPARAM(GetDlgCtrlID()), LPARAM(&info));
}

bool CGridCtrl::EditCell(int row, int col, char16_t firstChar) {
    if (!m_editable || m_cellEdit.IsActive() || !IsValid(row, col) || IsCellFixed(row, col))
        return false;
    if (notify(GVN_BEGINLABELEDIT, row, col) < 0)
        return false;
    m_editCell = {row, col};
    m_textBeforeEdit = GetItemText(row, col);
    ZnsStringW start = firstChar ? ZnsStringW(1, firstChar) : m_textBeforeEdit;
    return m_cellEdit.Begin(*this, GetCellRect(row, col), start, firstChar != 0) != nullptr;
}

bool CGridCtrl::EndEditing(bool cancel) {
    std::optional<ZnsStringW> text = m_cellEdit.End();
    if (!text)
        return false;
    if (cancel || !IsValid(m_editCell))
        return true;
    CCellID cell = m_editCell;
    SetItemText(cell.row, cell.col, *text);
    if (notify(GVN_ENDLABELEDIT, cell.row, cell.col) < 0)
        SetItemText(cell.row, cell.col, m_textBeforeEdit);
    else if (*text != m_textBeforeEdit)
        SetModified(true, cell.row, cell.col);
    return true;
}

void CGridCtrl::moveFocus(int row, int col, bool extend) {
    if (!IsValid(row, col))
        return;
    m_focus = {row, col};
    if (!extend || !IsValid(m_anchor))
        m_anchor = m_focus;
    SetSelectedRange(m_anchor.row, m_anchor.col, row, col);
    notify(GVN_SELCHANGED, row, col);
}

bool CGridCtrl::PreTranslateMessage(MSG& msg) {
    InPlaceEdit::Ending ending = m_cellEdit.EndingFor(msg);
    if (ending == InPlaceEdit::Ending::None)
        return false;
    EndEditing(ending == InPlaceEdit::Ending::Cancel);
    return true;
}

LRESULT CGridCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    CPoint point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (message) {
    case WM_COMMAND:
        if (m_cellEdit.IsFocusLoss(wParam, lParam))
            EndEditing(false);
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_LBUTTONDOWN: {
        EndEditing(false);
        SetFocus();
        CCellID cell = GetCellFromPt(point);
        if (!cell.IsValid())
            return 0;
        // A header cell selects its whole column (fixed row) or row (fixed column).
        if (cell.row < m_fixedRows && cell.col >= m_fixedColumns && GetRowCount() > m_fixedRows) {
            m_focus = {m_fixedRows, cell.col};
            m_anchor = m_focus;
            SetSelectedRange(m_fixedRows, cell.col, GetRowCount() - 1, cell.col);
        } else if (cell.col < m_fixedColumns && cell.row >= m_fixedRows &&
                   GetColumnCount() > m_fixedColumns) {
            m_focus = {cell.row, m_fixedColumns};
            m_anchor = m_focus;
            SetSelectedRange(cell.row, m_fixedColumns, cell.row, GetColumnCount() - 1);
        } else {
            moveFocus(cell.row, cell.col, wParam & MK_SHIFT);
            m_selecting = true;
        }
        notify(NM_CLICK, cell.row, cell.col);
        return 0;
    }
    case WM_MOUSEMOVE:
        if (m_selecting && (wParam & MK_LBUTTON))
            if (CCellID cell = GetCellFromPt(point);
                cell.IsValid() && !IsCellFixed(cell.row, cell.col))
                SetSelectedRange(m_anchor.row, m_anchor.col, cell.row, cell.col);
        return 0;
    case WM_LBUTTONUP:
        m_selecting = false;
        return 0;
    case WM_LBUTTONDBLCLK: {
        CCellID cell = GetCellFromPt(point);
        if (!notify(NM_DBLCLK, cell.row, cell.col) && cell.IsValid())
            EditCell(cell.row, cell.col);
        return 0;
    }
    case WM_RBUTTONDOWN: {
        CCellID cell = GetCellFromPt(point);
        // The menu a right click opens works on the cell under the pointer, unless that
        // cell is part of the selection already.
        if (cell.IsValid() && !IsCellFixed(cell.row, cell.col) &&
            !IsCellSelected(cell.row, cell.col))
            moveFocus(cell.row, cell.col, false);
        notify(NM_RCLICK, cell.row, cell.col);
        return 0;
    }
    case WM_KEYDOWN: {
        bool extend = GetKeyState(VK_SHIFT) < 0;
        int row = m_focus.row, col = m_focus.col;
        if (!m_focus.IsValid())
            return 0;
        if (wParam == VK_LEFT && col > m_fixedColumns)
            moveFocus(row, col - 1, extend);
        else if (wParam == VK_RIGHT)
            moveFocus(row, col + 1, extend);
        else if (wParam == VK_UP && row > m_fixedRows)
            moveFocus(row - 1, col, extend);
        else if (wParam == VK_DOWN)
            moveFocus(row + 1, col, extend);
        else if (wParam == VK_F2 || wParam == VK_RETURN)
            EditCell(row, col);
        return 0;
    }
    case WM_CHAR:
        if (wParam >= 0x20 && m_focus.IsValid())
            EditCell(m_focus.row, m_focus.col, char16_t(wParam));
        return 0;
    default:
        return CWnd::WindowProc(message, wParam, lParam);
    }
}

} // namespace zn::ui
