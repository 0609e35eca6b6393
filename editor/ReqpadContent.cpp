// Whole content in and out of the control: plain text with tags, host multiline text and
// RTF, with the passes that bring older content into today's form.
#include "editor/ItemPrefix.h"
#include "editor/Reqpad.h"
#include "platform/text/CodePage.h"

namespace editor {

using zn::richedit::CharFormat;

namespace {

constexpr zn::richedit::COLORREF kOldMarkColor = 255; // red

// Undo snapshots and change notifications are off while content is loaded.
class LoadScope {
public:
    explicit LoadScope(CReqpad& pad)
        : m_pad(pad), m_guard(pad), m_mask(pad.SetEventMask(zn::richedit::ENM_NONE)) {
        ++pad.m_undoSuspended;
    }
    ~LoadScope() {
        --m_pad.m_undoSuspended;
        m_pad.SetEventMask(m_mask);
    }

private:
    CReqpad& m_pad;
    InternalChange m_guard;
    std::uint32_t m_mask;
};

} // namespace

int CReqpad::SetContent(const ZnsStringW& text, int kind) {
    if (kind != kContentPlain && kind != kContentMultiline && kind != kContentRtf)
        return 0;
    LoadScope scope(*this);
    bool relinked = false; // references brought up to date count as a change
    if (kind == kContentRtf) {
        ZnsStringW rtf = text;
        RewriteIncomingReferences(rtf);
        if (!StreamInRtf(zn::wideToAnsi(rtf), false))
            return 0; // not RTF: the text stays as it was
        ResetNumberFormats();
        RepairOldContent();
        ConvertLinesToItems();
        relinked = ReferencePassOnLoad();
        Renumber(RenumberMode::Tag);
        m_newUndoStep = 1;
    } else {
        SetSel(0, -1);
        CharFormat format = DefaultFormat();
        SetSelectionCharFormat(format);
        ReplaceSel(u"", false);
        if (kind == kContentPlain) {
            if (!text.empty()) {
                ReplaceSel(text, false);
                ConvertLinesToItems();
            }
        } else {
            ReadMultilineText(text);
        }
        Renumber(RenumberMode::Tag);
    }
    SetSel(GetTextLength(), GetTextLength());
    UpdateInterface();
    SetModify(relinked);
    return 1;
}

int CReqpad::GetContent(ZnsStringW& text, int kind) {
    if (kind != kContentPlain && kind != kContentRtf)
        return 0;
    Renumber(RenumberMode::Resolve);
    if (kind == kContentRtf) {
        ResetNumberFormats();
        text = zn::ansiToWide(GetRtf(false));
    } else {
        SetSel(0, -1);
        text = StreamOutText(true);
    }
    return 1;
}

void CReqpad::ConvertLinesToItems() {
    InternalChange guard(*this);
    int selStart = 0, selEnd = 0;
    GetSel(selStart, selEnd);
    for (int start = 0; start < GetTextLength(); start = ParagraphEnd(start) + 1) {
        ZnsStringW line = ParagraphAt(start);
        if (ParseItemPrefix(line))
            continue; // already an item, tagged or not
        std::size_t digits = 0;
        while (digits < line.size() && line[digits] >= u'0' && line[digits] <= u'9')
            ++digits;
        // A digit behind the period makes a decimal number, and a bare "12." no item.
        if (digits == 0 || digits + 1 >= line.size() || line[digits] != u'.' ||
            (line[digits + 1] >= u'0' && line[digits + 1] <= u'9'))
            continue;
        int afterPeriod = start + int(digits) + 1;
        char16_t next = line[digits + 1];
        if (next == u'\t') {
            SetSel(afterPeriod, afterPeriod + 1);
            ReplaceSel(u" ", false);
        } else if (next != u' ') {
            SetSel(afterPeriod, afterPeriod);
            ReplaceSel(u" ", false);
            if (selStart >= afterPeriod)
                ++selStart, ++selEnd;
        }
        CharFormat number;
        number.mask = zn::richedit::CFM_BOLD | zn::richedit::CFM_PROTECTED |
                      zn::richedit::CFM_COLOR | zn::richedit::CFM_ITALIC;
        number.effects = zn::richedit::CFE_BOLD | zn::richedit::CFE_PROTECTED;
        number.color = m_numberColor;
        SetCharFormat(start, afterPeriod + 1, number);
    }
    SetSel(selStart, selEnd);
}

// Older content: item formats are applied again over plain text, and fractions written as
// red "(a^b)", "(a/b)", "{a^b}" or "{a/b}" become raised and lowered text.
void CReqpad::RepairOldContent() {
    InternalChange guard(*this);
    CharFormat plain;
    plain.mask = zn::richedit::CFM_BOLD | zn::richedit::CFM_PROTECTED;
    SetCharFormat(0, GetTextLength(), plain);
    for (int open = 0; open < GetTextLength(); ++open) {
        const ZnsStringW& text = GetText(); // flattened again after each repair
        char16_t bracket = text[std::size_t(open)];
        if (bracket != u'(' && bracket != u'{')
            continue;
        char16_t closing = bracket == u'(' ? u')' : u'}';
        std::size_t close = text.find(closing, std::size_t(open));
        std::size_t mark = text.find(u'\r', std::size_t(open));
        if (close == ZnsStringW::npos || (mark != ZnsStringW::npos && mark < close))
            continue;
        CharFormat format = GetCharFormat(open, int(close) + 1);
        if (!(format.mask & zn::richedit::CFM_COLOR) || format.color != kOldMarkColor)
            continue;
        ZnsStringW body = text.substr(std::size_t(open) + 1, close - std::size_t(open) - 1);
        std::size_t split = body.find_first_of(u"^/");
        if (split == ZnsStringW::npos)
            continue; // a link placeholder, the reference pass reads it
        ZnsStringW numerator = body.substr(0, split), denominator = body.substr(split + 1);
        bool withBar = body[split] == u'/';
        SetSel(open, int(close) + 1);
        ReplaceSel(u"", false);
        InsertFraction(numerator, denominator, withBar, nullptr);
        open = GetSelEnd() - 1;
    }
}

} // namespace editor
