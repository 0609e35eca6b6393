// The control's clipboard commands. Whole items copied from the editor keep their format
// and are pasted behind the caret's item; anything else arrives as plain text.
#include <optional>

#include "editor/ItemPrefix.h"
#include "editor/Reqpad.h"
#include "platform/ui/Clipboard.h"

namespace editor {

using namespace zn::ui;

namespace {

bool g_itemsOnClipboard = false;
bool g_copying = false;

// While the control itself fills the clipboard, the viewer notice is its own.
class CopyingScope {
public:
    CopyingScope() { g_copying = true; }
    ~CopyingScope() { g_copying = false; }
};

// Items leave without their numbers' bold and protection, so wherever they are pasted the
// numbers are ordinary text until renumbering claims them again.
void clearNumberMarks(CReqpad& pad, int start, int end) {
    zn::richedit::CharFormat plain;
    plain.mask = zn::richedit::CFM_BOLD | zn::richedit::CFM_PROTECTED;
    pad.SetCharFormat(start, end, plain);
}

} // namespace

void CReqpad::OnClipboardChanged() {
    if (!g_copying)
        g_itemsOnClipboard = false;
}

std::optional<bool> CReqpad::BeginTransfer(int& start, int& end) {
    GetSel(start, end);
    if (start == end)
        return std::nullopt;
    Renumber(RenumberMode::Plain);
    TakeUndoSnapshot();
    return ParagraphStart(start) == start && ParseItemPrefix(ParagraphAt(start));
}

void CReqpad::OnCopy() {
    int start = 0, end = 0;
    const std::optional<bool> items = BeginTransfer(start, end);
    if (!items)
        return;
    CopyingScope copying;
    if (!*items) {
        Copy();
        g_itemsOnClipboard = false;
        return;
    }
    InternalChange guard(*this);
    clearNumberMarks(*this, start, end);
    Copy();
    ResetNumberFormats();
    g_itemsOnClipboard = true;
}

void CReqpad::OnCut() {
    int start = 0, end = 0;
    const std::optional<bool> items = BeginTransfer(start, end);
    if (!items)
        return;
    CopyingScope copying;
    if (!*items) {
        if (SelectionEditable()) {
            Cut();
            g_itemsOnClipboard = false;
        }
        return;
    }
    {
        InternalChange guard(*this);
        clearNumberMarks(*this, start, end);
        Cut();
        g_itemsOnClipboard = true;
        if (GetTextLength() < 4) {
            SetSel(0, -1);
            ReplaceSel(u"");
            AddItem();
        }
    }
    Renumber(RenumberMode::Plain);
    UpdateInterface();
}

void CReqpad::OnPaste() {
    TakeUndoSnapshot();
    InternalChange guard(*this);
    ResetSelectionToDefault();
    if (!g_itemsOnClipboard) {
        std::optional<ZnsStringW> text = GetClipboardText();
        if (!text || !SelectionEditable())
            return;
        ResetSelectionToDefault();
        ReplaceSel(*text);
    } else {
        std::optional<std::string> rtf = GetClipboardData(ClipboardFormatRtf());
        if (!rtf)
            return;
        int next = ItemEnd(GetSelStart());
        bool last = next < 0;
        int at = last ? GetTextLength() : next;
        SetSel(at, at);
        if (last) {
            ReplaceSel(u"\r");
            ++at;
        }
        int before = GetTextLength();
        StreamInRtf(*rtf, true);
        int pastedEnd = at + GetTextLength() - before;
        if (last && GetTextLength() > 0 && Document().CharAt(GetTextLength() - 1) == u'\r') {
            SetSel(GetTextLength() - 1, GetTextLength());
            ReplaceSel(u"");
            pastedEnd = std::min(pastedEnd, GetTextLength());
        }
        for (int i = at; i < pastedEnd; ++i) {
            zn::richedit::CharFormat format = GetCharFormat(i, i + 1);
            if (format.color == 0 && !(format.effects & zn::richedit::CFE_PROTECTED)) {
                zn::richedit::CharFormat colour;
                colour.mask = zn::richedit::CFM_COLOR;
                colour.color = m_textColor;
                SetCharFormat(i, i + 1, colour);
            }
        }
        SetSel(pastedEnd, pastedEnd);
    }
    Renumber(RenumberMode::Plain);
    UpdateInterface();
}

} // namespace editor
