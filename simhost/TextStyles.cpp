#include "simhost/TextStyles.h"

#include <stdexcept>

namespace simhost {

std::vector<std::string> TextStyles::FontCandidates() {
    return {
        "/usr/share/fonts/truetype/osifont/osifont.ttf",
        "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
    };
}

TextStyles::TextStyles() {
    std::shared_ptr<FontFace> font;
    for (const std::string& path : FontCandidates())
        if ((font = FontFace::Open(path)))
            break;
    if (!font)
        throw std::runtime_error("no drafting font: install fonts-osifont or fonts-dejavu-core");
    // Lettering of ISO 3098: type B upright, and its 15-degree slanted form.
    m_styles.push_back({u"Standard", font, 1.0, 0.0});
    m_styles.push_back({u"ISO 3098 slanted", font, 1.0, 15.0 * 3.141592653589793 / 180.0});
    m_styles.push_back({u"Narrow", font, 0.8, 0.0});
}

const TextStyle& TextStyles::Find(const ZnsStringW& name) const {
    for (const TextStyle& style : m_styles)
        if (zn::equalsNoCase(style.name, name))
            return style;
    return Current();
}

} // namespace simhost
