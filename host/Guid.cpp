#include "host/Guid.h"

#include <cstdio>

std::string ZnsGuid::toString() const {
    char text[40];
    std::snprintf(text, sizeof text, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}", data1,
                  data2, data3, data4[0], data4[1], data4[2], data4[3], data4[4], data4[5],
                  data4[6], data4[7]);
    return text;
}

std::optional<ZnsGuid> ZnsGuid::parse(std::string_view text) {
    if (text.size() == 38 && text.front() == '{' && text.back() == '}')
        text = text.substr(1, 36);
    if (text.size() != 36 || text[8] != '-' || text[13] != '-' || text[18] != '-' ||
        text[23] != '-')
        return std::nullopt;
    std::string digits;
    for (size_t i = 0; i < text.size(); ++i) {
        if (i == 8 || i == 13 || i == 18 || i == 23)
            continue;
        char c = text[i];
        bool hex = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
        if (!hex)
            return std::nullopt;
        digits += c;
    }
    auto field = [&](size_t at, size_t length) {
        return std::stoull(digits.substr(at, length), nullptr, 16);
    };
    ZnsGuid guid;
    guid.data1 = std::uint32_t(field(0, 8));
    guid.data2 = std::uint16_t(field(8, 4));
    guid.data3 = std::uint16_t(field(12, 4));
    for (size_t i = 0; i < 8; ++i)
        guid.data4[i] = std::uint8_t(field(16 + 2 * i, 2));
    return guid;
}
