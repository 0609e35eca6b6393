// One-shot evaluation as the calculator does it (a parser per formula) against muparser
// in its best case (one parser reused, SetExpr then Eval), side by side in one binary.
#include <benchmark/benchmark.h>
#include <muParser.h>

#include "bench/CalcFormulas.h"
#include "calculator/CalcEngine.h"
#include "calculator/FormulaParser.h"

namespace {

std::vector<ZnsStringW> wideFormulas() {
    std::vector<ZnsStringW> out;
    for (const char* f : kCalcFormulas)
        out.push_back(zn::fromUtf8(f));
    return out;
}

void OneShotEvaluation(benchmark::State& state) {
    const std::vector<ZnsStringW> formulas = wideFormulas();
    for (auto _ : state) {
        for (const ZnsStringW& formula : formulas) {
            CFormulaParser parser;
            int position = 0;
            ZnsStringW message;
            benchmark::DoNotOptimize(parser.Calculate(formula, 0.0, position, message, true));
        }
    }
    state.SetItemsProcessed(int64_t(state.iterations() * formulas.size()));
}
BENCHMARK(OneShotEvaluation);

void MuparserReused(benchmark::State& state) {
    mu::Parser parser;
    for (auto _ : state) {
        for (const char* formula : kCalcFormulas) {
            parser.SetExpr(formula);
            benchmark::DoNotOptimize(parser.Eval());
        }
    }
    state.SetItemsProcessed(int64_t(state.iterations() * std::size(kCalcFormulas)));
}
BENCHMARK(MuparserReused);

void ParserConstruction(benchmark::State& state) {
    for (auto _ : state) {
        CFormulaParser parser;
        benchmark::DoNotOptimize(&parser);
    }
}
BENCHMARK(ParserConstruction);

// What one "=" of the calculator costs: evaluate, then format for the display.
void ExpressionModeEquals(benchmark::State& state) {
    const std::vector<ZnsStringW> formulas = wideFormulas();
    CCalcEngine engine;
    engine.SetExpressionMode(true);
    for (auto _ : state) {
        for (const ZnsStringW& formula : formulas) {
            engine.SetExpressionText(formula);
            engine.Press(CalcKey::Equals);
            benchmark::DoNotOptimize(engine.ExpressionResult().data());
        }
    }
    state.SetItemsProcessed(int64_t(state.iterations() * formulas.size()));
}
BENCHMARK(ExpressionModeEquals);

// Work grows with the formula: a long sum at realistic and ten-times-realistic length.
void LongFormula(benchmark::State& state) {
    ZnsStringW formula = u"1.5";
    for (int64_t i = 0; i < state.range(0); ++i)
        formula += u"+(2.25*3)/4";
    for (auto _ : state) {
        CFormulaParser parser;
        int position = 0;
        ZnsStringW message;
        benchmark::DoNotOptimize(parser.Calculate(formula, 0.0, position, message, true));
    }
    state.SetBytesProcessed(int64_t(state.iterations() * formula.size() * 2));
}
BENCHMARK(LongFormula)->Arg(10)->Arg(100);

} // namespace

BENCHMARK_MAIN();
