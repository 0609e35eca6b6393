// Page texts through the rich-edit model: the RTF a page stores, its visible text, and the
// colour reset a page gets before it is written to a file.
#pragma once

#include "platform/text/ZnsString.h"

namespace notebook {

// RTF crosses into and out of the model as bytes of the system ANSI code page.
bool IsRtf(std::u16string_view text);
// The RTF of a document holding `text`: LF, CR LF and CR end paragraphs.
ZnsStringW RtfOfPlainText(std::u16string_view text);
// The visible text, paragraphs ended by LF; text that is not RTF is returned as it is.
ZnsStringW PlainTextOfRtf(std::u16string_view rtf);
// Every character black, automatic colour off, so that pages read the same on any
// background; text that is not RTF is returned as it is.
ZnsStringW BlackenRtf(std::u16string_view rtf);

} // namespace notebook
