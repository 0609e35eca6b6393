// The controls library's grid: rows and columns of text cells, fixed header rows and
// columns, per-cell format and modified flag, column widths, a selected range and a focus
// cell, and in-place editing when editable. The parent hears NM_CLICK, NM_DBLCLK,
// NM_RCLICK (a right click first selects a cell outside the selection), GVN_SELCHANGED,
// GVN_BEGINLABELEDIT (answer < 0 refuses) and GVN_ENDLABELEDIT (the cell already holds the new
// text; answer < 0 puts the old one back).
#pragma once

#include <memory>
#include <vector>

#include "platform/ui/InPlaceEdit.h"
#include "platform/ui/Window.h"

namespace zn::ui {

struct CCellID {
    int row = -1;
    int col = -1;
    bool IsValid() const { return row >= 0 && col >= 0; }
    bool operator==(const CCellID&) const = default;
};

struct CCellRange {
    int minRow = -1, minCol = -1, maxRow = -1, maxCol = -1;
    bool IsValid() const {
        return minRow >= 0 && minCol >= 0 && maxRow >= minRow && maxCol >= minCol;
    }
    bool InRange(int row, int col) const {
        return IsValid() && row >= minRow && row <= maxRow && col >= minCol && col <= maxCol;
    }
    int Count() const { return IsValid() ? (maxRow - minRow + 1) * (maxCol - minCol + 1) : 0; }
    bool operator==(const CCellRange&) const = default;
};

struct NM_GRIDVIEW {
    NMHDR hdr;
    int iRow = -1;
    int iColumn = -1;
};

class CGridCtrl : public CWnd {
public:
    static constexpr int kDefaultRowHeight = 20;
    static constexpr int kDefaultColumnWidth = 60;

    CGridCtrl();
    ~CGridCtrl() override;

    bool Create(const CRect& rect, CWnd* parent, UINT id,
                std::uint32_t style = WS_CHILD | WS_TABSTOP | WS_VISIBLE);

    int GetRowCount() const { return int(m_cells.size()); }
    int GetColumnCount() const { return int(m_columnWidths.size()); }
    bool SetRowCount(int rows);
    bool SetColumnCount(int columns);
    int GetFixedRowCount() const { return m_fixedRows; }
    int GetFixedColumnCount() const { return m_fixedColumns; }
    bool SetFixedRowCount(int rows);
    bool SetFixedColumnCount(int columns);

    bool SetItemText(int row, int col, std::u16string_view text);
    ZnsStringW GetItemText(int row, int col) const;
    bool SetItemFormat(int row, int col, UINT format);
    UINT GetItemFormat(int row, int col) const;
    bool SetColumnWidth(int col, int width);
    int GetColumnWidth(int col) const;
    bool SetRowHeight(int row, int height);
    int GetRowHeight(int row) const;

    // A new row before `before` (-1: at the end) whose first cell holds `heading`; its index.
    int InsertRow(std::u16string_view heading, int before = -1);
    // A new column before `before` (-1: at the end) whose first cell holds `heading`; a grid
    // without rows gets its first row for it.
    int InsertColumn(std::u16string_view heading,
                     UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE, int before = -1);
    bool DeleteRow(int row);
    bool DeleteColumn(int col);
    bool DeleteAllItems();
    bool DeleteNonFixedRows();

    CCellRange GetSelectedCellRange() const { return m_selection; }
    void SetSelectedRange(int minRow, int minCol, int maxRow, int maxCol);
    void SetSelectedRange(const CCellRange& range);
    int GetSelectedCount() const { return m_selection.Count(); }
    bool IsCellSelected(int row, int col) const { return m_selection.InRange(row, col); }
    CCellID GetFocusCell() const { return m_focus; }
    void SetFocusCell(int row, int col);
    bool IsValid(int row, int col) const;
    bool IsValid(const CCellID& cell) const { return IsValid(cell.row, cell.col); }
    bool IsCellFixed(int row, int col) const { return row < m_fixedRows || col < m_fixedColumns; }

    // The whole grid (-1, -1) or one cell.
    bool GetModified(int row = -1, int col = -1) const;
    void SetModified(bool modified = true, int row = -1, int col = -1);
    void SetRedraw(bool allow, bool resetScrollBars = false);
    bool GetRedraw() const { return m_redraw; }
    void SetEditable(bool editable = true) { m_editable = editable; }
    bool IsEditable() const { return m_editable; }
    void SetFixedTextColor(COLORREF color) { m_fixedTextColor = color; }
    COLORREF GetFixedTextColor() const { return m_fixedTextColor; }
    bool EnsureVisible(int row, int col) const { return IsValid(row, col); }

    CRect GetCellRect(int row, int col) const;
    CCellID GetCellFromPt(CPoint point) const;
    // In-place editing of a cell; the first character typed, when it started the edit,
    // replaces the cell's text.
    bool EditCell(int row, int col, char16_t firstChar = 0);
    bool EndEditing(bool cancel = false);
    bool IsEditing() const { return m_cellEdit.IsActive(); }

    // Cells are found as "row,column".
    std::optional<CRect> FindItemRect(std::u16string_view item) const override;
    std::vector<std::u16string> ItemLines() const override;
    bool PreTranslateMessage(MSG& msg) override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Grid lines, fixed cells on the button face in the fixed text colour, selected cells
    // highlighted, each text in its cell's format.
    void OnPaint() override;

private:
    struct Cell {
        ZnsStringW text;
        UINT format = DT_LEFT | DT_VCENTER | DT_SINGLELINE;
        bool modified = false;
    };
    LRESULT notify(int code, int row, int col);
    // Every change of what the grid shows asks for a paint, unless redraw is off.
    void redraw();
    void clampState();
    void moveFocus(int row, int col, bool extend);

    std::vector<std::vector<Cell>> m_cells; // [row][column]
    std::vector<int> m_columnWidths;
    std::vector<int> m_rowHeights;
    int m_fixedRows = 0;
    int m_fixedColumns = 0;
    CCellRange m_selection;
    CCellID m_focus;
    CCellID m_anchor;
    bool m_modified = false;
    bool m_redraw = true;
    bool m_editable = true;
    COLORREF m_fixedTextColor = 0;
    bool m_selecting = false;
    InPlaceEdit m_cellEdit;
    CCellID m_editCell;
    ZnsStringW m_textBeforeEdit;
};

} // namespace zn::ui
