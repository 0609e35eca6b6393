// The editor's trace of failed host calls: they are not shown to the user but sent, as
// "ERROR(80004005) 'RETERRIF marco, expr: EXPR FILE(LINE)'", to the debug monitor when one
// is running.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace editor {

inline constexpr std::uint32_t kTraceFailureCode = 0x80004005;

void TraceFailure(std::string_view expression, std::uint32_t code, const char* file, int line);
// The monitor that receives the trace lines; an empty one stops the tracing.
void SetDebugMonitor(std::function<void(const std::string&)> monitor);

} // namespace editor

// Traces `expression` with the failure code and returns `result` when `failed` holds.
#define REQPAD_RETERRIF(failed, expression, result)                                              \
    do {                                                                                         \
        if (failed) {                                                                            \
            ::editor::TraceFailure(expression, ::editor::kTraceFailureCode, __FILE__, __LINE__); \
            return result;                                                                       \
        }                                                                                        \
    } while (false)
