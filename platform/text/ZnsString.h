// Wide strings as the host hands them over (UTF-16 code units) and the small set of
// helpers every layer needs: UTF-8 and raw UTF-16 byte bridges, C-locale printf formatting, case-insensitive
// comparison, trimming and literal replacement.
#pragma once

#include <cstdarg>
#include <string>
#include <string_view>

using ZnsStringW = std::u16string;

namespace zn {

std::string toUtf8(std::u16string_view text);
ZnsStringW fromUtf8(std::string_view text);
// The code units as they lie in memory (the clipboard's and the streams' Unicode text); an
// odd trailing byte is dropped.
std::string toUtf16Bytes(std::u16string_view text);
ZnsStringW fromUtf16Bytes(std::string_view bytes);

// printf-style formatting with the digits of the C library in the classic "C" locale,
// whatever locale the process runs in. "%s" takes a narrow (UTF-8) string.
std::string formatA(const char* format, ...) __attribute__((format(printf, 1, 2)));
ZnsStringW format(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string vformatA(const char* format, va_list args);
// strtod in the classic "C" locale: leading white space skipped, stops at the first
// character it cannot use; `consumed` (when given) is the number of characters read.
double parseDoubleC(const std::string& text, size_t* consumed = nullptr);

// Simple case mapping of the root locale (ICU), whole string.
ZnsStringW toUpper(std::u16string_view text);
ZnsStringW toLower(std::u16string_view text);

// Case-insensitive comparison by full case folding; <0, 0, >0.
int compareNoCase(std::u16string_view a, std::u16string_view b);
bool equalsNoCase(std::u16string_view a, std::u16string_view b);

// ASCII-only variants for hot paths whose vocabulary is ASCII (names, tags, keys).
char16_t asciiUpper(char16_t ch);
bool equalsNoCaseAscii(std::u16string_view a, std::u16string_view b);

// Blank and control characters at either end (space, tab, CR, LF, VT, FF).
bool isWhite(char16_t ch);
ZnsStringW trim(std::u16string_view text);
ZnsStringW trimLeft(std::u16string_view text);
ZnsStringW trimRight(std::u16string_view text);
// Removes every leading/trailing character that occurs in `chars`.
ZnsStringW trimChars(std::u16string_view text, std::u16string_view chars);

// Replaces every occurrence of `from` (left to right, non-overlapping) in place; returns the
// number of replacements. An empty `from` replaces nothing.
size_t replaceAll(ZnsStringW& text, std::u16string_view from, std::u16string_view to);

} // namespace zn
