// Text helpers: UTF conversion and case mapping through ICU, formatting through the
// C library under a private "C" locale.
#include "platform/text/ZnsString.h"

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <locale.h>
#include <unicode/uchar.h>
#include <unicode/ustring.h>
#include <unicode/utf16.h>
#include <unicode/utf8.h>

namespace zn {

namespace {

// The classic locale, made once; uselocale() switches only this thread, so formatting
// gives C digits even when a caller has set a national locale for the process.
locale_t classicLocale() {
    static locale_t loc = newlocale(LC_ALL_MASK, "C", locale_t(0));
    return loc;
}

const UChar* asUChar(const char16_t* p) { return reinterpret_cast<const UChar*>(p); }
UChar* asUChar(char16_t* p) { return reinterpret_cast<UChar*>(p); }

template <typename Mapper>
ZnsStringW mapCase(std::u16string_view text, Mapper mapper) {
    ZnsStringW out(text.size(), u'\0');
    UErrorCode status = U_ZERO_ERROR;
    int32_t len = mapper(asUChar(out.data()), int32_t(out.size()), asUChar(text.data()),
                         int32_t(text.size()), "", &status);
    if (status == U_BUFFER_OVERFLOW_ERROR) {
        out.assign(size_t(len), u'\0');
        status = U_ZERO_ERROR;
        len = mapper(asUChar(out.data()), int32_t(out.size()), asUChar(text.data()),
                     int32_t(text.size()), "", &status);
    }
    if (U_FAILURE(status))
        return ZnsStringW(text);
    out.resize(size_t(len));
    return out;
}

} // namespace

std::string toUtf8(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        uint32_t c = text[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] < 0xE000) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (c >= 0xD800 && c < 0xE000) {
            c = 0xFFFD; // lone surrogate
        }
        if (c < 0x80) {
            out += char(c);
        } else if (c < 0x800) {
            out += char(0xC0 | (c >> 6));
            out += char(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += char(0xE0 | (c >> 12));
            out += char(0x80 | ((c >> 6) & 0x3F));
            out += char(0x80 | (c & 0x3F));
        } else {
            out += char(0xF0 | (c >> 18));
            out += char(0x80 | ((c >> 12) & 0x3F));
            out += char(0x80 | ((c >> 6) & 0x3F));
            out += char(0x80 | (c & 0x3F));
        }
    }
    return out;
}

ZnsStringW fromUtf8(std::string_view text) {
    ZnsStringW out;
    out.reserve(text.size());
    int32_t i = 0;
    const int32_t n = int32_t(text.size());
    const auto* s = reinterpret_cast<const uint8_t*>(text.data());
    while (i < n) {
        UChar32 c;
        U8_NEXT(s, i, n, c);
        if (c < 0)
            c = 0xFFFD;
        if (c >= 0x10000) {
            out += char16_t(U16_LEAD(c));
            out += char16_t(U16_TRAIL(c));
        } else {
            out += char16_t(c);
        }
    }
    return out;
}

std::string toUtf16Bytes(std::u16string_view text) {
    std::string bytes(text.size() * sizeof(char16_t), '\0');
    std::memcpy(bytes.data(), text.data(), bytes.size());
    return bytes;
}

ZnsStringW fromUtf16Bytes(std::string_view bytes) {
    ZnsStringW text(bytes.size() / sizeof(char16_t), u'\0');
    std::memcpy(text.data(), bytes.data(), text.size() * sizeof(char16_t));
    return text;
}

std::string vformatA(const char* format, va_list args) {
    locale_t previous = uselocale(classicLocale());
    char small[256];
    va_list copy;
    va_copy(copy, args);
    int n = std::vsnprintf(small, sizeof small, format, copy);
    va_end(copy);
    std::string out;
    if (n >= 0 && size_t(n) < sizeof small) {
        out.assign(small, size_t(n));
    } else if (n >= 0) {
        out.resize(size_t(n));
        std::vsnprintf(out.data(), size_t(n) + 1, format, args);
    }
    uselocale(previous);
    return out;
}

double parseDoubleC(const std::string& text, size_t* consumed) {
    char* end = nullptr;
    double value = strtod_l(text.c_str(), &end, classicLocale());
    if (consumed)
        *consumed = size_t(end - text.c_str());
    return value;
}

std::string formatA(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string out = vformatA(format, args);
    va_end(args);
    return out;
}

ZnsStringW format(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string out = vformatA(format, args);
    va_end(args);
    return fromUtf8(out);
}

ZnsStringW toUpper(std::u16string_view text) { return mapCase(text, u_strToUpper); }
ZnsStringW toLower(std::u16string_view text) { return mapCase(text, u_strToLower); }

int compareNoCase(std::u16string_view a, std::u16string_view b) {
    UErrorCode status = U_ZERO_ERROR;
    int r = u_strCaseCompare(asUChar(a.data()), int32_t(a.size()), asUChar(b.data()),
                             int32_t(b.size()), U_FOLD_CASE_DEFAULT, &status);
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

bool equalsNoCase(std::u16string_view a, std::u16string_view b) {
    return compareNoCase(a, b) == 0;
}

char16_t asciiUpper(char16_t ch) { return (ch >= u'a' && ch <= u'z') ? char16_t(ch - 32) : ch; }

bool equalsNoCaseAscii(std::u16string_view a, std::u16string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (asciiUpper(a[i]) != asciiUpper(b[i]))
            return false;
    return true;
}

bool isWhite(char16_t ch) { return ch == u' ' || (ch >= u'\t' && ch <= u'\r'); }

ZnsStringW trimLeft(std::u16string_view text) {
    size_t b = 0;
    while (b < text.size() && isWhite(text[b]))
        ++b;
    return ZnsStringW(text.substr(b));
}

ZnsStringW trimRight(std::u16string_view text) {
    size_t e = text.size();
    while (e > 0 && isWhite(text[e - 1]))
        --e;
    return ZnsStringW(text.substr(0, e));
}

ZnsStringW trim(std::u16string_view text) { return trimLeft(trimRight(text)); }

ZnsStringW trimChars(std::u16string_view text, std::u16string_view chars) {
    size_t b = 0, e = text.size();
    while (b < e && chars.find(text[b]) != std::u16string_view::npos)
        ++b;
    while (e > b && chars.find(text[e - 1]) != std::u16string_view::npos)
        --e;
    return ZnsStringW(text.substr(b, e - b));
}

size_t replaceAll(ZnsStringW& text, std::u16string_view from, std::u16string_view to) {
    if (from.empty())
        return 0;
    size_t pos = text.find(from);
    if (pos == ZnsStringW::npos)
        return 0;
    if (from.size() == to.size()) {
        size_t count = 0;
        for (; pos != ZnsStringW::npos; pos = text.find(from, pos + to.size()), ++count)
            text.replace(pos, from.size(), to);
        return count;
    }
    // One pass into a new buffer keeps long texts with many hits linear.
    ZnsStringW out;
    out.reserve(text.size());
    size_t last = 0, count = 0;
    for (; pos != ZnsStringW::npos; pos = text.find(from, last), ++count) {
        out.append(text, last, pos - last);
        out.append(to);
        last = pos + from.size();
    }
    out.append(text, last, ZnsStringW::npos);
    text.swap(out);
    return count;
}

} // namespace zn
