// Class identifiers of the objects the host itself provides.
#pragma once

#include "host/Guid.h"

constexpr ZnsGuid CLSID_ZnTextObject = ZnsPlatformGuid(0x0000000B, 0x0001);
constexpr ZnsGuid CLSID_ZnComponentLauncher = ZnsPlatformGuid(0x0000000A, 0x0020);
constexpr ZnsGuid CLSID_ZnFormat = ZnsPlatformGuid(0x00000001, 0x0030);
// Views, sections and position marks are the position objects that requirements items
// refer to, so they carry the classes the module looks for.
constexpr ZnsGuid CLSID_ZnView = ZnsPlatformGuid(0x00000006, 0x0004);
constexpr ZnsGuid CLSID_ZnSection = ZnsPlatformGuid(0x00000009, 0x0004);
constexpr ZnsGuid CLSID_ZnPositionMark = ZnsPlatformGuid(0x0000000B, 0x0004);
// Position records carry the class the module lists to find where an item is referred to.
constexpr ZnsGuid CLSID_ZnPositionRecord = ZnsPlatformGuid(0x00000001, 0x0012);
constexpr ZnsGuid CLSID_ZnSingleLineText = ZnsPlatformGuid(0x00000006, 0x0030);
constexpr ZnsGuid CLSID_ZnTextSplitter = ZnsPlatformGuid(0x00000007, 0x0030);
constexpr ZnsGuid CLSID_ZnDimension = ZnsPlatformGuid(0x00000008, 0x0030);
// The notebook object (object kind 4): the host hands it out, the module that owns the
// notebook makes it.
constexpr ZnsGuid CLSID_ZnNotebook = ZnsPlatformGuid(0x00000005, 0x0014);
