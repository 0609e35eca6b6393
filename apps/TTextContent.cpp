#include "apps/TTextContent.h"

#include "platform/richedit/RichEditModel.h"
#include "platform/text/CodePage.h"
#include "requirements/ItemPrefix.h"

namespace {

// Puts `mark` right after the "\pard" that opens paragraph `paragraph` of our RTF.
void markParagraph(ZnsStringW& rtf, int paragraph, std::u16string_view mark) {
    constexpr std::u16string_view pard = u"\\pard";
    size_t at = rtf.find(pard);
    for (int i = 0; i < paragraph && at != ZnsStringW::npos; ++i)
        at = rtf.find(pard, at + pard.size());
    if (at != ZnsStringW::npos)
        rtf.insert(at + pard.size(), mark);
}

} // namespace

ZnsStringW RequirementsContent(const std::string& bytes) {
    if (bytes.starts_with("{\\rtf"))
        return zn::ansiToWide(bytes);
    ZnsStringW text = zn::fromUtf8(bytes);
    while (!text.empty() && (text.back() == u'\n' || text.back() == u'\r'))
        text.pop_back();
    zn::richedit::RichEditModel model;
    model.StreamInText(text, false);
    ZnsStringW rtf = zn::ansiToWide(model.GetRtf());
    int headers = 0;
    while (headers < model.GetLineCount() && !StartsWithItemPrefix(model.GetLine(headers)))
        ++headers;
    if (headers == 0 || headers == model.GetLineCount())
        return rtf;
    // Marks go in from the last paragraph so earlier positions stay valid.
    markParagraph(rtf, headers, u"\\znheader0");
    for (int i = headers - 1; i >= 0; --i)
        markParagraph(rtf, i, u"\\znheader1");
    return rtf;
}
