// Character format of a run: the effect bits, height and baseline offset in twips, colour,
// face, charset and pitch-and-family, with a mask saying which of them a request means or
// which of them a query over a range found uniform. Bit values are those of the platform's
// rich-edit character format, so masks pass through window messages unchanged.
#pragma once

#include <cstdint>

#include "platform/text/ZnsString.h"

namespace zn::richedit {

enum : uint32_t {
    CFM_BOLD = 0x1,
    CFM_ITALIC = 0x2,
    CFM_UNDERLINE = 0x4,
    CFM_STRIKEOUT = 0x8,
    CFM_PROTECTED = 0x10,
    CFM_LINK = 0x20,
    CFM_HIDDEN = 0x100,
    CFM_EMBOSS = 0x800,
    CFM_IMPRINT = 0x1000,
    CFM_CHARSET = 0x08000000,
    CFM_OFFSET = 0x10000000,
    CFM_FACE = 0x20000000,
    CFM_COLOR = 0x40000000,
    CFM_SIZE = 0x80000000,
    CFM_EFFECTS = CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT | CFM_PROTECTED | CFM_LINK |
                  CFM_HIDDEN | CFM_EMBOSS | CFM_IMPRINT,
    CFM_ALL = CFM_EFFECTS | CFM_CHARSET | CFM_OFFSET | CFM_FACE | CFM_COLOR | CFM_SIZE,
};

enum : uint32_t {
    CFE_BOLD = 0x1,
    CFE_ITALIC = 0x2,
    CFE_UNDERLINE = 0x4,
    CFE_STRIKEOUT = 0x8,
    CFE_PROTECTED = 0x10,
    CFE_LINK = 0x20,
    CFE_HIDDEN = 0x100,
    CFE_EMBOSS = 0x800,
    CFE_IMPRINT = 0x1000,
    // With CFM_COLOR: the text takes the window text colour and `color` is ignored.
    CFE_AUTOCOLOR = 0x40000000,
};

// Charsets of the platform's fonts; each stands for a code page (see platform/rtf/Charset.h).
enum : uint8_t { ANSI_CHARSET = 0, DEFAULT_CHARSET = 1, SYMBOL_CHARSET = 2, RUSSIAN_CHARSET = 204 };
// Pitch in the low two bits, family in the high nibble.
enum : uint8_t {
    DEFAULT_PITCH = 0,
    FIXED_PITCH = 1,
    VARIABLE_PITCH = 2,
    FF_DONTCARE = 0x00,
    FF_ROMAN = 0x10,
    FF_SWISS = 0x20,
    FF_MODERN = 0x30,
    FF_SCRIPT = 0x40,
    FF_DECORATIVE = 0x50,
};

using COLORREF = uint32_t;
constexpr COLORREF RGB(unsigned r, unsigned g, unsigned b) {
    return r | (g << 8) | (b << 16);
}

struct CharFormat {
    uint32_t mask = 0;
    uint32_t effects = 0;
    int32_t height = 200; // twips
    int32_t offset = 0;   // twips above (positive) or below the baseline
    COLORREF color = 0;
    ZnsStringW face;
    uint8_t charset = DEFAULT_CHARSET;
    uint8_t pitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;

    // Copies the fields that `from.mask` names; effect bits only where the mask has them.
    void apply(const CharFormat& from);
    // Clears from `mask` every field in which `other` differs.
    void keepUniform(const CharFormat& other);
    // Compares every field except the mask; `hash` agrees with it.
    bool sameAs(const CharFormat& other) const;
    size_t hash() const;
};

} // namespace zn::richedit
