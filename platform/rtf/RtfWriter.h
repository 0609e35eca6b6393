// The RTF writer. One fixed dialect, shaped so that a document can be cut at its paragraph
// terminators into pieces that are complete documents themselves:
// - the preamble (font table, colour table, document words) ends with the first "\pard";
// - every paragraph ends with "\par" except the last, which runs to the closing brace;
// - the character right after each "\par" is the backslash of the next paragraph's "\pard",
//   and every paragraph states its paragraph and character formats in full;
// - no other control word and no text ever contains the four characters "\par".
// Non-ASCII characters go out as `\'hh` in the code page of the run's charset when it has
// them, else as `\uN?`; so the output is 7-bit and passes any ANSI code page unchanged.
#pragma once

#include "platform/richedit/RichText.h"
#include "platform/rtf/RtfSink.h"

namespace zn::rtf {

// `ansiCodePage` is the document code page written as `\ansicpgN` (0: the system ANSI page).
void Write(const richedit::RichText& text, Sink& sink, int ansiCodePage = 0);
std::string WriteToString(const richedit::RichText& text, int ansiCodePage = 0);

} // namespace zn::rtf
