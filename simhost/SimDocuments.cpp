#include "simhost/SimDocuments.h"

namespace simhost {

SimDocument::SimDocument(std::unique_ptr<Drawing> drawing, ZnsStringW path)
    : m_drawing(std::move(drawing)), m_path(std::move(path)) {}

HRESULT SimDocument::ShowObject(const znsWorkID& id, double factor) {
    if (!m_drawing->Find(id))
        return E_INVALIDARG;
    m_shown = id;
    m_shownFactor = factor;
    return S_OK;
}

} // namespace simhost
