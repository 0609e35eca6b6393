#include "simhost/Specification.h"

#include "host/ClassIds.h"
#include "platform/loader/Loader.h"
#include "platform/ui/UserAgent.h"
#include "simhost/Annotation.h"
#include "simhost/PositionRecord.h"

namespace simhost {

namespace {

SimDocManager* g_documents = nullptr;

const PositionRecord* findRecord(SimDocManager& documents, std::int32_t recordId) {
    SimDocument* document = documents.Active();
    if (!document)
        return nullptr;
    auto* entity = document->GetDrawing().FindByIndex(recordId);
    return entity && entity->GetClassId() == CLSID_ZnPositionRecord
               ? static_cast<PositionRecord*>(entity)
               : nullptr;
}

IZnSpecification* ZNS_GetDocSpecification(std::int32_t) {
    if (!g_documents || !g_documents->Active())
        return nullptr;
    return new SpecificationDocument(*g_documents);
}

// The current format when it is a format of the drawing, else the first format of the
// current space.
HRESULT GetMainFormat(IZnObject** out, std::int32_t, znsWorkID current) {
    *out = nullptr;
    SimDocument* document = g_documents ? g_documents->Active() : nullptr;
    if (!document)
        return E_FAIL;
    Drawing& drawing = document->GetDrawing();
    IZnEntity* format = drawing.Find(current);
    if (!format || format->GetClassId() != CLSID_ZnFormat) {
        format = nullptr;
        for (IZnEntity* entity : drawing.Objects())
            if (entity->GetClassId() == CLSID_ZnFormat &&
                entity->GetOwnerId() == drawing.CurrentSpace()) {
                format = entity;
                break;
            }
    }
    if (!format)
        return E_FAIL;
    format->AddRef();
    *out = format;
    return S_OK;
}

// The user picks a position mark; its record is the one chosen.
std::int32_t SelectPositionRecordFromDlg(IZnSpecification* specification, std::int32_t* first,
                                         std::int32_t* second) {
    zn::ui::UserAgent* agent = zn::ui::CurrentUserAgent();
    SimDocument* document = g_documents ? g_documents->Active() : nullptr;
    if (!specification || !agent || !document)
        return 0;
    zn::ui::ObjectRequest request;
    request.classFilter = zn::fromUtf8(CLSID_ZnPositionMark.toString());
    zn::ui::PickAnswer answer = agent->PickObject(request);
    if (answer.kind != zn::ui::PickAnswer::Kind::Object)
        return 0;
    auto* entity = document->GetDrawing().FindByIndex(std::int32_t(answer.object));
    if (!entity || entity->GetClassId() != CLSID_ZnPositionMark)
        return 0;
    std::int32_t record = static_cast<Annotation*>(entity)->SpecRecord();
    if (!specification->HasRecord(record))
        return 0;
    *first = -1;
    *second = record;
    return 1;
}

} // namespace

ZnsArray<std::int32_t> SpecificationDocument::RecordIds() const {
    ZnsArray<std::int32_t> ids;
    if (SimDocument* document = m_documents.Active())
        for (IZnEntity* entity : document->GetDrawing().Objects())
            if (entity->GetClassId() == CLSID_ZnPositionRecord)
                ids.push_back(entity->GetId().index);
    return ids;
}

bool SpecificationDocument::HasRecord(std::int32_t recordId) const {
    return findRecord(m_documents, recordId) != nullptr;
}

HRESULT SpecificationDocument::GetRecordProperty(std::int32_t recordId, std::int32_t property,
                                                 ZNSVariant& value) const {
    const PositionRecord* record = findRecord(m_documents, recordId);
    if (!record)
        return E_INVALIDARG;
    switch (property) {
    case kZnsSpecPositionNumber:
        value = record->Number();
        return S_OK;
    case kZnsSpecZone:
        value = record->Zone();
        return S_OK;
    case kZnsSpecItemNumbers:
        value = record->Items();
        return S_OK;
    default:
        return E_NOTIMPL;
    }
}

void RegisterSpecificationModule(SimDocManager& documents) {
    g_documents = &documents;
    zn::loader::RegisterModule(
        u"SpecificationDlg.dll",
        {{"ZNS_GetDocSpecification", reinterpret_cast<void*>(&ZNS_GetDocSpecification)},
         {"GetMainFormat", reinterpret_cast<void*>(&GetMainFormat)},
         {"SelectPositionRecordFromDlg", reinterpret_cast<void*>(&SelectPositionRecordFromDlg)}});
}

void UnregisterSpecificationModule() {
    zn::loader::UnregisterModule(u"SpecificationDlg.dll");
    g_documents = nullptr;
}

} // namespace simhost
