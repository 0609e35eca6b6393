// The rich-edit control's text, search, line, rectangle, scrolling and streaming messages:
// the message form of the model's calls, for code that holds the control as a window, and
// the scroll bars and wheel a user turns.
#include <algorithm>
#include <climits>
#include <string>

#include "platform/text/CodePage.h"
#include "platform/ui/RichEditCtrl.h"

namespace zn::ui {

namespace {

// Copies `text` and a terminator into the caller's buffer; the units copied.
LRESULT copyOut(std::u16string_view text, char16_t* buffer) {
    if (!buffer)
        return 0;
    std::copy(text.begin(), text.end(), buffer);
    buffer[text.size()] = 0;
    return LRESULT(text.size());
}

CRect toRect(const richedit::Rect& r) {
    return {r.left, r.top, r.right, r.bottom};
}

// Reads the whole stream through the callback; false when the callback stopped it.
bool readStream(EDITSTREAM& stream, std::string& bytes) {
    std::uint8_t buffer[4096];
    for (;;) {
        long got = 0;
        stream.dwError = stream.pfnCallback(stream.dwCookie, buffer, long(sizeof buffer), &got);
        if (stream.dwError)
            return false;
        if (got <= 0)
            return true;
        bytes.append(reinterpret_cast<const char*>(buffer), size_t(got));
    }
}

// Hands `bytes` to the callback in pieces; the bytes it took.
LRESULT writeStream(EDITSTREAM& stream, std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        long piece = long(std::min<size_t>(bytes.size() - done, 4096));
        long taken = 0;
        stream.dwError = stream.pfnCallback(
            stream.dwCookie, reinterpret_cast<std::uint8_t*>(bytes.data() + done), piece, &taken);
        if (stream.dwError || taken <= 0)
            break;
        done += size_t(taken);
    }
    return LRESULT(done);
}

} // namespace

LRESULT CRichEditCtrl::streamIn(WPARAM format, EDITSTREAM& stream) {
    std::string bytes;
    if (!stream.pfnCallback || !readStream(stream, bytes))
        return 0;
    const bool selection = format & SFF_SELECTION;
    int start = 0, end = 0;
    GetSel(start, end);
    const int before = GetTextLength() - (selection ? end - start : GetTextLength());
    bool read = false;
    if (format & SF_RTF)
        read = bool(StreamInRtf(bytes, selection));
    else if (format & SF_UNICODE)
        read = StreamInText(zn::fromUtf16Bytes(bytes), selection);
    else
        read = StreamInText(zn::ansiToWide(bytes), selection);
    if (!read) {
        stream.dwError = kStreamNotTaken;
        return 0;
    }
    return LRESULT(GetTextLength() - before);
}

LRESULT CRichEditCtrl::streamOut(WPARAM format, EDITSTREAM& stream) const {
    if (!stream.pfnCallback)
        return 0;
    const bool selection = format & SFF_SELECTION;
    std::string bytes = (format & SF_RTF)       ? GetRtf(selection)
                        : (format & SF_UNICODE) ? zn::toUtf16Bytes(StreamOutText(selection))
                                                : zn::wideToAnsi(StreamOutText(selection));
    stream.dwError = 0;
    return writeStream(stream, bytes);
}

void CRichEditCtrl::scrollBar(bool vertical, int request, int thumb) {
    if (vertical && (request == SB_LINEUP || request == SB_LINEDOWN)) {
        // Lines differ in height: a step goes from line top to line top.
        LineScroll(0, request == SB_LINEUP ? -1 : 1);
        return;
    }
    const richedit::Point now = GetScrollPos();
    const richedit::Rect rect = GetRect();
    const int cell = vertical ? kLineHeight : kCellWidth;
    const int page = std::max(cell, vertical ? rect.bottom - rect.top : rect.right - rect.left);
    int position = vertical ? now.y : now.x;
    switch (request) {
    case SB_LINEUP:
        position -= cell;
        break;
    case SB_LINEDOWN:
        position += cell;
        break;
    case SB_PAGEUP:
        position -= page;
        break;
    case SB_PAGEDOWN:
        position += page;
        break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
        position = thumb;
        break;
    case SB_TOP:
        position = 0;
        break;
    case SB_BOTTOM:
        position = INT_MAX / 2; // pulled back to the end of the text
        break;
    default:
        return;
    }
    SetScrollPos(vertical ? richedit::Point{now.x, position} : richedit::Point{position, now.y});
}

bool CRichEditCtrl::textMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case EM_GETSELTEXT:
        result = copyOut(GetSelText(), reinterpret_cast<char16_t*>(lParam));
        return true;
    case EM_GETTEXTRANGE: {
        auto* range = reinterpret_cast<TEXTRANGEW*>(lParam);
        int end = range->chrg.cpMax < 0 ? GetTextLength() : int(range->chrg.cpMax);
        result = copyOut(GetTextRange(int(range->chrg.cpMin), end), range->lpstrText);
        return true;
    }
    case EM_SELECTIONTYPE: {
        int length = GetSelEnd() - GetSelStart();
        result = length == 0  ? richedit::SEL_EMPTY
                 : length > 1 ? richedit::SEL_TEXT | richedit::SEL_MULTICHAR
                              : richedit::SEL_TEXT;
        return true;
    }
    case EM_FINDTEXTEXW: {
        auto* find = reinterpret_cast<FINDTEXTEXW*>(lParam);
        std::u16string_view what = find->lpstrText ? find->lpstrText : u"";
        int found =
            FindText(int(find->chrg.cpMin), int(find->chrg.cpMax), what,
                     std::uint32_t(wParam) & (richedit::FR_WHOLEWORD | richedit::FR_MATCHCASE));
        find->chrgText =
            found < 0 ? CHARRANGE{-1, -1} : CHARRANGE{found, long(found + what.size())};
        result = found;
        return true;
    }
    case EM_EXLINEFROMCHAR:
        result = LineFromChar(int(lParam));
        return true;
    case EM_LINELENGTH:
        result = LineLength(int(wParam));
        return true;
    case EM_GETLINE: {
        // The first unit of the buffer gives its size; the line is copied without terminator.
        auto* buffer = reinterpret_cast<char16_t*>(lParam);
        ZnsStringW line = GetLine(int(wParam));
        size_t n = std::min(line.size(), size_t(buffer[0]));
        std::copy_n(line.data(), n, buffer);
        result = LRESULT(n);
        return true;
    }
    case EM_GETRECT:
        *reinterpret_cast<CRect*>(lParam) = toRect(GetRect());
        return true;
    case EM_SETRECT: {
        // Null: back to the whole client area.
        CRect rect = lParam ? *reinterpret_cast<const CRect*>(lParam) : GetClientRect();
        SetRect({rect.left, rect.top, rect.right, rect.bottom});
        Invalidate();
        return true;
    }
    case EM_SCROLLCARET:
        ScrollCaret();
        return true;
    case EM_LINESCROLL:
        LineScroll(int(wParam), int(lParam));
        result = TRUE;
        return true;
    case EM_GETFIRSTVISIBLELINE:
        result = GetFirstVisibleLine();
        return true;
    case EM_GETSCROLLPOS: {
        richedit::Point scroll = GetScrollPos();
        *reinterpret_cast<CPoint*>(lParam) = {scroll.x, scroll.y};
        result = 1;
        return true;
    }
    case EM_SETSCROLLPOS: {
        const auto* scroll = reinterpret_cast<const CPoint*>(lParam);
        SetScrollPos({scroll->x, scroll->y});
        result = 1;
        return true;
    }
    case WM_VSCROLL:
    case WM_HSCROLL:
        scrollBar(message == WM_VSCROLL, int(LOWORD(wParam)), int(HIWORD(wParam)));
        return true;
    case WM_MOUSEWHEEL:
        // Three lines a notch; a turn away from the user shows the text above.
        LineScroll(0, -3 * int(std::int16_t(HIWORD(wParam))) / WHEEL_DELTA);
        return true;
    case EM_STREAMIN:
        result = streamIn(wParam, *reinterpret_cast<EDITSTREAM*>(lParam));
        return true;
    case EM_STREAMOUT:
        result = streamOut(wParam, *reinterpret_cast<EDITSTREAM*>(lParam));
        return true;
    default:
        return false;
    }
}

} // namespace zn::ui
