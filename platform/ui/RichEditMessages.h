// The records that travel with the rich-edit control's messages and notifications:
// character ranges, the selection-change and protected-edit notices, find and text-range
// requests, and the stream record whose callback moves RTF or text bytes in and out.
#pragma once

#include <cstdint>

#include "platform/ui/Messages.h"

namespace zn::ui {

struct CHARRANGE {
    long cpMin = 0;
    long cpMax = 0;
};

// EM_POSFROMCHAR (wParam: the POINTL that receives the client position, lParam: the
// character) and EM_CHARFROMPOS (lParam: the POINTL in client coordinates), as rich-edit 2.0
// takes them: positions deep in a long text do not fit the 16 bits of a packed point.
struct POINTL {
    long x = 0;
    long y = 0;
};

struct SELCHANGE {
    NMHDR nmhdr;
    CHARRANGE chrg;
    std::uint16_t seltyp = 0;
};

struct ENPROTECTED {
    NMHDR nmhdr;
    UINT msg = 0; // WM_CHAR for typing, EM_SETCHARFORMAT for a format change
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    CHARRANGE chrg;
};

// EM_SETCHARFORMAT / EM_GETCHARFORMAT: WPARAM says what the format is about.
inline constexpr WPARAM SCF_DEFAULT = 0x0;
inline constexpr WPARAM SCF_SELECTION = 0x1;
inline constexpr WPARAM SCF_ALL = 0x4;

// EM_GETTEXTRANGE: the caller's buffer takes the range's text and a terminator.
struct TEXTRANGEW {
    CHARRANGE chrg;
    char16_t* lpstrText = nullptr;
};

// EM_FINDTEXTEXW: search `chrg` (cpMax -1: to the end) forward; the match lands in
// chrgText. WPARAM carries FR_MATCHCASE and FR_WHOLEWORD.
struct FINDTEXTEXW {
    CHARRANGE chrg;
    const char16_t* lpstrText = nullptr;
    CHARRANGE chrgText;
};

// EM_STREAMIN / EM_STREAMOUT formats (WPARAM).
inline constexpr WPARAM SF_TEXT = 0x1;
inline constexpr WPARAM SF_RTF = 0x2;
inline constexpr WPARAM SF_UNICODE = 0x10; // with SF_TEXT: UTF-16 units, else ANSI bytes
inline constexpr WPARAM SFF_SELECTION = 0x8000;

// Called with a buffer of `cb` bytes: stream in fills it and sets *pcb (0 ends the
// stream), stream out reads *pcb bytes from it. A nonzero answer stops the stream with
// that error in dwError.
using EDITSTREAMCALLBACK = std::uint32_t (*)(std::uintptr_t dwCookie, std::uint8_t* pbBuff, long cb,
                                             long* pcb);
struct EDITSTREAM {
    std::uintptr_t dwCookie = 0;
    std::uint32_t dwError = 0;
    EDITSTREAMCALLBACK pfnCallback = nullptr;
};

// The error a stream in reports when the control could not take what came in: bytes that
// are not RTF, or an edit of protected text its owner refused.
inline constexpr std::uint32_t kStreamNotTaken = 1;

} // namespace zn::ui
