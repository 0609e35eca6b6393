// Host multiline text (content kind 1) read into the control, code by code.
#include "editor/ItemPrefix.h"
#include "editor/Reqpad.h"
#include "editor/SpecReference.h"
#include "platform/ui/MessageBox.h"
#include "resources/ResourceIds.h"

namespace editor {

using zn::richedit::CharFormat;

namespace {

constexpr std::u16string_view kSpanStart = u"\\H1.02x;";
constexpr std::u16string_view kSpanEnd = u"\\H0.98x;";
constexpr std::u16string_view kSuperscriptEnd = u"\\H1.33x;";
constexpr std::u16string_view kOpenParenthesis = u"\\H2x;(\\H.5x;";
constexpr std::u16string_view kCloseParenthesis = u"\\H2x;)\\H.5x;";
constexpr char16_t kDiameter = u'\u045C'; // the diameter sign of the host's drafting font

bool isNumericArgument(char16_t c) {
    return (c >= u'0' && c <= u'9') || c == u'.' || c == u'x' || c == u'+' || c == u'-';
}

class MultilineReader {
public:
    MultilineReader(CReqpad& pad, std::u16string_view text) : m_pad(pad), m_text(text) {
        m_common = pad.DefaultFormat();
        m_raised = m_common;
        m_raised.apply(pad.ScriptFormat(true));
        m_lowered = m_common;
        m_lowered.apply(pad.ScriptFormat(false));
        m_number = m_common;
        m_number.effects = zn::richedit::CFE_BOLD | zn::richedit::CFE_PROTECTED;
        m_number.color = pad.m_numberColor;
    }

    void Read() {
        while (m_at < m_text.size()) {
            if (m_lineStart)
                readItemPrefix();
            m_lineStart = false;
            char16_t c = m_text[m_at];
            if (c == u'\\') {
                readCode();
            } else if (m_text.substr(m_at, 3) == u"%%c") {
                m_plain += kDiameter;
                m_at += 3;
            } else if (c == u'{' || c == u'}') {
                ++m_at; // grouping of format codes
            } else {
                m_plain += c;
                ++m_at;
            }
        }
        flush();
    }

    int Spans() const { return m_spans; }
    bool LostLink() const { return m_lostLink; }

private:
    bool at(std::u16string_view code) const { return m_text.substr(m_at, code.size()) == code; }

    void insert(std::u16string_view text, const CharFormat& format) {
        if (text.empty())
            return;
        int start = m_pad.GetTextLength();
        m_pad.SetSel(start, start);
        m_pad.ReplaceSel(text, false);
        m_pad.SetCharFormat(start, start + int(text.size()), format);
        m_pad.SetSel(m_pad.GetTextLength(), m_pad.GetTextLength());
    }

    void flush() {
        insert(m_plain, m_common);
        m_plain.clear();
    }

    // An item number at the start of a line keeps the number format.
    void readItemPrefix() {
        ItemPrefix prefix = ParseItemPrefix(m_text.substr(m_at));
        if (!prefix || m_text.substr(m_at, size_t(prefix.length)).find(u'\\') != std::u16string_view::npos)
            return;
        flush();
        insert(m_text.substr(m_at, size_t(prefix.length)), m_number);
        m_at += size_t(prefix.length);
    }

    void readCode() {
        if (m_at + 1 == m_text.size()) {
            m_plain += u'\\';
            ++m_at;
            return;
        }
        char16_t code = m_text[m_at + 1];
        if (at(kSpanStart))
            return readReferenceSpan();
        if (at(kOpenParenthesis) || at(kCloseParenthesis)) {
            m_plain += m_text[m_at + 5];
            m_at += kOpenParenthesis.size();
            return;
        }
        switch (code) {
        case u'P':
            m_plain += u'\r';
            m_at += 2;
            m_lineStart = true;
            return;
        case u'\\':
        case u'{':
        case u'}':
            m_plain += code;
            m_at += 2;
            return;
        case u'U':
        case u'u':
            // A character code: kept as it is written.
            m_plain += u'\\';
            m_plain += code;
            m_at += 2;
            return;
        case u'~':
            m_plain += u'\t';
            m_at += 2;
            return;
        case u'L':
        case u'l':
        case u'O':
        case u'o':
        case u'K':
        case u'k':
            m_at += 2; // underline, overline and strike switches take no argument
            return;
        case u'S':
            return readStack();
        case u'A':
        case u'C':
        case u'c':
        case u'H':
        case u'Q':
        case u'T':
        case u'W':
            return skipNumericCode();
        default:
            return skipCode();
        }
    }

    // A code whose argument runs to ";"; a backslash without a later ";" is a character.
    void skipCode() {
        size_t semicolon = m_text.find(u';', m_at + 1);
        if (semicolon == std::u16string_view::npos) {
            m_plain += u'\\';
            ++m_at;
            return;
        }
        m_at = semicolon + 1;
        m_lineStart = true;
    }

    // A code with a number: it ends at ";" or, without one, at the first other character.
    void skipNumericCode() {
        size_t end = m_at + 2;
        while (end < m_text.size() && isNumericArgument(m_text[end]))
            ++end;
        if (end < m_text.size() && m_text[end] == u';') {
            ++end;
            m_lineStart = true;
        }
        m_at = end;
    }

    void readStack() {
        size_t semicolon = m_text.find(u';', m_at + 2);
        if (semicolon == std::u16string_view::npos) {
            m_plain += u'\\';
            ++m_at;
            return;
        }
        std::u16string_view body = m_text.substr(m_at + 2, semicolon - m_at - 2);
        m_at = semicolon + 1;
        m_lineStart = true;
        flush();
        if (!body.empty() && body.front() == u'^') {
            insert(body.substr(1), m_lowered);
        } else if (!body.empty() && body.back() == u'^') {
            insert(body.substr(0, body.size() - 1), m_raised);
            if (at(kSuperscriptEnd))
                m_at += kSuperscriptEnd.size();
        } else if (size_t split = body.find_first_of(u"/^"); split != std::u16string_view::npos) {
            insert(body.substr(0, split), m_raised);
            if (body[split] == u'/')
                insert(u"|", m_common);
            insert(body.substr(split + 1), m_lowered);
        } else {
            insert(body, m_common);
        }
    }

    // The n-th span stands for the n-th entry of the link list.
    void readReferenceSpan() {
        flush();
        size_t index = size_t(m_spans++);
        if (index < m_pad.m_specLinks.size() && !m_pad.m_specLinks[index].target.IsNull()) {
            const ZnsLink& link = m_pad.m_specLinks[index];
            WriteReference(m_pad, link.target.Number(), link.text);
        } else {
            m_lostLink = true;
        }
        size_t end = m_text.find(kSpanEnd, m_at + kSpanStart.size());
        m_at = end == std::u16string_view::npos ? m_text.size() : end + kSpanEnd.size();
    }

    CReqpad& m_pad;
    std::u16string_view m_text;
    size_t m_at = 0;
    bool m_lineStart = true;
    ZnsStringW m_plain;
    int m_spans = 0;
    bool m_lostLink = false;
    CharFormat m_common, m_raised, m_lowered, m_number;
};

} // namespace

void CReqpad::ReadMultilineText(const ZnsStringW& text) {
    MultilineReader reader(*this, text);
    {
        InternalChange guard(*this);
        reader.Read();
        if (m_specLinks.size() > size_t(reader.Spans()))
            m_specLinks.resize(size_t(reader.Spans()));
    }
    Renumber(RenumberMode::Plain);
    SetSel(GetTextLength(), GetTextLength());
    if (reader.LostLink())
        zn::ui::AfxMessageBox(res::IDS_LOST_LINK, zn::ui::MB_OK | zn::ui::MB_ICONWARNING);
}

} // namespace editor
