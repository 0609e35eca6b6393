// Item boundaries and the item commands: add, delete, move up and down, add a header,
// line spacing, common text, select all and select a prefix.
#include <algorithm>
#include <vector>

#include "editor/ItemPrefix.h"
#include "editor/Reqpad.h"
#include "host/Services.h"

namespace editor {

using zn::richedit::CharFormat;

namespace {

// Lines as the control hands them out: into a buffer that is doubled and read again when
// a line does not fit with five characters to spare.
class LineReader {
public:
    explicit LineReader(const zn::richedit::RichEditModel& model)
        : m_model(model), m_buffer(kInitialSize + kSpare) {}

    std::u16string_view Read(int line) {
        for (;;) {
            ZnsStringW text = m_model.GetLine(line);
            std::size_t n = std::min(text.size(), m_buffer.size());
            std::copy_n(text.data(), n, m_buffer.data());
            if (n + kSpare <= m_buffer.size())
                return {m_buffer.data(), n};
            m_buffer.resize(m_buffer.size() * 2);
        }
    }

private:
    static constexpr std::size_t kInitialSize = 4000;
    static constexpr std::size_t kSpare = 5;
    const zn::richedit::RichEditModel& m_model;
    std::vector<char16_t> m_buffer;
};

bool endsParagraph(std::u16string_view line) {
    return !line.empty() && (line.back() == u'\r' || line.back() == u'\n');
}

} // namespace

// Paragraph helpers read through the document's paragraph partition and a few characters
// at a time, so they do not flatten the whole text after every edit.
int CReqpad::ParagraphStart(int position) const {
    position = std::clamp(position, 0, GetTextLength());
    return Document().ParagraphStart(Document().ParagraphOf(position));
}

int CReqpad::ParagraphEnd(int position) const {
    position = std::clamp(position, 0, GetTextLength());
    return Document().ParagraphTextEnd(Document().ParagraphOf(position));
}

ZnsStringW CReqpad::ParagraphAt(int start) const {
    if (start < 0 || start >= GetTextLength())
        return {};
    return Document().TextRange(start, ParagraphEnd(start));
}

int CReqpad::ItemStart(int position) const {
    for (int start = ParagraphStart(position);; start = ParagraphStart(start - 1)) {
        if (ParseItemPrefix(ParagraphAt(start)))
            return start;
        if (start == 0)
            return 0;
    }
}

int CReqpad::ItemEnd(int position) const {
    LineReader reader(*this);
    int line = LineFromChar(position);
    bool paragraphStarts = endsParagraph(reader.Read(line));
    for (int next = line + 1, count = GetLineCount(); next < count; ++next) {
        std::u16string_view text = reader.Read(next);
        if (paragraphStarts && ParseItemPrefix(text))
            return LineIndex(next);
        paragraphStarts = endsParagraph(text);
    }
    return -1;
}

int CReqpad::CaretItemNumber() const {
    return ParseItemPrefix(ParagraphAt(ParagraphStart(GetSelStart()))).number;
}

int CReqpad::ItemCount() const {
    int count = 0;
    for (int position = 0; position < GetTextLength(); position = ParagraphEnd(position) + 1)
        if (ParseItemPrefix(ParagraphAt(position)))
            ++count;
    return count;
}

bool CReqpad::HasItems() const {
    // Stops at the first item: the interface asks after every change, so this must not
    // walk a long text.
    for (int position = 0; position < GetTextLength(); position = ParagraphEnd(position) + 1)
        if (ParseItemPrefix(ParagraphAt(position)))
            return true;
    return false;
}

CharFormat CReqpad::DefaultFormat() const {
    CharFormat format = GetDefaultCharFormat();
    format.mask = zn::richedit::CFM_ALL;
    if (gpZnStyleManager) {
        ZnsStringW face = gpZnStyleManager->GetCurrentTextStyle();
        if (!face.empty())
            format.face = face.substr(0, 31);
    }
    format.height = 200;
    format.pitchAndFamily = zn::richedit::VARIABLE_PITCH;
    format.color = m_textColor;
    format.offset = 0;
    format.effects = 0;
    return format;
}

void CReqpad::ResetToDefault(int start, int end) {
    InternalChange guard(*this);
    CharFormat format = DefaultFormat();
    format.mask = zn::richedit::CFM_SIZE | zn::richedit::CFM_COLOR | zn::richedit::CFM_FACE |
                  zn::richedit::CFM_OFFSET | zn::richedit::CFM_BOLD | zn::richedit::CFM_ITALIC |
                  zn::richedit::CFM_PROTECTED;
    if (start == end) {
        int selStart = 0, selEnd = 0;
        GetSel(selStart, selEnd);
        if (selStart == start && selEnd == end) {
            SetSelectionCharFormat(format);
            return;
        }
    }
    SetCharFormat(start, end, format);
}

void CReqpad::ResetSelectionToDefault() {
    ResetToDefault(GetSelStart(), GetSelEnd());
}

bool CReqpad::SelectionEditable() const {
    int start = 0, end = 0;
    GetSel(start, end);
    if (start == end) {
        // A caret inside a prefix (not at its start) would type into the number.
        int paragraph = ParagraphStart(start);
        ItemPrefix prefix = ParseItemPrefix(ParagraphAt(paragraph));
        return !(prefix && start > paragraph && start < paragraph + prefix.length);
    }
    CharFormat format = GetCharFormat(start, end);
    return (format.mask & zn::richedit::CFM_PROTECTED) && !(format.effects & zn::richedit::CFE_PROTECTED);
}

void CReqpad::AddItem() {
    TakeUndoSnapshot();
    InternalChange guard(*this);
    zn::richedit::ParaFormat spacing = GetParaFormat();
    int caret = GetSelStart();
    int number = CaretItemNumber() + 1;
    int end = ItemEnd(caret);
    int at = end < 0 ? GetTextLength() : end - 1;
    ZnsStringW inserted = GetTextLength() == 0 ? FormatItemNumber(number)
                                               : u"\r" + FormatItemNumber(number);
    SetSel(at, at);
    ReplaceSel(inserted);
    ResetToDefault(at, at + int(inserted.size()));
    SetSel(at + int(inserted.size()), at + int(inserted.size()));
    zn::richedit::ParaFormat line;
    line.mask = zn::richedit::PFM_LINESPACING;
    line.lineSpacingRule = spacing.lineSpacingRule;
    line.lineSpacing = spacing.lineSpacing;
    SetParaFormat(line);
    Renumber(RenumberMode::Plain);
    UpdateInterface();
}

void CReqpad::DeleteItems() {
    TakeUndoSnapshot();
    InternalChange guard(*this);
    int start = 0, end = 0;
    GetSel(start, end);
    start = ItemStart(start);
    if (end > start && ParagraphStart(end) == end && ParseItemPrefix(ParagraphAt(end)))
        --end;
    int next = ItemEnd(end);
    end = next < 0 ? GetTextLength() : next;
    // The last item takes the mark before it along, so no empty paragraph is left.
    if (next < 0 && start > 0)
        --start;
    SetSel(start, end);
    ResetSelectionToDefault();
    ReplaceSel(u"");
    Renumber(RenumberMode::Plain);
    UpdateInterface();
}

void CReqpad::MoveItemUp() {
    int caret = GetSelStart();
    int start = ItemStart(caret);
    if (start == 0)
        return;
    int previous = ItemStart(start - 1);
    if (!ParseItemPrefix(ParagraphAt(previous)))
        return; // the caret's item is item 1, behind the header
    TakeUndoSnapshot();
    InternalChange guard(*this);
    int next = ItemEnd(caret);
    bool last = next < 0;
    int end = last ? GetTextLength() : next;
    SetSel(start, end);
    std::string moved = GetRtf(true);
    int length = end - start;
    SetSel(last ? start - 1 : start, end);
    ReplaceSel(u"");
    SetSel(previous, previous);
    StreamInRtf(moved, true);
    if (last) {
        SetSel(previous + length, previous + length);
        ReplaceSel(u"\r");
    }
    SetSel(previous + length - (last ? 0 : 1), previous + length - (last ? 0 : 1));
    Renumber(RenumberMode::Plain);
    UpdateInterface();
}

void CReqpad::MoveItemDown() {
    int caret = GetSelStart();
    int start = ItemStart(caret);
    int next = ItemEnd(caret);
    if (next < 0 || !ParseItemPrefix(ParagraphAt(start)))
        return;
    TakeUndoSnapshot();
    InternalChange guard(*this);
    SetSel(start, next);
    std::string moved = GetRtf(true);
    int length = next - start;
    ReplaceSel(u"");
    int following = ItemEnd(start);
    int caretAt = 0;
    if (following < 0) {
        // The following item was the last: the moved one goes behind it on its own paragraph.
        int end = GetTextLength();
        SetSel(end, end);
        ReplaceSel(u"\r");
        StreamInRtf(moved, true);
        int textEnd = GetTextLength();
        if (textEnd > 0 && Document().CharAt(textEnd - 1) == u'\r') {
            SetSel(textEnd - 1, textEnd);
            ReplaceSel(u"");
        }
        caretAt = GetTextLength();
    } else {
        SetSel(following, following);
        StreamInRtf(moved, true);
        caretAt = following + length - 1;
    }
    SetSel(caretAt, caretAt);
    Renumber(RenumberMode::Plain);
    UpdateInterface();
}

void CReqpad::AddHeader() {
    TakeUndoSnapshot();
    InternalChange guard(*this);
    SetSel(0, 0);
    ResetSelectionToDefault();
    ReplaceSel(u"\r");
    ResetToDefault(0, 1);
    SetSel(0, 0);
    UpdateInterface();
}

void CReqpad::SetLineSpacing(int twentieths) {
    TakeUndoSnapshot();
    zn::richedit::ParaFormat format;
    format.mask = zn::richedit::PFM_LINESPACING | zn::richedit::PFM_SPACEAFTER;
    format.lineSpacingRule = 5;
    format.lineSpacing = twentieths;
    format.spaceAfter = 0;
    SetParaFormat(format);
    UpdateInterface();
}

void CReqpad::CommonText() {
    CharFormat format;
    format.mask = zn::richedit::CFM_SIZE | zn::richedit::CFM_OFFSET;
    format.height = DefaultFormat().height;
    format.offset = 0;
    SetSelectionCharFormat(format);
}

void CReqpad::SelectAll() {
    SetSel(0, -1);
    UpdateInterface();
}

int CReqpad::SelectItemPrefix(int position) {
    if (position == -1)
        position = GetSelStart();
    SetSel(position, position);
    ItemPrefix prefix = ParseItemPrefix(ParagraphAt(position));
    if (prefix)
        SetSel(position, position + prefix.length);
    return prefix.length;
}

void CReqpad::SelectItem(int position) {
    int start = ItemStart(position);
    int end = ItemEnd(position);
    if (end < 0)
        end = GetTextLength();
    else if (end > start)
        --end; // the item's own closing mark stays out
    SetSel(start, end);
}

} // namespace editor
