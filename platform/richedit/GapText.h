// The document's characters in a gap buffer: an edit moves the gap to its place and fills
// or widens it there, so typing at one place costs the characters typed, not the text
// behind them. Readers that need the whole text as one string get a copy made on demand
// and kept until the next edit.
#pragma once

#include <string_view>

#include "platform/text/ZnsString.h"

namespace zn::richedit {

class GapText {
public:
    int Length() const { return int(m_buffer.size()) - m_gapLength; }
    char16_t operator[](int position) const {
        return m_buffer[size_t(position < m_gapStart ? position : position + m_gapLength)];
    }
    // Replaces [start, end) by `with`.
    void Replace(int start, int end, std::u16string_view with);
    ZnsStringW Substr(int start, int end) const;
    // The whole text as one string (copied after an edit, then kept).
    const ZnsStringW& Flat() const;
    // Throws std::logic_error when the gap lies outside the buffer or the kept copy is stale.
    void Check() const;

private:
    void moveGap(int position);

    ZnsStringW m_buffer; // the text with the gap inside
    int m_gapStart = 0;
    int m_gapLength = 0;
    mutable ZnsStringW m_flat;
    mutable bool m_flatValid = true;
};

} // namespace zn::richedit
