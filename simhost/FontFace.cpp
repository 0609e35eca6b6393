// FreeType does the reading; we keep only the few metrics layout needs.
#include "simhost/FontFace.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

namespace simhost {

struct FontFace::Library {
    FT_Library handle = nullptr;
    Library() { FT_Init_FreeType(&handle); }
    ~Library() {
        if (handle)
            FT_Done_FreeType(handle);
    }
};

namespace {
std::shared_ptr<FontFace::Library> sharedLibrary() {
    static std::weak_ptr<FontFace::Library> shared;
    auto library = shared.lock();
    if (!library) {
        library = std::make_shared<FontFace::Library>();
        shared = library;
    }
    return library;
}
} // namespace

std::shared_ptr<FontFace> FontFace::Open(const std::string& path) {
    std::shared_ptr<FontFace> font(new FontFace);
    font->m_library = sharedLibrary();
    FT_Face face = nullptr;
    if (!font->m_library->handle ||
        FT_New_Face(font->m_library->handle, path.c_str(), 0, &face) != 0)
        return nullptr;
    font->m_face = face;
    font->m_path = path;
    font->m_family = face->family_name ? face->family_name : "";
    font->m_unitsPerEm = face->units_per_EM > 0 ? face->units_per_EM : 1000;
    auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    if (os2 && os2->version >= 2 && os2->sCapHeight > 0)
        font->m_capHeight = os2->sCapHeight / font->m_unitsPerEm;
    else if (FT_Load_Char(face, 'H', FT_LOAD_NO_SCALE) == 0 && face->glyph->metrics.height > 0)
        font->m_capHeight = double(face->glyph->metrics.horiBearingY) / font->m_unitsPerEm;
    return font;
}

FontFace::~FontFace() {
    if (m_face)
        FT_Done_Face(static_cast<FT_Face>(m_face));
}

double FontFace::Advance(char32_t ch) const {
    auto it = m_advances.find(ch);
    if (it != m_advances.end())
        return it->second;
    auto face = static_cast<FT_Face>(m_face);
    double advance = 0.5;
    if (FT_Load_Char(face, FT_ULong(ch), FT_LOAD_NO_SCALE) == 0)
        advance = double(face->glyph->metrics.horiAdvance) / m_unitsPerEm;
    m_advances.emplace(ch, advance);
    return advance;
}

} // namespace simhost
