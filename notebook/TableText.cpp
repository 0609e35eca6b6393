#include "notebook/TableText.h"

#include <cstdlib>

namespace notebook {

namespace {

TableColumn headerCell(std::u16string_view cell) {
    TableColumn column{ZnsStringW(cell), 0};
    size_t bar = cell.rfind(u'|');
    if (bar == std::u16string_view::npos)
        return column;
    std::string digits = zn::toUtf8(cell.substr(bar + 1));
    int width = std::atoi(digits.c_str());
    if (width > 0) {
        column.width = width;
        column.name = cell.substr(0, bar);
    }
    return column;
}

} // namespace

Table ParseTableText(std::u16string_view text) {
    Table table;
    std::vector<ZnsStringW> row;
    bool header = true;
    size_t start = 0;
    auto endRow = [&] {
        if (header) {
            for (const ZnsStringW& cell : row)
                table.columns.push_back(headerCell(cell));
            header = false;
        } else {
            table.rows.push_back(std::move(row));
        }
        row.clear();
    };
    for (size_t i = 0; i < text.size(); ++i) {
        char16_t ch = text[i];
        if (ch != u'\t' && ch != u'\n' && ch != u'\r')
            continue;
        row.emplace_back(text.substr(start, i - start));
        if (ch == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
        if (ch != u'\t')
            endRow();
    }
    // A row whose last cell ended at a TAB still holds the cells before it.
    if (!row.empty())
        endRow();
    return table;
}

ZnsStringW TableText(const Table& table) {
    ZnsStringW text;
    for (size_t c = 0; c < table.columns.size(); ++c) {
        const TableColumn& column = table.columns[c];
        text += column.name;
        text += zn::format("|%i", column.width > 0 ? column.width : kDefaultColumnWidth);
        text += c + 1 < table.columns.size() ? u'\t' : u'\n';
    }
    for (const auto& row : table.rows) {
        for (size_t c = 0; c < row.size(); ++c) {
            text += row[c];
            text += c + 1 < row.size() ? u'\t' : u'\n';
        }
        if (row.empty())
            text += u'\n';
    }
    return text;
}

} // namespace notebook
