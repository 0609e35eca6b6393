// Readers of the two notebook formats that came before the notebook file: the old text
// notebook ("tt.dat", "td.dat": a header line, an index of names and byte counts, then
// the texts) and the old table notebook (binary partitions of tables). Both only parse;
// the notebook puts what they found into its tree.
#pragma once

#include <string_view>
#include <utility>
#include <vector>

#include "platform/text/ZnsString.h"

namespace notebook {

struct OldTextNotebook {
    enum Status {
        Ok,
        NotOldText, // the first line is none of the accepted headers
        ReadError,  // an index count or a text that cannot be read
    };
    Status status = Ok;
    std::vector<std::pair<ZnsStringW, ZnsStringW>> pages; // name and text, in index order
};

// Lines and texts are bytes of the system ANSI code page; `headers` are the accepted first
// lines, compared exactly.
OldTextNotebook ReadOldTextNotebook(std::string_view bytes, const std::vector<ZnsStringW>& headers);

struct OldTablePartition {
    ZnsStringW name;
    std::vector<std::pair<ZnsStringW, ZnsStringW>> tables; // name and table text
};

struct OldTableNotebook {
    enum Status {
        Ok,
        WrongVersion,
        Truncated,
        Damaged,
    };
    Status status = Ok;
    std::vector<OldTablePartition> partitions;
};

OldTableNotebook ReadOldTableNotebook(std::string_view bytes);

} // namespace notebook
