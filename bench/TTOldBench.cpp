// The editing procedure of "TTOld" on a drawing whose technical conditions have 300 and
// 3,000 items, from its start to the placed columns: the editor dialog loads the text, the user presses OK, the items
// are resolved, the content is written back and the columns are filled again. The cost
// should grow linearly with the items (the fitted complexity is O(N)).
#include <benchmark/benchmark.h>

#include <filesystem>

#include "module/Exports.h"
#include "module/ModuleIds.h"
#include "platform/loader/Loader.h"
#include "platform/richedit/RichEditModel.h"
#include "platform/text/CodePage.h"
#include "platform/ui/ScriptedAgent.h"
#include "requirements/EditFlows.h"
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

void TTOld(benchmark::State& state) {
    const std::filesystem::path settings =
        std::filesystem::temp_directory_path() / "reqpad-bench-ttold-settings.xml";
    simhost::SimHost host(settings.string());
    host.NewDrawing({});
    entry("ZNSInit")();
    zn::ui::ScriptedAgent agent;
    zn::ui::UserAgent* previous = zn::ui::SetUserAgent(&agent);
    // The drawing's text, on its format and placed above the title block; each run edits it
    // as a sibling module's call does, with OK.
    ZnsArray<znsWorkID> formats;
    ZnsObjectFilter filter;
    filter.classes = {CLSID_ZnFormat};
    host.ObjManager().List(formats, filter);
    IZnObject* object = nullptr;
    host.ObjManager().Create(&object, CLSID_ZnTText);
    ZnPtr<IZnTText> text = ZnQuery<IZnTText>(object);
    object->Release();
    text->SetMode(kTTModeOldConditions);
    host.ObjManager().Append(text.get(), nullptr);
    text->SetFormat(formats.at(0));
    text->SetContent(items(int(state.range(0))), 0);
    text->Place(kTTPlaceAuto);
    for (auto _ : state) {
        agent.AddScript("click 1");
        znsWorkID id = text->GetId();
        OldFlow(id, kTTModeOldConditions, nullptr, 0, nullptr, znsWorkID::Null());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.SetComplexityN(state.range(0));
    zn::ui::SetUserAgent(previous);
    entry("ZNSUnInit")();
    std::filesystem::remove(settings);
}

} // namespace

BENCHMARK(TTOld)->Arg(300)->Arg(3000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

BENCHMARK_MAIN();
