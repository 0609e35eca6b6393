// Seeded random edits against the rich-edit model, checked after every step against a
// shadow that keeps one record per character and the model's own invariants.
#include <gtest/gtest.h>

#include <random>

#include "platform/richedit/RichEditModel.h"
#include "platform/richedit/TextRange.h"

using namespace zn::richedit;

namespace {

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
    ASSERT_NO_THROW(model.Check()) << "step " << step;
    const std::u16string& text = model.GetText();
    ASSERT_EQ(text.size(), shadow.cells.size()) << "step " << step;
    int paragraph = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        ASSERT_EQ(text[i], shadow.cells[i].ch) << "step " << step << " at " << i;
        ASSERT_EQ(model.Document().CharFormatAt(int(i)).effects & (CFE_BOLD | CFE_ITALIC),
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

TEST(RichEditStress, RandomEditsKeepRunsAndParagraphsConsistent) {
    for (unsigned seed : {1u, 7u, 2024u}) {
        std::mt19937 random(seed);
        auto pick = [&](int low, int high) {
            return std::uniform_int_distribution<int>(low, high)(random);
        };
        RichEditModel model;
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
                    text += pick(0, 5) == 0 ? u'\r' : char16_t(u'a' + pick(0, 25));
                if (length > 400)
                    text.clear(); // keep the text small so the shadow stays quick
                model.SetSel(start, end);
                model.ReplaceSel(text);
                shadow.replace(start, end, text);
            } else if (op <= 6) {
                const uint32_t mask = uint32_t(pick(1, 3));
                const uint32_t bits = uint32_t(pick(0, 3));
                CharFormat format;
                format.mask = mask;
                format.effects = bits;
                model.SetCharFormat(start, end, format);
                shadow.setEffects(start, end, mask, bits);
            } else if (op <= 8) {
                ParaFormat format;
                format.mask = PFM_STARTINDENT;
                format.startIndent = pick(0, 4) * 100;
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
