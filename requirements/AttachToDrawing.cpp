#include "requirements/AttachToDrawing.h"

#include "host/ClassIds.h"
#include "host/Services.h"
#include "module/ModuleIds.h"

namespace {

constexpr std::uint32_t kStandardParameter = 32768;

bool isConditions(std::int32_t mode) {
    return mode == kTTModeOldConditions || mode == kTTModeConditions;
}

ZnPtr<IZnEntity> openEntity(const znsWorkID& id) {
    ZnPtr<IZnObject> object;
    if (!gpZnObjManager || id.IsNull() || FAILED(gpZnObjManager->Open(object.put(), id)))
        return {};
    return ZnQuery<IZnEntity>(object.get());
}

// Whether a technical-conditions object other than `self` already belongs to `format`.
bool conditionsOnFormat(const znsWorkID& format, const IZnTText& self) {
    ZnsArray<znsWorkID> texts;
    ZnsObjectFilter filter;
    filter.classes = {CLSID_ZnTText};
    if (FAILED(gpZnObjManager->List(texts, filter)))
        return false;
    for (const znsWorkID& id : texts) {
        ZnPtr<IZnTText> other = ZnQuery<IZnTText>(openEntity(id).get());
        if (!other || other.get() == &self || !isConditions(other->GetMode()))
            continue;
        znsWorkID otherFormat;
        other->GetFormat(otherFormat);
        if (otherFormat == format)
            return true;
    }
    return false;
}

ZnsStringW defaultLayer() {
    ZNSVariant value;
    ZnGetParam(value, kTTParamDefaultLayer, kStandardParameter);
    if (const ZnsStringW* layer = value.AsText(); layer && !layer->empty())
        return *layer;
    return gpZnStyleManager ? gpZnStyleManager->GetCurrentLayer() : ZnsStringW();
}

} // namespace

std::int32_t AttachToDrawing(IZnTText& text) {
    IZnDocument* document = gpZnDocManager ? gpZnDocManager->GetActiveDocument() : nullptr;
    if (!text.GetId().IsNull() || !gpZnObjManager || !document || !document->AcceptsEdits())
        return 0;
    // The layer is given first so that the drawing learns it with the object.
    text.SetLayer(defaultLayer());
    znsWorkID format;
    text.GetFormat(format);
    ZnPtr<IZnEntity> formatEntity =
        isConditions(text.GetMode()) ? openEntity(format) : ZnPtr<IZnEntity>();
    if (!formatEntity)
        return SUCCEEDED(gpZnObjManager->Append(&text, nullptr)) ? 1 : 0;
    const bool shared = conditionsOnFormat(format, text);
    const znsWorkID space = formatEntity->GetOwnerId();
    if (FAILED(gpZnObjManager->Append(&text, &space)))
        return 0;
    if (!shared) {
        // Stored again now that the object has its identifier, so the format knows whom
        // to tell when it changes.
        text.SetFormat(znsWorkID::Null());
        text.SetFormat(format);
    }
    return 1;
}
