// Renumbering: the items get consecutive numbers, referenced items carry their tag while the
// text is edited, and the tags resolve into the referenced items' new numbers at the end.
// Only prefixes whose number or tag changes are rewritten, so an edit late in a long text
// leaves the earlier items alone.
#include <algorithm>

#include "editor/ItemPrefix.h"
#include "editor/Reqpad.h"
#include "platform/richedit/TextRange.h"

namespace editor {

using zn::richedit::CharFormat;

void CReqpad::FormatPrefix(int start, int length) {
    // Most prefixes are formatted already; looking is cheaper than setting. A prefix is
    // formatted as a whole and protected, so its ends tell.
    bool formatted = true;
    for (int i : {start, start + length - 1}) {
        const CharFormat& current = Document().CharFormatAt(i);
        formatted = (current.effects & (zn::richedit::CFE_PROTECTED | zn::richedit::CFE_BOLD)) ==
                        (zn::richedit::CFE_PROTECTED | zn::richedit::CFE_BOLD) &&
                    !(current.effects & zn::richedit::CFE_AUTOCOLOR) &&
                    current.color == m_numberColor;
        if (!formatted)
            break;
    }
    if (formatted)
        return;
    CharFormat number;
    number.mask = zn::richedit::CFM_PROTECTED | zn::richedit::CFM_BOLD | zn::richedit::CFM_COLOR;
    number.effects = zn::richedit::CFE_PROTECTED | zn::richedit::CFE_BOLD;
    number.color = m_numberColor;
    SetCharFormat(start, start + length, number);
}

// The tag goes before the prefix's blank: its "*" embossed, the rest hidden.
void CReqpad::InsertItemTag(zn::richedit::TextRange& range, int at, std::int32_t tagId) {
    range.SetRange(at, at);
    range.SetText(FormatItemTag(tagId));
    CharFormat emboss;
    emboss.mask = zn::richedit::CFM_EMBOSS | zn::richedit::CFM_HIDDEN;
    emboss.effects = zn::richedit::CFE_EMBOSS;
    range.SetFont(emboss);
    range.MoveStart(zn::richedit::TextUnit::Character, 1);
    CharFormat hidden;
    hidden.mask = zn::richedit::CFM_HIDDEN;
    hidden.effects = zn::richedit::CFE_HIDDEN;
    range.SetFont(hidden);
}

int CReqpad::Renumber(RenumberMode mode) {
    InternalChange guard(*this);
    if (mode == RenumberMode::Resolve)
        for (std::int32_t& entry : m_referencedItems)
            entry = -entry;
    int counter = 0;
    int position = 0;
    while (position <= GetTextLength()) {
        ItemPrefix prefix = ParseItemPrefix(ParagraphAt(position));
        if (prefix) {
            ++counter;
            bool rewrite = prefix.number != counter;
            std::int32_t tagId = prefix.tagId;
            if (mode == RenumberMode::Tag && tagId == 0 &&
                std::find(m_referencedItems.begin(), m_referencedItems.end(), counter) !=
                    m_referencedItems.end()) {
                tagId = counter;
                rewrite = true;
            }
            if (mode == RenumberMode::Resolve) {
                if (tagId >= 1)
                    std::replace(m_referencedItems.begin(), m_referencedItems.end(), -tagId,
                                 std::int32_t(counter));
                tagId = 0;
                rewrite = true;
            }
            int length = prefix.length;
            if (!rewrite) {
                FormatPrefix(position, length);
            } else {
                zn::richedit::TextRange range(*this, position, position + length);
                range.SetText(FormatItemNumber(counter));
                length = range.GetEnd() - range.GetStart();
                FormatPrefix(position, length);
                if (tagId >= 1)
                    InsertItemTag(range, position + length - 1, tagId);
            }
        }
        int end = ParagraphEnd(position);
        position = end + 1;
    }
    if (mode == RenumberMode::Resolve)
        for (std::int32_t& entry : m_referencedItems)
            if (entry < 0)
                entry = 0;
    int start = 0, end = 0;
    GetSel(start, end);
    if (start == end) {
        CharFormat format = DefaultFormat();
        SetSelectionCharFormat(format);
    }
    return counter;
}

void CReqpad::ResetNumberFormats() {
    InternalChange guard(*this);
    for (int position = 0; position <= GetTextLength(); position = ParagraphEnd(position) + 1)
        if (ItemPrefix prefix = ParseItemPrefix(ParagraphAt(position)))
            FormatPrefix(position, prefix.length);
}

} // namespace editor
