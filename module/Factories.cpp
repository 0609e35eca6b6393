// A factory stores the new object's IZnObject part, or null when it could not make one,
// and answers 0.
#include "module/Factories.h"

#include "calculator/ZnCalculator.h"
#include "module/Exports.h"
#include "notebook/ZnNotebook.h"
#include "requirements/ZnTText.h"

namespace module {

HRESULT CreateTText(IZnObject** out) {
    return CZnTText::Factory(out);
}

HRESULT CreateCalculator(IZnObject** out) {
    return CZnCalculator::Factory(out);
}

} // namespace module

ZNS_EXPORT HRESULT ZNS_CreateNotebook(IZnObject** out) {
    if (!out)
        return E_INVALIDARG;
    *out = notebook::CreateZnNotebook();
    return *out ? S_OK : E_FAIL;
}
