// The editor control at the sizes a requirements text reaches: a keystroke (with the
// renumbering that follows it) at the end and at the start of 2,000 and 20,000 items, a new
// item at the top of 2,000, and whole content in and out of 2,000 items.
#include <benchmark/benchmark.h>

#include "bench/EditorItems.h"
#include "editor/Reqpad.h"
#include "resources/ModuleResources.h"

namespace {

using namespace zn::ui;

class Editor {
public:
    explicit Editor(int count) {
        m_owner.Create(u"Bench", u"", WS_POPUP, {0, 0, 800, 600}, nullptr, 0);
        m_pad.Create(WS_VISIBLE, {0, 0, 700, 500}, &m_owner, 12014);
        m_pad.InitControl();
        m_pad.SetContent(EditorBenchItems(count), editor::kContentPlain);
    }
    editor::CReqpad& pad() { return m_pad; }

private:
    res::ModuleResourceScope m_resources;
    CWnd m_owner;
    editor::CReqpad m_pad;
};

// One typed character and one Backspace, so the text stays the same size.
void typeAndErase(editor::CReqpad& pad, int position) {
    pad.SetSel(position, position);
    pad.SendMessage(WM_CHAR, 'x', 0);
    pad.SendMessage(WM_KEYDOWN, VK_BACK, 0);
}

void KeystrokeAtEnd(benchmark::State& state) {
    Editor editor(int(state.range(0)));
    for (auto _ : state)
        typeAndErase(editor.pad(), editor.pad().GetTextLength());
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(KeystrokeAtEnd)->Arg(2000)->Arg(20000)->Unit(benchmark::kMicrosecond);

void KeystrokeAtStart(benchmark::State& state) {
    Editor editor(int(state.range(0)));
    int firstItemText = int(editor.pad().GetText().find(u"1. ")) + 3;
    for (auto _ : state)
        typeAndErase(editor.pad(), firstItemText);
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(KeystrokeAtStart)->Arg(2000)->Arg(20000)->Unit(benchmark::kMicrosecond);

void AddItemAtTop(benchmark::State& state) {
    Editor editor(int(state.range(0)));
    editor::CReqpad& pad = editor.pad();
    int firstItemText = int(pad.GetText().find(u"1. ")) + 3;
    for (auto _ : state) {
        pad.SetSel(firstItemText, firstItemText);
        pad.AddItem();
        state.PauseTiming();
        pad.DeleteItems();
        state.ResumeTiming();
    }
}
BENCHMARK(AddItemAtTop)->Arg(2000)->Unit(benchmark::kMillisecond);

void SetContentRtf(benchmark::State& state) {
    Editor editor(int(state.range(0)));
    ZnsStringW rtf;
    editor.pad().GetContent(rtf, editor::kContentRtf);
    for (auto _ : state)
        editor.pad().SetContent(rtf, editor::kContentRtf);
}
BENCHMARK(SetContentRtf)->Arg(2000)->Unit(benchmark::kMillisecond);

void GetContentRtf(benchmark::State& state) {
    Editor editor(int(state.range(0)));
    for (auto _ : state) {
        ZnsStringW rtf;
        editor.pad().GetContent(rtf, editor::kContentRtf);
        benchmark::DoNotOptimize(rtf.size());
    }
}
BENCHMARK(GetContentRtf)->Arg(2000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
