// The requirements content as RTF: the preamble, cutting a document into one complete RTF
// document per paragraph (counting the header paragraphs marked "\znheader1"), and gluing
// paragraphs back into one column text.
#pragma once

#include <vector>

#include "platform/text/ZnsString.h"

// The index just past the first "\pard" (its position plus 5), or -1 without one; `preamble`
// receives the document up to that index (empty without one).
int RtfPreamble(const ZnsStringW& document, ZnsStringW& preamble);

// Empties `pieces` and fills it with one RTF document per paragraph, in order. Returns the
// number of header paragraphs when `countHeaders` is set and the document has any
// "\znheader1"; 0 otherwise.
int SplitRtfParagraphs(const ZnsStringW& document, std::vector<ZnsStringW>& pieces,
                       bool countHeaders);

// Appends the paragraphs of `source` to `target`; an empty target becomes a copy of the
// source. Always 1.
int AppendRtf(ZnsStringW& target, const ZnsStringW& source);
