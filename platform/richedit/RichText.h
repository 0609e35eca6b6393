// A piece of formatted text as it leaves and enters a document: the text, its character runs
// and one paragraph format per paragraph (one per '\r' plus one for the paragraph the piece
// ends in). RTF streams, undo steps and clipboard transfers all carry this.
#pragma once

#include <vector>

#include "platform/richedit/CharFormat.h"
#include "platform/richedit/ParaFormat.h"

namespace zn::richedit {

struct RichText {
    struct Run {
        int length;
        CharFormat format;
    };
    ZnsStringW text;
    std::vector<Run> runs;              // cover `text` exactly, in order
    std::vector<ParaFormat> paragraphs; // count of '\r' in `text` plus one

    RichText() : paragraphs(1) {}
    // Appends characters in a format, joining the last run when the format is the same.
    void append(std::u16string_view characters, const CharFormat& format);
    // Appends a paragraph mark in `format`, ending the current paragraph with `paragraph`.
    void endParagraph(const CharFormat& format, const ParaFormat& paragraph);
    // What a reader sees: hidden runs left out, paragraph marks and line breaks as LF.
    ZnsStringW visibleText() const;
};

} // namespace zn::richedit
