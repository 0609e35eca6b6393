// Byte <-> wide conversion through a Windows code page, and the platform's "system ANSI
// code page" that every byte boundary (files, RTF streams, clipboard bytes) goes through.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/text/ZnsString.h"

namespace zn {

class CodePage {
public:
    // The converter for a Windows code page number (1250-1258, 874, 932, 936, 949, 950,
    // 437, 850, 866, 65001, ...). Converters are made once and kept; throws
    // std::invalid_argument for a number no converter exists for.
    static const CodePage& get(int codePage);
    static bool isKnown(int codePage);

    int number() const { return m_number; }
    bool isSingleByte() const { return m_singleByte; }

    ZnsStringW decode(std::string_view bytes) const;
    // Characters the code page lacks become '?'; `lossless` (when given) tells whether
    // every character was representable.
    std::string encode(std::u16string_view text, bool* lossless = nullptr) const;
    // The byte of one character in a single-byte code page, if the page has it exactly.
    std::optional<unsigned char> encodeByte(char16_t ch) const;

    CodePage(int number, const char* icuName);
    ~CodePage();
    CodePage(const CodePage&) = delete;
    CodePage& operator=(const CodePage&) = delete;

private:
    struct Impl;
    int m_number;
    bool m_singleByte = false;
    std::unique_ptr<Impl> m_impl;
};

// The code page of the interface language: 1251 for Russian (1049), 1252 otherwise,
// unless an override is set.
int systemAnsiCodePage();
void setInterfaceLanguage(int languageId);
int interfaceLanguage();
// 0 removes the override.
void setSystemAnsiCodePageOverride(int codePage);

// Shorthands through the system ANSI code page.
ZnsStringW ansiToWide(std::string_view bytes);
std::string wideToAnsi(std::u16string_view text, bool* lossless = nullptr);

} // namespace zn
