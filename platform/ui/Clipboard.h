// The clipboard: data by format (Unicode text, ANSI text, registered formats such as
// "Rich Text Format"), an owner, and viewers that hear WM_DRAWCLIPBOARD after every change.
// Viewers are all told directly; none has to pass the message on down a chain.
#pragma once

#include <optional>
#include <string>

#include "platform/text/ZnsString.h"
#include "platform/ui/Window.h"

namespace zn::ui {

inline constexpr UINT CF_TEXT = 1;
inline constexpr UINT CF_UNICODETEXT = 13;

UINT RegisterClipboardFormatW(std::u16string_view name);
// The registered "Rich Text Format" (bytes of RTF in the system ANSI code page).
UINT ClipboardFormatRtf();

bool OpenClipboard(CWnd* owner);
// Ends a change: viewers are told when anything was emptied or set while it was open.
bool CloseClipboard();
// Clears the data and makes the opener the owner.
bool EmptyClipboard();
// Data is bytes; CF_UNICODETEXT holds UTF-16 code units, without the terminator.
bool SetClipboardData(UINT format, std::string data);
std::optional<std::string> GetClipboardData(UINT format);
bool IsClipboardFormatAvailable(UINT format);
CWnd* GetClipboardOwner();

// Registers `viewer`; the answer is the next viewer of the chain, always none here.
HWND SetClipboardViewer(CWnd* viewer);
bool ChangeClipboardChain(CWnd* viewer, HWND next);

// Open, empty, set Unicode text, close: the usual copy of a text.
bool SetClipboardText(CWnd* owner, std::u16string_view text);
std::optional<ZnsStringW> GetClipboardText();
// Clears everything, viewers and owner included (a new session).
void ResetClipboard();

} // namespace zn::ui
