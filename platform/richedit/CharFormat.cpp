// Masked copy and comparison of character formats.
#include "platform/richedit/CharFormat.h"

#include <functional>

namespace zn::richedit {

void CharFormat::apply(const CharFormat& from) {
    const uint32_t effectMask = from.mask & CFM_EFFECTS;
    effects = (effects & ~effectMask) | (from.effects & effectMask);
    if (from.mask & CFM_COLOR) {
        // The automatic-colour bit travels with the colour.
        effects = (effects & ~CFE_AUTOCOLOR) | (from.effects & CFE_AUTOCOLOR);
        color = from.color;
    }
    if (from.mask & CFM_SIZE)
        height = from.height;
    if (from.mask & CFM_OFFSET)
        offset = from.offset;
    if (from.mask & CFM_FACE) {
        face = from.face;
        pitchAndFamily = from.pitchAndFamily;
    }
    if (from.mask & CFM_CHARSET)
        charset = from.charset;
}

void CharFormat::keepUniform(const CharFormat& other) {
    mask &= ~(CFM_EFFECTS & (effects ^ other.effects));
    if (color != other.color || (effects & CFE_AUTOCOLOR) != (other.effects & CFE_AUTOCOLOR))
        mask &= ~CFM_COLOR;
    if (height != other.height)
        mask &= ~CFM_SIZE;
    if (offset != other.offset)
        mask &= ~CFM_OFFSET;
    if (face != other.face || pitchAndFamily != other.pitchAndFamily)
        mask &= ~CFM_FACE;
    if (charset != other.charset)
        mask &= ~CFM_CHARSET;
}

bool CharFormat::sameAs(const CharFormat& other) const {
    return effects == other.effects && height == other.height && offset == other.offset &&
           color == other.color && charset == other.charset &&
           pitchAndFamily == other.pitchAndFamily && face == other.face;
}

size_t CharFormat::hash() const {
    size_t h = std::hash<std::u16string>()(face);
    for (const uint32_t field : {effects, uint32_t(height), uint32_t(offset), color,
                                 uint32_t(charset), uint32_t(pitchAndFamily)})
        h = h * 1000003u ^ field;
    return h;
}

} // namespace zn::richedit
