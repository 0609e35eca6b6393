#include "editor/SpecReference.h"

namespace editor {

namespace {

constexpr std::uint32_t kMarkMask = zn::richedit::CFM_HIDDEN | zn::richedit::CFM_EMBOSS |
                                    zn::richedit::CFM_IMPRINT | zn::richedit::CFM_LINK;

constexpr size_t kIdDigits = 10;

void mark(zn::richedit::RichEditModel& edit, int start, int end, std::uint32_t effects) {
    zn::richedit::CharFormat format;
    format.mask = kMarkMask;
    format.effects = effects;
    edit.SetCharFormat(start, end, format);
}

} // namespace

ZnsStringW ReferenceOpeningTag(std::int32_t recordId) {
    return zn::format("<spcref id=\"%i\">", recordId);
}

std::optional<ReferenceSpan> ReferenceStartingAt(std::u16string_view text, int start) {
    size_t at = size_t(start);
    if (text.substr(at, kReferenceOpening.size()) != kReferenceOpening)
        return std::nullopt;
    size_t digits = at + kReferenceOpening.size();
    size_t close = text.find(u'>', digits);
    if (close == std::u16string_view::npos)
        return std::nullopt;
    size_t closing = text.find(kReferenceClosing, close + 1);
    // A reference never holds another one: an opening tag before the closing one means
    // this one is broken.
    size_t nextOpening = text.find(kReferenceOpening, close + 1);
    if (closing == std::u16string_view::npos || nextOpening < closing)
        return std::nullopt;
    ReferenceSpan span;
    span.start = start;
    span.textStart = int(close) + 1;
    span.textEnd = int(closing);
    span.end = int(closing + kReferenceClosing.size());
    std::u16string_view idText = text.substr(digits, std::min(kIdDigits, close - digits));
    for (char16_t c : idText) {
        if (c < u'0' || c > u'9' || span.id > 99999999)
            break;
        span.id = span.id * 10 + (c - u'0');
    }
    return span;
}

std::vector<ReferenceSpan> FindReferences(std::u16string_view text) {
    std::vector<ReferenceSpan> spans;
    for (size_t at = text.find(kReferenceOpening); at != std::u16string_view::npos;
         at = text.find(kReferenceOpening, at + 1)) {
        if (std::optional<ReferenceSpan> span = ReferenceStartingAt(text, int(at))) {
            spans.push_back(*span);
            at = size_t(span->end) - 1;
        }
    }
    return spans;
}

std::optional<ReferenceSpan> ReferenceAround(std::u16string_view text, int position) {
    if (position <= 0 || size_t(position) >= text.size())
        return std::nullopt;
    // The nearest opening tag that starts before the position.
    size_t from = size_t(position) - 1;
    size_t opening = text.rfind(kReferenceOpening, from);
    if (opening == std::u16string_view::npos)
        return std::nullopt;
    std::optional<ReferenceSpan> span = ReferenceStartingAt(text, int(opening));
    if (span && span->start < position && position < span->end)
        return span;
    return std::nullopt;
}

bool WriteReference(zn::richedit::RichEditModel& edit, std::int32_t recordId,
                    std::u16string_view text) {
    ZnsStringW opening = ReferenceOpeningTag(recordId);
    int start = edit.GetSelStart();
    if (!edit.ReplaceSel(opening + ZnsStringW(text) + ZnsStringW(kReferenceClosing)))
        return false;
    int textStart = start + int(opening.size());
    int textEnd = textStart + int(text.size());
    int end = textEnd + int(kReferenceClosing.size());
    mark(edit, start, textStart, kReferenceTagEffects);
    mark(edit, textStart, textEnd, kReferenceTextEffects);
    mark(edit, textEnd, end, kReferenceTagEffects);
    edit.SetSel(end, end);
    return true;
}

} // namespace editor
