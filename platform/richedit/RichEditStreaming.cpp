// Streaming the model's content in and out as RTF bytes or Unicode text.
#include <algorithm>

#include "platform/richedit/RichEditModel.h"
#include "platform/rtf/RtfWriter.h"

namespace zn::richedit {

void RichEditModel::StreamOutRtf(rtf::Sink& sink, bool selectionOnly) const {
    const RichText content =
        selectionOnly ? m_doc.Extract(m_selStart, m_selEnd) : m_doc.Extract(0, GetTextLength());
    rtf::Write(content, sink);
}

std::string RichEditModel::GetRtf(bool selectionOnly) const {
    rtf::StringSink sink;
    StreamOutRtf(sink, selectionOnly);
    return std::move(sink.bytes);
}

rtf::ReadResult RichEditModel::StreamInRtf(std::string_view bytes, bool selectionOnly) {
    RichText content;
    rtf::ReadOptions options;
    options.defaultFormat = m_defaultChar;
    const rtf::ReadResult result = rtf::Read(bytes, content, options);
    if (!result)
        return result;
    if (selectionOnly) {
        if (!ReplaceSelRich(content, true))
            return {rtf::ReadStatus::Refused, bytes.size()};
        return result;
    }
    ReplaceDocument(content, Fresh::StreamIn);
    return result;
}

ZnsStringW RichEditModel::StreamOutText(bool selectionOnly) const {
    const ZnsStringW text = selectionOnly ? GetSelText() : GetText();
    ZnsStringW out;
    out.reserve(text.size() + size_t(std::count(text.begin(), text.end(), u'\r')));
    for (char16_t ch : text) {
        out += ch;
        if (ch == u'\r')
            out += u'\n';
    }
    return out;
}

bool RichEditModel::StreamInText(std::u16string_view text, bool selectionOnly) {
    if (selectionOnly)
        return ReplaceSel(text, true);
    SetText(text);
    return true;
}

} // namespace zn::richedit
