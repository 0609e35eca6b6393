#include "notebook/NotebookSearch.h"

#include "editor/ItemPrefix.h"
#include "notebook/PageText.h"
#include "notebook/TableText.h"
#include "platform/richedit/RichEditModel.h"
#include "platform/richedit/TextFind.h"
#include "platform/rtf/RtfReader.h"
#include "platform/text/CodePage.h"
#include "resources/ResourceIds.h"
#include "resources/StringTable.h"

namespace notebook {

using zn::richedit::RichEditModel;

namespace {

constexpr std::u16string_view kDelimiters = u"~`!@#$%^&*()-+={}[];'\\:\"|/?><,.\n\r\t ";

bool loadPage(RichEditModel& model, const NotebookPage& page) {
    if (IsRtf(page.text))
        return bool(model.StreamInRtf(zn::wideToAnsi(page.text), false));
    model.SetText(page.text);
    return true;
}

// The page's text as the page editor would hold it once loaded. Only read, not loaded:
// searching every page of a notebook must not build a control for each.
ZnsStringW controlText(const NotebookPage& page) {
    if (!IsRtf(page.text)) {
        RichEditModel model;
        model.SetText(page.text);
        return model.GetText();
    }
    zn::richedit::RichText content;
    if (!zn::rtf::Read(zn::wideToAnsi(page.text), content))
        return {};
    return std::move(content.text);
}

// The start of the paragraph holding `position`.
int paragraphStart(const ZnsStringW& text, int position) {
    size_t mark = position > 0 ? text.rfind(u'\r', size_t(position - 1)) : ZnsStringW::npos;
    return mark == ZnsStringW::npos ? 0 : int(mark) + 1;
}

bool opensItem(const ZnsStringW& text, int start) {
    size_t end = text.find(u'\r', size_t(start));
    size_t length = (end == ZnsStringW::npos ? text.size() : end) - size_t(start);
    return bool(editor::ParseItemPrefix(std::u16string_view(text).substr(size_t(start), length)));
}

// The numbered item holding `position`: from its prefix up to the next item's, or the
// text before the first item.
std::pair<int, int> itemRange(const ZnsStringW& text, int position) {
    int start = paragraphStart(text, position);
    while (start > 0 && !opensItem(text, start))
        start = paragraphStart(text, start - 1);
    int end = start;
    for (;;) {
        size_t mark = text.find(u'\r', size_t(end));
        if (mark == ZnsStringW::npos)
            return {start, int(text.size())};
        end = int(mark) + 1;
        if (size_t(end) < text.size() && opensItem(text, end))
            return {start, end};
    }
}

} // namespace

CNotebookSearch::CNotebookSearch(const CNotebookTree& pages) : m_pages(pages) {}

CNotebookSearch::~CNotebookSearch() = default;

bool CNotebookSearch::IsDelimiter(char16_t ch) {
    return kDelimiters.find(ch) != std::u16string_view::npos;
}

std::pair<int, int> CNotebookSearch::CellAt(std::u16string_view table, int at) {
    int row = 0, column = 0;
    for (int i = 0; i < at && size_t(i) < table.size(); ++i) {
        if (table[size_t(i)] == u'\n') {
            ++row;
            column = 0;
        } else if (table[size_t(i)] == u'\t') {
            ++column;
        }
    }
    return {row, column};
}

int FindInTable(std::u16string_view table, std::u16string_view text, std::uint32_t flags,
                int position) {
    if (text.empty())
        return -1;
    // The header row is never searched.
    size_t firstRow = table.find(u'\n');
    if (firstRow == std::u16string_view::npos)
        return -1;
    size_t from = std::max(size_t(std::max(position, 0)), firstRow + 1);
    ZnsStringW haystack, needle;
    if (!(flags & kFindMatchCase)) {
        haystack = zn::toUpper(table);
        needle = zn::toUpper(text);
    } else {
        haystack = ZnsStringW(table);
        needle = ZnsStringW(text);
    }
    for (size_t at = haystack.find(needle, from); at != ZnsStringW::npos;
         at = haystack.find(needle, at + 1)) {
        if (!(flags & kFindWholeWord))
            return int(at);
        size_t after = at + needle.size();
        bool before = at == 0 || CNotebookSearch::IsDelimiter(haystack[at - 1]);
        bool behind = after >= haystack.size() || CNotebookSearch::IsDelimiter(haystack[after]);
        if (before && behind)
            return int(at);
    }
    return -1;
}

FindHit CNotebookSearch::findInItem(HTREEITEM item, std::u16string_view text, std::uint32_t flags,
                                    int position) const {
    const NotebookPage* page = m_pages.GetOwnPage(item);
    if (!page || text.empty())
        return {};
    if (page->type == kTablePage) {
        int at = FindInTable(page->text, text, flags, position);
        return at < 0 ? FindHit{} : FindHit{item, at, at + int(text.size())};
    }
    if (page->type != kTextPage)
        return {};
    // Find All comes back to the same page after each hit: its text is kept.
    if (m_loadedItem != item || m_loadedPage != page) {
        m_loadedText = controlText(*page);
        m_loadedItem = item;
        m_loadedPage = page;
    }
    int at = zn::richedit::FindInText(m_loadedText, position, -1, text,
                                      flags & (kFindWholeWord | kFindMatchCase));
    return at < 0 ? FindHit{} : FindHit{item, at, at + int(text.size())};
}

FindHit CNotebookSearch::findBelow(HTREEITEM item, std::u16string_view text, std::uint32_t flags,
                                   int position) const {
    if (FindHit hit = findInItem(item, text, flags, position); hit.item)
        return hit;
    const zn::ui::CxTreeCtrl& tree = m_pages.Tree();
    for (HTREEITEM child = tree.GetChildItem(item); child; child = tree.GetNextSiblingItem(child))
        if (FindHit hit = findBelow(child, text, flags, 0); hit.item)
            return hit;
    return {};
}

FindHit CNotebookSearch::FindNext(HTREEITEM start, std::u16string_view text, std::uint32_t flags,
                                  int position) const {
    if (!start)
        start = m_pages.Root();
    if (!start)
        return {};
    if (!(flags & kFindAllPartitions))
        return findInItem(start, text, flags, position);
    if (FindHit hit = findBelow(start, text, flags, position); hit.item)
        return hit;
    const zn::ui::CxTreeCtrl& tree = m_pages.Tree();
    // Then the following siblings, then those of each ancestor in turn: tree order.
    for (HTREEITEM level = start; level; level = tree.GetParentItem(level))
        for (HTREEITEM next = tree.GetNextSiblingItem(level); next;
             next = tree.GetNextSiblingItem(next))
            if (FindHit hit = findBelow(next, text, flags, 0); hit.item)
                return hit;
    return {};
}

std::vector<FindHit> CNotebookSearch::FindAll(HTREEITEM start, std::u16string_view text,
                                              std::uint32_t flags) const {
    std::vector<FindHit> hits;
    if (text.empty())
        return hits;
    if (flags & kFindAllPartitions)
        start = m_pages.Root();
    for (FindHit hit = FindNext(start, text, flags, 0); hit.item;
         hit = FindNext(hit.item, text, flags, hit.end))
        hits.push_back(hit);
    return hits;
}

ZnsStringW CNotebookSearch::ResultText(const std::vector<FindHit>& hits) const {
    RichEditModel result;
    if (hits.empty())
        result.SetText(res::LoadStringW(res::IDS_STRING_NOT_FOUND));
    RichEditModel page;
    HTREEITEM loaded = nullptr;
    for (const FindHit& hit : hits) {
        const NotebookPage* record = m_pages.GetOwnPage(hit.item);
        int end = result.GetTextLength();
        result.SetSel(end, end);
        if (record->type == kTablePage) {
            auto [row, column] = CellAt(record->text, hit.start);
            Table table = ParseTableText(record->text);
            ZnsStringW cell;
            if (row >= 1 && size_t(row - 1) < table.rows.size() &&
                size_t(column) < table.rows[size_t(row - 1)].size())
                cell = table.rows[size_t(row - 1)][size_t(column)];
            result.ReplaceSel(u"1. " + cell + u"\r", false);
            continue;
        }
        if (loaded != hit.item) {
            loadPage(page, *record);
            loaded = hit.item;
        }
        auto [from, to] = itemRange(page.GetText(), hit.start);
        page.SetSel(from, to);
        result.StreamInRtf(page.GetRtf(true), true);
        // The page's last item has no paragraph end of its own.
        if (to == from || page.GetText()[size_t(to - 1)] != u'\r') {
            int after = result.GetTextLength();
            result.SetSel(after, after);
            result.ReplaceSel(u"\r", false);
        }
    }
    return BlackenRtf(zn::ansiToWide(result.GetRtf()));
}

} // namespace notebook
