// Font charsets as RTF names them (`\fcharsetN`) and the code pages they stand for.
#pragma once

#include <cstdint>

namespace zn::rtf {

// The code page of a charset; DEFAULT_CHARSET (1) and unknown charsets give `documentCodePage`.
int CodePageOfCharset(int charset, int documentCodePage);
// The charset whose code page is `codePage` (0 for 1252 and any page without one).
uint8_t CharsetOfCodePage(int codePage);

} // namespace zn::rtf
