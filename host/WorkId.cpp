#include "host/WorkId.h"

#include <cstdio>
#include <cstring>

znsWorkID znsWorkID::Numbered(std::int32_t number) {
    znsWorkID id;
    std::memcpy(id.handle.data(), &number, 4);
    std::memset(id.handle.data() + 4, 0xAA, 12);
    id.index = -1;
    return id;
}

znsWorkID znsWorkID::ForObject(std::uint64_t drawing, std::uint64_t serial, std::int32_t index) {
    znsWorkID id;
    std::memcpy(id.handle.data(), &serial, 8);
    std::memcpy(id.handle.data() + 8, &drawing, 8);
    id.index = index;
    return id;
}

std::int32_t znsWorkID::Number() const {
    for (size_t i = 4; i < 16; ++i)
        if (handle[i] != 0xAA)
            return -1;
    std::int32_t number;
    std::memcpy(&number, handle.data(), 4);
    return number;
}

std::uint64_t znsWorkID::Serial() const {
    std::uint64_t serial;
    std::memcpy(&serial, handle.data(), 8);
    return serial;
}

std::string znsWorkID::toString() const {
    std::string text = std::to_string(index) + ":";
    char hex[3];
    for (std::uint8_t byte : handle) {
        std::snprintf(hex, sizeof hex, "%02x", byte);
        text += hex;
    }
    return text;
}
