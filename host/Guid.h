// 16-byte class and interface identifiers, written in the usual GUID notation.
#pragma once

#include <array>
#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct ZnsGuid {
    std::uint32_t data1 = 0;
    std::uint16_t data2 = 0;
    std::uint16_t data3 = 0;
    std::array<std::uint8_t, 8> data4{};

    // "{00000001-0013-AAAA-AAAA-050B00000000}", upper-case hexadecimal.
    std::string toString() const;
    // Accepts the notation with or without braces, any case; nullopt when malformed.
    static std::optional<ZnsGuid> parse(std::string_view text);

    auto operator<=>(const ZnsGuid&) const = default;
};

// The identifiers of this platform's family: {NNNNNNNN-GGGG-AAAA-AAAA-050B00000000}.
constexpr ZnsGuid ZnsPlatformGuid(std::uint32_t number, std::uint16_t group) {
    return ZnsGuid{number, group, 0xAAAA, {0xAA, 0xAA, 0x05, 0x0B, 0, 0, 0, 0}};
}
