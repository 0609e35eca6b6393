// The factories of the object types the module registers.
#pragma once

#include "host/ObjManager.h"

namespace module {

HRESULT CreateTText(IZnObject** out);
HRESULT CreateCalculator(IZnObject** out);

} // namespace module
