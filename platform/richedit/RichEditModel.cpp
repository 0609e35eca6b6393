// The rich-edit model: selection, edits with protection and undo, formats, lines and
// notifications over a RichDocument.
#include "platform/richedit/RichEditModel.h"

#include <algorithm>
#include <stdexcept>

#include "platform/richedit/TextRange.h"
#include "platform/rtf/Charset.h"
#include "platform/text/CodePage.h"

namespace zn::richedit {

namespace {

CharFormat initialCharFormat() {
    CharFormat format;
    format.mask = CFM_ALL;
    format.effects = CFE_AUTOCOLOR;
    format.height = 200;
    format.face = u"Arial";
    format.charset = rtf::CharsetOfCodePage(systemAnsiCodePage());
    format.pitchAndFamily = VARIABLE_PITCH | FF_SWISS;
    return format;
}

ParaFormat initialParaFormat() {
    ParaFormat format;
    format.mask = PFM_ALL;
    return format;
}

// Line feeds and CR LF pairs become the paragraph mark, as the control stores it.
ZnsStringW normaliseMarks(std::u16string_view text) {
    ZnsStringW out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        out += text[i] == u'\n' ? u'\r' : text[i];
    }
    return out;
}

} // namespace

RichEditModel::RichEditModel()
    : m_defaultChar(initialCharFormat()), m_doc(m_defaultChar, initialParaFormat()) {}

RichEditModel::~RichEditModel() {
    for (TextRange* range : m_ranges)
        range->m_model = nullptr;
}

uint32_t RichEditModel::SetEventMask(uint32_t mask) {
    const uint32_t previous = m_eventMask;
    m_eventMask = mask;
    return previous;
}

ZnsStringW RichEditModel::GetTextRange(int start, int end) const {
    const int length = GetTextLength();
    start = std::clamp(start, 0, length);
    end = end < 0 ? length : std::clamp(end, start, length);
    return m_doc.TextRange(start, end);
}

void RichEditModel::SetText(std::u16string_view text) {
    RichText content;
    content.append(normaliseMarks(text), m_defaultChar);
    content.paragraphs.assign(size_t(std::count(content.text.begin(), content.text.end(), u'\r')) +
                                  1,
                              initialParaFormat());
    ReplaceDocument(content, Fresh::SetText);
}

void RichEditModel::ReplaceDocument(const RichText& content, Fresh how) {
    const int oldLength = GetTextLength();
    m_doc.Replace(0, oldLength, content, true);
    m_lines.Reset();
    m_undo.reset();
    m_modified = how == Fresh::StreamIn;
    m_pendingFormat.reset();
    if (how == Fresh::SetText)
        m_scroll = {};
    AdjustPositions(0, oldLength, int(content.text.size()), 0);
    NotifyChange();
}

void RichEditModel::SetSel(int start, int end) {
    const int length = GetTextLength();
    if (start < 0) {
        MoveSelection(m_selEnd, m_selEnd);
        return;
    }
    if (end < 0 || end > length)
        end = length;
    start = std::min(start, length);
    if (start > end)
        std::swap(start, end);
    MoveSelection(start, end);
}

void RichEditModel::GetSel(int& start, int& end) const {
    start = m_selStart;
    end = m_selEnd;
}

ZnsStringW RichEditModel::GetSelText() const {
    return GetTextRange(m_selStart, m_selEnd);
}

bool RichEditModel::ReplaceSel(std::u16string_view text, bool canUndo) {
    return ReplaceSelRich(PlainInsertion(text, m_selStart, InsertionFormat()), canUndo);
}

bool RichEditModel::TypeText(std::u16string_view text) {
    return !m_readOnly && ReplaceSel(text, true);
}

bool RichEditModel::ReplaceSelRich(const RichText& text, bool canUndo) {
    if (!AllowEdit(m_selStart, m_selEnd, ProtectedEditKind::ReplaceText))
        return false;
    ReplaceRange(m_selStart, m_selEnd, text, canUndo, false, m_selStart + int(text.text.size()));
    return true;
}

RichText RichEditModel::PlainInsertion(std::u16string_view text, int at,
                                       const CharFormat& format) const {
    RichText insertion;
    insertion.append(normaliseMarks(text), format);
    const auto marks = std::count(insertion.text.begin(), insertion.text.end(), u'\r');
    insertion.paragraphs.assign(size_t(marks) + 1, m_doc.ParaFormatOf(m_doc.ParagraphOf(at)));
    return insertion;
}

const CharFormat& RichEditModel::InsertionFormat() const {
    return m_pendingFormat ? *m_pendingFormat : InsertionFormatAt(m_selStart, m_selEnd);
}

const CharFormat& RichEditModel::InsertionFormatAt(int start, int end) const {
    if (GetTextLength() == 0)
        return m_defaultChar;
    if (start < end)
        return m_doc.CharFormatAt(start);
    // At a paragraph start the text that follows gives the format, elsewhere the text before.
    const int caret = start;
    const bool paragraphStart = caret == 0 || m_doc.CharAt(caret - 1) == u'\r';
    if (paragraphStart && caret < GetTextLength() && m_doc.CharAt(caret) != u'\r')
        return m_doc.CharFormatAt(caret);
    return m_doc.CharFormatAt(caret - 1);
}

bool RichEditModel::AllowEdit(int start, int end, ProtectedEditKind kind) {
    bool touchesProtected;
    if (start < end) {
        touchesProtected = m_doc.AnyCharHas(start, end, CFE_PROTECTED);
    } else {
        // An insertion point is inside protected text when the characters on both sides are
        // protected, a paragraph start counting as protected on its left.
        const bool after =
            start < GetTextLength() && (m_doc.CharFormatAt(start).effects & CFE_PROTECTED);
        const bool before = start == 0 || m_doc.CharAt(start - 1) == u'\r' ||
                            (m_doc.CharFormatAt(start - 1).effects & CFE_PROTECTED);
        touchesProtected = after && before;
    }
    if (!touchesProtected || !(m_eventMask & ENM_PROTECTED))
        return true;
    return !OnProtected({start, end, kind});
}

void RichEditModel::ReplaceRange(int start, int end, const RichText& with, bool canUndo,
                                 bool applyLastParagraph, std::optional<int> caret) {
    const int selStart = m_selStart, selEnd = m_selEnd;
    RichText replaced = replaceText(start, end, with, applyLastParagraph);
    const int inserted = int(with.text.size());
    if (canUndo)
        m_undo = UndoStep{start, start + inserted, std::move(replaced), selStart, selEnd};
    else
        m_undo.reset();
    m_modified = true;
    m_pendingFormat.reset();
    AdjustPositions(start, end, inserted, caret);
    NotifyChange();
}

RichText RichEditModel::replaceText(int start, int end, const RichText& with,
                                    bool applyLastParagraph) {
    const int first = m_doc.ParagraphOf(start), oldLast = m_doc.ParagraphOf(end);
    RichText replaced = m_doc.Replace(start, end, with, applyLastParagraph);
    m_lines.ParagraphsReplaced(first, oldLast, m_doc.ParagraphOf(start + int(with.text.size())));
    return replaced;
}

void RichEditModel::SetRect(const Rect& rect) {
    m_rect = rect;
    updateWrapWidth();
}

void RichEditModel::SetWordWrap(bool wrap) {
    m_wordWrap = wrap;
    updateWrapWidth();
}

void RichEditModel::updateWrapWidth() {
    m_lines.SetWidth(m_wordWrap ? (m_rect.right - m_rect.left) / kCellWidth : 0);
}

void RichEditModel::AdjustPositions(int start, int removedEnd, int insertedLength,
                                    std::optional<int> caret) {
    auto map = [&](int position) {
        if (position <= start)
            return position;
        if (position >= removedEnd)
            return position - (removedEnd - start) + insertedLength;
        return start;
    };
    for (TextRange* range : m_ranges) {
        range->m_start = map(range->m_start);
        range->m_end = map(range->m_end);
    }
    if (caret)
        MoveSelection(*caret, *caret);
    else
        MoveSelection(map(m_selStart), map(m_selEnd));
}

void RichEditModel::MoveSelection(int start, int end) {
    if (start == m_selStart && end == m_selEnd)
        return;
    m_selStart = start;
    m_selEnd = end;
    m_pendingFormat.reset();
    if (m_eventMask & ENM_SELCHANGE) {
        const uint16_t type = start == end       ? SEL_EMPTY
                              : end - start == 1 ? SEL_TEXT
                                                 : SEL_TEXT | SEL_MULTICHAR;
        OnSelChange({start, end, type});
    }
}

void RichEditModel::NotifyChange() {
    if (m_eventMask & ENM_CHANGE)
        OnChange();
}

void RichEditModel::OnChange() {
    if (m_owner)
        m_owner->OnRichEditChange(*this);
}

void RichEditModel::OnSelChange(const SelChange& change) {
    if (m_owner)
        m_owner->OnRichEditSelChange(*this, change);
}

bool RichEditModel::OnProtected(const ProtectedEdit& edit) {
    return m_owner && m_owner->OnRichEditProtected(*this, edit);
}

CharFormat RichEditModel::GetSelectionCharFormat() const {
    if (m_selStart == m_selEnd) {
        CharFormat format = InsertionFormat();
        format.mask = CFM_ALL;
        return format;
    }
    return m_doc.UniformCharFormat(m_selStart, m_selEnd);
}

bool RichEditModel::SetSelectionCharFormat(const CharFormat& format) {
    if (m_selStart == m_selEnd) {
        CharFormat pending = InsertionFormat();
        pending.apply(format);
        pending.mask = CFM_ALL;
        m_pendingFormat = pending;
        return true;
    }
    return SetCharFormat(m_selStart, m_selEnd, format);
}

CharFormat RichEditModel::GetCharFormat(int start, int end) const {
    const int length = GetTextLength();
    start = std::clamp(start, 0, length);
    end = std::clamp(end, start, length);
    return m_doc.UniformCharFormat(start, end);
}

bool RichEditModel::SetCharFormat(int start, int end, const CharFormat& format) {
    const int length = GetTextLength();
    start = std::clamp(start, 0, length);
    end = std::clamp(end, start, length);
    if (start == end)
        return true;
    if (!m_doc.ChangesCharFormat(start, end, format))
        return true;
    if (!AllowEdit(start, end, ProtectedEditKind::SetCharFormat))
        return false;
    m_undo = UndoStep{start, end, m_doc.Extract(start, end), m_selStart, m_selEnd};
    m_doc.SetCharFormat(start, end, format);
    if (format.mask & CFM_HIDDEN)
        m_lines.Rewrap(m_doc.ParagraphOf(start), m_doc.ParagraphOf(end));
    m_modified = true;
    return true;
}

void RichEditModel::SetDefaultCharFormat(const CharFormat& format) {
    m_defaultChar.apply(format);
    m_defaultChar.mask = CFM_ALL;
}

ParaFormat RichEditModel::GetParaFormat() const {
    return GetParaFormat(m_selStart, m_selEnd);
}

bool RichEditModel::SetParaFormat(const ParaFormat& format) {
    return SetParaFormat(m_selStart, m_selEnd, format);
}

ParaFormat RichEditModel::GetParaFormat(int start, int end) const {
    const int first = m_doc.ParagraphOf(start);
    // A range that ends right behind a mark does not reach into the next paragraph.
    const int last = std::max(first, m_doc.ParagraphOf(end > start ? end - 1 : end));
    return m_doc.UniformParaFormat(first, last);
}

bool RichEditModel::SetParaFormat(int start, int end, const ParaFormat& format) {
    const int first = m_doc.ParagraphOf(start);
    const int last = std::max(first, m_doc.ParagraphOf(end > start ? end - 1 : end));
    if (!m_doc.ChangesParaFormat(first, last, format))
        return true;
    const int from = m_doc.ParagraphStart(first), to = m_doc.ParagraphTextEnd(last);
    m_undo = UndoStep{from, to, m_doc.Extract(from, to), m_selStart, m_selEnd};
    m_doc.SetParaFormat(first, last, format);
    if (format.mask & (PFM_STARTINDENT | PFM_RIGHTINDENT | PFM_OFFSET | PFM_TABSTOPS |
                       PFM_LINESPACING | PFM_SPACEAFTER))
        m_lines.Rewrap(first, last);
    m_modified = true;
    return true;
}

int RichEditModel::LineIndex(int line) const {
    if (line == -1)
        line = LineFromChar(-1);
    if (line < 0 || line >= GetLineCount())
        return -1;
    return m_lines.LineStart(line);
}

int RichEditModel::LineFromChar(int position) const {
    if (position < 0)
        position = m_selStart;
    return m_lines.LineOf(std::min(position, GetTextLength()));
}

int RichEditModel::LineLength(int position) const {
    const int line = LineFromChar(position);
    return m_lines.LineEnd(line) - m_lines.LineStart(line);
}

ZnsStringW RichEditModel::GetLine(int line) const {
    if (line < 0 || line >= GetLineCount())
        return {};
    const int end = m_lines.LineEnd(line) + (m_lines.EndsParagraph(line) ? 1 : 0);
    return GetTextRange(m_lines.LineStart(line), std::min(end, GetTextLength()));
}

bool RichEditModel::Undo() {
    if (!m_undo)
        return false;
    UndoStep step = std::move(*m_undo);
    const int selStart = m_selStart, selEnd = m_selEnd;
    const bool sameText = GetTextRange(step.start, step.end) == step.replaced.text;
    RichText current = replaceText(step.start, step.end, step.replaced, true);
    const int restoredEnd = step.start + int(step.replaced.text.size());
    m_undo = UndoStep{step.start, restoredEnd, std::move(current), selStart, selEnd};
    m_modified = true;
    m_pendingFormat.reset();
    if (!sameText)
        AdjustPositions(step.start, step.end, restoredEnd - step.start, std::nullopt);
    const int length = GetTextLength();
    MoveSelection(std::min(step.selStart, length), std::min(step.selEnd, length));
    if (!sameText)
        NotifyChange();
    return true;
}

Point RichEditModel::PosFromChar(int position) const {
    position = std::clamp(position, 0, GetTextLength());
    const Point scroll = GetScrollPos();
    return {m_rect.left + m_lines.Column(position) * kCellWidth - scroll.x,
            m_rect.top + m_lines.LineTop(m_lines.LineOf(position)) - scroll.y};
}

int RichEditModel::CharFromPos(Point point) const {
    const Point scroll = GetScrollPos();
    const int line = m_lines.LineAt(point.y + scroll.y - m_rect.top);
    return m_lines.PositionNear(line, point.x + scroll.x - m_rect.left, kCellWidth);
}

int RichEditModel::GetCharWidth(int position) const {
    return m_lines.CharCells(std::clamp(position, 0, GetTextLength())) * kCellWidth;
}

void RichEditModel::Register(TextRange* range) {
    m_ranges.push_back(range);
}

void RichEditModel::Unregister(TextRange* range) {
    m_ranges.erase(std::remove(m_ranges.begin(), m_ranges.end(), range), m_ranges.end());
}

void RichEditModel::Check() const {
    m_doc.Check();
    m_lines.Check();
    const int length = GetTextLength();
    if (m_selStart < 0 || m_selStart > m_selEnd || m_selEnd > length)
        throw std::logic_error("RichEditModel: selection outside the text");
    for (const TextRange* range : m_ranges)
        if (range->m_start < 0 || range->m_start > range->m_end || range->m_end > length)
            throw std::logic_error("RichEditModel: text range outside the text");
}

} // namespace zn::richedit
