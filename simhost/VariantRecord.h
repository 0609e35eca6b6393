// A ZNSVariant through the filer: its kind as an integer, then its value.
#pragma once

#include "host/Filer.h"
#include "host/Variant.h"

namespace simhost {

HRESULT WriteVariant(IZnFiler& filer, const ZNSVariant& value);
HRESULT ReadVariant(IZnFiler& filer, ZNSVariant& value);

} // namespace simhost
