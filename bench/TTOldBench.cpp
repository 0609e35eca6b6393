// "TTOld" run as a user runs it, on a drawing whose technical conditions have 300 and 3,000
// items, from the command to the placed columns: the command finds the text, the editor
// dialog loads it, the user presses OK, the items are resolved, the content is written back
// and the columns are filled again. The cost
// should grow linearly with the items (the fitted complexity is O(N)).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <map>

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

// EditOrPlace: attach the text, then place it automatically or from the given points.
constexpr std::int32_t kAttachAndPlace = 0x6;

ZnPtr<IZnTText> newText(int count) {
    ZnPtr<IZnTText> text = ZnCreate<IZnTText>(CLSID_ZnTText);
    text->SetMode(kTTModeOldConditions);
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
    // The drawing as a draftsman has it after a first text went above the title block (and
    // took the format) and a second was laid out in a rectangle (and has no format). The
    // command passes no format, so the text it finds, and each run edits, is the second,
    // which holds the items; a text that carries a format is not looked for. Storing the
    // edited content empties the column texts, so OK lays the text out again and, with no
    // frame of a format to go to, asks for two corners: the user picks a column in the
    // model space tall enough for every item.
    ZnPtr<IZnTText> onFormat = newText(1);
    onFormat->EditOrPlace(kAttachAndPlace, nullptr);
    const double top = 12.0 * double(state.range(0));
    ZnPtr<IZnTText> text = newText(int(state.range(0)));
    const std::map<ZnsStringW, ZNSVariant> corners{{u"pntStart", ZnsPoint3{40, top, 0}},
                                                   {u"pntEnd", ZnsPoint3{200, 0, 0}}};
    text->EditOrPlace(kAttachAndPlace, &corners);
    znsWorkID format;
    onFormat->GetFormat(format);
    if (format.IsNull())
        state.SkipWithError("the first text did not take the format");
    const std::string script = zn::toUtf8(zn::format("click 1\npoint 40 %g\npoint 200 0", top));
    for (auto _ : state) {
        agent.AddScript(script);
        host.RunCommand(u"TTOld");
    }
    // A run that made a new text, or a text that needed a second column, would ask for more
    // than the script gives: the agent throws.
    if (text->GetColumnCount() != 1 || text->GetColumnTextCount() != 1)
        state.SkipWithError("the items did not fit the picked column");
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.SetComplexityN(state.range(0));
    zn::ui::SetUserAgent(previous);
    entry("ZNSUnInit")();
    std::filesystem::remove(settings);
}

} // namespace

BENCHMARK(TTOld)->Arg(300)->Arg(3000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

BENCHMARK_MAIN();
