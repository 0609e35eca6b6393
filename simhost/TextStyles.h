// The drawing's text styles: each names a font face, a width factor and a slant. The
// standard style uses the ISO 3098 drafting font when the system has it, DejaVu Sans when
// it has not.
#pragma once

#include <memory>
#include <vector>

#include "platform/text/ZnsString.h"
#include "simhost/FontFace.h"

namespace simhost {

struct TextStyle {
    ZnsStringW name;
    std::shared_ptr<FontFace> font;
    double widthFactor = 1.0;
    double oblique = 0; // radians
};

class TextStyles {
public:
    // Finds the fonts; throws std::runtime_error when neither font is installed.
    TextStyles();

    const std::vector<TextStyle>& Styles() const { return m_styles; }
    // The named style; the current one for an empty or unknown name.
    const TextStyle& Find(const ZnsStringW& name) const;
    const TextStyle& Current() const { return m_styles.front(); }

    // Font files looked for, in order of preference.
    static std::vector<std::string> FontCandidates();

private:
    std::vector<TextStyle> m_styles;
};

} // namespace simhost
