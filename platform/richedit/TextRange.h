// A range of a rich-edit model in the manner of the text object model: start and end that
// follow edits of the text, expansion to paragraphs, moving its ends by characters or
// paragraphs, collapsing, and its text, character format ("font") and paragraph format.
#pragma once

#include "platform/richedit/RichEditModel.h"

namespace zn::richedit {

enum class TextUnit { Character, Paragraph, Story };

class TextRange {
public:
    TextRange(RichEditModel& model, int start, int end);
    TextRange(const TextRange& other);
    TextRange& operator=(const TextRange& other);
    ~TextRange();

    int GetStart() const { return m_start; }
    int GetEnd() const { return m_end; }
    void SetStart(int position);
    void SetEnd(int position);
    void SetRange(int start, int end);
    // Collapses to the start (true) or the end (false).
    void Collapse(bool toStart);
    // Widens to whole units (a paragraph includes its mark); returns the characters added.
    int Expand(TextUnit unit);
    // Moves an end by `count` units (negative: backwards), stopping at the text's ends; the
    // other end follows when they would cross. Returns the units actually moved.
    int MoveStart(TextUnit unit, int count);
    int MoveEnd(TextUnit unit, int count);
    // Moves the collapsed range by `count` units.
    int Move(TextUnit unit, int count);

    ZnsStringW GetText() const;
    // Replaces the range's text (in the format at its start); the range then covers the new
    // text. False when the owner refused an edit of protected text.
    bool SetText(std::u16string_view text);
    CharFormat GetFont() const;
    bool SetFont(const CharFormat& format);
    ParaFormat GetPara() const;
    bool SetPara(const ParaFormat& format);
    // Makes the range the model's selection.
    void Select() const;

private:
    friend class RichEditModel;
    int UnitBoundary(TextUnit unit, int position, int direction) const;
    int MoveEndpoint(int& endpoint, TextUnit unit, int count);
    RichEditModel* m_model;
    int m_start;
    int m_end;
};

} // namespace zn::richedit
