// Code pages through ICU converters. Single-byte pages get a decoded table of all 256
// bytes and its exact inverse over every UTF-16 unit, so per-character questions (does the
// page have this character?) are one lookup and no converter call; other pages convert
// through ICU.
#include "platform/text/CodePage.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <mutex>
#include <stdexcept>
#include <vector>

#include <unicode/ucnv.h>
#include <unicode/utf16.h>

namespace zn {

namespace {

std::string icuNameFor(int codePage) {
    switch (codePage) {
    case 65001:
        return "UTF-8";
    case 437:
    case 850:
    case 866:
        return "ibm-" + std::to_string(codePage);
    case 932:
        return "ibm-943_P15A-2003";
    case 936:
        return "windows-936-2000";
    case 949:
        return "windows-949-2000";
    case 950:
        return "windows-950-2000";
    default:
        return "windows-" + std::to_string(codePage);
    }
}

// Reports, through the context flag, that a substitution happened.
void U_CALLCONV flagSubstitution(const void* context, UConverterFromUnicodeArgs* args,
                                  const UChar* units, int32_t length, UChar32 cp,
                                  UConverterCallbackReason reason, UErrorCode* err) {
    if (reason <= UCNV_IRREGULAR)
        *static_cast<bool*>(const_cast<void*>(context)) = true;
    UCNV_FROM_U_CALLBACK_SUBSTITUTE(nullptr, args, units, length, cp, reason, err);
}

struct Registry {
    std::mutex lock;
    std::map<int, std::unique_ptr<CodePage>> pages;
};

Registry& registry() {
    static Registry r;
    return r;
}

// One pass the compiler can vectorise, unlike a loop that stops at the first non-ASCII unit.
bool isAscii(std::u16string_view text) {
    char16_t seen = 0;
    for (char16_t ch : text)
        seen |= ch;
    return seen < 0x80;
}

int g_language = 1033;
int g_override = 0;

} // namespace

struct CodePage::Impl {
    UConverter* converter = nullptr;
    std::mutex lock; // a UConverter keeps state and must not be shared concurrently
    std::array<char16_t, 256> toWide{};
    // The byte of each UTF-16 unit, kNoByte where the page lacks it. A flat table rather
    // than a hash map: writers ask once per character of every text, and the hash lookup
    // was most of their time.
    static constexpr std::uint16_t kNoByte = 0xFFFF;
    std::vector<std::uint16_t> toByte;
    bool asciiKept = false; // every ASCII character is its own byte

};

CodePage::CodePage(int number, const char* icuName) : m_number(number), m_impl(new Impl) {
    UErrorCode status = U_ZERO_ERROR;
    m_impl->converter = ucnv_open(icuName, &status);
    if (U_FAILURE(status))
        throw std::invalid_argument("unknown code page " + std::to_string(number));
    ucnv_setSubstChars(m_impl->converter, "?", 1, &status);
    m_singleByte = ucnv_getMaxCharSize(m_impl->converter) == 1;
    if (m_singleByte) {
        for (int b = 0; b < 256; ++b) {
            char byte = char(b);
            UChar out[4];
            status = U_ZERO_ERROR;
            int32_t n = ucnv_toUChars(m_impl->converter, out, 4, &byte, 1, &status);
            // Bytes the page leaves undefined pass through as the same code point, as the
            // system's conversion does.
            char16_t wide = (U_SUCCESS(status) && n == 1 && out[0] != 0xFFFD) ? out[0] : char16_t(b);
            m_impl->toWide[size_t(b)] = wide;
        }
        m_impl->toByte.assign(0x10000, Impl::kNoByte);
        for (int b = 255; b >= 0; --b)
            m_impl->toByte[m_impl->toWide[size_t(b)]] = std::uint16_t(b);
        m_impl->asciiKept = true;
        for (char16_t ch = 0; ch < 0x80; ++ch)
            m_impl->asciiKept = m_impl->asciiKept && m_impl->toByte[ch] == ch;
    }
}

CodePage::~CodePage() { ucnv_close(m_impl->converter); }

const CodePage& CodePage::get(int codePage) {
    Registry& r = registry();
    std::lock_guard<std::mutex> guard(r.lock);
    auto it = r.pages.find(codePage);
    if (it == r.pages.end())
        it = r.pages.emplace(codePage, std::make_unique<CodePage>(codePage, icuNameFor(codePage).c_str()))
                 .first;
    return *it->second;
}

bool CodePage::isKnown(int codePage) {
    try {
        get(codePage);
        return true;
    } catch (const std::invalid_argument&) {
        return false;
    }
}

ZnsStringW CodePage::decode(std::string_view bytes) const {
    ZnsStringW out;
    if (m_singleByte) {
        out.resize(bytes.size());
        for (size_t i = 0; i < bytes.size(); ++i)
            out[i] = m_impl->toWide[(unsigned char)bytes[i]];
        return out;
    }
    std::lock_guard<std::mutex> guard(m_impl->lock);
    out.resize(bytes.size() + 1);
    UErrorCode status = U_ZERO_ERROR;
    int32_t n = ucnv_toUChars(m_impl->converter, reinterpret_cast<UChar*>(out.data()),
                              int32_t(out.size()), bytes.data(), int32_t(bytes.size()), &status);
    out.resize(U_SUCCESS(status) ? size_t(n) : 0);
    return out;
}

std::optional<unsigned char> CodePage::encodeByte(char16_t ch) const {
    if (!m_singleByte || m_impl->toByte[ch] == Impl::kNoByte)
        return std::nullopt;
    return (unsigned char)m_impl->toByte[ch];
}

std::string CodePage::encode(std::u16string_view text, bool* lossless) const {
    std::string out;
    bool substituted = false;
    if (m_singleByte && m_impl->asciiKept && isAscii(text)) {
        // Most text that crosses is ASCII (RTF is written 7-bit): a plain narrowing copy.
        out.resize(text.size());
        std::copy(text.begin(), text.end(), out.begin());
    } else if (m_singleByte) {
        // Written by index into the full size, shortened at the end by the surrogate pairs.
        out.resize(text.size());
        const std::uint16_t* toByte = m_impl->toByte.data();
        size_t n = 0;
        for (size_t i = 0; i < text.size(); ++i) {
            if (std::uint16_t b = toByte[text[i]]; b != Impl::kNoByte) {
                out[n++] = char(b);
                continue;
            }
            substituted = true;
            out[n++] = '?';
            // A surrogate pair is one character and gets one '?'.
            if (U16_IS_LEAD(text[i]) && i + 1 < text.size() && U16_IS_TRAIL(text[i + 1]))
                ++i;
        }
        out.resize(n);
    } else {
        std::lock_guard<std::mutex> guard(m_impl->lock);
        UErrorCode status = U_ZERO_ERROR;
        ucnv_setFromUCallBack(m_impl->converter, flagSubstitution, &substituted, nullptr,
                              nullptr, &status);
        out.resize(text.size() * 4 + 4);
        int32_t n = ucnv_fromUChars(m_impl->converter, out.data(), int32_t(out.size()),
                                    reinterpret_cast<const UChar*>(text.data()),
                                    int32_t(text.size()), &status);
        out.resize(U_SUCCESS(status) ? size_t(n) : 0);
    }
    if (lossless)
        *lossless = !substituted;
    return out;
}

int systemAnsiCodePage() {
    if (g_override)
        return g_override;
    return g_language == 1049 ? 1251 : 1252;
}

void setInterfaceLanguage(int languageId) { g_language = languageId; }
int interfaceLanguage() { return g_language; }
void setSystemAnsiCodePageOverride(int codePage) { g_override = codePage; }

ZnsStringW ansiToWide(std::string_view bytes) {
    return CodePage::get(systemAnsiCodePage()).decode(bytes);
}

std::string wideToAnsi(std::u16string_view text, bool* lossless) {
    return CodePage::get(systemAnsiCodePage()).encode(text, lossless);
}

} // namespace zn
