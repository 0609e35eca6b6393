// Class identifiers of the object types this module registers with the host.
#pragma once

#include "host/Guid.h"

constexpr ZnsGuid CLSID_ZnTText = ZnsPlatformGuid(0x00000001, 0x0013);
constexpr ZnsGuid CLSID_ZnCalculator = ZnsPlatformGuid(0x00000003, 0x0013);
