#include "tests/notebook/NotebookSeeds.h"

#include "notebook/ByteStream.h"
#include "notebook/NotebookFormat.h"

using namespace notebook;

namespace notebook_seeds {

namespace {

std::string le(std::int32_t v) {
    std::string out;
    ByteWriter(out).int32(v);
    return out;
}

std::string fixed(const std::string& text) {
    return le(std::int32_t(text.size() + 1)) + text + '\0';
}

} // namespace

std::vector<std::string> NotebookFiles() {
    NotebookImage image;
    NotebookFileItem root{u"Notebook", 1, 0x22, 1, 1, {}};
    NotebookFileItem partition{u"Partition", 2, 0x20, 1, 1, {}};
    partition.children.push_back({u"Page", 3, 0x2, 2, 2, {}});
    partition.children.push_back({u"Table", 4, 0, 3, 3, {}});
    root.children.push_back(partition);
    root.children.push_back({u"History", 5, 0, 4, 4, {}});
    root.children.push_back({u"Find result", 6, 0, 5, 5, {}});
    image.items.push_back(root);
    image.pages.emplace_back(3, NotebookPage{kTextPage, u"{\\rtf1\\ansi x\\par y}", 1, {2, 3}});
    image.pages.emplace_back(4, NotebookPage{kTablePage, u"A|93\tB|40\n1\t2\n", 0, {}});
    image.pages.emplace_back(5, NotebookPage{kHistory, u"", 0, {}});
    image.pages.emplace_back(6, NotebookPage{kFindResult, u"", 0, {}});
    image.viewState.selected = 3;
    image.viewState.expanded = {1, 2};
    std::string withoutHistory;
    WriteNotebookFile(image, withoutHistory);
    image.viewState.historyAndFindResult.emplace(NotebookPage{kHistory, u"{\\rtf1 h}", 0, {}},
                                                 NotebookPage{kFindResult, u"{\\rtf1 f}", 0, {}});
    std::string full;
    WriteNotebookFile(image, full);
    return {full, withoutHistory};
}

std::vector<std::string> OldTextFiles() {
    const std::string header = "Reqpad DataBase file. // Don't change data manually!.\r\n";
    return {header + "Steel //5\r\nAlloy //3\r\n// Data:\r\nSt 45Al1",
            header + "A //2\r\nno mark\r\nab"};
}

std::vector<std::string> OldTableFiles() {
    std::string table = fixed("Metric") + le(1) + le(2) + fixed("M6") + le(0) + le(1) + le(1) +
                        le(1) + std::string(60, 'x');
    return {le(1) + fixed("title") + le(1) + fixed("Threads") + le(0) + le(0) + le(0) + le(1) +
            table};
}

} // namespace notebook_seeds
