// Paragraph format: indents, tab stops, line spacing, space after and alignment, with a mask
// as in the platform's rich-edit paragraph format (same bit values).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace zn::richedit {

enum : uint32_t {
    PFM_STARTINDENT = 0x1,
    PFM_RIGHTINDENT = 0x2,
    PFM_OFFSET = 0x4,
    PFM_ALIGNMENT = 0x8,
    PFM_TABSTOPS = 0x10,
    PFM_SPACEAFTER = 0x80,
    PFM_LINESPACING = 0x100,
    PFM_ALL = PFM_STARTINDENT | PFM_RIGHTINDENT | PFM_OFFSET | PFM_ALIGNMENT | PFM_TABSTOPS |
              PFM_SPACEAFTER | PFM_LINESPACING,
};

enum : uint16_t { PFA_LEFT = 1, PFA_RIGHT = 2, PFA_CENTER = 3, PFA_JUSTIFY = 4 };

constexpr int MAX_TAB_STOPS = 32;

struct ParaFormat {
    uint32_t mask = 0;
    int32_t startIndent = 0; // twips, first line
    int32_t rightIndent = 0;
    int32_t offset = 0; // further lines, relative to the first
    int16_t tabCount = 0;
    std::array<int32_t, MAX_TAB_STOPS> tabs{};
    // 0 single, 1 one and a half, 2 double, 3 at least `lineSpacing` twips, 4 exactly
    // `lineSpacing` twips, 5 `lineSpacing` twentieths of a line (20 single, 30, 40 double).
    uint8_t lineSpacingRule = 0;
    int32_t lineSpacing = 0;
    int32_t spaceAfter = 0;
    uint16_t alignment = PFA_LEFT;

    void apply(const ParaFormat& from);
    void keepUniform(const ParaFormat& other);
    bool sameAs(const ParaFormat& other) const;
    size_t hash() const;
    // tabCount within 0 to MAX_TAB_STOPS.
    int validTabCount() const;
};

} // namespace zn::richedit
