// The tolerant RTF reader (see RtfReader.h). One pass over the bytes with a stack of group
// states; text bytes are gathered and decoded in runs through the code page in force.
#include "platform/rtf/RtfReader.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <map>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "platform/rtf/Charset.h"
#include "platform/text/CodePage.h"

namespace zn::rtf {

using namespace richedit;

namespace {

enum class Destination { Text, Skip, FontTable, ColorTable };

struct Font {
    std::string nameBytes; // not yet decoded
    int charset = -1;      // none given
    uint8_t pitchAndFamily = 0;
    ZnsStringW name;
};

struct GroupState {
    Destination destination = Destination::Text;
    CharFormat format;
    int font = -1;
    int colorIndex = 0;
    ParaFormat para;
    int leftIndent = 0;
    int firstIndent = 0;
    int lineSpacing = 0; // \sl as written
    bool lineMultiple = false;
    int unicodeSkip = 1;
};

// Destinations whose text is not document text.
// A parameter saturates rather than overflow, as RTF readers clamp them; a tenth of the
// 32-bit range keeps half-points times ten and the sum of two indents in range.
constexpr long long kParameterLimit = std::numeric_limits<std::int32_t>::max() / 10;

const std::unordered_set<std::string_view> kSkippedDestinations = {
    "stylesheet",  "info",
    "pict",        "object",
    "header",      "headerl",
    "headerr",     "headerf",
    "footer",      "footerl",
    "footerr",     "footerf",
    "footnote",    "annotation",
    "pntext",      "listtext",
    "pn",          "fldinst",
    "xe",          "tc",
    "txe",         "rxe",
    "bkmkstart",   "bkmkend",
    "themedata",   "colorschememapping",
    "datastore",   "latentstyles",
    "listtable",   "listoverridetable",
    "rsidtbl",     "revtbl",
    "generator",   "xmlnstbl",
    "mmathPr",     "pgdsctbl",
    "nonshppict",  "shpinst",
    "sp",          "sn",
    "sv",          "objdata",
    "result",      "filetbl",
    "private",     "ftnsep",
    "ftnsepc",     "ftncn",
    "aftnsep",     "aftnsepc",
    "aftncn",      "docvar",
    "atnid",       "atnauthor",
    "atrfstart",   "atrfend",
    "falt",        "panose",
    "listpicture",
};

// Control words that stand for one character.
const std::unordered_map<std::string_view, char16_t> kCharacterWords = {
    {"tab", u'\t'},         {"line", u'\v'},          {"emdash", u'\u2014'},
    {"endash", u'\u2013'},  {"emspace", u'\u2003'},   {"enspace", u'\u2002'},
    {"qmspace", u'\u2005'}, {"bullet", u'\u2022'},    {"lquote", u'\u2018'},
    {"rquote", u'\u2019'},  {"ldblquote", u'\u201C'}, {"rdblquote", u'\u201D'},
    {"zwj", u'\u200D'},     {"zwnj", u'\u200C'},      {"ltrmark", u'\u200E'},
    {"rtlmark", u'\u200F'},
};

const std::unordered_map<std::string_view, uint32_t> kEffectWords = {
    {"b", CFE_BOLD},   {"i", CFE_ITALIC},    {"strike", CFE_STRIKEOUT}, {"protect", CFE_PROTECTED},
    {"v", CFE_HIDDEN}, {"embo", CFE_EMBOSS}, {"impr", CFE_IMPRINT},     {"znlink", CFE_LINK},
};

const std::unordered_map<std::string_view, uint16_t> kAlignments = {
    {"ql", PFA_LEFT},
    {"qr", PFA_RIGHT},
    {"qc", PFA_CENTER},
    {"qj", PFA_JUSTIFY},
};

constexpr size_t kMaxDepth = 1000;

int hexValue(char digit) {
    return std::isdigit(uint8_t(digit)) ? digit - '0' : std::tolower(uint8_t(digit)) - 'a' + 10;
}

class Reader {
public:
    Reader(std::string_view bytes, RichText& out, const ReadOptions& options)
        : m_bytes(bytes), m_out(out),
          m_codePage(options.ansiCodePage > 0 ? options.ansiCodePage : systemAnsiCodePage()),
          m_default(options.defaultFormat) {
        m_default.mask = CFM_ALL;
        m_default.effects = CFE_AUTOCOLOR;
        m_default.height = 240; // RTF's default size, 12 points
        m_default.offset = 0;
        m_default.charset = CharsetOfCodePage(m_codePage);
        m_state.format = m_default;
        m_state.para.mask = PFM_ALL;
        m_lastPara.mask = PFM_ALL;
    }

    ReadResult run() {
        size_t start = 0;
        while (start < m_bytes.size() && std::strchr(" \t\r\n", m_bytes[start]))
            ++start;
        if (m_bytes.substr(start, 5) != "{\\rtf")
            return {ReadStatus::NotRtf, start};
        m_pos = start;
        while (m_pos < m_bytes.size() && !m_done) {
            const char c = m_bytes[m_pos++];
            switch (c) {
            case '{':
                openGroup();
                break;
            case '}':
                closeGroup();
                break;
            case '\\':
                controlWord();
                break;
            case '\r':
            case '\n':
            case '\0':
                break;
            case '\t':
                special(u'\t');
                break;
            default:
                textByte(uint8_t(c));
                break;
            }
        }
        flushBytes();
        m_out.paragraphs.back() = m_lastPara;
        return {};
    }

private:
    void openGroup() {
        flushBytes();
        m_skipFallback = 0;
        if (m_stack.size() >= kMaxDepth) {
            ++m_excessDepth;
            return;
        }
        m_stack.push_back(m_state);
    }

    void closeGroup() {
        flushBytes();
        m_skipFallback = 0;
        if (m_excessDepth > 0) {
            --m_excessDepth;
            return;
        }
        if (m_state.destination == Destination::FontTable)
            finishFont();
        if (!m_stack.empty()) {
            m_state = m_stack.back();
            m_stack.pop_back();
        }
        // After the final brace whatever follows is not the document.
        m_done = m_stack.empty();
    }

    void controlWord() {
        if (m_pos >= m_bytes.size())
            return;
        const char c = m_bytes[m_pos];
        if (!std::isalpha(uint8_t(c))) {
            ++m_pos;
            controlSymbol(c);
            return;
        }
        const size_t nameStart = m_pos;
        while (m_pos < m_bytes.size() && std::isalpha(uint8_t(m_bytes[m_pos])) &&
               m_pos - nameStart < 32)
            ++m_pos;
        const std::string_view name = m_bytes.substr(nameStart, m_pos - nameStart);
        bool hasParam = false;
        bool negative = false;
        long long param = 0;
        if (m_pos < m_bytes.size() && m_bytes[m_pos] == '-') {
            negative = true;
            ++m_pos;
        }
        while (m_pos < m_bytes.size() && std::isdigit(uint8_t(m_bytes[m_pos]))) {
            param = std::min(param * 10 + (m_bytes[m_pos] - '0'), kParameterLimit);
            hasParam = true;
            ++m_pos;
        }
        if (m_pos < m_bytes.size() && m_bytes[m_pos] == ' ')
            ++m_pos;
        const int value = int(negative ? -param : param);
        if (name == "bin") { // raw bytes follow, whatever they look like
            flushBytes();
            m_pos = std::min(m_bytes.size(), m_pos + size_t(std::max(0, value)));
            if (m_skipFallback > 0)
                --m_skipFallback;
            return;
        }
        if (m_skipFallback > 0) {
            --m_skipFallback;
            return;
        }
        flushBytes(); // the bytes so far are in the format before this word
        word(name, hasParam, value);
    }

    void controlSymbol(char c) {
        if (c == '\'') {
            if (m_pos + 2 <= m_bytes.size() && std::isxdigit(uint8_t(m_bytes[m_pos])) &&
                std::isxdigit(uint8_t(m_bytes[m_pos + 1]))) {
                const int byte = hexValue(m_bytes[m_pos]) * 16 + hexValue(m_bytes[m_pos + 1]);
                m_pos += 2;
                textByte(uint8_t(byte));
            }
            return;
        }
        if (m_skipFallback > 0) {
            --m_skipFallback;
            return;
        }
        switch (c) {
        case '\\':
        case '{':
        case '}':
            textByte(uint8_t(c));
            break;
        case '~':
            special(u'\u00A0');
            break;
        case '_':
            special(u'\u2011');
            break;
        case '*':
            m_state.destination = Destination::Skip;
            break;
        case '\r':
        case '\n':
            paragraph();
            break;
        case '-': // optional hyphen
            special(u'\u00AD');
            break;
        default: // \| and \: (index entries) and unknown symbols
            break;
        }
    }

    void word(std::string_view name, bool hasParam, int value) {
        const bool on = !hasParam || value != 0;
        CharFormat& f = m_state.format;
        auto effect = [&](uint32_t bit) { f.effects = on ? f.effects | bit : f.effects & ~bit; };

        if (name == "fonttbl")
            m_state.destination = Destination::FontTable;
        else if (name == "colortbl")
            m_state.destination = Destination::ColorTable;
        else if (kSkippedDestinations.count(name) != 0)
            m_state.destination = Destination::Skip;
        else if (name == "u")
            unicodeCharacter(value);
        else if (m_state.destination == Destination::FontTable)
            fontWord(name, value);
        else if (m_state.destination == Destination::ColorTable)
            colorWord(name, value);
        else if (name == "ansicpg" && CodePage::isKnown(value))
            m_codePage = value;
        else if (name == "mac")
            m_codePage = 10000;
        else if (name == "pc")
            m_codePage = 437;
        else if (name == "pca")
            m_codePage = 850;
        else if (name == "deff")
            m_defaultFont = value;
        else if (name == "uc")
            m_state.unicodeSkip = std::max(0, value);
        else if (name == "par" || name == "sect" || name == "page" || name == "cell" ||
                 name == "nestcell")
            paragraph();
        else if (const auto it = kCharacterWords.find(name); it != kCharacterWords.end())
            special(it->second);
        else if (name == "plain")
            plain();
        else if (name == "f")
            m_state.font = value;
        else if (name == "fs")
            f.height = hasParam ? value * 10 : 240;
        else if (name == "znheight")
            f.height = value;
        else if (const auto it = kEffectWords.find(name); it != kEffectWords.end())
            effect(it->second);
        else if (name == "ulnone")
            f.effects &= ~CFE_UNDERLINE;
        else if (name.starts_with("ul") &&
                 name != "ulc") // \ul and its line styles; \ulc is a colour
            effect(CFE_UNDERLINE);
        else if (name == "up")
            f.offset = (hasParam ? value : 6) * 10;
        else if (name == "dn")
            f.offset = -(hasParam ? value : 6) * 10;
        else if (name == "znyoffset")
            f.offset = value;
        else if (name == "super")
            f.offset = f.height * 4 / 9;
        else if (name == "sub")
            f.offset = -(f.height * 4 / 9);
        else if (name == "nosupersub")
            f.offset = 0;
        else if (name == "cf")
            m_state.colorIndex = value;
        else
            paragraphWord(name, hasParam, value);
    }

    void paragraphWord(std::string_view name, bool hasParam, int value) {
        ParaFormat& p = m_state.para;
        if (name == "pard") {
            p = ParaFormat();
            p.mask = PFM_ALL;
            m_state.leftIndent = m_state.firstIndent = m_state.lineSpacing = 0;
            m_state.lineMultiple = false;
        } else if (name == "li") {
            m_state.leftIndent = value;
        } else if (name == "fi") {
            m_state.firstIndent = value;
        } else if (name == "ri") {
            p.rightIndent = value;
        } else if (name == "sa") {
            p.spaceAfter = value;
        } else if (name == "sl") {
            m_state.lineSpacing = hasParam ? value : 0;
        } else if (name == "slmult") {
            m_state.lineMultiple = value != 0;
        } else if (const auto it = kAlignments.find(name); it != kAlignments.end()) {
            p.alignment = it->second;
        } else if (name == "tx" || name == "tb") {
            if (p.tabCount < MAX_TAB_STOPS)
                p.tabs[size_t(p.tabCount++)] = value;
        } else {
            return; // not a word we know: skipped
        }
        // The model keeps the first line absolute and the others relative to it.
        p.startIndent = m_state.leftIndent + m_state.firstIndent;
        p.offset = -m_state.firstIndent;
        if (m_state.lineSpacing == 0) {
            p.lineSpacingRule = 0;
            p.lineSpacing = 0;
        } else if (m_state.lineMultiple) {
            p.lineSpacingRule = 5; // twentieths of a line; one line is 240 twips
            p.lineSpacing = (std::abs(m_state.lineSpacing) + 6) / 12;
        } else {
            p.lineSpacingRule = m_state.lineSpacing > 0 ? 3 : 4;
            p.lineSpacing = std::abs(m_state.lineSpacing);
        }
        if (m_state.destination == Destination::Text)
            m_lastPara = p;
    }

    void fontWord(std::string_view name, int value) {
        if (name == "f") {
            finishFont();
            m_fontNumber = value;
            m_font = Font();
            m_inFont = true;
        } else if (name == "fcharset") {
            m_font.charset = value;
        } else if (name == "fprq") {
            m_font.pitchAndFamily = uint8_t((m_font.pitchAndFamily & 0xF0) | (value & 0x3));
        } else {
            static const std::pair<std::string_view, uint8_t> kFamilies[] = {
                {"fnil", FF_DONTCARE},    {"froman", FF_ROMAN},   {"fswiss", FF_SWISS},
                {"fmodern", FF_MODERN},   {"fscript", FF_SCRIPT}, {"fdecor", FF_DECORATIVE},
                {"ftech", FF_DECORATIVE},
            };
            for (const auto& [family, bits] : kFamilies)
                if (name == family)
                    m_font.pitchAndFamily = uint8_t((m_font.pitchAndFamily & 0x3) | bits);
        }
    }

    void decodeFontName() {
        m_font.name += decode(m_font.nameBytes, codePageOfCharset(m_font.charset));
        m_font.nameBytes.clear();
    }

    void finishFont() {
        if (!m_inFont)
            return;
        decodeFontName();
        while (!m_font.name.empty() && (m_font.name.back() == u';' || m_font.name.back() == u' '))
            m_font.name.pop_back();
        m_fonts[m_fontNumber] = m_font;
        m_inFont = false;
    }

    void colorWord(std::string_view name, int value) {
        const unsigned component = unsigned(std::clamp(value, 0, 255));
        if (name == "red")
            m_color = (m_color & 0xFFFF00) | component;
        else if (name == "green")
            m_color = (m_color & 0xFF00FF) | (component << 8);
        else if (name == "blue")
            m_color = (m_color & 0x00FFFF) | (component << 16);
        else
            return;
        m_colorGiven = true;
    }

    int codePageOfCharset(int charset) const {
        return charset < 0 ? m_codePage : CodePageOfCharset(charset, m_codePage);
    }

    int currentCodePage() const {
        const auto it = m_fonts.find(m_state.font < 0 ? m_defaultFont : m_state.font);
        return it == m_fonts.end() ? m_codePage : codePageOfCharset(it->second.charset);
    }

    static ZnsStringW decode(const std::string& bytes, int codePage) {
        return CodePage::get(CodePage::isKnown(codePage) ? codePage : 1252).decode(bytes);
    }

    void textByte(uint8_t byte) {
        if (m_skipFallback > 0) {
            --m_skipFallback;
            return;
        }
        switch (m_state.destination) {
        case Destination::Text:
            // Every word and group boundary ends a byte run, so the font cannot change inside one.
            if (m_pending.empty())
                m_pendingCodePage = currentCodePage();
            m_pending += char(byte);
            break;
        case Destination::FontTable:
            if (byte == ';' && m_inFont) {
                finishFont();
            } else if (m_inFont) {
                m_font.nameBytes += char(byte);
            }
            break;
        case Destination::ColorTable:
            if (byte == ';') {
                m_colors.push_back(m_colorGiven ? std::optional<COLORREF>(m_color) : std::nullopt);
                m_color = 0;
                m_colorGiven = false;
            }
            break;
        case Destination::Skip:
            break;
        }
    }

    void unicodeCharacter(int value) {
        if (m_state.destination == Destination::Text) {
            flushBytes();
            const char16_t unit = char16_t(value < 0 ? value + 65536 : value);
            emit(std::u16string_view(&unit, 1));
        } else if (m_state.destination == Destination::FontTable && m_inFont) {
            decodeFontName();
            m_font.name += char16_t(value < 0 ? value + 65536 : value);
        }
        m_skipFallback = m_state.unicodeSkip;
    }

    void special(char16_t ch) {
        if (m_state.destination != Destination::Text)
            return;
        flushBytes();
        emit(std::u16string_view(&ch, 1));
    }

    void paragraph() {
        if (m_state.destination != Destination::Text)
            return;
        flushBytes();
        m_out.endParagraph(currentFormat(), m_state.para);
        m_lastPara = m_state.para;
    }

    void plain() {
        m_state.format = m_default;
        m_state.font = -1;
        m_state.colorIndex = 0;
    }

    void flushBytes() {
        if (m_pending.empty())
            return;
        emit(decode(m_pending, m_pendingCodePage));
        m_pending.clear();
    }

    void emit(std::u16string_view text) {
        m_out.append(text, currentFormat());
        m_lastPara = m_state.para;
    }

    CharFormat currentFormat() const {
        CharFormat format = m_state.format;
        const auto font = m_fonts.find(m_state.font < 0 ? m_defaultFont : m_state.font);
        if (font != m_fonts.end()) {
            format.face = font->second.name;
            format.pitchAndFamily = font->second.pitchAndFamily;
            if (font->second.charset >= 0)
                format.charset = uint8_t(font->second.charset);
        }
        const size_t color = size_t(std::max(0, m_state.colorIndex));
        if (color < m_colors.size() && m_colors[color]) {
            format.effects &= ~CFE_AUTOCOLOR;
            format.color = *m_colors[color];
        } else {
            format.effects |= CFE_AUTOCOLOR;
            format.color = 0;
        }
        return format;
    }

    std::string_view m_bytes;
    RichText& m_out;
    int m_codePage;
    CharFormat m_default;
    size_t m_pos = 0;
    bool m_done = false;
    GroupState m_state;
    std::vector<GroupState> m_stack;
    size_t m_excessDepth = 0;
    int m_skipFallback = 0;
    std::string m_pending;
    int m_pendingCodePage = 1252;
    ParaFormat m_lastPara;
    int m_defaultFont = 0;
    std::map<int, Font> m_fonts;
    Font m_font;
    int m_fontNumber = 0;
    bool m_inFont = false;
    std::vector<std::optional<COLORREF>> m_colors;
    COLORREF m_color = 0;
    bool m_colorGiven = false;
};

} // namespace

ReadResult Read(std::string_view bytes, RichText& out, const ReadOptions& options) {
    RichText result;
    const ReadResult status = Reader(bytes, result, options).run();
    if (status)
        out = std::move(result);
    return status;
}

} // namespace zn::rtf
