// Update of a requirements object at a realistic size (300 items) and ten times that, in
// the reference host: the columns are derived again and every paragraph is measured at the
// column width by the host's text object. The rectangle is tall enough to hold the whole
// text, so every paragraph is measured; the cost should grow linearly with the number of
// paragraphs (items/s stays flat, and the fitted complexity is O(N)).
#include <benchmark/benchmark.h>

#include <filesystem>

#include "module/ModuleIds.h"
#include "platform/richedit/RichEditModel.h"
#include "platform/text/CodePage.h"
#include "requirements/ZnTText.h"
#include "simhost/SimHost.h"

namespace {

ZnsStringW items(int count) {
    ZnsStringW lines = u"Technical requirements";
    for (int i = 1; i <= count; ++i)
        lines +=
            zn::format("\n%i. Unspecified limit deviations of dimensions: holes H14, shafts h14, "
                       "others +-IT14/2; item %i of the requirements.",
                       i, i);
    zn::richedit::RichEditModel model;
    model.StreamInText(lines, false);
    ZnsStringW rtf = zn::ansiToWide(model.GetRtf());
    const size_t first = rtf.find(u"\\pard") + 5;
    rtf.insert(rtf.find(u"\\pard", first) + 5, u"\\znheader0");
    rtf.insert(first, u"\\znheader1");
    return rtf;
}

void Update(benchmark::State& state) {
    const std::filesystem::path settings =
        std::filesystem::temp_directory_path() / "reqpad-bench-settings.xml";
    simhost::SimHost host(settings.string());
    host.ObjManager().RegisterType(CLSID_ZnTText, &CZnTText::Factory, u"TText", 683, u"TText", 0);
    host.NewDrawing({});
    IZnObject* object = nullptr;
    host.ObjManager().Create(&object, CLSID_ZnTText);
    ZnPtr<IZnTText> text = ZnQuery<IZnTText>(object);
    object->Release();
    text->SetMode(kTTModeConditions);
    host.ObjManager().Append(text.get(), nullptr);
    text->SetContent(items(int(state.range(0))), 0);
    text->LayoutInRectangle({0, 1e7, 0}, {180, 0, 0}, 0, 0);
    text->SetPlaceKind(kTTPlaceRectangle);
    for (auto _ : state) {
        text->Update();
        benchmark::DoNotOptimize(text->GetColumnTextCount());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.SetComplexityN(state.range(0));
    std::filesystem::remove(settings);
}

} // namespace

BENCHMARK(Update)->Arg(300)->Arg(3000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

BENCHMARK_MAIN();
