// Little-endian int32 values and zero-ended strings of the system ANSI code page, read from
// and written to memory: the building blocks of the notebook files, old and new.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/text/ZnsString.h"

namespace notebook {

// The bytes ended before a value could be read; `offset` is where that value began.
struct Truncated {
    std::size_t offset;
};

class ByteReader {
public:
    explicit ByteReader(std::string_view bytes, std::size_t position = 0)
        : m_bytes(bytes), m_position(position) {}

    std::int32_t int32();
    std::string_view take(std::size_t count);
    void skip(std::size_t count) { take(count); }
    // The text up to the next 0 byte, which is consumed.
    ZnsStringW string();

    std::size_t position() const { return m_position; }
    std::size_t remaining() const { return m_bytes.size() - m_position; }
    bool atEnd() const { return remaining() == 0; }

private:
    std::string_view m_bytes;
    std::size_t m_position;
};

class ByteWriter {
public:
    explicit ByteWriter(std::string& out) : m_out(out) {}
    void int32(std::int32_t value);
    void bytes(std::string_view data) { m_out.append(data); }
    void string(std::u16string_view text);
    std::size_t position() const { return m_out.size(); }

private:
    std::string& m_out;
};

} // namespace notebook
