// Gap buffer moves and the flat copy.
#include "platform/richedit/GapText.h"

#include <algorithm>
#include <stdexcept>

namespace zn::richedit {

void GapText::moveGap(int position) {
    char16_t* data = m_buffer.data();
    if (position < m_gapStart) {
        // The characters between the position and the gap go behind it.
        std::copy_backward(data + position, data + m_gapStart, data + m_gapStart + m_gapLength);
    } else if (position > m_gapStart) {
        const int gapEnd = m_gapStart + m_gapLength;
        std::copy(data + gapEnd, data + position + m_gapLength, data + m_gapStart);
    }
    m_gapStart = position;
}

void GapText::Replace(int start, int end, std::u16string_view with) {
    moveGap(start);
    m_gapLength += end - start; // the replaced characters join the gap
    const int needed = int(with.size());
    if (needed > m_gapLength) {
        // A new gap of an eighth of the text (at least what comes in) behind the insertion.
        const int grow = std::max(needed - m_gapLength, Length() / 8 + 64);
        m_buffer.insert(size_t(m_gapStart), size_t(grow), u'\0');
        m_gapLength += grow;
    }
    std::copy(with.begin(), with.end(), m_buffer.begin() + m_gapStart);
    m_gapStart += needed;
    m_gapLength -= needed;
    m_flatValid = false;
}

ZnsStringW GapText::Substr(int start, int end) const {
    ZnsStringW out;
    out.reserve(size_t(std::max(0, end - start)));
    const int beforeGap = std::min(end, m_gapStart);
    if (start < beforeGap)
        out.append(m_buffer, size_t(start), size_t(beforeGap - start));
    const int from = std::max(start, m_gapStart);
    if (from < end)
        out.append(m_buffer, size_t(from + m_gapLength), size_t(end - from));
    return out;
}

const ZnsStringW& GapText::Flat() const {
    if (!m_flatValid) {
        m_flat = Substr(0, Length());
        m_flatValid = true;
    }
    return m_flat;
}

void GapText::Check() const {
    if (m_gapStart < 0 || m_gapLength < 0 || m_gapStart + m_gapLength > int(m_buffer.size()))
        throw std::logic_error("GapText: gap outside the buffer");
    if (m_flatValid && m_flat != Substr(0, Length()))
        throw std::logic_error("GapText: the flat copy differs from the text");
}

} // namespace zn::richedit
