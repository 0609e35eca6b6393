// The readers that take a path get the fuzzer's bytes through one scratch file.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

inline const std::string& FuzzFile(const std::uint8_t* data, std::size_t size) {
    static const std::string path = "/tmp/reqpad-fuzz-" + std::to_string(getpid());
    std::FILE* file = std::fopen(path.c_str(), "wb");
    std::fwrite(data, 1, size, file);
    std::fclose(file);
    return path;
}
