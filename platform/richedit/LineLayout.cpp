// Word wrap in fixed cells, paragraph by paragraph.
#include "platform/richedit/LineLayout.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace zn::richedit {

namespace {
bool isBlank(char16_t ch) {
    return ch == u' ' || ch == u'\t';
}
} // namespace

LineLayout::LineLayout(const RichDocument& doc, int twipsPerCell)
    : m_doc(doc), m_twipsPerCell(std::max(1, twipsPerCell)) {
    Reset();
}

void LineLayout::SetWidth(int cells) {
    cells = std::max(0, cells);
    if (cells == m_width)
        return;
    m_width = cells;
    Reset();
}

void LineLayout::Reset() {
    m_paragraphs.clear();
    for (int p = 0; p < m_doc.ParagraphCount(); ++p)
        m_paragraphs.push_back(wrap(p));
    m_firstLine.assign(m_paragraphs.size() + 1, 0);
    m_counted = 0;
}

void LineLayout::ParagraphsReplaced(int first, int oldLast, int newLast) {
    int linesBefore = 0;
    for (int p = first; p <= oldLast; ++p)
        linesBefore += lineCount(p);
    m_paragraphs.erase(m_paragraphs.begin() + first + 1, m_paragraphs.begin() + oldLast + 1);
    m_paragraphs.insert(m_paragraphs.begin() + first + 1, size_t(newLast - first), Paragraph{});
    int linesAfter = 0;
    for (int p = first; p <= newLast; ++p) {
        m_paragraphs[size_t(p)] = wrap(p);
        linesAfter += lineCount(p);
    }
    m_firstLine.resize(m_paragraphs.size() + 1);
    // A keystroke that keeps its paragraph's line count leaves every count behind it right.
    if (oldLast != first || newLast != first || linesBefore != linesAfter)
        m_counted = std::min(m_counted, first);
}

void LineLayout::Rewrap(int first, int last) {
    ParagraphsReplaced(first, last, last);
}

LineLayout::Indents LineLayout::indents(int paragraph) const {
    const ParaFormat& format = m_doc.ParaFormatOf(paragraph);
    auto cells = [&](int twips) { return std::max(0, twips) / m_twipsPerCell; };
    return {cells(format.startIndent), cells(format.startIndent + format.offset),
            cells(format.rightIndent)};
}

LineLayout::Paragraph LineLayout::wrap(int paragraph) const {
    Paragraph out;
    const Indents indent = indents(paragraph);
    // At least one character a line, however deep the indents.
    const int firstWidth = std::max(1, m_width - indent.first - indent.right);
    const int furtherWidth = std::max(1, m_width - indent.further - indent.right);
    const int start = m_doc.ParagraphStart(paragraph);
    const int end = m_doc.ParagraphTextEnd(paragraph);
    int cells = 0;          // on the current line
    int sinceBlank = 0;     // of those, after the last blank
    int afterBlank = -1;    // where the line may break: behind its last blank
    int lineStart = start;
    m_doc.ForEachRun(start, end, [&](int from, int to, const CharFormat& format) {
        if (format.effects & CFE_HIDDEN)
            return;
        for (int i = from; i < to; ++i) {
            if (isBlank(m_doc.CharAt(i))) {
                // Blanks hang past the margin; the line breaks behind them.
                ++cells;
                sinceBlank = 0;
                afterBlank = i + 1;
                continue;
            }
            const bool firstLine = out.breaks.empty();
            if (m_width > 0 && cells >= (firstLine ? firstWidth : furtherWidth)) {
                const bool atBlank = afterBlank > lineStart;
                const int next = atBlank ? afterBlank : i;
                out.widest = std::max(out.widest, (firstLine ? indent.first : indent.further) +
                                                      (atBlank ? cells - sinceBlank : cells));
                out.breaks.push_back(next - start);
                lineStart = next;
                cells = atBlank ? sinceBlank : 0;
                sinceBlank = cells;
                afterBlank = -1;
            }
            ++cells;
            ++sinceBlank;
        }
    });
    out.widest =
        std::max(out.widest, (out.breaks.empty() ? indent.first : indent.further) + cells);
    return out;
}

void LineLayout::countUpTo(int paragraph) const {
    for (; m_counted < paragraph; ++m_counted)
        m_firstLine[size_t(m_counted) + 1] = m_firstLine[size_t(m_counted)] + lineCount(m_counted);
}

int LineLayout::LineCount() const {
    countUpTo(int(m_paragraphs.size()));
    return m_firstLine.back();
}

std::pair<int, int> LineLayout::locate(int line) const {
    countUpTo(int(m_paragraphs.size()));
    const auto after = std::upper_bound(m_firstLine.begin(), m_firstLine.end() - 1, line);
    const int paragraph = std::max(0, int(after - m_firstLine.begin()) - 1);
    return {paragraph, line - m_firstLine[size_t(paragraph)]};
}

int LineLayout::LineStart(int line) const {
    const auto [paragraph, index] = locate(line);
    const int start = m_doc.ParagraphStart(paragraph);
    return index == 0 ? start : start + m_paragraphs[size_t(paragraph)].breaks[size_t(index) - 1];
}

int LineLayout::LineEnd(int line) const {
    const auto [paragraph, index] = locate(line);
    const std::vector<int>& breaks = m_paragraphs[size_t(paragraph)].breaks;
    return size_t(index) < breaks.size() ? m_doc.ParagraphStart(paragraph) + breaks[size_t(index)]
                                         : m_doc.ParagraphTextEnd(paragraph);
}

bool LineLayout::EndsParagraph(int line) const {
    const auto [paragraph, index] = locate(line);
    return size_t(index) == m_paragraphs[size_t(paragraph)].breaks.size();
}

int LineLayout::LineOf(int position) const {
    const int paragraph = m_doc.ParagraphOf(position);
    countUpTo(paragraph);
    const std::vector<int>& breaks = m_paragraphs[size_t(paragraph)].breaks;
    const int offset = position - m_doc.ParagraphStart(paragraph);
    return m_firstLine[size_t(paragraph)] +
           int(std::upper_bound(breaks.begin(), breaks.end(), offset) - breaks.begin());
}

int LineLayout::Indent(int line) const {
    const auto [paragraph, index] = locate(line);
    const Indents indent = indents(paragraph);
    return index == 0 ? indent.first : indent.further;
}

int LineLayout::Cells(int start, int end) const {
    int cells = 0;
    m_doc.ForEachRun(start, end, [&](int from, int to, const CharFormat& format) {
        if (!(format.effects & CFE_HIDDEN))
            cells += to - from;
    });
    return cells;
}

int LineLayout::PositionAtCell(int line, int cells) const {
    const int start = LineStart(line);
    // A wrapped line's end is the next line's first character: stop before it.
    const int last = EndsParagraph(line) ? LineEnd(line) : std::max(start, LineEnd(line) - 1);
    int position = start, counted = 0;
    m_doc.ForEachRun(start, last, [&](int from, int to, const CharFormat& format) {
        if (counted >= cells || (format.effects & CFE_HIDDEN))
            return;
        const int take = std::min(to - from, cells - counted);
        counted += take;
        position = from + take;
    });
    return counted >= cells ? position : last;
}

int LineLayout::WidestLine() const {
    int widest = 0;
    for (const Paragraph& paragraph : m_paragraphs)
        widest = std::max(widest, paragraph.widest);
    return widest;
}

void LineLayout::Check() const {
    auto fail = [](const std::string& what) { throw std::logic_error("LineLayout: " + what); };
    if (int(m_paragraphs.size()) != m_doc.ParagraphCount())
        fail("paragraph count " + std::to_string(m_paragraphs.size()) + " for " +
             std::to_string(m_doc.ParagraphCount()));
    int lines = 0;
    for (int p = 0; p < m_doc.ParagraphCount(); ++p) {
        const Paragraph fresh = wrap(p);
        if (fresh.breaks != m_paragraphs[size_t(p)].breaks ||
            fresh.widest != m_paragraphs[size_t(p)].widest)
            fail("paragraph " + std::to_string(p) + " is not wrapped as its text is");
        if (p < m_counted && m_firstLine[size_t(p) + 1] != lines + lineCount(p))
            fail("running line count wrong at paragraph " + std::to_string(p));
        lines += lineCount(p);
    }
    if (LineCount() != lines)
        fail("line count");
}

} // namespace zn::richedit
