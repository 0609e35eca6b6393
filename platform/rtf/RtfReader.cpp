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

constexpr std::string_view kSkippedDestinations[] = {
    "stylesheet",  "info",
    "pict",        "object",
    "header",      "headerl",
    "headerr",     "headerf",
    "footer",      "footerl",
    "footerr",     "footerf",
    "footnote",    "annotation",
    "nonesttables", // the flat copy of nested tables, for readers without them
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
constexpr std::pair<std::string_view, char16_t> kCharacterWords[] = {
    {"tab", u'\t'},         {"line", u'\v'},          {"emdash", u'\u2014'},
    {"endash", u'\u2013'},  {"emspace", u'\u2003'},   {"enspace", u'\u2002'},
    {"qmspace", u'\u2005'}, {"bullet", u'\u2022'},    {"lquote", u'\u2018'},
    {"rquote", u'\u2019'},  {"ldblquote", u'\u201C'}, {"rdblquote", u'\u201D'},
    {"zwj", u'\u200D'},     {"zwnj", u'\u200C'},      {"ltrmark", u'\u200E'},
    {"rtlmark", u'\u200F'},
};

constexpr std::pair<std::string_view, uint32_t> kEffectWords[] = {
    {"b", CFE_BOLD},   {"i", CFE_ITALIC},    {"strike", CFE_STRIKEOUT}, {"protect", CFE_PROTECTED},
    {"v", CFE_HIDDEN}, {"embo", CFE_EMBOSS}, {"impr", CFE_IMPRINT},     {"znlink", CFE_LINK},
};

constexpr std::pair<std::string_view, uint16_t> kAlignments[] = {
    {"ql", PFA_LEFT},
    {"qr", PFA_RIGHT},
    {"qc", PFA_CENTER},
    {"qj", PFA_JUSTIFY},
};

// What a control word does, looked up once per word: the dispatch is the reader's hot path.
enum class Word : uint8_t {
    Other,
    FontTable,
    ColorTable,
    SkippedDestination,
    ListLabel,
    NestedTable,
    Unicode,
    AnsiCodePage,
    CodePageOf, // \mac, \pc, \pca: the code page in `data`
    DefaultFont,
    UnicodeSkip,
    Paragraph,
    Character,
    Plain,
    Font,
    FontSize,
    Height,
    Effect,
    NoUnderline,
    Underline,
    Up,
    Down,
    YOffset,
    Super,
    Sub,
    NoSuperSub,
    Color,
    Pard,
    LeftIndent,
    FirstIndent,
    RightIndent,
    SpaceAfter,
    LineSpacing,
    LineMultiple,
    Alignment,
    TabStop,
};

struct WordEntry {
    Word kind = Word::Other;
    uint32_t data = 0; // the character, effect bit, alignment or code page
};

const std::unordered_map<std::string_view, WordEntry>& wordTable() {
    static const auto table = [] {
        std::unordered_map<std::string_view, WordEntry> t;
        for (std::string_view name : kSkippedDestinations)
            t[name] = {Word::SkippedDestination};
        for (const auto& [name, ch] : kCharacterWords)
            t[name] = {Word::Character, ch};
        for (const auto& [name, bit] : kEffectWords)
            t[name] = {Word::Effect, bit};
        for (const auto& [name, alignment] : kAlignments)
            t[name] = {Word::Alignment, alignment};
        const std::pair<std::string_view, WordEntry> named[] = {
            {"fonttbl", {Word::FontTable}},
            {"colortbl", {Word::ColorTable}},
            {"listtext", {Word::ListLabel}},
            {"pntext", {Word::ListLabel}},
            {"nesttableprops", {Word::NestedTable}},
            {"u", {Word::Unicode}},
            {"ansicpg", {Word::AnsiCodePage}},
            {"mac", {Word::CodePageOf, 10000}},
            {"pc", {Word::CodePageOf, 437}},
            {"pca", {Word::CodePageOf, 850}},
            {"deff", {Word::DefaultFont}},
            {"uc", {Word::UnicodeSkip}},
            {"par", {Word::Paragraph}},
            {"sect", {Word::Paragraph}},
            {"page", {Word::Paragraph}},
            {"cell", {Word::Paragraph}},
            {"nestcell", {Word::Paragraph}},
            {"plain", {Word::Plain}},
            {"f", {Word::Font}},
            {"fs", {Word::FontSize}},
            {"znheight", {Word::Height}},
            {"ulnone", {Word::NoUnderline}},
            {"ulc", {Word::Other}}, // a colour, not a line style
            {"up", {Word::Up}},
            {"dn", {Word::Down}},
            {"znyoffset", {Word::YOffset}},
            {"super", {Word::Super}},
            {"sub", {Word::Sub}},
            {"nosupersub", {Word::NoSuperSub}},
            {"cf", {Word::Color}},
            {"pard", {Word::Pard}},
            {"li", {Word::LeftIndent}},
            {"fi", {Word::FirstIndent}},
            {"ri", {Word::RightIndent}},
            {"sa", {Word::SpaceAfter}},
            {"sl", {Word::LineSpacing}},
            {"slmult", {Word::LineMultiple}},
            {"tx", {Word::TabStop}},
            {"tb", {Word::TabStop}},
        };
        for (const auto& [name, entry] : named)
            t[name] = entry;
        return t;
    }();
    return table;
}

WordEntry lookUp(std::string_view name) {
    const auto& table = wordTable();
    if (const auto it = table.find(name); it != table.end())
        return it->second;
    if (name.starts_with("ul")) // \ul and its line styles
        return {Word::Underline};
    return {};
}

constexpr size_t kMaxDepth = 1000;

// ASCII only, whatever the locale: RTF's syntax is ASCII.
bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// -1 for what is no hexadecimal digit. Plain comparisons: every \'hh of a text passes here.
int hexValue(char digit) {
    if (digit >= '0' && digit <= '9')
        return digit - '0';
    if (digit >= 'a' && digit <= 'f')
        return digit - 'a' + 10;
    if (digit >= 'A' && digit <= 'F')
        return digit - 'A' + 10;
    return -1;
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
                textRun();
                break;
            }
        }
        flushText();
        m_out.paragraphs.back() = m_lastPara;
        return {};
    }

private:
    void openGroup() {
        flushText();
        m_skipFallback = 0;
        if (m_stack.size() >= kMaxDepth) {
            ++m_excessDepth;
            return;
        }
        m_stack.push_back(m_state);
    }

    void closeGroup() {
        flushText();
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
        if (!isLetter(c)) {
            ++m_pos;
            controlSymbol(c);
            return;
        }
        const size_t nameStart = m_pos;
        while (m_pos < m_bytes.size() && isLetter(m_bytes[m_pos]) && m_pos - nameStart < 32)
            ++m_pos;
        const std::string_view name = m_bytes.substr(nameStart, m_pos - nameStart);
        bool hasParam = false;
        bool negative = false;
        long long param = 0;
        if (m_pos < m_bytes.size() && m_bytes[m_pos] == '-') {
            negative = true;
            ++m_pos;
        }
        while (m_pos < m_bytes.size() && isDigit(m_bytes[m_pos])) {
            param = std::min(param * 10 + (m_bytes[m_pos] - '0'), kParameterLimit);
            hasParam = true;
            ++m_pos;
        }
        if (m_pos < m_bytes.size() && m_bytes[m_pos] == ' ')
            ++m_pos;
        const int value = int(negative ? -param : param);
        if (name == "bin") { // raw bytes follow, whatever they look like
            flushText();
            m_pos = std::min(m_bytes.size(), m_pos + size_t(std::max(0, value)));
            if (m_skipFallback > 0)
                --m_skipFallback;
            return;
        }
        if (m_skipFallback > 0) {
            --m_skipFallback;
            return;
        }
        const WordEntry entry = lookUp(name);
        // Characters join the text gathered so far; any other word may change the format.
        if (entry.kind == Word::Unicode || entry.kind == Word::Character)
            decodeBytes();
        else
            flushText();
        word(entry, name, hasParam, value);
    }

    void controlSymbol(char c) {
        if (c == '\'') {
            if (m_pos + 2 <= m_bytes.size() && hexValue(m_bytes[m_pos]) >= 0 &&
                hexValue(m_bytes[m_pos + 1]) >= 0) {
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

    void word(const WordEntry& entry, std::string_view name, bool hasParam, int value) {
        switch (entry.kind) {
        case Word::FontTable:
            m_state.destination = Destination::FontTable;
            return;
        case Word::ColorTable:
            m_state.destination = Destination::ColorTable;
            return;
        case Word::SkippedDestination:
            m_state.destination = Destination::Skip;
            return;
        case Word::ListLabel:
            listLabel();
            return;
        case Word::NestedTable:
            // Some writers put the cells of a nested table inside its properties group.
            if (!m_stack.empty())
                m_state.destination = m_stack.back().destination;
            return;
        case Word::Unicode:
            unicodeCharacter(value);
            return;
        default:
            break;
        }
        if (m_state.destination == Destination::FontTable)
            return fontWord(name, value);
        if (m_state.destination == Destination::ColorTable)
            return colorWord(name, value);

        const bool on = !hasParam || value != 0;
        CharFormat& f = m_state.format;
        auto effect = [&](uint32_t bit) { f.effects = on ? f.effects | bit : f.effects & ~bit; };
        switch (entry.kind) {
        case Word::AnsiCodePage:
            if (CodePage::isKnown(value))
                m_codePage = value;
            break;
        case Word::CodePageOf:
            m_codePage = int(entry.data);
            break;
        case Word::DefaultFont:
            m_defaultFont = value;
            break;
        case Word::UnicodeSkip:
            m_state.unicodeSkip = std::max(0, value);
            break;
        case Word::Paragraph:
            paragraph();
            break;
        case Word::Character:
            special(char16_t(entry.data));
            break;
        case Word::Plain:
            plain();
            break;
        case Word::Font:
            m_state.font = value;
            break;
        case Word::FontSize:
            f.height = hasParam ? value * 10 : 240;
            break;
        case Word::Height:
            f.height = value;
            break;
        case Word::Effect:
            effect(entry.data);
            break;
        case Word::NoUnderline:
            f.effects &= ~CFE_UNDERLINE;
            break;
        case Word::Underline:
            effect(CFE_UNDERLINE);
            break;
        case Word::Up:
            f.offset = (hasParam ? value : 6) * 10;
            break;
        case Word::Down:
            f.offset = -(hasParam ? value : 6) * 10;
            break;
        case Word::YOffset:
            f.offset = value;
            break;
        case Word::Super:
            f.offset = f.height * 4 / 9;
            break;
        case Word::Sub:
            f.offset = -(f.height * 4 / 9);
            break;
        case Word::NoSuperSub:
            f.offset = 0;
            break;
        case Word::Color:
            m_state.colorIndex = value;
            break;
        default:
            paragraphWord(entry, hasParam, value);
            break;
        }
    }

    void paragraphWord(const WordEntry& entry, bool hasParam, int value) {
        ParaFormat& p = m_state.para;
        switch (entry.kind) {
        case Word::Pard:
            p = ParaFormat();
            p.mask = PFM_ALL;
            m_state.leftIndent = m_state.firstIndent = m_state.lineSpacing = 0;
            m_state.lineMultiple = false;
            break;
        case Word::LeftIndent:
            m_state.leftIndent = value;
            break;
        case Word::FirstIndent:
            m_state.firstIndent = value;
            break;
        case Word::RightIndent:
            p.rightIndent = value;
            break;
        case Word::SpaceAfter:
            p.spaceAfter = value;
            break;
        case Word::LineSpacing:
            m_state.lineSpacing = hasParam ? value : 0;
            break;
        case Word::LineMultiple:
            m_state.lineMultiple = value != 0;
            break;
        case Word::Alignment:
            p.alignment = uint16_t(entry.data);
            break;
        case Word::TabStop:
            if (p.tabCount < MAX_TAB_STOPS)
                p.tabs[size_t(p.tabCount++)] = value;
            break;
        default:
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

    ZnsStringW decode(const std::string& bytes, int codePage) {
        // Remembered: every paragraph and format change decodes a run of bytes, and finding
        // a converter takes the registry's lock.
        if (!m_decoder || codePage != m_decoderCodePage) {
            m_decoder = &CodePage::get(CodePage::isKnown(codePage) ? codePage : 1252);
            m_decoderCodePage = codePage;
        }
        return m_decoder->decode(bytes);
    }

    // The text bytes from the one just taken up to the next character with a meaning of its
    // own, taken at once: most of a document is such runs.
    void textRun() {
        const size_t start = m_pos - 1;
        while (m_pos < m_bytes.size() && isPlainByte(m_bytes[m_pos]))
            ++m_pos;
        size_t at = start;
        while (at < m_pos && (m_skipFallback > 0 || m_state.destination != Destination::Text))
            textByte(uint8_t(m_bytes[at++]));
        if (at == m_pos)
            return;
        if (m_pending.empty())
            m_pendingCodePage = currentCodePage();
        m_pending.append(m_bytes.substr(at, m_pos - at));
    }

    static bool isPlainByte(char c) {
        return c != '{' && c != '}' && c != '\\' && c != '\r' && c != '\n' && c != '\0' &&
               c != '\t';
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
            decodeBytes();
            m_text += char16_t(value < 0 ? value + 65536 : value);
        } else if (m_state.destination == Destination::FontTable && m_inFont) {
            decodeFontName();
            m_font.name += char16_t(value < 0 ? value + 65536 : value);
        }
        m_skipFallback = m_state.unicodeSkip;
    }

    void special(char16_t ch) {
        if (m_state.destination != Destination::Text)
            return;
        decodeBytes();
        m_text += ch;
    }

    // A list label (number or bullet) is text, as the rich-edit control shows it; once per
    // paragraph, since writers that give both the old and the new form repeat the label.
    void listLabel() {
        if (m_state.destination != Destination::Text)
            return;
        if (m_labelRead)
            m_state.destination = Destination::Skip;
        m_labelRead = true;
    }

    void paragraph() {
        if (m_state.destination != Destination::Text)
            return;
        flushText();
        m_labelRead = false;
        m_out.endParagraph(currentFormat(), m_state.para);
        m_lastPara = m_state.para;
    }

    void plain() {
        m_state.format = m_default;
        m_state.font = -1;
        m_state.colorIndex = 0;
    }

    // Text bytes become characters in the code page they were written in.
    void decodeBytes() {
        if (m_pending.empty())
            return;
        m_text += decode(m_pending, m_pendingCodePage);
        m_pending.clear();
    }

    // The characters gathered since the format last could change go out as one run.
    void flushText() {
        decodeBytes();
        if (m_text.empty())
            return;
        m_out.append(m_text, currentFormat());
        m_lastPara = m_state.para;
        m_text.clear();
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
    std::string m_pending; // text bytes not yet decoded
    const CodePage* m_decoder = nullptr;
    int m_decoderCodePage = 0;
    ZnsStringW m_text;     // characters in the current format not yet appended
    bool m_labelRead = false;
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
