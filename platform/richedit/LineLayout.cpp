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

LayoutUnits valid(LayoutUnits units) {
    units.twipsPerCell = std::max(1, units.twipsPerCell);
    units.twipsPerPixel = std::max(1, units.twipsPerPixel);
    units.lineHeight = std::max(1, units.lineHeight);
    return units;
}
} // namespace

LineLayout::LineLayout(const RichDocument& doc, const LayoutUnits& units)
    : m_doc(doc), m_units(valid(units)) {
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
    m_top.assign(m_paragraphs.size() + 1, 0);
    m_counted = 0;
}

void LineLayout::ParagraphsReplaced(int first, int oldLast, int newLast) {
    int linesBefore = 0, heightBefore = 0;
    for (int p = first; p <= oldLast; ++p) {
        linesBefore += lineCount(p);
        heightBefore += height(p);
    }
    m_paragraphs.erase(m_paragraphs.begin() + first + 1, m_paragraphs.begin() + oldLast + 1);
    m_paragraphs.insert(m_paragraphs.begin() + first + 1, size_t(newLast - first), Paragraph{});
    int linesAfter = 0, heightAfter = 0;
    for (int p = first; p <= newLast; ++p) {
        m_paragraphs[size_t(p)] = wrap(p);
        linesAfter += lineCount(p);
        heightAfter += height(p);
    }
    m_firstLine.resize(m_paragraphs.size() + 1);
    m_top.resize(m_paragraphs.size() + 1);
    // A keystroke that keeps its paragraph's lines leaves every count behind it right.
    if (oldLast != first || newLast != first || linesBefore != linesAfter ||
        heightBefore != heightAfter)
        m_counted = std::min(m_counted, first);
}

void LineLayout::Rewrap(int first, int last) {
    ParagraphsReplaced(first, last, last);
}

ParagraphMetrics LineLayout::metrics(int paragraph) const {
    return ParagraphMetrics(m_doc.ParaFormatOf(paragraph), m_units);
}

int LineLayout::height(int paragraph) const {
    const Paragraph& p = m_paragraphs[size_t(paragraph)];
    return lineCount(paragraph) * p.lineHeight + p.spaceAfter;
}

LineLayout::Paragraph LineLayout::wrap(int paragraph) const {
    Paragraph out;
    const ParagraphMetrics format = metrics(paragraph);
    out.lineHeight = format.LineHeight();
    out.spaceAfter = format.SpaceAfter();
    // At least one character a line, however deep the indents.
    const int firstWidth = std::max(1, m_width - format.FirstIndent() - format.RightIndent());
    const int furtherWidth = std::max(1, m_width - format.FurtherIndent() - format.RightIndent());
    const int start = m_doc.ParagraphStart(paragraph);
    const int end = m_doc.ParagraphTextEnd(paragraph);
    int indent = format.FirstIndent();
    int cells = 0;       // on the current line
    int sinceBlank = 0;  // of those, after the last blank
    int afterBlank = -1; // where the line may break: behind its last blank
    int lineStart = start;
    m_doc.ForEachRun(start, end, [&](int from, int to, const CharFormat& charFormat) {
        if (charFormat.effects & CFE_HIDDEN)
            return;
        for (int i = from; i < to; ++i) {
            const char16_t ch = m_doc.CharAt(i);
            if (isBlank(ch)) {
                // Blanks hang past the margin; the line breaks behind them.
                cells += ch == u'\t' ? format.TabWidth(indent + cells) : 1;
                sinceBlank = 0;
                afterBlank = i + 1;
                continue;
            }
            const bool firstLine = out.breaks.empty();
            if (m_width > 0 && cells >= (firstLine ? firstWidth : furtherWidth)) {
                const bool atBlank = afterBlank > lineStart;
                const int next = atBlank ? afterBlank : i;
                out.widest = std::max(out.widest, indent + (atBlank ? cells - sinceBlank : cells));
                out.breaks.push_back(next - start);
                lineStart = next;
                indent = format.FurtherIndent();
                // What follows the last blank is one cell a character: it holds no tab.
                cells = atBlank ? sinceBlank : 0;
                sinceBlank = cells;
                afterBlank = -1;
            }
            ++cells;
            ++sinceBlank;
        }
    });
    out.widest = std::max(out.widest, indent + cells);
    return out;
}

void LineLayout::countUpTo(int paragraph) const {
    for (; m_counted < paragraph; ++m_counted) {
        const size_t p = size_t(m_counted);
        m_firstLine[p + 1] = m_firstLine[p] + lineCount(m_counted);
        m_top[p + 1] = m_top[p] + height(m_counted);
    }
}

int LineLayout::LineCount() const {
    countUpTo(int(m_paragraphs.size()));
    return m_firstLine.back();
}

int LineLayout::Height() const {
    countUpTo(int(m_paragraphs.size()));
    return m_top.back();
}

std::pair<int, int> LineLayout::locate(int line) const {
    countUpTo(int(m_paragraphs.size()));
    const auto after = std::upper_bound(m_firstLine.begin(), m_firstLine.end() - 1, line);
    const int paragraph = std::max(0, int(after - m_firstLine.begin()) - 1);
    return {paragraph, line - m_firstLine[size_t(paragraph)]};
}

int LineLayout::indexOf(int paragraph, int position) const {
    const std::vector<int>& breaks = m_paragraphs[size_t(paragraph)].breaks;
    const int offset = position - m_doc.ParagraphStart(paragraph);
    return int(std::upper_bound(breaks.begin(), breaks.end(), offset) - breaks.begin());
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
    return m_firstLine[size_t(paragraph)] + indexOf(paragraph, position);
}

int LineLayout::LineTop(int line) const {
    const auto [paragraph, index] = locate(line);
    return m_top[size_t(paragraph)] + index * m_paragraphs[size_t(paragraph)].lineHeight;
}

int LineLayout::LineHeight(int line) const {
    const auto [paragraph, index] = locate(line);
    const Paragraph& p = m_paragraphs[size_t(paragraph)];
    return p.lineHeight + (index + 1 == lineCount(paragraph) ? p.spaceAfter : 0);
}

int LineLayout::LineAt(int y) const {
    countUpTo(int(m_paragraphs.size()));
    const auto after = std::upper_bound(m_top.begin(), m_top.end() - 1, y);
    const int paragraph = std::max(0, int(after - m_top.begin()) - 1);
    const int inside = std::max(0, y - m_top[size_t(paragraph)]);
    const int index =
        std::min(inside / m_paragraphs[size_t(paragraph)].lineHeight, lineCount(paragraph) - 1);
    return m_firstLine[size_t(paragraph)] + index;
}

template <class Visit>
void LineLayout::walk(int paragraph, int index, int end, Visit&& visit) const {
    const ParagraphMetrics format = metrics(paragraph);
    const std::vector<int>& breaks = m_paragraphs[size_t(paragraph)].breaks;
    const int start =
        m_doc.ParagraphStart(paragraph) + (index == 0 ? 0 : breaks[size_t(index) - 1]);
    int column = index == 0 ? format.FirstIndent() : format.FurtherIndent();
    m_doc.ForEachRun(start, end, [&](int from, int to, const CharFormat& charFormat) {
        if (charFormat.effects & CFE_HIDDEN)
            return;
        for (int i = from; i < to; ++i) {
            const int cells = m_doc.CharAt(i) == u'\t' ? format.TabWidth(column) : 1;
            visit(i, column, cells);
            column += cells;
        }
    });
}

int LineLayout::Column(int position) const {
    const int paragraph = m_doc.ParagraphOf(position);
    const int index = indexOf(paragraph, position);
    const ParagraphMetrics format = metrics(paragraph);
    int column = index == 0 ? format.FirstIndent() : format.FurtherIndent();
    walk(paragraph, index, position, [&](int, int at, int cells) { column = at + cells; });
    return column;
}

int LineLayout::CharCells(int position) const {
    if (position >= m_doc.Length())
        return 0;
    const int paragraph = m_doc.ParagraphOf(position);
    int width = 0;
    walk(paragraph, indexOf(paragraph, position), position + 1, [&](int at, int, int cells) {
        if (at == position)
            width = cells;
    });
    return width;
}

int LineLayout::PositionNear(int line, int x, int unitsPerCell) const {
    const auto [paragraph, index] = locate(line);
    const int start = LineStart(line);
    // A wrapped line's end is the next line's first character: stop before it.
    const int last = EndsParagraph(line) ? LineEnd(line) : std::max(start, LineEnd(line) - 1);
    // The boundary nearest to x: before a character when x lies in its left half.
    int before = start;
    bool found = false;
    walk(paragraph, index, last, [&](int at, int column, int cells) {
        if (found)
            return;
        if (2 * x < (2 * column + cells) * unitsPerCell)
            found = true;
        else
            before = at + 1;
    });
    return found ? before : last;
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
    int lines = 0, top = 0;
    for (int p = 0; p < m_doc.ParagraphCount(); ++p) {
        if (!(wrap(p) == m_paragraphs[size_t(p)]))
            fail("paragraph " + std::to_string(p) + " is not laid out as its text is");
        if (p < m_counted && (m_firstLine[size_t(p) + 1] != lines + lineCount(p) ||
                              m_top[size_t(p) + 1] != top + height(p)))
            fail("running counts wrong at paragraph " + std::to_string(p));
        lines += lineCount(p);
        top += height(p);
    }
    if (LineCount() != lines || Height() != top)
        fail("line count or height");
}

} // namespace zn::richedit
