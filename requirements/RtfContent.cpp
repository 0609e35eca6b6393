// Cutting and gluing requirements RTF at its paragraph terminators. The texts are matched
// literally, as the stored content has always been handled: "\par" also matches the start
// of "\pard", and the cut happens at the first match either way.
#include "requirements/RtfContent.h"

namespace {

constexpr std::u16string_view kPard = u"\\pard";
constexpr std::u16string_view kPar = u"\\par";
constexpr std::u16string_view kHeaderOn = u"\\znheader1";
constexpr std::u16string_view kHeaderOff = u"\\znheader0";
constexpr std::u16string_view kListText = u"\\listtext";

bool contains(const ZnsStringW& text, std::u16string_view what) {
    return text.find(what) != ZnsStringW::npos;
}

// Find from `start`, -1 when absent.
int find(const ZnsStringW& text, std::u16string_view what, int start) {
    const size_t at = text.find(what, size_t(start));
    return at == ZnsStringW::npos ? -1 : int(at);
}

} // namespace

int RtfPreamble(const ZnsStringW& document, ZnsStringW& preamble) {
    preamble.clear();
    const int pard = find(document, kPard, 0);
    if (pard < 0)
        return -1;
    const int end = pard + int(kPard.size());
    preamble = document.substr(0, size_t(end));
    return end;
}

int SplitRtfParagraphs(const ZnsStringW& document, std::vector<ZnsStringW>& pieces,
                       bool countHeaders) {
    ZnsStringW preamble;
    const int p = RtfPreamble(document, preamble);
    pieces.clear();
    if (p < 0)
        return 0;
    bool counting = countHeaders && contains(document, kHeaderOn);
    int headers = 0;
    int pos = p + 1;
    const int length = int(document.size());
    while (pos + 1 < length) {
        const int f = find(document, kPar, pos);
        ZnsStringW piece = preamble;
        if (f < 1) {
            // The last paragraph runs to the end. The character before `pos` was skipped
            // with the terminator before it and is restored here.
            const ZnsStringW tail = document.substr(size_t(pos));
            if (!tail.empty()) {
                piece += std::u16string_view(tail).starts_with(kListText) ? u"{" : u"\\";
                piece += tail;
            }
            pos += int(tail.size()) + 1;
        } else {
            const ZnsStringW para = document.substr(size_t(pos - 1), size_t(f - pos + 5));
            if (counting) {
                if (contains(para, kHeaderOn))
                    ++headers;
                else if (contains(para, kHeaderOff))
                    counting = false;
                else
                    ++headers;
            }
            piece += para;
            piece += u"}";
            pos = f + 5;
        }
        pieces.push_back(std::move(piece));
    }
    return headers;
}

int AppendRtf(ZnsStringW& target, const ZnsStringW& source) {
    if (target.empty()) {
        target = source;
        return 1;
    }
    // Called once per piece while a column fills, so nothing is copied but the paragraphs.
    const int pard = find(source, kPard, 0);
    if (pard < 0)
        return 1;
    if (std::u16string_view(target).ends_with(u"\\par}"))
        target.pop_back();
    target.append(source, size_t(pard) + kPard.size());
    return 1;
}
