// Message boxes. The window system routes them to whoever answers for the user; until
// one is installed the text goes to standard error and the answer is the default button.
#pragma once

#include <functional>
#include <string_view>

namespace zn::ui {

enum : unsigned {
    MB_OK = 0x0,
    MB_OKCANCEL = 0x1,
    MB_YESNOCANCEL = 0x3,
    MB_YESNO = 0x4,
    MB_ICONSTOP = 0x10,
    MB_ICONQUESTION = 0x20,
    MB_ICONEXCLAMATION = 0x30,
    MB_ICONINFORMATION = 0x40,
};

enum : int { IDOK = 1, IDCANCEL = 2, IDYES = 6, IDNO = 7 };

using MessageBoxHandler =
    std::function<int(void* owner, std::u16string_view text, std::u16string_view caption, unsigned type)>;

int MessageBoxW(void* owner, std::u16string_view text, std::u16string_view caption, unsigned type);
// Installs the answerer; returns the previous one so a scope can restore it.
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);

} // namespace zn::ui
