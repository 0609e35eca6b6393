// The RTF writer of our fixed dialect (see RtfWriter.h for the shape and why).
#include "platform/rtf/RtfWriter.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>
#include <map>
#include <tuple>
#include <vector>

#include "platform/rtf/Charset.h"
#include "platform/text/CodePage.h"

namespace zn::rtf {

using namespace richedit;

namespace {

struct FontKey {
    ZnsStringW face;
    uint8_t charset;
    uint8_t pitchAndFamily;
    bool operator<(const FontKey& other) const {
        return std::tie(face, charset, pitchAndFamily) <
               std::tie(other.face, other.charset, other.pitchAndFamily);
    }
};

const char* familyWord(uint8_t pitchAndFamily) {
    switch (pitchAndFamily & 0xF0) {
    case FF_ROMAN:
        return "\\froman";
    case FF_SWISS:
        return "\\fswiss";
    case FF_MODERN:
        return "\\fmodern";
    case FF_SCRIPT:
        return "\\fscript";
    case FF_DECORATIVE:
        return "\\fdecor";
    default:
        return "\\fnil";
    }
}

class Writer {
public:
    Writer(const RichText& text, Sink& sink, int documentCodePage)
        : m_text(text), m_sink(sink), m_documentCodePage(documentCodePage) {
        m_out.reserve(1 << 16);
    }

    void run() {
        collectTables();
        writePreamble();
        writeBody();
        m_out += '}';
        flush();
    }

private:
    void collectTables() {
        for (const RichText::Run& run : m_text.runs) {
            const FontKey key{run.format.face, run.format.charset, run.format.pitchAndFamily};
            if (m_fontIndex.emplace(key, int(m_fonts.size())).second)
                m_fonts.push_back(key);
            if (!(run.format.effects & CFE_AUTOCOLOR) &&
                std::find(m_colors.begin(), m_colors.end(), run.format.color) == m_colors.end())
                m_colors.push_back(run.format.color);
        }
        if (m_fonts.empty())
            m_fonts.push_back({u"Arial", DEFAULT_CHARSET, VARIABLE_PITCH | FF_SWISS});
    }

    void writePreamble() {
        word("{\\rtf1\\ansi\\ansicpg", m_documentCodePage);
        m_out += "\\deff0\\uc1{\\fonttbl";
        for (size_t i = 0; i < m_fonts.size(); ++i) {
            const FontKey& font = m_fonts[i];
            word("{\\f", int(i));
            m_out += familyWord(font.pitchAndFamily);
            if (font.pitchAndFamily & 0x3)
                word("\\fprq", font.pitchAndFamily & 0x3);
            word("\\fcharset", font.charset);
            m_out += ' ';
            const CodePage* page = singleBytePage(font.charset);
            for (char16_t ch : font.face)
                character(ch, page);
            m_out += ";}";
        }
        m_out += "}\r\n{\\colortbl ;";
        for (COLORREF color : m_colors) {
            word("\\red", int(color & 0xFF));
            word("\\green", int((color >> 8) & 0xFF));
            word("\\blue", int((color >> 16) & 0xFF));
            m_out += ';';
        }
        m_out += "}\r\n";
    }

    void writeBody() {
        size_t run = 0;
        int runLeft = m_text.runs.empty() ? 0 : m_text.runs[0].length;
        size_t paragraph = 0;
        const ZnsStringW& text = m_text.text;
        paragraphStart(paragraph);
        const CharFormat* current = nullptr;
        const CodePage* page = nullptr;
        size_t comparedRun = size_t(-1);
        for (size_t i = 0; i < text.size(); ++i) {
            while (runLeft == 0 && run + 1 < m_text.runs.size())
                runLeft = m_text.runs[++run].length;
            const CharFormat& format = m_text.runs[run].format;
            --runLeft;
            // Formats are compared where a run or a paragraph starts, not at every character.
            if (current == nullptr || (run != comparedRun && !current->sameAs(format))) {
                characterWords(format);
                current = &format;
                page = singleBytePage(format.charset);
            }
            comparedRun = run;
            if (text[i] == u'\r') {
                m_out += "\\par";
                paragraphStart(++paragraph);
                current = nullptr;
            } else {
                character(text[i], page);
            }
            if (m_out.size() > (1 << 16))
                flush();
        }
        if (current == nullptr) // an empty last paragraph still states its character format
            characterWords(m_text.runs.empty() ? fallbackFormat() : m_text.runs.back().format);
    }

    CharFormat fallbackFormat() const {
        CharFormat format;
        format.face = m_fonts[0].face;
        format.charset = m_fonts[0].charset;
        format.pitchAndFamily = m_fonts[0].pitchAndFamily;
        format.effects = CFE_AUTOCOLOR;
        return format;
    }

    void paragraphStart(size_t paragraph) {
        const ParaFormat& format =
            m_text.paragraphs[std::min(paragraph, m_text.paragraphs.size() - 1)];
        m_out += "\\pard";
        // The first line stands at startIndent, the others at startIndent + offset.
        if (format.startIndent + format.offset != 0)
            word("\\li", format.startIndent + format.offset);
        if (format.offset != 0)
            word("\\fi", -format.offset);
        if (format.rightIndent != 0)
            word("\\ri", format.rightIndent);
        if (format.spaceAfter != 0)
            word("\\sa", format.spaceAfter);
        switch (format.lineSpacingRule) {
        case 1:
            m_out += "\\sl360\\slmult1";
            break;
        case 2:
            m_out += "\\sl480\\slmult1";
            break;
        case 3:
            word("\\sl", format.lineSpacing);
            m_out += "\\slmult0";
            break;
        case 4:
            word("\\sl", -format.lineSpacing);
            m_out += "\\slmult0";
            break;
        case 5:
            word("\\sl", format.lineSpacing * 12); // twentieths of a line, 240 twips each line
            m_out += "\\slmult1";
            break;
        default:
            break;
        }
        static const char* const kAlignment[] = {"\\ql", "\\ql", "\\qr", "\\qc", "\\qj"};
        if (format.alignment >= PFA_RIGHT && format.alignment <= PFA_JUSTIFY)
            m_out += kAlignment[format.alignment];
        for (int t = 0; t < format.validTabCount(); ++t)
            word("\\tx", format.tabs[size_t(t)]);
    }

    void characterWords(const CharFormat& format) {
        const FontKey key{format.face, format.charset, format.pitchAndFamily};
        word("\\plain\\f", m_fontIndex[key]);
        // Sizes and offsets are half-points in RTF; a twips value that is not a whole
        // half-point also goes out exactly in a word of our own that other readers skip.
        word("\\fs", (format.height + 5) / 10);
        if (format.height % 10 != 0)
            word("\\znheight", format.height);
        static const std::pair<uint32_t, const char*> kEffects[] = {
            {CFE_BOLD, "\\b"},           {CFE_ITALIC, "\\i"},          {CFE_UNDERLINE, "\\ul"},
            {CFE_STRIKEOUT, "\\strike"}, {CFE_PROTECTED, "\\protect"}, {CFE_HIDDEN, "\\v"},
            {CFE_EMBOSS, "\\embo"},      {CFE_IMPRINT, "\\impr"},      {CFE_LINK, "\\znlink"},
        };
        for (const auto& [bit, name] : kEffects)
            if (format.effects & bit)
                m_out += name;
        if (format.offset > 0)
            word("\\up", (format.offset + 5) / 10);
        else if (format.offset < 0)
            word("\\dn", (-format.offset + 5) / 10);
        if (format.offset % 10 != 0)
            word("\\znyoffset", format.offset);
        if (format.effects & CFE_AUTOCOLOR) {
            m_out += "\\cf0";
        } else {
            const auto it = std::find(m_colors.begin(), m_colors.end(), format.color);
            word("\\cf", int(it - m_colors.begin()) + 1);
        }
        m_out += ' ';
    }

    // The single-byte code page that text in `charset` is written in, null when its
    // characters go out as \uN; looked up once per charset, not once per character.
    const CodePage* singleBytePage(uint8_t charset) {
        std::optional<const CodePage*>& known = m_pages[charset];
        if (!known) {
            const int codePage = CodePageOfCharset(charset, m_documentCodePage);
            known = nullptr;
            if (CodePage::isKnown(codePage) && CodePage::get(codePage).isSingleByte())
                known = &CodePage::get(codePage);
        }
        return *known;
    }

    void character(char16_t ch, const CodePage* page) {
        switch (ch) {
        case u'\\': // never a backslash in text, so no text can spell a paragraph terminator
            m_out += "\\'5c";
            return;
        case u'{':
            m_out += "\\{";
            return;
        case u'}':
            m_out += "\\}";
            return;
        case u'\t':
            m_out += "\\tab ";
            return;
        case u'\v':
            m_out += "\\line ";
            return;
        default:
            break;
        }
        if (ch >= 0x20 && ch < 0x7F) {
            m_out += char(ch);
            return;
        }
        if (ch < 0x20) {
            hexByte(uint8_t(ch));
            return;
        }
        if (page) {
            if (const auto byte = page->encodeByte(ch)) {
                hexByte(*byte);
                return;
            }
        }
        word("\\u", int(int16_t(ch)));
        m_out += '?';
    }

    void hexByte(uint8_t byte) {
        static const char kHex[] = "0123456789abcdef";
        m_out += "\\'";
        m_out += kHex[byte >> 4];
        m_out += kHex[byte & 0xF];
    }

    void word(const char* name, int value) {
        m_out += name;
        char digits[16];
        m_out.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
    }

    void flush() {
        m_sink.write(m_out.data(), m_out.size());
        m_out.clear();
    }

    const RichText& m_text;
    Sink& m_sink;
    int m_documentCodePage;
    std::string m_out;
    std::vector<FontKey> m_fonts;
    std::map<FontKey, int> m_fontIndex;
    std::array<std::optional<const CodePage*>, 256> m_pages;
    std::vector<COLORREF> m_colors;
};

} // namespace

void Write(const RichText& text, Sink& sink, int ansiCodePage) {
    Writer(text, sink, ansiCodePage > 0 ? ansiCodePage : systemAnsiCodePage()).run();
}

std::string WriteToString(const RichText& text, int ansiCodePage) {
    StringSink sink;
    Write(text, sink, ansiCodePage);
    return std::move(sink.bytes);
}

} // namespace zn::rtf
