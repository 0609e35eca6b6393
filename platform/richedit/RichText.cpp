// Building formatted text piece by piece (readers and extraction use this).
#include "platform/richedit/RichText.h"

namespace zn::richedit {

void RichText::append(std::u16string_view characters, const CharFormat& format) {
    if (characters.empty())
        return;
    text.append(characters);
    if (!runs.empty() && runs.back().format.sameAs(format))
        runs.back().length += int(characters.size());
    else
        runs.push_back({int(characters.size()), format});
}

void RichText::endParagraph(const CharFormat& format, const ParaFormat& paragraph) {
    append(u"\r", format);
    paragraphs.back() = paragraph;
    paragraphs.emplace_back(paragraph);
}

ZnsStringW RichText::visibleText() const {
    ZnsStringW visible;
    visible.reserve(text.size());
    size_t at = 0;
    for (const Run& run : runs) {
        for (size_t i = at; i < at + size_t(run.length); ++i) {
            const char16_t ch = text[i];
            if (ch == u'\r' || ch == u'\v')
                visible += u'\n';
            else if (!(run.format.effects & CFE_HIDDEN))
                visible += ch;
        }
        at += size_t(run.length);
    }
    return visible;
}

} // namespace zn::richedit
