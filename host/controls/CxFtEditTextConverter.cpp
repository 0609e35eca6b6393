// Reading host formatted text into the formatted edit control.
#include "host/controls/CxFtEditTextConverter.h"

namespace zn::ui {

namespace {

// The host's "%%x" symbol codes.
char16_t symbolOf(char16_t code) {
    switch (code) {
    case u'c':
    case u'C':
        return u'\u045C'; // the diameter sign of the host's drafting font
    case u'd':
    case u'D':
        return u'\u00B0';
    case u'p':
    case u'P':
        return u'\u00B1';
    case u'%':
        return u'%';
    default:
        return 0;
    }
}

} // namespace

bool CxFtEditTextConverter::insert(std::u16string_view text, CxFtEdit::Script script) {
    if (text.empty())
        return true;
    int start = 0, end = 0;
    m_edit.GetSel(start, end);
    if (!m_edit.ReplaceSel(text))
        return false;
    int inserted = m_edit.GetSelEnd();
    m_edit.SetSel(start, inserted);
    m_edit.SetSelectionScript(script);
    m_edit.SetSel(inserted, inserted);
    return true;
}

bool CxFtEditTextConverter::InsertFormattedText(std::u16string_view text) {
    using Script = CxFtEdit::Script;
    if (m_edit.IsReadOnly())
        return false;
    ZnsStringW plain;
    bool ok = true;
    auto flush = [&] {
        ok = insert(plain, Script::Common) && ok;
        plain.clear();
    };
    size_t i = 0;
    while (i < text.size()) {
        char16_t c = text[i];
        if (c == u'%' && i + 2 < text.size() && text[i + 1] == u'%' && symbolOf(text[i + 2])) {
            plain += symbolOf(text[i + 2]);
            i += 3;
        } else if (c == u'{' || c == u'}') {
            ++i; // grouping of the host's format codes
        } else if (c != u'\\' || i + 1 == text.size()) {
            plain += c;
            ++i;
        } else {
            char16_t code = text[i + 1];
            size_t semicolon = text.find(u';', i + 2);
            if (code == u'P') {
                plain += u'\r';
                i += 2;
            } else if (code == u'\\' || code == u'{' || code == u'}') {
                plain += code;
                i += 2;
            } else if (code == u'~') {
                plain += u'\u00A0';
                i += 2;
            } else if (std::u16string_view(u"LlOoKk").find(code) != std::u16string_view::npos) {
                i += 2; // underline, overline and strike switches: no formats of ours
            } else if (semicolon == std::u16string_view::npos) {
                plain += c; // a lone backslash is text
                ++i;
            } else if (code == u'S') {
                std::u16string_view body = text.substr(i + 2, semicolon - i - 2);
                size_t split = body.find_first_of(u"^/#");
                flush();
                if (split == std::u16string_view::npos) {
                    ok = insert(body, Script::Common) && ok;
                } else if (body[split] == u'#') {
                    ok = insert(ZnsStringW(body.substr(0, split)) + u"/" +
                                    ZnsStringW(body.substr(split + 1)),
                                Script::Common) &&
                         ok;
                } else {
                    ok = insert(body.substr(0, split), Script::Raised) && ok;
                    if (body[split] == u'/')
                        ok = insert(u"|", Script::Common) && ok;
                    ok = insert(body.substr(split + 1), Script::Lowered) && ok;
                }
                i = semicolon + 1;
            } else {
                i = semicolon + 1; // height, font, colour and the like
            }
        }
    }
    flush();
    return ok;
}

bool CxFtEditTextConverter::InsertObjectLink(const void* object, std::u16string_view text,
                                             unsigned flags) {
    if (m_edit.IsReadOnly() || text.empty())
        return false;
    int start = 0, end = 0;
    m_edit.GetSel(start, end);
    if (!m_edit.ReplaceSel(text))
        return false;
    richedit::CharFormat link;
    link.mask = richedit::CFM_LINK;
    link.effects = richedit::CFE_LINK;
    m_edit.SetCharFormat(start, start + int(text.size()), link);
    m_edit.m_links.push_back({object, ZnsStringW(text), flags});
    return true;
}

} // namespace zn::ui
