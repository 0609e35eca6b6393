// The functions the module exports under plain (unmangled) names: the entry and exit the
// host calls, and the functions sibling modules call directly.
#pragma once

#include <cstdint>

#define ZNS_EXPORT extern "C" __attribute__((visibility("default")))

ZNS_EXPORT void ZNSInit();
ZNS_EXPORT void ZNSUnInit();
// Kept for callers of an older interface; does nothing.
ZNS_EXPORT std::int32_t ZNS_DelTTItem(std::int32_t item);

// How the host and tests find the entry points through the loader.
using ZnsInitFunction = void (*)();
