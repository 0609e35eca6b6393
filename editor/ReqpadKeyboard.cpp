// The control's keys and typed characters. Most of the base control's own shortcuts never
// arrive: only keys below '0' (caret keys, Enter, Tab, ...) without Ctrl reach it, so its
// formatting keys cannot break the item format.
#include "editor/ItemPrefix.h"
#include "editor/Reqpad.h"
#include "platform/ui/Input.h"
#include "platform/ui/MessageBox.h"
#include "resources/ResourceIds.h"

namespace editor {

using namespace zn::ui;

namespace {

// A run of Backspace and Delete presses is one undo step; any other key ends it.
bool g_deleteRun = false;
// Where Shift+arrow selections grow from; -1 when unset (every press of Shift itself).
int g_shiftAnchor = -1;

} // namespace

bool CReqpad::SelectionHoldsItemStart(int start, int end) const {
    for (int paragraph = ParagraphStart(start); paragraph < end && paragraph < GetTextLength();
         paragraph = ParagraphEnd(paragraph) + 1) {
        ItemPrefix prefix = ParseItemPrefix(ParagraphAt(paragraph));
        if (prefix && paragraph + prefix.length > start)
            return true;
    }
    return false;
}

bool CReqpad::ItemHoldsOnlyPrefix(int position) const {
    int paragraph = ParagraphStart(position);
    ItemPrefix prefix = ParseItemPrefix(ParagraphAt(paragraph));
    if (!prefix || ParagraphEnd(paragraph) != paragraph + prefix.length)
        return false;
    int next = ItemEnd(position);
    return next < 0 ? ParagraphEnd(paragraph) == GetTextLength()
                    : next == ParagraphEnd(paragraph) + 1;
}

bool CReqpad::OnBackspaceOrDelete(bool backspace) {
    if (!g_deleteRun) {
        TakeUndoSnapshot();
        m_newUndoStep = 1;
        g_deleteRun = true;
    }
    int selStart = 0, selEnd = 0;
    GetSel(selStart, selEnd);
    int start = selStart, end = selEnd;
    if (start == end) {
        if (backspace && start == 0)
            return true;
        if (!backspace && end >= GetTextLength())
            return true;
        backspace ? --start : ++end;
    }
    // A reference goes as a whole, never half a tag.
    {
        InternalChange selecting(*this); // the control's own selection, not the user's
        SetSel(start, end);
    }
    constexpr std::uint32_t kMarks = zn::richedit::CFE_IMPRINT | zn::richedit::CFE_HIDDEN |
                                     zn::richedit::CFE_PROTECTED;
    if (end - start > 1 || (Document().CharFormatAt(start).effects & kMarks))
        WidenSelectionToWholeMarks();
    GetSel(start, end);
    if (SelectionHoldsItemStart(start, end)) {
        if (!ItemHoldsOnlyPrefix(selStart) &&
            AfxMessageBox(res::IDS_DELETE_ITEMS, MB_YESNO) != IDYES) {
            SetSel(selStart, selEnd);
            return true;
        }
        SetSel(start, end);
        DeleteItems();
        return true;
    }
    // The mark that closes an item is never removed: two items are never joined.
    if (start > 0 && Document().CharAt(start) == u'\r' &&
        ParseItemPrefix(ParagraphAt(start + 1))) {
        int caret = backspace ? end : start;
        SetSel(caret, caret);
        return true;
    }
    SetSel(start, end);
    if (ReplaceSel(u""))
        Renumber(RenumberMode::Plain);
    else
        SetSel(selStart, selEnd);
    return true;
}

void CReqpad::OnEnter() {
    int start = 0, end = 0;
    GetSel(start, end);
    if (start == end && start == 0) {
        AddHeader();
        return;
    }
    if (ItemHoldsOnlyPrefix(start)) {
        TakeUndoSnapshot();
        InternalChange guard(*this);
        int item = ItemStart(start);
        int next = ItemEnd(start);
        SetSel(item, next < 0 ? GetTextLength() : next);
        ResetSelectionToDefault();
        ReplaceSel(next < 0 ? u"" : u"\r");
        if (next >= 0)
            SetSel(item, item);
        Renumber(RenumberMode::Plain);
        return;
    }
    int paragraph = ParagraphStart(start);
    int next = ItemEnd(start);
    bool singleParagraphItem = ParseItemPrefix(ParagraphAt(paragraph)) &&
                               (next < 0 ? ParagraphEnd(paragraph) == GetTextLength()
                                         : next == ParagraphEnd(paragraph) + 1);
    if (start == end && singleParagraphItem && start == ParagraphEnd(paragraph)) {
        AddItem();
        return;
    }
    if (SelectionEditable() && ReplaceSel(u"\r"))
        Renumber(RenumberMode::Plain);
}

void CReqpad::ExtendSelection(UINT key) {
    int s = 0, e = 0;
    GetSel(s, e);
    int length = GetTextLength();
    auto lineStart = [&](int position, int delta) {
        int line = LineFromChar(position) + delta;
        if (line < 0)
            return 0;
        int index = line < GetLineCount() ? LineIndex(line) : -1;
        return index < 0 ? length : index;
    };
    int from = s, to = e;
    switch (key) {
    case VK_LEFT:
        if (g_shiftAnchor < 0) {
            g_shiftAnchor = e;
            from = e - 1, to = e;
        } else if (g_shiftAnchor >= e) {
            from = s - 1, to = g_shiftAnchor;
        } else {
            from = g_shiftAnchor, to = e - 1;
        }
        break;
    case VK_RIGHT:
        if (g_shiftAnchor < 0) {
            g_shiftAnchor = s;
            from = s, to = e + 1;
        } else if (g_shiftAnchor >= e) {
            from = s + 1, to = g_shiftAnchor;
        } else {
            from = g_shiftAnchor, to = e + 1;
        }
        break;
    case VK_UP:
        if (g_shiftAnchor < 0) {
            from = lineStart(s, 0), to = e;
            g_shiftAnchor = e;
        } else if (g_shiftAnchor >= e) {
            from = lineStart(s, -1), to = g_shiftAnchor;
        } else {
            from = g_shiftAnchor, to = lineStart(e, -1);
        }
        break;
    case VK_DOWN:
        if (g_shiftAnchor < 0) {
            g_shiftAnchor = s;
            from = s, to = lineStart(s, 1);
        } else if (g_shiftAnchor >= e) {
            from = lineStart(s, 1), to = g_shiftAnchor;
        } else {
            from = g_shiftAnchor, to = lineStart(e, 1);
        }
        break;
    default:
        return;
    }
    from = std::clamp(from, 0, length);
    to = std::clamp(to, 0, length);
    SetSel(std::min(from, to), std::max(from, to));
}

bool CReqpad::OnKeyDown(UINT key) {
    bool ctrl = GetKeyState(VK_CONTROL) < 0;
    bool shift = GetKeyState(VK_SHIFT) < 0;
    bool plain = !ctrl && !shift;
    if (key != VK_BACK && key != VK_DELETE)
        g_deleteRun = false;
    if (key == VK_SHIFT)
        g_shiftAnchor = -1;
    if (key == VK_LEFT || key == VK_UP)
        m_newUndoStep = 1;
    bool arrow = key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN;
    if (key == VK_TAB && !ctrl) {
        UpdateInterface();
        CommonText();
        if (SelectionEditable()) {
            if (m_newUndoStep) {
                TakeUndoSnapshot();
                m_newUndoStep = 0;
            }
            ReplaceSel(u"\t");
        }
    } else if (key == VK_RETURN) {
        ctrl ? AddItem() : OnEnter();
    } else if (ctrl && (key == VK_UP || key == VK_DOWN)) {
        ToggleScript(key == VK_UP);
    } else if (shift && !ctrl && arrow) {
        ExtendSelection(key);
    } else if ((shift && key == VK_INSERT) || (ctrl && key == 'V')) {
        OnPaste();
    } else if (ctrl && key == VK_DELETE) {
        DeleteItems();
    } else if ((shift && key == VK_DELETE) || (ctrl && key == 'X')) {
        OnCut();
    } else if (ctrl && key == 'C') {
        OnCopy();
    } else if (ctrl && key == 'A') {
        SelectAll();
    } else if (ctrl && key == 'O') {
        LoadFromFile();
    } else if (ctrl && key == 'S') {
        SaveToFile();
    } else if (ctrl && key == 'Z') {
        Undo();
    } else if (key == VK_F1) {
        if (CWnd* owner = CWnd::GetOwner())
            owner->SendMessage(WM_COMMAND, MAKEWPARAM(ID_HELP, 0), 0);
    } else if (plain && (key == VK_BACK || key == VK_DELETE)) {
        OnBackspaceOrDelete(key == VK_BACK);
    } else {
        bool toBase = key < 0x30 && key != VK_PRIOR && key != VK_NEXT && !ctrl;
        UpdateInterface();
        return !toBase;
    }
    UpdateInterface();
    return true;
}

void CReqpad::OnChar(char16_t ch) {
    // Control characters were keys: Enter, Tab and Backspace act at key-down, Escape is
    // ignored, and Ctrl+letters have their commands.
    if (ch < 0x20)
        return;
    int start = 0, end = 0;
    GetSel(start, end);
    if (start != end)
        WidenSelectionToWholeMarks();
    if (!SelectionEditable())
        return;
    if (m_newUndoStep) {
        TakeUndoSnapshot();
        m_newUndoStep = 0;
    }
    zn::richedit::CharFormat current = GetSelectionCharFormat();
    zn::richedit::CharFormat typed = DefaultFormat();
    if (current.mask & zn::richedit::CFM_SIZE)
        typed.height = current.height;
    if (current.mask & zn::richedit::CFM_OFFSET)
        typed.offset = current.offset;
    if (current.mask & zn::richedit::CFM_CHARSET)
        typed.charset = current.charset;
    typed.mask = zn::richedit::CFM_ALL & ~zn::richedit::CFM_FACE;
    typed.effects = current.effects & (zn::richedit::CFE_ITALIC | zn::richedit::CFE_UNDERLINE);
    GetSel(start, end);
    if (start == end)
        SetSelectionCharFormat(typed);
    if (!TypeText(std::u16string_view(&ch, 1)))
        return;
    if (start != end)
        SetCharFormat(start, start + 1, typed);
    Renumber(RenumberMode::Plain);
}

} // namespace editor
