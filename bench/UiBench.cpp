// The window system at the sizes the notebook and the editor meet: a notebook tree of
// 500 pages (and ten times that) built, sorted and walked for its selection, a table of
// 200 rows edited in the grid, and a requirements text typed into the rich-edit window.
#include <benchmark/benchmark.h>

#include "host/controls/CGridCtrl.h"
#include "host/controls/CxFtEdit.h"
#include "host/controls/CxTreeCtrl.h"
#include "platform/ui/Input.h"

namespace {

using namespace zn::ui;

int byData(LPARAM a, LPARAM b, LPARAM) {
    return a < b ? -1 : a > b ? 1 : 0;
}

void TreeBuildSortAndSelect(benchmark::State& state) {
    const int pages = int(state.range(0));
    CWnd parent;
    parent.Create(u"Bench", u"", WS_POPUP, {0, 0, 800, 600}, nullptr, 0);
    for (auto _ : state) {
        CxTreeCtrl tree;
        tree.Create(u"SysTreeView32", u"", WS_CHILD | WS_VISIBLE, {0, 0, 200, 600}, &parent, 12050);
        HTREEITEM root = tree.InsertItem(u"Notebook");
        for (int partition = 0; partition < pages / 50; ++partition) {
            HTREEITEM folder = tree.InsertItem(zn::format("Partition %d", partition), root);
            for (int page = 0; page < 50; ++page) {
                HTREEITEM item = tree.InsertItem(zn::format("Page %d", (page * 37) % 50), folder);
                tree.SetItemData(item, std::uintptr_t((page * 37) % 50));
                if (page % 5 == 0)
                    tree.SetItemState(item, TVIS_SELECTED, TVIS_SELECTED);
            }
            tree.SortChildrenCB({folder, byData, 0});
        }
        tree.SortChildren(root);
        std::vector<HTREEITEM> selected;
        tree.GetSelectedItems(selected);
        benchmark::DoNotOptimize(selected.size());
    }
}
BENCHMARK(TreeBuildSortAndSelect)->Arg(500)->Arg(5000)->Unit(benchmark::kMillisecond);

void GridInsertAndDeleteRows(benchmark::State& state) {
    const int rows = int(state.range(0));
    CWnd parent;
    parent.Create(u"Bench", u"", WS_POPUP, {0, 0, 800, 600}, nullptr, 0);
    for (auto _ : state) {
        CGridCtrl grid;
        grid.Create({0, 0, 600, 400}, &parent, 32924);
        grid.SetColumnCount(6);
        grid.SetFixedRowCount(1);
        grid.SetFixedColumnCount(1);
        for (int row = 1; row <= rows; ++row) {
            int at = grid.InsertRow(zn::format("%d", row), row / 2 + 1);
            for (int col = 1; col < 6; ++col)
                grid.SetItemText(at, col, u"cell");
        }
        for (int row = 0; row < rows / 2; ++row)
            grid.DeleteRow(1);
        benchmark::DoNotOptimize(grid.GetRowCount());
    }
}
BENCHMARK(GridInsertAndDeleteRows)->Arg(200)->Arg(2000)->Unit(benchmark::kMillisecond);

void TypeIntoRichEdit(benchmark::State& state) {
    const int items = int(state.range(0));
    CWnd parent;
    parent.Create(u"Bench", u"", WS_POPUP | WS_VISIBLE, {0, 0, 800, 600}, nullptr, 0);
    for (auto _ : state) {
        CxFtEdit edit;
        edit.Create(WS_VISIBLE | ES_MULTILINE | ES_WANTRETURN, {0, 0, 600, 400}, &parent, 12014);
        edit.SetFocus();
        for (int item = 1; item <= items; ++item) {
            TypeText(zn::format("%d. Surface roughness of item %d", item, item));
            KeyPress(VK_RETURN);
        }
        benchmark::DoNotOptimize(edit.GetTextLength());
    }
}
BENCHMARK(TypeIntoRichEdit)->Arg(200)->Arg(2000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
