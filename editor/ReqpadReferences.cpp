// Specification references in the control: insertion, incoming stored references, the pass
// over references on load, and keeping references whole while the user edits.
#include "editor/ItemPrefix.h"
#include "editor/References.h"
#include "editor/Reqpad.h"
#include "editor/SpecReference.h"
#include "host/Entity.h"
#include "host/Services.h"
#include "module/SpecificationAccess.h"
#include "platform/ui/Resources.h"
#include "resources/ResourceIds.h"

namespace editor {

using zn::richedit::CharFormat;

namespace {

constexpr zn::richedit::COLORREF kRed = 255;

constexpr std::uint32_t kMarkMask = zn::richedit::CFM_HIDDEN | zn::richedit::CFM_EMBOSS |
                                    zn::richedit::CFM_IMPRINT | zn::richedit::CFM_LINK;

// A red "(...)" or "{...}" in one paragraph: how earlier versions held the place of a link.
struct Placeholder {
    int start = 0;
    int end = 0;
};

std::optional<Placeholder> nextPlaceholder(const CReqpad& pad, int from) {
    const ZnsStringW& text = pad.GetText();
    for (size_t open = text.find_first_of(u"({", size_t(from)); open != ZnsStringW::npos;
         open = text.find_first_of(u"({", open + 1)) {
        char16_t closing = text[open] == u'(' ? u')' : u'}';
        size_t close = text.find_first_of(std::u16string{closing, u'\r'}, open + 1);
        if (close == ZnsStringW::npos || text[close] == u'\r')
            continue;
        CharFormat format = pad.GetCharFormat(int(open), int(close) + 1);
        if ((format.mask & zn::richedit::CFM_COLOR) && format.color == kRed &&
            !(format.effects & zn::richedit::CFE_AUTOCOLOR))
            return Placeholder{int(open), int(close) + 1};
    }
    return std::nullopt;
}

bool recordExists(std::int32_t recordId) {
    IZnSpecification* document = module::DocSpecification();
    return recordId >= 1 && document && document->HasRecord(recordId);
}

// The link-list index of a reference that starts at `position`: the references before it.
std::ptrdiff_t linkIndexAt(std::u16string_view text, int position) {
    std::ptrdiff_t index = 0;
    for (const ReferenceSpan& span : FindReferences(text.substr(0, size_t(position))))
        index += span.end <= position;
    return index;
}

} // namespace

void CReqpad::InsertSpecReference(std::int32_t recordId, const ZnsStringW& text) {
    TakeUndoSnapshot();
    InternalChange guard(*this);
    CharFormat linkOnly;
    linkOnly.mask = kMarkMask;
    linkOnly.effects = zn::richedit::CFE_LINK;
    int start = GetSelStart();
    if (!ReplaceSel(u"  "))
        return;
    SetCharFormat(start, start + 2, linkOnly);
    SetSel(start + 1, start + 1);
    if (!WriteReference(*this, recordId, text))
        return;
    m_specLinks.insert(m_specLinks.begin() + linkIndexAt(GetText(), start + 1),
                       ZnsLink{znsWorkID::Numbered(recordId), text});
    // Typing goes on in visible text, not in the hidden closing tag.
    SetSelectionCharFormat(linkOnly);
}

void CReqpad::RewriteIncomingReferences(ZnsStringW& rtf) {
    static constexpr std::u16string_view opening = u"<ref obj=\"Specification\"";
    static constexpr std::u16string_view closing = u"</ref>";
    static constexpr size_t searchOn = 17;
    for (size_t at = rtf.find(opening); at != ZnsStringW::npos;
         at = rtf.find(opening, at + searchOn)) {
        rtf.replace(at, opening.size(), u"<spcref");
        size_t close = rtf.find(closing, at);
        if (close != ZnsStringW::npos)
            rtf.replace(close, closing.size(), kReferenceClosing);
    }
}

bool CReqpad::ReferencePassOnLoad() {
    InternalChange guard(*this);
    bool dropped = false, changed = false;
    if (m_specLinks.empty()) {
        // Backwards, so that the spans still to come keep their positions.
        std::vector<ReferenceSpan> spans = FindReferences(GetText());
        ZnsArray<ZnsLink> links;
        for (auto span = spans.rbegin(); span != spans.rend(); ++span) {
            ZnsStringW visible = GetTextRange(span->textStart, span->textEnd);
            ZnsStringW current = span->id >= 1 ? PositionText(span->id) : ZnsStringW();
            if (!current.empty()) {
                if (current != visible) {
                    SetSel(span->textStart, span->textEnd);
                    ReplaceSel(current, false);
                    CharFormat marks;
                    marks.mask = kMarkMask;
                    marks.effects = kReferenceTextEffects;
                    SetCharFormat(span->textStart, span->textStart + int(current.size()), marks);
                    changed = true;
                }
                links.insert(links.begin(), ZnsLink{znsWorkID::Numbered(span->id), current});
                continue;
            }
            // The record is gone: its former text stays, in red, without the reference.
            SetSel(span->start, span->end);
            ReplaceSel(visible, false);
            CharFormat red;
            red.mask = kMarkMask | zn::richedit::CFM_COLOR;
            red.color = kRed;
            SetCharFormat(span->start, span->start + int(visible.size()), red);
            dropped = changed = true;
        }
        m_specLinks = std::move(links);
    } else {
        size_t entry = 0;
        for (int from = 0; entry < m_specLinks.size();) {
            std::optional<Placeholder> placeholder = nextPlaceholder(*this, from);
            if (!placeholder)
                break;
            SetSel(placeholder->start, placeholder->end);
            ReplaceSel(u"", false);
            changed = true;
            from = placeholder->start;
            ZnsLink& link = m_specLinks[entry];
            if (link.target.IsNull()) {
                m_specLinks.erase(m_specLinks.begin() + std::ptrdiff_t(entry));
                dropped = true;
                continue;
            }
            if (recordExists(link.target.Number()))
                WriteReference(*this, link.target.Number(), link.text);
            else if (zn::ui::IZnTextConverter* converter = GetTextConverter())
                converter->InsertObjectLink(GetObject(), link.text, zn::ui::kLinkFlagView);
            from = GetSelEnd();
            ++entry;
        }
    }
    if (dropped && gpZnNotificator) {
        ZnsStringW notice = zn::ui::LoadStringW(res::IDS_LINKS_DROPPED);
        if (const auto* object = static_cast<const IZnEntity*>(GetObject()))
            gpZnNotificator->ShowMessageWithEditButton(notice, 0, object->GetId());
        else
            gpZnNotificator->ShowMessage(notice, 0);
    }
    if (changed)
        SetModify(true);
    return changed;
}

void CReqpad::OnChange() {
    CxFtEdit::OnChange();
    if (!m_internalChange && !m_specLinks.empty())
        SyncSpecLinks();
}

void CReqpad::SyncSpecLinks() {
    std::vector<ReferenceSpan> spans = FindReferences(GetText());
    auto entryOf = [this](const ReferenceSpan& span) {
        return ZnsLink{znsWorkID::Numbered(span.id), GetTextRange(span.textStart, span.textEnd)};
    };
    ZnsArray<ZnsLink> synced;
    size_t next = 0;
    for (const ZnsLink& link : m_specLinks) {
        std::int32_t recordId = link.target.Number();
        if (recordId < 1) {
            synced.push_back(link);
            continue;
        }
        size_t match = next;
        while (match < spans.size() && spans[match].id != recordId)
            ++match;
        if (match == spans.size())
            continue; // its reference was removed
        for (; next < match; ++next)
            synced.push_back(entryOf(spans[next]));
        synced.push_back(link);
        next = match + 1;
    }
    for (; next < spans.size(); ++next)
        synced.push_back(entryOf(spans[next]));
    m_specLinks = std::move(synced);
}

void CReqpad::WidenSelectionToWholeMarks() {
    int start = 0, end = 0;
    GetSel(start, end);
    if (start == end)
        return;
    const ZnsStringW& text = GetText();
    int wideStart = start, wideEnd = end;
    if (std::optional<ReferenceSpan> span = ReferenceAround(text, start))
        wideStart = span->start;
    if (std::optional<ReferenceSpan> span = ReferenceAround(text, end))
        wideEnd = span->end;
    int paragraph = ParagraphStart(wideStart);
    if (ItemPrefix prefix = ParseItemPrefix(ParagraphAt(paragraph));
        prefix && wideStart > paragraph && wideStart < paragraph + prefix.length)
        wideStart = paragraph;
    paragraph = ParagraphStart(wideEnd);
    if (ItemPrefix prefix = ParseItemPrefix(ParagraphAt(paragraph));
        prefix && wideEnd > paragraph && wideEnd < paragraph + prefix.length)
        wideEnd = paragraph + prefix.length;
    if (wideStart != start || wideEnd != end) {
        InternalChange guard(*this);
        SetSel(wideStart, wideEnd);
    }
}

void CReqpad::SelectReferenceAt(int position) {
    if (std::optional<ReferenceSpan> span = ReferenceAround(GetText(), position)) {
        InternalChange guard(*this);
        SetSel(span->start, span->end);
    }
}

} // namespace editor
