#include "notebook/NotebookHistory.h"

#include "editor/ItemPrefix.h"
#include "notebook/PageText.h"
#include "platform/richedit/RichEditModel.h"
#include "platform/text/CodePage.h"

namespace notebook {

using zn::richedit::RichEditModel;

namespace {

struct Paragraph {
    int start;
    int end; // behind its '\r', when it has one
};

std::vector<Paragraph> paragraphs(const ZnsStringW& text) {
    std::vector<Paragraph> out;
    size_t start = 0;
    while (start < text.size()) {
        size_t mark = text.find(u'\r', start);
        size_t end = mark == ZnsStringW::npos ? text.size() : mark + 1;
        out.push_back({int(start), int(end)});
        start = end;
    }
    return out;
}

editor::ItemPrefix prefixAt(const ZnsStringW& text, const Paragraph& p) {
    return editor::ParseItemPrefix(
        std::u16string_view(text).substr(size_t(p.start), size_t(p.end - p.start)));
}

// Item ranges: from a numbered paragraph up to the next; text before the first item is
// no entry.
std::vector<Paragraph> itemRanges(const ZnsStringW& text) {
    std::vector<Paragraph> items;
    for (const Paragraph& p : paragraphs(text)) {
        if (prefixAt(text, p))
            items.push_back(p);
        else if (!items.empty())
            items.back().end = p.end;
    }
    return items;
}

ZnsStringW withoutLineEnd(ZnsStringW text) {
    while (!text.empty() && (text.back() == u'\r' || text.back() == u'\n'))
        text.pop_back();
    return text;
}

void renumber(RichEditModel& model) {
    std::vector<Paragraph> items = itemRanges(model.GetText());
    for (size_t i = items.size(); i-- > 0;) {
        editor::ItemPrefix prefix = prefixAt(model.GetText(), items[i]);
        model.SetSel(items[i].start, items[i].start + prefix.length);
        model.ReplaceSel(editor::FormatItemNumber(std::int32_t(i + 1)), false);
    }
}

} // namespace

std::vector<ZnsStringW> SplitItems(std::u16string_view text) {
    ZnsStringW paragraphsText(text);
    zn::replaceAll(paragraphsText, u"\r\n", u"\r");
    zn::replaceAll(paragraphsText, u"\n", u"\r");
    std::vector<ZnsStringW> out;
    for (const Paragraph& item : itemRanges(paragraphsText)) {
        int skip = prefixAt(paragraphsText, item).length;
        out.push_back(withoutLineEnd(paragraphsText.substr(size_t(item.start + skip),
                                                           size_t(item.end - item.start - skip))));
    }
    if (out.empty() && !withoutLineEnd(paragraphsText).empty())
        out.push_back(withoutLineEnd(paragraphsText));
    return out;
}

ZnsStringW AddToHistory(std::u16string_view historyRtf, const std::vector<ZnsStringW>& items) {
    RichEditModel model;
    if (IsRtf(historyRtf))
        model.StreamInRtf(zn::wideToAnsi(historyRtf), false);
    // Whatever stood before the first entry is no entry.
    std::vector<Paragraph> entries = itemRanges(model.GetText());
    model.SetSel(0, entries.empty() ? model.GetTextLength() : entries.front().start);
    model.ReplaceSel(u"", false);
    // Taken from last to first, the first transferred item ends up on top.
    for (size_t i = items.size(); i-- > 0;) {
        const ZnsStringW& item = items[i];
        size_t at = model.GetText().find(item);
        if (!item.empty() && at != ZnsStringW::npos) {
            for (const Paragraph& entry : itemRanges(model.GetText()))
                if (int(at) >= entry.start && int(at) < entry.end) {
                    model.SetSel(entry.start, entry.end);
                    model.ReplaceSel(u"", false);
                    break;
                }
        }
        model.SetSel(0, 0);
        model.ReplaceSel(u"1. " + item + u"\r", false);
    }
    std::vector<Paragraph> kept = itemRanges(model.GetText());
    if (kept.size() > size_t(kHistoryLength)) {
        model.SetSel(kept[size_t(kHistoryLength)].start, model.GetTextLength());
        model.ReplaceSel(u"", false);
    }
    renumber(model);
    return BlackenRtf(zn::ansiToWide(model.GetRtf()));
}

} // namespace notebook
