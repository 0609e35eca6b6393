// A factory stores the new object's IZnObject part, or null when it could not make one,
// and answers 0. The requirements object and the calculator object are not part of the
// module yet: until they are, their factories store null and answer E_NOTIMPL so the host
// can tell the type exists but cannot be made.
#include "module/Factories.h"

namespace module {

HRESULT CreateTText(IZnObject** out) {
    *out = nullptr;
    return E_NOTIMPL;
}

HRESULT CreateCalculator(IZnObject** out) {
    *out = nullptr;
    return E_NOTIMPL;
}

} // namespace module
