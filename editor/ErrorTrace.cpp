#include "editor/ErrorTrace.h"

#include <filesystem>

#include "platform/text/ZnsString.h"

namespace editor {

namespace {

std::function<void(const std::string&)>& monitor() {
    static std::function<void(const std::string&)> current;
    return current;
}

} // namespace

void TraceFailure(std::string_view expression, std::uint32_t code, const char* file, int line) {
    if (!monitor())
        return;
    std::string text = "RETERRIF marco, expr: " + std::string(expression) + " " +
                       std::filesystem::path(file).filename().string() + "(" +
                       std::to_string(line) + ")";
    monitor()(code ? zn::formatA("ERROR(%X) '%s'", code, text.c_str())
                   : zn::formatA("ERROR '%s'", text.c_str()));
}

void SetDebugMonitor(std::function<void(const std::string&)> next) {
    monitor() = std::move(next);
}

} // namespace editor
