#include "calculator/CalcFormat.h"

namespace calc {

void CutTrailingZeros(ZnsStringW& text) {
    if (text.find_first_of(u".,") == ZnsStringW::npos)
        return;
    while (!text.empty() && text.back() == u'0')
        text.pop_back();
}

ZnsStringW WithoutTrailingPoint(std::u16string_view text) {
    size_t end = text.size();
    while (end > 0 && (text[end - 1] == u'.' || text[end - 1] == u' '))
        --end;
    return ZnsStringW(text.substr(0, end));
}

ZnsStringW NumberFromPastedText(std::u16string_view text) {
    ZnsStringW trimmed = zn::trimChars(text, u"\t,. ");
    bool negative = false, point = false;
    ZnsStringW digits;
    for (char16_t ch : trimmed) {
        if (ch == u'-') {
            negative = true;
        } else if (ch >= u'0' && ch <= u'9') {
            digits += ch;
        } else if ((ch == u'.' || ch == u',') && !point) {
            point = true;
            digits += u'.';
        }
    }
    if (digits.empty() || digits == u".")
        return {};
    return negative ? u"-" + digits : digits;
}

} // namespace calc
