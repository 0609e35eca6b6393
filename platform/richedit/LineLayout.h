// The lines of the headless control: every paragraph is broken into lines at the formatting
// rectangle's width in fixed cells (after a blank, or inside a word longer than a line), less
// its indents (the first line from the start indent, the others from the start indent plus
// the offset, both from the right indent). Hidden text takes no cell; a tab reaches the
// paragraph's next tab stop. Lines are as tall as the paragraph's line spacing says, its last
// one also carries the space after it. Line starts are kept per paragraph relative to its
// start, so an edit re-wraps only the paragraphs it touched, and the running counts of lines
// and pixels before each paragraph are brought up to date only as far as a query needs them.
#pragma once

#include <utility>
#include <vector>

#include "platform/richedit/ParagraphMetrics.h"
#include "platform/richedit/RichDocument.h"

namespace zn::richedit {

class LineLayout {
public:
    LineLayout(const RichDocument& doc, const LayoutUnits& units);

    // Cells per line; 0 (or less) keeps one line per paragraph.
    void SetWidth(int cells);
    int Width() const { return m_width; }

    // The document's paragraphs [first, oldLast] became [first, newLast].
    void ParagraphsReplaced(int first, int oldLast, int newLast);
    // The paragraphs' text kept its place but may show differently (hidden text, format).
    void Rewrap(int first, int last);
    // The whole document was replaced.
    void Reset();

    int LineCount() const;
    // First position of `line` (0 <= line < LineCount()).
    int LineStart(int line) const;
    // Where the line's text ends: the next line's start, or the paragraph's mark (or the end
    // of the text) for the paragraph's last line.
    int LineEnd(int line) const;
    bool EndsParagraph(int line) const;
    int LineOf(int position) const;
    // Cells from the left margin to `position` on its line, the indent included.
    int Column(int position) const;
    // Cells the character at `position` takes where it stands (0 when hidden).
    int CharCells(int position) const;
    // The position of `line` nearest to `x` (in units of which a cell has `unitsPerCell`,
    // from the left margin), not past its end (nor onto the next line's first character).
    int PositionNear(int line, int x, int unitsPerCell) const;
    // Cells of the widest line, its indent included.
    int WidestLine() const;

    // Pixels from the text's top to the line's top; the line's height, with the space after
    // its paragraph when it is the paragraph's last; the line at `y` (clamped to the text);
    // and the whole text's height.
    int LineTop(int line) const;
    int LineHeight(int line) const;
    int LineAt(int y) const;
    int Height() const;

    // Throws std::logic_error when the kept lines differ from a fresh layout.
    void Check() const;

private:
    struct Paragraph {
        std::vector<int> breaks; // starts of the lines after the first, from the paragraph start
        int widest = 0;          // cells
        int lineHeight = 0;      // pixels
        int spaceAfter = 0;      // pixels
        bool operator==(const Paragraph&) const = default;
    };
    Paragraph wrap(int paragraph) const;
    ParagraphMetrics metrics(int paragraph) const;
    int lineCount(int paragraph) const {
        return int(m_paragraphs[size_t(paragraph)].breaks.size()) + 1;
    }
    int height(int paragraph) const;
    // Brings the running counts up to date up to `paragraph`.
    void countUpTo(int paragraph) const;
    // The paragraph holding `line` and the line's index inside it.
    std::pair<int, int> locate(int line) const;
    // The line of `paragraph` holding `position`, counted inside the paragraph.
    int indexOf(int paragraph, int position) const;
    // Calls visit(position, column, cells) for every visible character of the paragraph's
    // line `index` before `end`.
    template <class Visit> void walk(int paragraph, int index, int end, Visit&& visit) const;

    const RichDocument& m_doc;
    LayoutUnits m_units;
    int m_width = 0;
    std::vector<Paragraph> m_paragraphs;
    // Lines and pixels before each paragraph (one more entry: the whole text), correct up to
    // m_counted.
    mutable std::vector<int> m_firstLine;
    mutable std::vector<int> m_top;
    mutable int m_counted = 0;
};

} // namespace zn::richedit
