// Seeded random edits against the rich-edit model, checked after every step against a
// shadow that keeps one record per character and the model's own invariants.
#include <gtest/gtest.h>

#include <random>

#include "platform/richedit/RichEditModel.h"
#include "platform/richedit/RunPartition.h"
#include "platform/richedit/TextRange.h"

using namespace zn::richedit;

namespace {

constexpr uint32_t kTracked = CFE_BOLD | CFE_ITALIC | CFE_HIDDEN;

// The simplest possible model of the same semantics.
struct Shadow {
    struct Cell {
        char16_t ch;
        uint32_t effects;
        int markIndent; // paragraph format carried by a mark
        bool operator==(const Cell&) const = default;
    };
    std::vector<Cell> cells;
    int lastIndent = 0;
    bool operator==(const Shadow&) const = default;

    int paragraphIndent(int position) const {
        for (size_t i = size_t(position); i < cells.size(); ++i)
            if (cells[i].ch == u'\r')
                return cells[i].markIndent;
        return lastIndent;
    }
    uint32_t insertionEffects(int start, int end) const {
        const int length = int(cells.size());
        if (length == 0)
            return 0;
        if (start < end)
            return cells[size_t(start)].effects;
        const bool paragraphStart = start == 0 || cells[size_t(start) - 1].ch == u'\r';
        if (paragraphStart && start < length && cells[size_t(start)].ch != u'\r')
            return cells[size_t(start)].effects;
        return cells[size_t(std::max(0, start - 1))].effects;
    }
    void replace(int start, int end, const std::u16string& text) {
        const uint32_t effects = insertionEffects(start, end);
        const int indent = paragraphIndent(start);
        cells.erase(cells.begin() + start, cells.begin() + end);
        std::vector<Cell> inserted;
        for (char16_t ch : text)
            inserted.push_back({ch, effects, indent});
        cells.insert(cells.begin() + start, inserted.begin(), inserted.end());
    }
    void setEffects(int start, int end, uint32_t mask, uint32_t bits) {
        for (int i = start; i < end; ++i)
            cells[size_t(i)].effects = (cells[size_t(i)].effects & ~mask) | (bits & mask);
    }
    void setIndent(int start, int end, int indent) {
        int last = end > start ? end - 1 : end;
        int from = start;
        while (from > 0 && cells[size_t(from) - 1].ch != u'\r')
            --from;
        for (int i = from; i < int(cells.size()); ++i) {
            if (cells[size_t(i)].ch == u'\r') {
                cells[size_t(i)].markIndent = indent;
                if (i >= last)
                    return;
            }
        }
        lastIndent = indent;
    }
};

void expectSame(const RichEditModel& model, const Shadow& shadow, int step) {
    try {
        model.Check();
    } catch (const std::logic_error& e) {
        FAIL() << "step " << step << ": " << e.what();
    }
    const std::u16string& text = model.GetText();
    ASSERT_EQ(text.size(), shadow.cells.size()) << "step " << step;
    int paragraph = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        ASSERT_EQ(text[i], shadow.cells[i].ch) << "step " << step << " at " << i;
        ASSERT_EQ(model.Document().CharFormatAt(int(i)).effects & kTracked,
                  shadow.cells[i].effects)
            << "step " << step << " at " << i;
        if (text[i] == u'\r') {
            ASSERT_EQ(model.Document().ParaFormatOf(paragraph).startIndent,
                      shadow.cells[i].markIndent)
                << "step " << step << " paragraph " << paragraph;
            ++paragraph;
        }
    }
    ASSERT_EQ(model.Document().ParaFormatOf(paragraph).startIndent, shadow.lastIndent)
        << "step " << step;
}

} // namespace

// Check() also compares the kept lines with a fresh layout: some seeds wrap at a narrow
// rectangle, with blanks and tabs to break at, hidden runs that take no cells and
// paragraphs of different line spacing.
TEST(RichEditStress, RandomEditsKeepRunsParagraphsAndLinesConsistent) {
    for (unsigned seed : {1u, 7u, 2024u, 99u}) {
        std::mt19937 random(seed);
        auto pick = [&](int low, int high) {
            return std::uniform_int_distribution<int>(low, high)(random);
        };
        RichEditModel model;
        if (seed % 2)
            model.SetRect({0, 0, int(seed % 5 + 3) * RichEditModel::kCellWidth, 100});
        Shadow shadow, beforeLast;
        bool canUndo = false;
        TextRange tracked(model, 0, 0);
        for (int step = 0; step < 1500; ++step) {
            const int length = model.GetTextLength();
            int start = pick(0, length), end = pick(0, length);
            if (start > end)
                std::swap(start, end);
            const int op = pick(0, 9);
            Shadow snapshot = shadow;
            if (op <= 3) {
                std::u16string text;
                for (int n = pick(0, 12); n > 0; --n)
                    text += pick(0, 5) == 0   ? u'\r'
                            : pick(0, 4) == 0 ? (pick(0, 1) ? u' ' : u'\t')
                                              : char16_t(u'a' + pick(0, 25));
                if (length > 400)
                    text.clear(); // keep the text small so the shadow stays quick
                model.SetSel(start, end);
                model.ReplaceSel(text);
                shadow.replace(start, end, text);
            } else if (op <= 6) {
                const uint32_t mask = uint32_t(pick(1, 3)) | (pick(0, 2) == 0 ? uint32_t(CFE_HIDDEN) : 0u);
                const uint32_t bits = uint32_t(pick(0, 3)) | (pick(0, 1) ? uint32_t(CFE_HIDDEN) : 0u);
                CharFormat format;
                format.mask = mask;
                format.effects = bits;
                model.SetCharFormat(start, end, format);
                shadow.setEffects(start, end, mask, bits);
            } else if (op <= 8) {
                ParaFormat format;
                // The spacing follows the indent, so the shadow sees every change.
                format.mask = PFM_STARTINDENT | PFM_LINESPACING;
                format.startIndent = pick(0, 4) * 100;
                format.lineSpacingRule = uint8_t(format.startIndent / 100 % 3);
                model.SetParaFormat(start, end, format);
                shadow.setIndent(start, end, format.startIndent);
            } else {
                ASSERT_EQ(model.CanUndo(), canUndo);
                if (!canUndo)
                    continue;
                model.Undo();
                std::swap(shadow, beforeLast);
                expectSame(model, shadow, step);
                continue;
            }
            // A call that changed nothing keeps the undo step it found.
            if (op > 3 && shadow == snapshot) {
                expectSame(model, shadow, step);
                continue;
            }
            beforeLast = std::move(snapshot);
            canUndo = true;
            expectSame(model, shadow, step);
            ASSERT_LE(tracked.GetEnd(), model.GetTextLength());
        }
    }
}

// The run partition alone, against one value per position: bursts of insertions at one place
// (the pending step) mixed with insertions elsewhere, deletions, splits, joins and rewrites of
// ranges, so the step is applied, moved back and dropped in every order.
TEST(RichEditStress, RunPartitionKeepsItsStartsThroughPendingSteps) {
    for (unsigned seed : {3u, 11u, 555u, 7u}) {
        std::mt19937 random(seed);
        auto pick = [&](int low, int high) {
            return std::uniform_int_distribution<int>(low, high)(random);
        };
        // Paragraphs keep equal neighbours apart, character formats join them.
        RunPartition runs(seed != 7u, 0);
        std::vector<int> shadow; // the value at each position
        int burstAt = 0;
        for (int step = 0; step < 4000; ++step) {
            const int length = int(shadow.size());
            const int op = pick(0, 9);
            if (op <= 4) {
                // Mostly typing at one place, sometimes somewhere else.
                if (pick(0, 5) == 0 || burstAt > length)
                    burstAt = pick(0, length);
                const int n = pick(1, 3);
                const bool after = pick(0, 1);
                int value = 0;
                if (length > 0) {
                    const int at = after ? std::max(0, burstAt - 1)
                                         : std::min(burstAt, length - 1);
                    value = shadow[size_t(at)];
                }
                if (after)
                    runs.InsertAfter(burstAt, n);
                else
                    runs.InsertIn(burstAt, n);
                shadow.insert(shadow.begin() + burstAt, size_t(n), value);
                burstAt += n;
            } else if (op <= 6 && length > 0) {
                const int at = pick(0, length - 1);
                // Now and then a long stretch across many runs, up to all of the text.
                const int n = pick(0, 9) == 0 ? pick(1, length - at)
                                              : pick(1, std::min(4, length - at));
                runs.Delete(at, n);
                shadow.erase(shadow.begin() + at, shadow.begin() + at + n);
            } else if (op <= 8 && length > 0) {
                int from = pick(0, length), to = pick(0, length);
                if (from > to)
                    std::swap(from, to);
                std::vector<RunPartition::Piece> pieces;
                for (int at = from; at < to;) {
                    const int n = std::min(to - at, pick(1, 5));
                    pieces.push_back({n, pick(0, 3)});
                    std::fill(shadow.begin() + at, shadow.begin() + at + n, pieces.back().value);
                    at += n;
                }
                runs.SetRuns(from, pieces);
            } else if (length > 0) {
                // A split inside a run and the join at the same place leave the values as
                // they were, but move runs while a step may be pending.
                const int at = pick(1, length);
                if (runs.RunStart(runs.RunAt(at)) != at) {
                    runs.SplitAt(at);
                    runs.JoinAt(at);
                }
            }
            try {
                runs.Check();
            } catch (const std::logic_error& e) {
                FAIL() << "seed " << seed << " step " << step << ": " << e.what();
            }
            ASSERT_EQ(runs.Length(), int(shadow.size())) << "step " << step;
            for (int at = 0; at < int(shadow.size()); ++at)
                ASSERT_EQ(runs.ValueAt(at), shadow[size_t(at)]) << "step " << step << " at " << at;
        }
    }
}
