// Shared line-editing rules.
#include "platform/ui/TextEditing.h"

#include <algorithm>

#include "platform/ui/Messages.h"

namespace zn::ui {

void TextEditing::SetText(std::u16string_view value) {
    text = value;
    selStart = selEnd = int(text.size());
}

void TextEditing::SetSel(int start, int end) {
    int length = int(text.size());
    if (end < 0)
        end = length;
    if (start < 0) { // (-1, x) removes the selection, keeping the caret
        selStart = selEnd;
        return;
    }
    selStart = std::clamp(start, 0, length);
    selEnd = std::clamp(end, 0, length);
}

bool TextEditing::ReplaceSel(std::u16string_view insert) {
    int from = std::min(selStart, selEnd), to = std::max(selStart, selEnd);
    int room = limit - (int(text.size()) - (to - from));
    std::u16string_view kept =
        insert.substr(0, size_t(std::max(0, std::min(room, int(insert.size())))));
    if (kept.empty() && from == to)
        return false;
    text.replace(size_t(from), size_t(to - from), kept);
    selStart = selEnd = from + int(kept.size());
    return true;
}

bool TextEditing::Backspace() {
    if (selStart == selEnd) {
        if (selStart == 0)
            return false;
        selStart -= 1;
    }
    return ReplaceSel(u"");
}

bool TextEditing::Delete() {
    if (selStart == selEnd) {
        if (selEnd >= int(text.size()))
            return false;
        selEnd += 1;
    }
    return ReplaceSel(u"");
}

bool TextEditing::MoveCaret(UINT key, bool extend) {
    int length = int(text.size());
    int caret = selEnd;
    switch (key) {
    case VK_LEFT:
        caret = extend ? std::max(0, caret - 1)
                       : (selStart != selEnd ? std::min(selStart, selEnd) : std::max(0, caret - 1));
        break;
    case VK_RIGHT:
        caret = extend ? std::min(length, caret + 1)
                       : (selStart != selEnd ? std::max(selStart, selEnd)
                                             : std::min(length, caret + 1));
        break;
    case VK_HOME:
        caret = 0;
        break;
    case VK_END:
        caret = length;
        break;
    default:
        return false;
    }
    selEnd = caret;
    if (!extend)
        selStart = caret;
    return true;
}

ZnsStringW TextEditing::SelectedText() const {
    int from = std::min(selStart, selEnd), to = std::max(selStart, selEnd);
    return text.substr(size_t(from), size_t(to - from));
}

} // namespace zn::ui
