#include "notebook/PageText.h"

#include "platform/richedit/RichEditModel.h"
#include "platform/rtf/RtfReader.h"
#include "platform/rtf/RtfWriter.h"
#include "platform/text/CodePage.h"

namespace notebook {

using zn::richedit::RichEditModel;

namespace {

bool load(RichEditModel& model, std::u16string_view rtf) {
    return IsRtf(rtf) && bool(model.StreamInRtf(zn::wideToAnsi(rtf), false));
}

ZnsStringW rtfOf(const RichEditModel& model) {
    return zn::ansiToWide(model.GetRtf());
}

} // namespace

bool IsRtf(std::u16string_view text) {
    size_t start = text.find_first_not_of(u" \t\r\n");
    return start != std::u16string_view::npos && text.substr(start, 5) == u"{\\rtf";
}

ZnsStringW RtfOfPlainText(std::u16string_view text) {
    RichEditModel model;
    ZnsStringW paragraphs(text);
    zn::replaceAll(paragraphs, u"\r\n", u"\r");
    zn::replaceAll(paragraphs, u"\n", u"\r");
    model.SetText(paragraphs);
    return rtfOf(model);
}

ZnsStringW PlainTextOfRtf(std::u16string_view rtf) {
    RichEditModel model;
    if (!load(model, rtf))
        return ZnsStringW(rtf);
    ZnsStringW text = model.GetText();
    for (char16_t& ch : text)
        if (ch == u'\r')
            ch = u'\n';
    return text;
}

ZnsStringW BlackenRtf(std::u16string_view rtf) {
    // The colour goes straight onto the runs as read: the writer puts out the same bytes
    // it would from a control loaded with them, without the control's bookkeeping, which
    // was most of a save's time when every page is new.
    if (!IsRtf(rtf))
        return ZnsStringW(rtf);
    static const zn::richedit::CharFormat controlDefault = RichEditModel().GetDefaultCharFormat();
    zn::richedit::RichText content;
    zn::rtf::ReadOptions options;
    options.defaultFormat = controlDefault;
    if (!zn::rtf::Read(zn::wideToAnsi(rtf), content, options))
        return ZnsStringW(rtf);
    for (zn::richedit::RichText::Run& run : content.runs) {
        run.format.effects &= ~zn::richedit::CFE_AUTOCOLOR;
        run.format.color = 0;
    }
    return zn::ansiToWide(zn::rtf::WriteToString(content));
}

} // namespace notebook
