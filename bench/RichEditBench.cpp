// The rich-edit model under the editor's load, at 2,000 paragraphs and ten times that: a
// format reset of the whole text (every item's number run and the text between them merge
// into one), a format change of every run, one keystroke in the middle of the text, and a
// run of keystrokes typed at one place. The
// control formats over a rectangle, so the lines wrap as they do in the editor. A reset
// should grow linearly with the runs, a keystroke hardly with the text.
#include <benchmark/benchmark.h>

#include "platform/richedit/RichEditModel.h"
#include "platform/text/ZnsString.h"

using namespace zn::richedit;

namespace {

// Items with a bold protected number run, as the editor formats them, over a rectangle of
// sixty cells.
void fillItems(RichEditModel& model, int paragraphs) {
    model.SetRect({4, 3, 4 + 60 * RichEditModel::kCellWidth, 400});
    ZnsStringW text;
    for (int i = 1; i <= paragraphs; ++i)
        text += zn::fromUtf8(zn::formatA("%i. Unspecified limit deviations of sizes H14, h14, "
                                         "IT14/2; roughness not above Ra 6.3\r",
                                         i));
    model.SetText(text);
    CharFormat number;
    number.mask = CFM_BOLD | CFM_PROTECTED;
    number.effects = CFE_BOLD | CFE_PROTECTED;
    for (int p = 0, start = 0; p < paragraphs; ++p) {
        model.SetCharFormat(start, int(text.find(u' ', size_t(start))) + 1, number);
        start = int(text.find(u'\r', size_t(start))) + 1;
    }
}

// The editor's reset before it formats the numbers again: every run becomes the default,
// so all of them merge into one.
void BM_FormatResetToDefault(benchmark::State& state) {
    CharFormat plain = RichEditModel().GetDefaultCharFormat();
    plain.mask = CFM_ALL;
    for (auto _ : state) {
        state.PauseTiming();
        RichEditModel model;
        fillItems(model, int(state.range(0)));
        state.ResumeTiming();
        model.SetCharFormat(0, model.GetTextLength(), plain);
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * state.range(0));
}

void BM_FormatToggleWholeText(benchmark::State& state) {
    RichEditModel model;
    fillItems(model, int(state.range(0)));
    // Italic on and off over everything: every run changes and the runs stay as many.
    CharFormat italic;
    italic.mask = CFM_ITALIC;
    italic.effects = CFE_ITALIC;
    CharFormat upright;
    upright.mask = CFM_ITALIC;
    for (auto _ : state) {
        model.SetCharFormat(0, model.GetTextLength(), italic);
        model.SetCharFormat(0, model.GetTextLength(), upright);
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * 2 * state.range(0));
}

void BM_KeystrokeInTheMiddle(benchmark::State& state) {
    RichEditModel model;
    fillItems(model, int(state.range(0)));
    const int middle = model.LineIndex(model.GetLineCount() / 2) + 10;
    for (auto _ : state) {
        model.SetSel(middle, middle);
        model.TypeText(u"x");
        model.SetSel(middle, middle + 1);
        model.TypeText(u"");
        benchmark::DoNotOptimize(model.GetLineCount());
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * 2);
}

void BM_TypingAtOnePlace(benchmark::State& state) {
    RichEditModel model;
    fillItems(model, int(state.range(0)));
    const int middle = model.LineIndex(model.GetLineCount() / 2) + 10;
    for (auto _ : state) {
        model.SetSel(middle, middle);
        for (int i = 0; i < 20; ++i) {
            model.TypeText(u"x");
            benchmark::DoNotOptimize(model.PosFromChar(model.GetSelEnd()));
        }
        state.PauseTiming();
        model.SetSel(middle, middle + 20);
        model.TypeText(u"");
        state.ResumeTiming();
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * 20);
}

} // namespace

BENCHMARK(BM_FormatResetToDefault)->Arg(2000)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FormatToggleWholeText)->Arg(2000)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KeystrokeInTheMiddle)->Arg(2000)->Arg(20000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TypingAtOnePlace)->Arg(2000)->Arg(20000)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
