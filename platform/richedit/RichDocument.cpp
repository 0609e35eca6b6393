// The stored document: text, character runs and paragraph runs kept in step.
#include "platform/richedit/RichDocument.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace zn::richedit {

namespace {
CharFormat stored(CharFormat format) {
    format.mask = CFM_ALL;
    return format;
}
ParaFormat stored(ParaFormat format) {
    format.mask = PFM_ALL;
    return format;
}
} // namespace

RichDocument::RichDocument(const CharFormat& initialChar, const ParaFormat& initialPara)
    : m_chars(true, 0), m_paragraphs(false, 0) {
    m_charFormats.Intern(stored(initialChar));
    m_paraFormats.Intern(stored(initialPara));
    m_paragraphs.InsertIn(0, 1);
}

int RichDocument::ParagraphTextEnd(int paragraph) const {
    return m_paragraphs.RunEnd(paragraph) - 1;
}

const ParaFormat& RichDocument::ParaFormatOf(int paragraph) const {
    return m_paraFormats[m_paragraphs.Value(paragraph)];
}

const CharFormat& RichDocument::CharFormatAt(int position) const {
    const int clamped = std::clamp(position, 0, std::max(0, Length() - 1));
    return m_charFormats[m_chars.ValueAt(clamped)];
}

CharFormat RichDocument::UniformCharFormat(int start, int end) const {
    CharFormat result = CharFormatAt(start);
    result.mask = CFM_ALL;
    for (int run = m_chars.RunAt(start); run < m_chars.RunCount() && m_chars.RunStart(run) < end;
         ++run)
        result.keepUniform(m_charFormats[m_chars.Value(run)]);
    return result;
}

ParaFormat RichDocument::UniformParaFormat(int firstParagraph, int lastParagraph) const {
    ParaFormat result = ParaFormatOf(firstParagraph);
    result.mask = PFM_ALL;
    for (int p = firstParagraph + 1; p <= lastParagraph; ++p)
        result.keepUniform(ParaFormatOf(p));
    return result;
}

bool RichDocument::AnyCharHas(int start, int end, uint32_t effect) const {
    for (int run = m_chars.RunAt(start); run < m_chars.RunCount() && m_chars.RunStart(run) < end;
         ++run)
        if (m_charFormats[m_chars.Value(run)].effects & effect)
            return true;
    return false;
}

RichText RichDocument::Extract(int start, int end) const {
    RichText piece;
    for (int run = m_chars.RunAt(start); run < m_chars.RunCount() && m_chars.RunStart(run) < end;
         ++run) {
        const int from = std::max(start, m_chars.RunStart(run));
        const int to = std::min(end, m_chars.RunEnd(run));
        piece.append(m_text.Substr(from, to),
                     m_charFormats[m_chars.Value(run)]);
    }
    piece.paragraphs.clear();
    for (int p = ParagraphOf(start); p <= ParagraphOf(end); ++p)
        piece.paragraphs.push_back(ParaFormatOf(p));
    return piece;
}

RichText RichDocument::Replace(int start, int end, const RichText& with, bool applyLastParagraph) {
    RichText replaced = Extract(start, end);
    const int inserted = int(with.text.size());
    m_text.Replace(start, end, with.text);

    m_chars.Delete(start, end - start);
    m_chars.InsertAfter(start, inserted);
    std::vector<RunPartition::Piece> pieces;
    pieces.reserve(with.runs.size());
    for (const RichText::Run& run : with.runs)
        pieces.push_back({run.length, m_charFormats.Intern(stored(run.format))});
    m_chars.SetRuns(start, pieces);

    // A deletion that took marks leaves the paragraph holding `end` starting at `start`; it
    // joins the text before unless that text ends with a mark. It keeps its own format: its
    // mark is the one that survived.
    m_paragraphs.Delete(start, end - start);
    if (start > 0 && m_text[start - 1] != u'\r')
        m_paragraphs.JoinAt(start);
    m_paragraphs.InsertIn(start, inserted);
    size_t mark = 0;
    for (int i = 0; i < inserted; ++i) {
        if (with.text[size_t(i)] != u'\r')
            continue;
        const int next = m_paragraphs.SplitAt(start + i + 1);
        const ParaFormat& format =
            mark < with.paragraphs.size() ? with.paragraphs[mark] : ParaFormatOf(next);
        m_paragraphs.SetValue(next - 1, m_paraFormats.Intern(stored(format)));
        ++mark;
    }
    if (applyLastParagraph && !with.paragraphs.empty())
        m_paragraphs.SetValue(ParagraphOf(start + inserted),
                              m_paraFormats.Intern(stored(with.paragraphs.back())));
    return replaced;
}

bool RichDocument::ChangesCharFormat(int start, int end, const CharFormat& format) const {
    for (int run = m_chars.RunAt(start); run < m_chars.RunCount() && m_chars.RunStart(run) < end;
         ++run) {
        const CharFormat& now = m_charFormats[m_chars.Value(run)];
        CharFormat changed = now;
        changed.apply(format);
        if (!stored(changed).sameAs(now))
            return true;
    }
    return false;
}

bool RichDocument::ChangesParaFormat(int firstParagraph, int lastParagraph,
                                     const ParaFormat& format) const {
    for (int p = firstParagraph; p <= lastParagraph; ++p) {
        ParaFormat changed = ParaFormatOf(p);
        changed.apply(format);
        if (!stored(changed).sameAs(ParaFormatOf(p)))
            return true;
    }
    return false;
}

void RichDocument::SetCharFormat(int start, int end, const CharFormat& format) {
    // One new value per run touched, written back in one pass: a reset of the whole text
    // costs the runs once, not once per run.
    std::vector<RunPartition::Piece> pieces;
    for (int run = m_chars.RunAt(start); run < m_chars.RunCount() && m_chars.RunStart(run) < end;
         ++run) {
        CharFormat changed = m_charFormats[m_chars.Value(run)];
        changed.apply(format);
        pieces.push_back({std::min(end, m_chars.RunEnd(run)) - std::max(start, m_chars.RunStart(run)),
                          m_charFormats.Intern(stored(changed))});
    }
    m_chars.SetRuns(start, pieces);
}

void RichDocument::SetParaFormat(int firstParagraph, int lastParagraph, const ParaFormat& format) {
    for (int p = firstParagraph; p <= lastParagraph; ++p) {
        ParaFormat changed = ParaFormatOf(p);
        changed.apply(format);
        m_paragraphs.SetValue(p, m_paraFormats.Intern(stored(changed)));
    }
}

void RichDocument::Check() const {
    auto fail = [](const std::string& what) { throw std::logic_error("RichDocument: " + what); };
    m_text.Check();
    m_chars.Check();
    m_paragraphs.Check();
    if (m_chars.Length() != Length())
        fail("character runs do not cover the text");
    if (m_paragraphs.Length() != Length() + 1)
        fail("paragraph runs do not cover the text");
    for (int run = 0; run < m_chars.RunCount(); ++run)
        if (m_chars.Value(run) < 0 || m_chars.Value(run) >= m_charFormats.Size())
            fail("character format index out of the table");
    const ZnsStringW& text = m_text.Flat();
    const auto marks = std::count(text.begin(), text.end(), u'\r');
    if (marks + 1 != ParagraphCount())
        fail("paragraph count " + std::to_string(ParagraphCount()) + " for " +
             std::to_string(marks) + " marks");
    for (int p = 0; p < ParagraphCount(); ++p) {
        if (m_paragraphs.Value(p) < 0 || m_paragraphs.Value(p) >= m_paraFormats.Size())
            fail("paragraph format index out of the table");
        if (p + 1 < ParagraphCount() && m_text[ParagraphTextEnd(p)] != u'\r')
            fail("paragraph " + std::to_string(p) + " does not end with a mark");
    }
}

} // namespace zn::richedit
