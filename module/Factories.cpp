// A factory stores the new object's IZnObject part, or null when it could not make one,
// and answers 0. The calculator object is not part of the module yet: until it is, its
// factory stores null and answers E_NOTIMPL so the host can tell the type exists but
// cannot be made.
#include "module/Factories.h"

#include "requirements/ZnTText.h"

namespace module {

HRESULT CreateTText(IZnObject** out) {
    return CZnTText::Factory(out);
}

HRESULT CreateCalculator(IZnObject** out) {
    *out = nullptr;
    return E_NOTIMPL;
}

} // namespace module
