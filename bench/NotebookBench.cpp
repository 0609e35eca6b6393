// Loading and saving notebook files of 1,000 and 10,000 pages of about 2 KB of RTF each,
// in partitions of 100 pages (bytes/s is the file's size over the time); Find All over them,
// and the window showing one page after another.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <map>
#include <memory>

#include "notebook/Notebook.h"
#include "notebook/NotebookDlg.h"
#include "notebook/NotebookSearch.h"
#include "notebook/PageText.h"
#include "platform/text/CodePage.h"
#include "resources/ModuleResources.h"

using namespace notebook;

namespace {

// About 2 KB of RTF: twenty numbered lines of Cyrillic and Latin text.
ZnsStringW pageText(int page) {
    ZnsStringW text;
    for (int line = 1; line <= 20; ++line)
        text += zn::format("%i. ", line) + u"Сталь 45 ГОСТ 1050-88, твёрдость 45...50 HRC, page " +
                zn::format("%i", page) + u"\r";
    return RtfOfPlainText(text);
}

void fill(CNotebookDoc& doc, int pages) {
    doc.NewNotebook(true);
    CNotebookTree& tree = doc.Pages();
    HTREEITEM partition = nullptr;
    for (int page = 0; page < pages; ++page) {
        if (page % 100 == 0)
            partition = tree.InsertTreeItem(zn::format("Partition %i", page / 100), tree.Root(),
                                            zn::ui::TVI_LAST, kPartition);
        HTREEITEM item = tree.InsertTreeItem(zn::format("Page %i", page), partition,
                                             zn::ui::TVI_LAST, kTextPage);
        tree.GetOwnPage(item)->text = pageText(page);
    }
}

// The files made, removed with their saved copies when the program ends.
struct MadeFiles {
    std::map<int, std::string> paths;
    ~MadeFiles() {
        for (const auto& [pages, path] : paths) {
            std::filesystem::remove(path);
            std::filesystem::remove(path + ".saved");
        }
    }
};

std::string notebookFile(int pages) {
    static MadeFiles made;
    std::string& path = made.paths[pages];
    if (path.empty()) {
        path = (std::filesystem::temp_directory_path() /
                ("reqpad-bench-" + std::to_string(pages) + ".ntb"))
                   .string();
        CNotebookDoc doc;
        fill(doc, pages);
        doc.SaveNotebook(zn::fromUtf8(path));
    }
    return path;
}

void setBytes(benchmark::State& state, const std::string& path) {
    state.SetBytesProcessed(std::int64_t(state.iterations()) *
                            std::int64_t(std::filesystem::file_size(path)));
}

void BM_LoadNotebook(benchmark::State& state) {
    zn::setSystemAnsiCodePageOverride(1251);
    const std::string path = notebookFile(int(state.range(0)));
    for (auto _ : state) {
        CNotebookDoc doc;
        benchmark::DoNotOptimize(doc.LoadNotebook(zn::fromUtf8(path), kOpen));
    }
    setBytes(state, path);
}

// Saving a loaded notebook: its pages came black from the file.
void BM_SaveNotebook(benchmark::State& state) {
    zn::setSystemAnsiCodePageOverride(1251);
    const std::string path = notebookFile(int(state.range(0)));
    CNotebookDoc doc;
    doc.LoadNotebook(zn::fromUtf8(path), kOpen);
    const ZnsStringW copy = zn::fromUtf8(path + ".saved");
    for (auto _ : state)
        benchmark::DoNotOptimize(doc.SaveNotebook(copy));
    setBytes(state, path);
}

// Saving pages that were all just written: each passes through the rich-edit model to
// become black.
void BM_SaveNewPages(benchmark::State& state) {
    zn::setSystemAnsiCodePageOverride(1251);
    const std::string path = notebookFile(int(state.range(0)));
    const ZnsStringW copy = zn::fromUtf8(path + ".saved");
    for (auto _ : state) {
        state.PauseTiming();
        auto doc = std::make_unique<CNotebookDoc>();
        fill(*doc, int(state.range(0)));
        state.ResumeTiming();
        benchmark::DoNotOptimize(doc->SaveNotebook(copy));
        state.PauseTiming();
        doc.reset();
        state.ResumeTiming();
    }
    setBytes(state, path);
}

// Find All over every partition for a phrase on one page in a thousand, whole words.
void BM_FindAll(benchmark::State& state) {
    zn::setSystemAnsiCodePageOverride(1251);
    const std::string path = notebookFile(int(state.range(0)));
    CNotebookDoc doc;
    doc.LoadNotebook(zn::fromUtf8(path), kOpen);
    for (auto _ : state) {
        CNotebookSearch search(doc.Pages());
        auto hits = search.FindAll(nullptr, u"page 777", kFindAllPartitions | kFindWholeWord);
        benchmark::DoNotOptimize(search.ResultText(hits));
    }
    state.SetItemsProcessed(std::int64_t(state.iterations()) * state.range(0));
}

// The user clicking through the pages of the notebook window: each selection finishes with
// the page's RTF loaded into the page view.
void BM_SelectPages(benchmark::State& state) {
    zn::setSystemAnsiCodePageOverride(1251);
    const std::string path = notebookFile(int(state.range(0)));
    res::ModuleResourceScope resources;
    CNotebook window;
    window.LoadNotebook(zn::fromUtf8(path), kOpen);
    if (!window.CreateModeless(nullptr)) {
        state.SkipWithError("the window did not open");
        return;
    }
    std::vector<HTREEITEM> pages;
    window.Pages().ForEachItem([&](HTREEITEM item, int) {
        if (window.Pages().PageType(item) == kTextPage)
            pages.push_back(item);
    });
    size_t next = 0;
    for (auto _ : state) {
        window.Pages().Tree().SelectItem(pages[next]);
        benchmark::DoNotOptimize(window.PageView().GetTextLength());
        next = (next + 1) % pages.size();
    }
    if (window.PageView().GetTextLength() == 0)
        state.SkipWithError("the page view stayed empty");
    window.DestroyWindow();
    state.SetItemsProcessed(std::int64_t(state.iterations()));
}

} // namespace

BENCHMARK(BM_SelectPages)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FindAll)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadNotebook)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveNotebook)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveNewPages)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
