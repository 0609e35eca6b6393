#include "simhost/TextContent.h"

#include "platform/rtf/RtfReader.h"
#include "platform/text/CodePage.h"

namespace simhost {

namespace {

std::vector<ZnsStringW> splitLines(std::u16string_view text) {
    std::vector<ZnsStringW> paragraphs(1);
    for (size_t i = 0; i < text.size(); ++i) {
        char16_t ch = text[i];
        if (ch == u'\r' || ch == u'\n') {
            if (ch == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            paragraphs.emplace_back();
        } else {
            paragraphs.back() += ch;
        }
    }
    return paragraphs;
}

// Codes that take an argument up to ';' and show nothing.
bool takesArgument(char16_t code) {
    switch (code) {
    case u'A':
    case u'C':
    case u'c':
    case u'F':
    case u'f':
    case u'H':
    case u'Q':
    case u'T':
    case u'W':
    case u'p':
        return true;
    default:
        return false;
    }
}

} // namespace

ZnsStringW HostMTextToPlain(std::u16string_view text) {
    ZnsStringW plain;
    for (size_t i = 0; i < text.size(); ++i) {
        char16_t ch = text[i];
        if (ch == u'{' || ch == u'}')
            continue;
        if (ch != u'\\' || i + 1 == text.size()) {
            plain += ch;
            continue;
        }
        char16_t code = text[++i];
        if (code == u'P') {
            plain += u'\n';
        } else if (code == u'~') {
            plain += u'\u00A0';
        } else if (code == u'S') { // stacked fraction "a^b;" or "a/b;" shown as a/b
            size_t end = text.find(u';', i + 1);
            ZnsStringW stack(
                text.substr(i + 1, end == std::u16string_view::npos ? end : end - i - 1));
            for (char16_t& c : stack)
                if (c == u'^' || c == u'#')
                    c = u'/';
            plain += stack;
            i = end == std::u16string_view::npos ? text.size() : end;
        } else if (takesArgument(code)) {
            size_t end = text.find(u';', i + 1);
            i = end == std::u16string_view::npos ? text.size() : end;
        } else if (code == u'L' || code == u'l' || code == u'O' || code == u'o' || code == u'K' ||
                   code == u'k') {
            // underline, overline and strike toggles
        } else {
            plain += code; // "\\", "\{", "\}" and unknown codes show the character itself
        }
    }
    return plain;
}

std::optional<std::vector<ZnsStringW>> VisibleParagraphs(std::u16string_view content,
                                                         ZnsContentKind kind) {
    switch (kind) {
    case ZnsContentKind::PlainText:
        return splitLines(content);
    case ZnsContentKind::HostMText:
        return splitLines(HostMTextToPlain(content));
    case ZnsContentKind::Rtf: { // RTF kept as text holds only what the ANSI code page has
        zn::richedit::RichText text;
        if (!zn::rtf::Read(zn::wideToAnsi(content), text))
            return std::nullopt;
        std::vector<ZnsStringW> paragraphs = splitLines(text.visibleText());
        if (paragraphs.size() > 1 && paragraphs.back().empty())
            paragraphs.pop_back(); // the mark that ends the last paragraph opens no new one
        return paragraphs;
    }
    }
    return std::nullopt;
}

} // namespace simhost
