// The old table notebook: a version, a title, then partitions, each an item record
// followed by its tables' item records. An item record holds a name and a grid of cells,
// then a flag that announces a block of fixed-size records this system does not use.
#include "notebook/ByteStream.h"
#include "notebook/OldNotebooks.h"
#include "platform/text/CodePage.h"

namespace notebook {

namespace {

struct Damaged {};

std::size_t count(ByteReader& in) {
    std::int32_t n = in.int32();
    if (n < 0)
        throw Damaged{};
    return std::size_t(n);
}

// N bytes of which the last is taken for a 0 whatever it holds.
ZnsStringW fixedString(ByteReader& in) {
    std::string_view bytes = in.take(count(in));
    if (!bytes.empty())
        bytes.remove_suffix(1);
    return zn::ansiToWide(bytes.substr(0, bytes.find('\0')));
}

struct OldItem {
    ZnsStringW name;
    ZnsStringW tableText;
};

OldItem readItem(ByteReader& in) {
    OldItem item;
    item.name = fixedString(in);
    std::size_t rows = count(in);
    std::size_t columns = count(in);
    // Rows without columns hold nothing a writer would have written.
    if (rows > 0 && columns == 0)
        throw Damaged{};
    // Every cell takes at least its length: more cells than bytes is a truncated file.
    if (columns != 0 && rows > in.remaining() / 4 / columns)
        throw Truncated{in.position()};
    if (rows > 0) {
        item.tableText.append(columns > 0 ? columns - 1 : 0, u'\t');
        item.tableText += u'\n';
    }
    for (std::size_t r = 0; r < rows; ++r) {
        for (std::size_t c = 0; c < columns; ++c) {
            if (c > 0)
                item.tableText += u'\t';
            item.tableText += fixedString(in);
        }
        item.tableText += u'\n';
    }
    if (in.int32() != 0 && in.int32() == 1) {
        std::size_t blocks = count(in);
        if (blocks > in.remaining() / 60)
            throw Truncated{in.position()};
        in.skip(blocks * 60);
    }
    return item;
}

} // namespace

OldTableNotebook ReadOldTableNotebook(std::string_view bytes) {
    OldTableNotebook result;
    ByteReader in(bytes);
    try {
        if (in.int32() != 1) {
            result.status = OldTableNotebook::WrongVersion;
            return result;
        }
        fixedString(in); // the title
        std::size_t partitions = count(in);
        for (std::size_t p = 0; p < partitions; ++p) {
            OldTablePartition partition;
            partition.name = readItem(in).name;
            std::size_t tables = count(in);
            for (std::size_t t = 0; t < tables; ++t) {
                OldItem table = readItem(in);
                partition.tables.emplace_back(std::move(table.name), std::move(table.tableText));
            }
            result.partitions.push_back(std::move(partition));
        }
    } catch (const Truncated&) {
        result.status = OldTableNotebook::Truncated;
    } catch (const Damaged&) {
        result.status = OldTableNotebook::Damaged;
    }
    if (result.status != OldTableNotebook::Ok)
        result.partitions.clear();
    return result;
}

} // namespace notebook
