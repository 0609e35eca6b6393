// Message boxes. Every box is recorded (text, caption, type, answer) so tests and the
// console can show what the user was told; the installed user agent answers it. Without
// an agent the text goes to standard error and the answer is the default button.
#pragma once

#include <functional>
#include <string_view>
#include <vector>

#include "platform/text/ZnsString.h"
#include "platform/ui/Messages.h"

namespace zn::ui {

inline constexpr unsigned MB_OK = 0x0;
inline constexpr unsigned MB_OKCANCEL = 0x1;
inline constexpr unsigned MB_ABORTRETRYIGNORE = 0x2;
inline constexpr unsigned MB_YESNOCANCEL = 0x3;
inline constexpr unsigned MB_YESNO = 0x4;
inline constexpr unsigned MB_RETRYCANCEL = 0x5;
inline constexpr unsigned MB_TYPEMASK = 0xF;
inline constexpr unsigned MB_ICONSTOP = 0x10;
inline constexpr unsigned MB_ICONERROR = 0x10;
inline constexpr unsigned MB_ICONQUESTION = 0x20;
inline constexpr unsigned MB_ICONEXCLAMATION = 0x30;
inline constexpr unsigned MB_ICONWARNING = 0x30;
inline constexpr unsigned MB_ICONINFORMATION = 0x40;
inline constexpr unsigned MB_ICONMASK = 0xF0;

using MessageBoxHandler = std::function<int(void* owner, std::u16string_view text,
                                            std::u16string_view caption, unsigned type)>;

int MessageBoxW(void* owner, std::u16string_view text, std::u16string_view caption, unsigned type);
// Installs the answerer; returns the previous one so a scope can restore it.
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);

// The framework's box: the application title as caption, the text given or a resource
// string of the installed module.
int AfxMessageBox(std::u16string_view text, unsigned type = MB_OK);
int AfxMessageBox(UINT stringId, unsigned type = MB_OK);
void SetApplicationTitle(std::u16string_view title);

// The buttons a box of `type` offers, as command ids (IDOK, IDYES, ...).
std::vector<int> MessageBoxButtons(unsigned type);

struct MessageBoxRecord {
    ZnsStringW text;
    ZnsStringW caption;
    unsigned type = 0;
    int answer = 0;
};
const std::vector<MessageBoxRecord>& RecordedMessageBoxes();
void ClearRecordedMessageBoxes();

} // namespace zn::ui
