#include "notebook/ByteStream.h"

#include "platform/text/CodePage.h"

namespace notebook {

std::int32_t ByteReader::int32() {
    std::string_view b = take(4);
    std::uint32_t value =
        std::uint32_t(std::uint8_t(b[0])) | std::uint32_t(std::uint8_t(b[1])) << 8 |
        std::uint32_t(std::uint8_t(b[2])) << 16 | std::uint32_t(std::uint8_t(b[3])) << 24;
    return std::int32_t(value);
}

std::string_view ByteReader::take(std::size_t count) {
    if (count > remaining())
        throw Truncated{m_position};
    std::string_view part = m_bytes.substr(m_position, count);
    m_position += count;
    return part;
}

ZnsStringW ByteReader::string() {
    std::size_t end = m_bytes.find('\0', m_position);
    if (end == std::string_view::npos)
        throw Truncated{m_position};
    std::string_view text = m_bytes.substr(m_position, end - m_position);
    m_position = end + 1;
    return zn::ansiToWide(text);
}

void ByteWriter::int32(std::int32_t value) {
    std::uint32_t v = std::uint32_t(value);
    const char b[4] = {char(v & 0xFF), char(v >> 8 & 0xFF), char(v >> 16 & 0xFF), char(v >> 24)};
    m_out.append(b, 4);
}

void ByteWriter::string(std::u16string_view text) {
    m_out += zn::wideToAnsi(text);
    m_out += '\0';
}

} // namespace notebook
