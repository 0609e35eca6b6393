#include "module/EventsSink.h"

#include "host/ClassIds.h"
#include "host/Component.h"
#include "host/Services.h"
#include "module/SpecificationAccess.h"
#include "requirements/IZnTText.h"

namespace {

void upgrade(const znsWorkID& id) {
    ZnPtr<IZnObject> object;
    if (!gpZnObjManager || FAILED(gpZnObjManager->Open(object.put(), id)))
        return;
    ZnPtr<IZnTText> text = ZnQuery<IZnTText>(object.get());
    if (!text)
        return;
    if (text->GetMode() == kTTModeOldConditions)
        text->SetMode(kTTModeConditions);
    else if (text->GetMode() == kTTModeOldParameters)
        text->SetMode(kTTModeParameters);
    if (gpZnFormatManager) {
        znsWorkID current;
        text->GetFormat(current);
        ZnPtr<IZnObject> format;
        if (!current.IsNull())
            gpZnObjManager->Open(format.put(), current);
        if (!format || text->GetMode() == kTTModeConditions)
            format = module::MainFormat(current);
        ZnPtr<IZnEntity> formatEntity = ZnQuery<IZnEntity>(format.get());
        if (!formatEntity || formatEntity->GetOwnerId() != text->GetOwnerId())
            text->SetFormat(znsWorkID::Null());
        else
            text->SetFormat(formatEntity->GetId());
    }
    if (ZnPtr<IZnComponentLauncher> launcher =
            ZnCreate<IZnComponentLauncher>(CLSID_ZnComponentLauncher);
        launcher && SUCCEEDED(launcher->Load(u"ZnNMod.dll", u"ZnNMod.TTOldToNewConverter")))
        launcher->SetObjectList({id});
}

} // namespace

void ZnTT2EventsSink::OnEndLoad(std::int32_t asReference) {
    if (asReference || m_pending.empty())
        return;
    for (const znsWorkID& id : ZnsArray<znsWorkID>(m_pending))
        upgrade(id);
    m_pending.clear();
}
