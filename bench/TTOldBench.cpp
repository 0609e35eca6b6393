// "TTOld" run as a user runs it, on a drawing whose technical conditions have 300 and 3,000
// items, from the command to the placed columns: the command finds the text, the editor
// dialog loads it, the user presses OK, the items are resolved, the content is written back
// and the columns are filled again. The cost
// should grow linearly with the items (the fitted complexity is O(N)).
#include <benchmark/benchmark.h>

#include <filesystem>

#include "host/Services.h"
#include "module/Exports.h"
#include "module/ModuleIds.h"
#include "platform/loader/Loader.h"
#include "platform/richedit/RichEditModel.h"
#include "platform/text/CodePage.h"
#include "platform/ui/ScriptedAgent.h"
#include "requirements/ZnTText.h"
#include "simhost/SimHost.h"

namespace {

ZnsStringW items(int count) {
    ZnsStringW lines;
    for (int i = 1; i <= count; ++i)
        lines += zn::format("%s%i. Unspecified limit deviations of dimensions: holes H14, "
                            "shafts h14, others +-IT14/2; item %i of the requirements.",
                            i == 1 ? "" : "\n", i, i);
    zn::richedit::RichEditModel model;
    model.StreamInText(lines, false);
    return zn::ansiToWide(model.GetRtf());
}

ZnsInitFunction entry(const char* name) {
    return reinterpret_cast<ZnsInitFunction>(
        zn::loader::GetProcAddress(zn::loader::LoadLibraryW(u"ReqpadDll.dll"), name));
}

ZnPtr<IZnTText> newText(int count) {
    ZnPtr<IZnTText> text = ZnCreate<IZnTText>(CLSID_ZnTText);
    text->SetMode(kTTModeOldConditions);
    gpZnObjManager->Append(text.get(), nullptr);
    text->SetContent(items(count), 0);
    return text;
}

void TTOld(benchmark::State& state) {
    const std::filesystem::path settings =
        std::filesystem::temp_directory_path() / "reqpad-bench-ttold-settings.xml";
    simhost::SimHost host(settings.string());
    host.NewDrawing({});
    entry("ZNSInit")();
    zn::ui::ScriptedAgent agent;
    zn::ui::UserAgent* previous = zn::ui::SetUserAgent(&agent);
    // The drawing a draftsman has after two "TTOld" runs: the first text went above the title
    // block and took the format, the second was placed by two corners and has no format. A
    // text that carries a format is not what the command looks for (it passes none), so the
    // one each run finds and edits is the second, which holds the items.
    newText(1)->Place(kTTPlaceAuto);
    ZnPtr<IZnTText> text = newText(int(state.range(0)));
    agent.AddScript("point 40 280\npoint 200 40");
    text->Place(kTTPlaceRectangle);
    for (auto _ : state) {
        agent.AddScript("click 1");
        host.RunCommand(u"TTOld");
    }
    // A run that made a new text would have asked for its corners, which the script
    // does not give: the agent throws.
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.SetComplexityN(state.range(0));
    zn::ui::SetUserAgent(previous);
    entry("ZNSUnInit")();
    std::filesystem::remove(settings);
}

} // namespace

BENCHMARK(TTOld)->Arg(300)->Arg(3000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

BENCHMARK_MAIN();
