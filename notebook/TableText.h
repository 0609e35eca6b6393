// The text of a table page: rows ended by LF, cells separated by TAB; the first row holds
// the column names, each followed by "|" and the column's width in pixels.
#pragma once

#include <vector>

#include "platform/text/ZnsString.h"

namespace notebook {

struct TableColumn {
    ZnsStringW name;
    int width = 0; // 0: none given
};

struct Table {
    std::vector<TableColumn> columns;
    std::vector<std::vector<ZnsStringW>> rows; // data rows, as long as they were written
};

// The width a column gets when none is given.
inline constexpr int kDefaultColumnWidth = 93;

// Cells end at TAB or at a line end (LF, CR or CR LF); text after the last of them is no
// cell. In the header the text after the last "|" is the width when it is a number above 0.
Table ParseTableText(std::u16string_view text);
// Columns without a width are written with kDefaultColumnWidth.
ZnsStringW TableText(const Table& table);

} // namespace notebook
