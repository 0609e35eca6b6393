// Requirements RTF at a realistic size (2,000 paragraphs) and ten times that: reading into
// the rich-edit model, writing, cutting into paragraphs, gluing back, and typing one
// character in the middle. Each should grow linearly with the text; bytes/s and items/s
// (paragraphs, or edits for typing) are reported.
//
// The RTF reader and writer alone run on a document as an office suite writes it.
//
// `rtf_bench --write-sample=FILE [--paragraphs=N] [--office]` writes the generated document
// (our own dialect, or with --office the office suite's) and exits, so other tools can be
// timed on the same bytes (bench/unrtf_peer.sh).
#include <benchmark/benchmark.h>

#include <cstring>
#include <fstream>
#include <map>

#include "bench/OfficeRtfSample.h"
#include "platform/richedit/RichEditModel.h"
#include "platform/rtf/RtfReader.h"
#include "platform/rtf/RtfWriter.h"
#include "platform/text/CodePage.h"
#include "requirements/RtfContent.h"

using namespace zn::richedit;

namespace {

// Headers, then items with a bold protected prefix, Cyrillic text, a superscript and an
// occasional hidden item tag.
RichText requirementsText(int paragraphs) {
    CharFormat plain;
    plain.face = u"GOST type A";
    plain.charset = RUSSIAN_CHARSET;
    plain.pitchAndFamily = VARIABLE_PITCH | FF_SWISS;
    plain.effects = CFE_AUTOCOLOR;
    CharFormat prefix = plain;
    prefix.effects = CFE_BOLD | CFE_PROTECTED;
    prefix.color = RGB(0, 0, 128);
    CharFormat raised = plain;
    raised.height = 150;
    raised.offset = 88;
    CharFormat tag = plain;
    tag.effects |= CFE_HIDDEN;
    ParaFormat item;
    item.startIndent = 0;
    item.offset = 284;
    item.lineSpacingRule = 5;
    item.lineSpacing = 20;
    RichText text;
    text.append(u"Технические требования", plain);
    text.endParagraph(plain, ParaFormat());
    for (int i = 1; i < paragraphs; ++i) {
        text.append(zn::format("%i. ", i), prefix);
        if (i % 7 == 0)
            text.append(zn::format("*<iref id=\"%i\"/>", i), tag);
        text.append(u"Неуказанные предельные отклонения размеров: H14, h14, ±IT14/2; "
                    u"шероховатость не более Ra 6,3 мкм, допуск 10",
                    plain);
        text.append(u"-3", raised);
        if (i + 1 < paragraphs)
            text.endParagraph(plain, item);
    }
    text.paragraphs.back() = item;
    return text;
}

const std::string& sampleRtf(int paragraphs) {
    static std::map<int, std::string> cache;
    auto it = cache.find(paragraphs);
    if (it == cache.end())
        it = cache.emplace(paragraphs, zn::rtf::WriteToString(requirementsText(paragraphs), 1251))
                 .first;
    return it->second;
}

void report(benchmark::State& state, size_t bytes, int64_t items) {
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes));
    state.SetItemsProcessed(int64_t(state.iterations()) * items);
}

void BM_ReadRtfIntoModel(benchmark::State& state) {
    const std::string& rtf = sampleRtf(int(state.range(0)));
    for (auto _ : state) {
        RichEditModel model;
        benchmark::DoNotOptimize(model.StreamInRtf(rtf, false));
    }
    report(state, rtf.size(), state.range(0));
}

void BM_WriteRtfFromModel(benchmark::State& state) {
    const std::string& rtf = sampleRtf(int(state.range(0)));
    RichEditModel model;
    model.StreamInRtf(rtf, false);
    for (auto _ : state)
        benchmark::DoNotOptimize(model.GetRtf());
    report(state, rtf.size(), state.range(0));
}

const std::string& officeRtf(int paragraphs) {
    static std::map<int, std::string> cache;
    auto it = cache.find(paragraphs);
    if (it == cache.end())
        it = cache.emplace(paragraphs, OfficeRtfSample(paragraphs)).first;
    return it->second;
}

void BM_ReadOfficeRtf(benchmark::State& state) {
    const std::string& rtf = officeRtf(int(state.range(0)));
    for (auto _ : state) {
        RichText text;
        benchmark::DoNotOptimize(zn::rtf::Read(rtf, text));
    }
    report(state, rtf.size(), state.range(0));
}

// Bytes processed are those of the office suite's file the text was read from.
void BM_WriteOfficeRtf(benchmark::State& state) {
    const std::string& rtf = officeRtf(int(state.range(0)));
    RichText text;
    zn::rtf::Read(rtf, text);
    for (auto _ : state)
        benchmark::DoNotOptimize(zn::rtf::WriteToString(text, 1251));
    report(state, rtf.size(), state.range(0));
}

void BM_SplitRtfParagraphs(benchmark::State& state) {
    const ZnsStringW content = zn::ansiToWide(sampleRtf(int(state.range(0))));
    std::vector<ZnsStringW> pieces;
    for (auto _ : state)
        benchmark::DoNotOptimize(SplitRtfParagraphs(content, pieces, true));
    report(state, content.size(), state.range(0));
}

void BM_AppendRtfPieces(benchmark::State& state) {
    const ZnsStringW content = zn::ansiToWide(sampleRtf(int(state.range(0))));
    std::vector<ZnsStringW> pieces;
    SplitRtfParagraphs(content, pieces, true);
    for (auto _ : state) {
        ZnsStringW joined;
        for (const ZnsStringW& piece : pieces)
            AppendRtf(joined, piece);
        benchmark::DoNotOptimize(joined);
    }
    report(state, content.size(), state.range(0));
}

void BM_TypeInTheMiddle(benchmark::State& state) {
    RichEditModel model;
    model.StreamInRtf(sampleRtf(int(state.range(0))), false);
    const int middle = model.LineIndex(model.GetLineCount() / 2) + 10;
    for (auto _ : state) {
        model.SetSel(middle, middle);
        model.TypeText(u"ж");
        model.SetSel(middle, middle + 1);
        model.TypeText(u"");
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * 2);
}

} // namespace

BENCHMARK(BM_ReadRtfIntoModel)->Arg(2000)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteRtfFromModel)->Arg(2000)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadOfficeRtf)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteOfficeRtf)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SplitRtfParagraphs)->Arg(2000)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AppendRtfPieces)->Arg(2000)->Arg(20000)->Arg(200000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TypeInTheMiddle)->Arg(2000)->Arg(20000)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    const char* sample = nullptr;
    bool office = false;
    int paragraphs = 20000;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--write-sample=", 15) == 0)
            sample = argv[i] + 15;
        else if (std::strncmp(argv[i], "--paragraphs=", 13) == 0)
            paragraphs = std::atoi(argv[i] + 13);
        else if (std::strcmp(argv[i], "--office") == 0)
            office = true;
    }
    if (sample) {
        std::ofstream out(sample, std::ios::binary);
        out << (office ? officeRtf(paragraphs) : sampleRtf(paragraphs));
        return out ? 0 : 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
