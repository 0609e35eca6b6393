// One font file read through FreeType: advance widths and the capital height in em units,
// so a text of a given capital height measures as it will be drawn.
#pragma once

#include <map>
#include <memory>
#include <string>

namespace simhost {

class FontFace {
public:
    // Null when FreeType cannot read the file.
    static std::shared_ptr<FontFace> Open(const std::string& path);
    ~FontFace();
    FontFace(const FontFace&) = delete;
    FontFace& operator=(const FontFace&) = delete;

    const std::string& Path() const { return m_path; }
    const std::string& FamilyName() const { return m_family; }
    // Advance of one character as a fraction of the em; characters the font lacks take
    // the advance of its missing-glyph box.
    double Advance(char32_t ch) const;
    // Height of the capital letters as a fraction of the em.
    double CapHeight() const { return m_capHeight; }

    // The FreeType library, shared by every open face.
    struct Library;

private:
    FontFace() = default;

    std::shared_ptr<Library> m_library;
    void* m_face = nullptr; // FT_Face
    std::string m_path;
    std::string m_family;
    double m_unitsPerEm = 1000;
    double m_capHeight = 0.7;
    mutable std::map<char32_t, double> m_advances;
};

} // namespace simhost
