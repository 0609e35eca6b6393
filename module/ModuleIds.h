// Class identifiers of the object types this module registers with the host.
#pragma once

#include "host/ClassIds.h"
#include "host/Guid.h"

constexpr ZnsGuid CLSID_ZnTText = ZnsPlatformGuid(0x00000001, 0x0013);
constexpr ZnsGuid CLSID_ZnCalculator = ZnsPlatformGuid(0x00000003, 0x0013);

// Position objects of the drafting suite that refer back to requirement items.
constexpr ZnsGuid CLSID_ZnPositionObjectA = CLSID_ZnView;
constexpr ZnsGuid CLSID_ZnPositionObjectB = CLSID_ZnSection;
constexpr ZnsGuid CLSID_ZnPositionObjectC = CLSID_ZnPositionMark;
// Older position objects that kept the item numbers of their links ("ZNSTTC").
constexpr ZnsGuid CLSID_ZnOldPositionA = ZnsPlatformGuid(0x00000004, 0x0004);
constexpr ZnsGuid CLSID_ZnOldPositionB = ZnsPlatformGuid(0x00000019, 0x0004);
constexpr ZnsGuid CLSID_ZnOldPositionC = ZnsPlatformGuid(0x00000005, 0x0004);
