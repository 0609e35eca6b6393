// Forward search with the match-case and whole-word options of the find message.
#include <unicode/uchar.h>

#include "platform/richedit/RichEditModel.h"

namespace zn::richedit {

namespace {

bool isWordChar(char16_t ch) {
    return u_isalnum(ch) || ch == u'_';
}

char16_t fold(char16_t ch) {
    return char16_t(u_foldCase(ch, U_FOLD_CASE_DEFAULT));
}

} // namespace

int RichEditModel::FindText(int start, int end, std::u16string_view what, uint32_t flags) const {
    const ZnsStringW& text = GetText();
    const int length = GetTextLength();
    start = std::max(0, start);
    end = end < 0 || end > length ? length : end;
    const int size = int(what.size());
    if (size == 0 || start + size > end)
        return -1;
    const bool matchCase = flags & FR_MATCHCASE;
    for (int at = start; at + size <= end; ++at) {
        int i = 0;
        while (i < size && (matchCase ? text[size_t(at + i)] == what[size_t(i)]
                                      : fold(text[size_t(at + i)]) == fold(what[size_t(i)])))
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

} // namespace zn::richedit
