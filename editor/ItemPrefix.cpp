#include "editor/ItemPrefix.h"

#include <cstdlib>

namespace editor {

namespace {

constexpr std::u16string_view kTagOpening = u"*<iref id=\"";

// strtol over UTF-16: leading blanks, a sign, decimal digits. Returns the characters read
// (0 when there was no number).
int readNumber(std::u16string_view text, std::size_t from, std::int32_t& value) {
    std::size_t i = from;
    while (i < text.size() && (text[i] == u' ' || (text[i] >= u'\t' && text[i] <= u'\r')))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        negative = text[i++] == u'-';
    std::size_t digits = i;
    long long number = 0;
    while (i < text.size() && text[i] >= u'0' && text[i] <= u'9') {
        if (number < 0x7fffffffLL)
            number = number * 10 + (text[i] - u'0');
        ++i;
    }
    if (i == digits)
        return 0;
    value = std::int32_t(negative ? -number : number);
    return int(i - from);
}

} // namespace

ItemPrefix ParseItemPrefix(std::u16string_view text) {
    ItemPrefix prefix;
    std::int32_t number = 0;
    int read = readNumber(text, 0, number);
    std::size_t i = std::size_t(read);
    if (read == 0 || i >= text.size() || text[i] != u'.')
        return {};
    ++i;
    if (i < text.size() && text[i] == u' ')
        return {int(i + 1), number, 0};
    if (text.substr(i, kTagOpening.size()) != kTagOpening)
        return {};
    i += kTagOpening.size();
    std::int32_t tagId = 0;
    i += std::size_t(readNumber(text, i, tagId));
    while (i < text.size() && text[i] != u'"')
        ++i;
    if (i >= text.size())
        return {};
    ++i;
    if (text.substr(i, 2) != u"/>")
        return {};
    i += 2;
    if (i < text.size() && text[i] == u' ')
        ++i;
    prefix = {int(i), number, tagId};
    return prefix;
}

ZnsStringW FormatItemNumber(std::int32_t number) {
    return zn::format("%i. ", number);
}

ZnsStringW FormatItemTag(std::int32_t tagId) {
    return zn::format("*<iref id=\"%i\"/>", tagId);
}

} // namespace editor
