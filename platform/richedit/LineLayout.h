// The lines of the headless control: every paragraph is broken into lines at the formatting
// rectangle's width in fixed cells (after a blank, or inside a word longer than a line), less
// its indents (the first line from the start indent, the others from the start indent plus
// the offset, both from the right indent), and hidden text takes no cell. Line starts are kept per paragraph relative to its start, so an
// edit re-wraps only the paragraphs it touched, and the running count of lines before each
// paragraph is brought up to date only as far as a query needs it.
#pragma once

#include <vector>

#include "platform/richedit/RichDocument.h"

namespace zn::richedit {

class LineLayout {
public:
    // `twipsPerCell`: how wide a cell is in the twips of paragraph indents.
    LineLayout(const RichDocument& doc, int twipsPerCell);

    // Cells per line; 0 (or less) keeps one line per paragraph.
    void SetWidth(int cells);
    int Width() const { return m_width; }

    // The document's paragraphs [first, oldLast] became [first, newLast].
    void ParagraphsReplaced(int first, int oldLast, int newLast);
    // The paragraphs' text kept its place but may show differently (hidden text).
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
    // Cells of indent before the line's first character.
    int Indent(int line) const;
    // Cells the visible characters of [start, end) take.
    int Cells(int start, int end) const;
    // The position of `line` nearest to `cells` cells from its start, not past its end (nor
    // onto the next line's first character).
    int PositionAtCell(int line, int cells) const;
    // Cells of the widest line, its indent included.
    int WidestLine() const;

    // Throws std::logic_error when the kept lines differ from a fresh layout.
    void Check() const;

private:
    struct Paragraph {
        std::vector<int> breaks; // starts of the lines after the first, from the paragraph start
        int widest = 0;          // cells
    };
    Paragraph wrap(int paragraph) const;
    // Indent cells of the paragraph's first line, of its further lines, and on the right.
    struct Indents {
        int first, further, right;
    };
    Indents indents(int paragraph) const;
    int lineCount(int paragraph) const { return int(m_paragraphs[size_t(paragraph)].breaks.size()) + 1; }
    // Brings the running line counts up to date up to `paragraph`.
    void countUpTo(int paragraph) const;
    // The paragraph holding `line` and the line's index inside it.
    std::pair<int, int> locate(int line) const;

    const RichDocument& m_doc;
    int m_twipsPerCell;
    int m_width = 0;
    std::vector<Paragraph> m_paragraphs;
    // Lines before each paragraph (one more entry: all lines), correct up to m_counted.
    mutable std::vector<int> m_firstLine;
    mutable int m_counted = 0;
};

} // namespace zn::richedit
