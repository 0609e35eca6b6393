// Forward search with the match-case and whole-word options of the find message.
#include <unicode/uchar.h>

#include <algorithm>
#include <array>
#include <memory>

#include "platform/richedit/RichEditModel.h"
#include "platform/richedit/TextFind.h"

namespace zn::richedit {

namespace {

bool isWordChar(char16_t ch) {
    return u_isalnum(ch) || ch == u'_';
}

// Simple case folding of every UTF-16 unit, made once: a search without match case folds
// each character of the text it passes.
const std::array<char16_t, 0x10000>& foldTable() {
    static const auto table = [] {
        auto folded = std::make_unique<std::array<char16_t, 0x10000>>();
        for (UChar32 ch = 0; ch < 0x10000; ++ch)
            (*folded)[size_t(ch)] = char16_t(u_foldCase(ch, U_FOLD_CASE_DEFAULT));
        return folded;
    }();
    return *table;
}

} // namespace

int FindInText(std::u16string_view text, int start, int end, std::u16string_view what,
               std::uint32_t flags) {
    const int length = int(text.size());
    start = std::max(0, start);
    end = end < 0 || end > length ? length : end;
    const int size = int(what.size());
    if (size == 0 || start + size > end)
        return -1;
    const bool matchCase = flags & FR_MATCHCASE;
    const std::array<char16_t, 0x10000>& fold = foldTable();
    std::u16string needle(what);
    if (!matchCase)
        for (char16_t& ch : needle)
            ch = fold[ch];
    for (int at = start; at + size <= end; ++at) {
        int i = 0;
        while (i < size &&
               (matchCase ? text[size_t(at + i)] : fold[text[size_t(at + i)]]) == needle[size_t(i)])
            ++i;
        if (i < size)
            continue;
        if (flags & FR_WHOLEWORD) {
            const bool wordBefore = at > 0 && isWordChar(text[size_t(at) - 1]);
            const bool wordAfter = at + size < length && isWordChar(text[size_t(at + size)]);
            if (wordBefore || wordAfter)
                continue;
        }
        return at;
    }
    return -1;
}

int RichEditModel::FindText(int start, int end, std::u16string_view what, uint32_t flags) const {
    return FindInText(GetText(), start, end, what, flags);
}

} // namespace zn::richedit
