#include "requirements/TextSearch.h"

#include "host/Services.h"
#include "module/ModuleIds.h"
#include "requirements/AttachToDrawing.h"

namespace requirements {

ZnPtr<IZnTText> OpenText(const znsWorkID& id) {
    ZnPtr<IZnObject> object;
    if (!gpZnObjManager || id.IsNull() || FAILED(gpZnObjManager->Open(object.put(), id)))
        return {};
    return ZnQuery<IZnTText>(object.get());
}

ZnPtr<IZnTText> FindText(std::int32_t mode, const znsWorkID& format, bool anyFormat) {
    ZnsArray<znsWorkID> ids;
    ZnsObjectFilter filter;
    filter.kind = ZnsObjectFilter::kByClass;
    filter.classes = {CLSID_ZnTText};
    if (!gpZnObjManager || FAILED(gpZnObjManager->List(ids, filter)))
        return {};
    for (const znsWorkID& id : ids) {
        ZnPtr<IZnTText> text = OpenText(id);
        if (!text || text->GetMode() != mode)
            continue;
        znsWorkID own;
        text->GetFormat(own);
        if (anyFormat || own == format)
            return text;
    }
    return {};
}

bool DocumentAcceptsEdits() {
    IZnDocument* document = gpZnDocManager ? gpZnDocManager->GetActiveDocument() : nullptr;
    return document && document->AcceptsEdits();
}

ZnPtr<IZnTText> CreateText(std::int32_t mode, const znsWorkID& format) {
    if (!DocumentAcceptsEdits())
        return {};
    ZnPtr<IZnTText> text = ZnCreate<IZnTText>(CLSID_ZnTText);
    if (!text)
        return {};
    // The mode comes first: it decides which space the text joins.
    text->SetMode(mode);
    if (!format.IsNull())
        text->SetFormat(format);
    if (!AttachToDrawing(*text))
        return {};
    if (gpZnStyleManager)
        text->SetFontHeight(gpZnStyleManager->GetDefaultHeight(1));
    return text;
}

} // namespace requirements
