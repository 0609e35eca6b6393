// The headless rich-edit control: a RichDocument with a selection, replace-selection, masked
// character and paragraph formats, lines (one per paragraph), find, the modification flag,
// read-only mode, the event mask with owner notifications (change, selection change,
// refusable protected-text edits), a one-step undo of the last operation, RTF and Unicode
// streaming, fixed-cell metrics at 96 dpi (tabs to their stops, lines as tall as their
// paragraph's spacing) and a scroll position over them. Controls of the module
// derive from it and override the notification handlers; a window wraps it to give it messages.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/richedit/LineLayout.h"
#include "platform/richedit/RichDocument.h"
#include "platform/richedit/RichEditOwner.h"
#include "platform/rtf/RtfReader.h"
#include "platform/rtf/RtfSink.h"

namespace zn::richedit {

class TextRange;

// Find flags (the platform's values); the search always runs forward.
enum : uint32_t { FR_DOWN = 0x1, FR_WHOLEWORD = 0x2, FR_MATCHCASE = 0x4 };

struct Point {
    int x = 0;
    int y = 0;
};
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

class RichEditModel {
public:
    // Headless metrics: every character but a tab is one cell of this width in pixels at
    // 96 dpi, and a single-spaced line is this tall.
    static constexpr int kCellWidth = 8;
    static constexpr int kLineHeight = 16;
    static constexpr int kTwipsPerPixel = 15;

    RichEditModel();
    virtual ~RichEditModel();
    RichEditModel(const RichEditModel&) = delete;
    RichEditModel& operator=(const RichEditModel&) = delete;

    void SetOwner(RichEditOwner* owner) { m_owner = owner; }
    RichEditOwner* GetOwner() const { return m_owner; }
    uint32_t GetEventMask() const { return m_eventMask; }
    // Returns the previous mask.
    uint32_t SetEventMask(uint32_t mask);

    // Text.
    int GetTextLength() const { return m_doc.Length(); }
    const ZnsStringW& GetText() const { return m_doc.Text(); }
    ZnsStringW GetTextRange(int start, int end) const;
    // Replaces the whole text in the default format; empties the undo step, clears the
    // modification flag and puts the caret at 0.
    void SetText(std::u16string_view text);

    // Selection. -1 as end (or an end past the text) means the end of the text; a start of
    // -1 removes the selection, leaving the caret at its end.
    void SetSel(int start, int end);
    void GetSel(int& start, int& end) const;
    int GetSelStart() const { return m_selStart; }
    int GetSelEnd() const { return m_selEnd; }
    ZnsStringW GetSelText() const;
    // Replaces the selection by `text` (LF and CR LF become '\r') in the selection's
    // character format; the caret goes behind it. False when the owner refused an edit of
    // protected text. With `canUndo` false the undo step is emptied.
    bool ReplaceSel(std::u16string_view text, bool canUndo = true);
    // Typed input: as ReplaceSel, but refused in read-only mode.
    bool TypeText(std::u16string_view text);

    // Character formats. An empty selection sets the format the next inserted text takes. A
    // call that changes no character neither marks the text modified nor replaces the undo
    // step; the same holds for paragraph formats.
    CharFormat GetSelectionCharFormat() const;
    bool SetSelectionCharFormat(const CharFormat& format);
    CharFormat GetCharFormat(int start, int end) const;
    bool SetCharFormat(int start, int end, const CharFormat& format);
    // The format of an empty text and of SetText.
    const CharFormat& GetDefaultCharFormat() const { return m_defaultChar; }
    void SetDefaultCharFormat(const CharFormat& format);

    // Paragraph formats of the paragraphs the selection (or range) touches.
    ParaFormat GetParaFormat() const;
    bool SetParaFormat(const ParaFormat& format);
    ParaFormat GetParaFormat(int start, int end) const;
    bool SetParaFormat(int start, int end, const ParaFormat& format);

    // Lines: paragraphs broken at the formatting rectangle's width (word wrap, on unless
    // switched off; without a rectangle one line per paragraph). -1 means the line of the
    // selection start.
    int GetLineCount() const { return m_lines.LineCount(); }
    int LineIndex(int line = -1) const; // first character, -1 for a line past the end
    int LineFromChar(int position = -1) const;
    // Characters of the line holding `position`, its paragraph mark excluded.
    int LineLength(int position = -1) const;
    // The line's text with its '\r' when it ends a paragraph that has one.
    ZnsStringW GetLine(int line) const;
    void SetWordWrap(bool wrap);
    bool GetWordWrap() const { return m_wordWrap; }

    // First match of `what` in [start, end) (end -1: to the end of the text), or -1.
    int FindText(int start, int end, std::u16string_view what, uint32_t flags) const;

    bool GetModify() const { return m_modified; }
    void SetModify(bool modified) { m_modified = modified; }
    bool IsReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool readOnly) { m_readOnly = readOnly; }

    // One-step undo of the last operation; undoing again redoes it.
    bool CanUndo() const { return m_undo.has_value(); }
    bool Undo();
    void EmptyUndoBuffer() { m_undo.reset(); }

    // Streaming. RTF bytes are 7-bit as written and read through the system ANSI code page.
    void StreamOutRtf(rtf::Sink& sink, bool selectionOnly) const;
    std::string GetRtf(bool selectionOnly = false) const;
    // Whole document: replaces everything as an edit (the text counts as modified), empties
    // undo and puts the caret at 0; the scroll position stays where the new text allows.
    // Selection: replaces the selection (undoable), caret behind the inserted text. A bad
    // stream changes nothing; an edit the owner refused reports ReadStatus::Refused.
    rtf::ReadResult StreamInRtf(std::string_view bytes, bool selectionOnly);
    // Unicode text with CR LF paragraph separators.
    ZnsStringW StreamOutText(bool selectionOnly) const;
    bool StreamInText(std::u16string_view text, bool selectionOnly);
    // The formatted content of a range, and its insertion in place of the selection.
    RichText GetRichText(int start, int end) const { return m_doc.Extract(start, end); }
    bool ReplaceSelRich(const RichText& text, bool canUndo = true);

    // Headless metrics relative to the formatting rectangle, after scrolling: a character
    // scrolled out of view has a position outside the rectangle. Hidden text takes no cell.
    // A character's position is the top-left corner of its line's slot.
    Rect GetRect() const { return m_rect; }
    void SetRect(const Rect& rect);
    Point PosFromChar(int position) const;
    int CharFromPos(Point point) const;
    // Pixels the character at `position` takes on its line (a tab: up to its stop).
    int GetCharWidth(int position) const;
    // Pixels from the text's top to the line's top, the line's height (with the space after
    // its paragraph when it ends one), and the whole text's height.
    int GetLineTop(int line) const { return m_lines.LineTop(line); }
    int GetLineHeight(int line) const { return m_lines.LineHeight(line); }
    int GetTextHeight() const { return m_lines.Height(); }

    // Scrolling, in pixels of the text's own extent (0, 0: its top-left corner shows). A
    // position is kept within what lets the text's end and its widest line still fill the
    // rectangle; the vertical one is pulled back again when the text gets shorter.
    Point GetScrollPos() const;
    void SetScrollPos(Point position);
    int GetFirstVisibleLine() const { return m_lines.LineAt(GetScrollPos().y); }
    // Scrolls by whole characters and lines (negative: back); a vertical step puts a line's
    // top at the rectangle's top.
    void LineScroll(int columns, int lines);
    // Scrolls the least distance that brings the caret into the formatting rectangle; an
    // empty rectangle has nothing to show and does not scroll.
    void ScrollCaret();

    const RichDocument& Document() const { return m_doc; }
    // Throws std::logic_error when an invariant of the document or the selection is broken.
    void Check() const;

protected:
    // Notification handlers, called only when the event mask asks for them. By default they
    // tell the owner; derived controls override them. OnProtected returns true to refuse.
    virtual void OnChange();
    virtual void OnSelChange(const SelChange& change);
    virtual bool OnProtected(const ProtectedEdit& edit);

private:
    friend class TextRange;
    struct UndoStep {
        int start;
        int end;
        RichText replaced;
        int selStart;
        int selEnd;
    };

    bool AllowEdit(int start, int end, ProtectedEditKind kind);
    // A fresh content: no undo step, caret at 0. Set as text it is not modified and shows
    // from the top; streamed in it is an edit and the view keeps its place.
    enum class Fresh { SetText, StreamIn };
    void ReplaceDocument(const RichText& content, Fresh how);
    // Replaces [start, end) unconditionally; the caret goes to `caret` when given, else the
    // selection follows the edit.
    void ReplaceRange(int start, int end, const RichText& with, bool canUndo,
                      bool applyLastParagraph, std::optional<int> caret);
    RichText PlainInsertion(std::u16string_view text, int at, const CharFormat& format) const;
    // What text inserted in place of [start, end) looks like: the format of the first replaced
    // character, or of the neighbour at an insertion point.
    const CharFormat& InsertionFormatAt(int start, int end) const;
    // The same for the selection, unless a format was set on the empty selection.
    const CharFormat& InsertionFormat() const;
    // Replaces [start, end) of the document and keeps the lines in step.
    RichText replaceText(int start, int end, const RichText& with, bool applyLastParagraph);
    void updateWrapWidth();
    void MoveSelection(int start, int end);
    void AdjustPositions(int start, int removedEnd, int insertedLength, std::optional<int> caret);
    void NotifyChange();
    void Register(TextRange* range);
    void Unregister(TextRange* range);

    CharFormat m_defaultChar;
    RichDocument m_doc;
    RichEditOwner* m_owner = nullptr;
    uint32_t m_eventMask = ENM_NONE;
    int m_selStart = 0;
    int m_selEnd = 0;
    std::optional<CharFormat> m_pendingFormat; // set on an empty selection
    bool m_modified = false;
    bool m_readOnly = false;
    std::optional<UndoStep> m_undo;
    LineLayout m_lines{m_doc, {kCellWidth * kTwipsPerPixel, kTwipsPerPixel, kLineHeight}};
    bool m_wordWrap = true;
    Rect m_rect;
    Point m_scroll;
    std::vector<TextRange*> m_ranges;
};

} // namespace zn::richedit
