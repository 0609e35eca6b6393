// The line-editing rules an edit field and an editable combo box share: a text with a
// selection, typing that replaces the selection, Backspace and Delete, caret keys with
// Shift extending the selection, and a length limit.
#pragma once

#include "platform/text/ZnsString.h"
#include "platform/ui/Types.h"

namespace zn::ui {

struct TextEditing {
    ZnsStringW text;
    int selStart = 0;
    int selEnd = 0;
    int limit = 0x7FFFFFFE;

    void SetText(std::u16string_view value);
    void SetSel(int start, int end); // -1 as end: to the end of the text
    // Replaces the selection; false when nothing changed (limit reached, empty insert).
    bool ReplaceSel(std::u16string_view insert);
    bool Backspace();
    bool Delete();
    // Caret keys (left, right, home, end); true when the key was one of them.
    bool MoveCaret(UINT virtualKey, bool extend);
    ZnsStringW SelectedText() const;
};

} // namespace zn::ui
