// Masked copy and comparison of paragraph formats.
#include "platform/richedit/ParaFormat.h"

#include <algorithm>

namespace zn::richedit {

namespace {
bool sameTabs(const ParaFormat& a, const ParaFormat& b) {
    return a.validTabCount() == b.validTabCount() &&
           std::equal(a.tabs.begin(), a.tabs.begin() + a.validTabCount(), b.tabs.begin());
}
} // namespace

void ParaFormat::apply(const ParaFormat& from) {
    if (from.mask & PFM_STARTINDENT)
        startIndent = from.startIndent;
    if (from.mask & PFM_RIGHTINDENT)
        rightIndent = from.rightIndent;
    if (from.mask & PFM_OFFSET)
        offset = from.offset;
    if (from.mask & PFM_ALIGNMENT)
        alignment = from.alignment;
    if (from.mask & PFM_TABSTOPS) {
        tabCount = int16_t(from.validTabCount());
        tabs.fill(0);
        std::copy(from.tabs.begin(), from.tabs.begin() + tabCount, tabs.begin());
    }
    if (from.mask & PFM_SPACEAFTER)
        spaceAfter = from.spaceAfter;
    if (from.mask & PFM_LINESPACING) {
        lineSpacingRule = from.lineSpacingRule;
        lineSpacing = from.lineSpacing;
    }
}

void ParaFormat::keepUniform(const ParaFormat& other) {
    if (startIndent != other.startIndent)
        mask &= ~PFM_STARTINDENT;
    if (rightIndent != other.rightIndent)
        mask &= ~PFM_RIGHTINDENT;
    if (offset != other.offset)
        mask &= ~PFM_OFFSET;
    if (alignment != other.alignment)
        mask &= ~PFM_ALIGNMENT;
    if (!sameTabs(*this, other))
        mask &= ~PFM_TABSTOPS;
    if (spaceAfter != other.spaceAfter)
        mask &= ~PFM_SPACEAFTER;
    if (lineSpacingRule != other.lineSpacingRule || lineSpacing != other.lineSpacing)
        mask &= ~PFM_LINESPACING;
}

bool ParaFormat::sameAs(const ParaFormat& other) const {
    return startIndent == other.startIndent && rightIndent == other.rightIndent &&
           offset == other.offset && alignment == other.alignment && sameTabs(*this, other) &&
           spaceAfter == other.spaceAfter && lineSpacingRule == other.lineSpacingRule &&
           lineSpacing == other.lineSpacing;
}

int ParaFormat::validTabCount() const {
    return std::clamp<int>(tabCount, 0, MAX_TAB_STOPS);
}

size_t ParaFormat::hash() const {
    size_t h = 0;
    for (const int32_t field :
         {startIndent, rightIndent, offset, int32_t(alignment), int32_t(validTabCount()),
          spaceAfter, int32_t(lineSpacingRule), lineSpacing})
        h = h * 1000003u ^ size_t(uint32_t(field));
    for (int t = 0; t < validTabCount(); ++t)
        h = h * 1000003u ^ size_t(uint32_t(tabs[size_t(t)]));
    return h;
}

} // namespace zn::richedit
