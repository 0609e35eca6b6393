// The stored document under the rich-edit model: UTF-16 text with '\r' paragraph marks,
// character formats as runs of indices into a table of unique formats, and one paragraph
// format per paragraph. It knows nothing of selection, notifications or undo; every change is
// one Replace or format call that hands back what it overwrote.
#pragma once

#include <algorithm>
#include <string_view>

#include "platform/richedit/FormatTable.h"
#include "platform/richedit/GapText.h"
#include "platform/richedit/RichText.h"
#include "platform/richedit/RunPartition.h"

namespace zn::richedit {

class RichDocument {
public:
    RichDocument(const CharFormat& initialChar, const ParaFormat& initialPara);

    int Length() const { return m_text.Length(); }
    // The whole text as one string: a copy made after an edit. Readers of a few characters
    // use CharAt and TextRange instead.
    const ZnsStringW& Text() const { return m_text.Flat(); }
    char16_t CharAt(int position) const { return m_text[position]; }
    ZnsStringW TextRange(int start, int end) const { return m_text.Substr(start, end); }

    int ParagraphCount() const { return m_paragraphs.RunCount(); }
    int ParagraphOf(int position) const { return m_paragraphs.RunAt(position); }
    int ParagraphStart(int paragraph) const { return m_paragraphs.RunStart(paragraph); }
    // Position of the paragraph's mark, or the text length for the last paragraph.
    int ParagraphTextEnd(int paragraph) const;
    const ParaFormat& ParaFormatOf(int paragraph) const;

    // The character at `position` (the last character's format at the end, the empty
    // document's format when there is no text).
    const CharFormat& CharFormatAt(int position) const;
    // The formats of [start, end) with the mask reduced to what is uniform there; an empty
    // range gives the format at `start`.
    CharFormat UniformCharFormat(int start, int end) const;
    ParaFormat UniformParaFormat(int firstParagraph, int lastParagraph) const;
    bool AnyCharHas(int start, int end, uint32_t effect) const;

    // Calls visit(from, to, format) for each piece of [start, end) in one character format.
    template <class Visit> void ForEachRun(int start, int end, Visit&& visit) const {
        for (int run = m_chars.RunAt(start);
             run < m_chars.RunCount() && m_chars.RunStart(run) < end; ++run)
            visit(std::max(start, m_chars.RunStart(run)), std::min(end, m_chars.RunEnd(run)),
                  m_charFormats[m_chars.Value(run)]);
    }

    RichText Extract(int start, int end) const;
    // Replaces [start, end) by `with`. The paragraphs ended by marks of `with` take its
    // formats; with `applyLastParagraph` the paragraph holding the end of the inserted text
    // takes `with.paragraphs.back()` as well. Returns what was replaced.
    RichText Replace(int start, int end, const RichText& with, bool applyLastParagraph);
    // Whether applying `format` would change any character of [start, end) (any paragraph
    // of the range).
    bool ChangesCharFormat(int start, int end, const CharFormat& format) const;
    bool ChangesParaFormat(int firstParagraph, int lastParagraph, const ParaFormat& format) const;
    // Applies the masked fields of `format` to [start, end).
    void SetCharFormat(int start, int end, const CharFormat& format);
    void SetParaFormat(int firstParagraph, int lastParagraph, const ParaFormat& format);

    void Check() const;

private:
    GapText m_text;
    FormatTable<CharFormat> m_charFormats;
    FormatTable<ParaFormat> m_paraFormats;
    RunPartition m_chars;
    // One run per paragraph over [0, Length() + 1): each paragraph owns its mark, and the
    // last one a virtual end position, so an empty last paragraph still has a run.
    RunPartition m_paragraphs;
};

} // namespace zn::richedit
