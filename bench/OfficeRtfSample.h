// A requirements document as an office suite writes RTF: every paragraph restates its
// formats, Cyrillic goes out as \uN with a fallback byte, numbers are bold, units carry
// super- and subscripts. 20,000 paragraphs make about 44 MB, the size the RTF figures in the
// README are taken at.
#pragma once

#include <string>

std::string OfficeRtfSample(int paragraphs);
