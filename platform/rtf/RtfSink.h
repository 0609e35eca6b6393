// Where written bytes go: one method, so the same writer serves files, strings and the
// clipboard.
#pragma once

#include <cstddef>
#include <string>

namespace zn::rtf {

class Sink {
public:
    virtual ~Sink() = default;
    virtual void write(const char* data, size_t size) = 0;
};

class StringSink : public Sink {
public:
    void write(const char* data, size_t size) override { bytes.append(data, size); }
    std::string bytes;
};

} // namespace zn::rtf
