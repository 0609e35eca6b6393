// The reference host's input form of "VornCtl.dll": a small modal window with one text
// field, OK and Cancel, which the user agent works like any other dialog (a script types
// into field 1000 and presses Enter, or Esc).
#pragma once

#include <cstdint>

#include "platform/text/ZnsString.h"

namespace simhost {

inline constexpr int kInputFormField = 1000;

// 1 with `text` filled when the user pressed OK, 2 when the user cancelled.
std::int32_t RunInputForm(void* owner, ZnsStringW* text);

} // namespace simhost
