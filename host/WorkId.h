// znsWorkID: the host's object identifier, a 16-byte handle and a signed 32-bit index.
// The null identifier is all zero bytes with index -1. A numbered identifier carries a
// plain item number instead of an object: the number in its first 4 bytes, 0xAA in bytes
// 4 to 15, index -1.
#pragma once

#include <array>
#include <cstdint>
#include <string>

struct znsWorkID {
    std::array<std::uint8_t, 16> handle{};
    std::int32_t index = -1;

    static znsWorkID Null() { return {}; }
    static znsWorkID Numbered(std::int32_t number);
    // The identifier the drawing database gives its object number `serial` in `drawing`.
    static znsWorkID ForObject(std::uint64_t drawing, std::uint64_t serial, std::int32_t index);

    bool IsNull() const { return *this == Null(); }
    // The number of a numbered identifier, -1 for any other.
    std::int32_t Number() const;
    // The drawing-serial half of an object identifier.
    std::uint64_t Serial() const;

    // "index:hex handle", for listings and messages.
    std::string toString() const;

    bool operator==(const znsWorkID&) const = default;
};
