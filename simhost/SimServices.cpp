#include "simhost/SimServices.h"

#include "simhost/SheetFormat.h"

namespace simhost {

namespace {

SheetFormat* findFormat(SimDocManager& documents, const znsWorkID& id) {
    SimDocument* document = documents.Active();
    IZnEntity* entity = document ? document->GetDrawing().Find(id) : nullptr;
    return entity && entity->GetClassId() == CLSID_ZnFormat ? static_cast<SheetFormat*>(entity)
                                                            : nullptr;
}

} // namespace

HRESULT SimNativeGate::PublishProperty(const ZnsGuid& classId, const ZnsStringW& name,
                                       std::int32_t kind, std::int32_t, std::int32_t,
                                       std::int32_t) {
    if (name.empty())
        return E_INVALIDARG;
    m_properties.push_back({classId, name, kind});
    return S_OK;
}

HRESULT SimNativeGate::GetNativeRequirements(ZnsArray<znsWorkID>& ids, ZnsStringW& text,
                                             ZnsArray<ZnsPoint3>& points) {
    ids.clear();
    text.clear();
    points.clear();
    return S_FALSE;
}

double SimStyleManager::GetDefaultHeight(std::int32_t styleKind) const {
    return styleKind == 1 ? 3.5 : 2.5;
}

ZnsArray<ZnsStringW> SimStyleManager::GetTextStyles() const {
    ZnsArray<ZnsStringW> names;
    for (const TextStyle& style : m_styles.Styles())
        names.push_back(style.name);
    return names;
}

double SimStyleManager::GetTextStyleOblique(const ZnsStringW& style) const {
    for (const TextStyle& known : m_styles.Styles())
        if (zn::equalsNoCase(known.name, style))
            return known.oblique;
    return 0;
}

double SimStyleManager::GetDrawingScale() const {
    SimDocument* document = m_documents.Active();
    return document ? CurrentSheetScale(document->GetDrawing()) : 1.0;
}

double SimFormatManager::GetTextHeight(const znsWorkID&) const {
    return 0;
}

HRESULT SimFormatManager::GetScale(const znsWorkID& id, double& scale) const {
    SheetFormat* format = findFormat(m_documents, id);
    if (!format)
        return E_INVALIDARG;
    scale = format->Scale();
    return S_OK;
}

HRESULT SimFormatManager::GetFreeArea(const znsWorkID& id, std::int32_t column, ZnsPoint3& first,
                                      ZnsPoint3& second) const {
    SheetFormat* format = findFormat(m_documents, id);
    auto area = format ? format->FreeArea(column) : std::nullopt;
    if (!area)
        return E_FAIL;
    first = area->first;
    second = area->second;
    return S_OK;
}

} // namespace simhost
