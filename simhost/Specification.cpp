#include "simhost/Specification.h"

#include "host/ClassIds.h"
#include "platform/loader/Loader.h"
#include "platform/ui/UserAgent.h"
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

// The user picks one of the drawing's records from the list the dialog shows.
std::int32_t SelectPositionRecordFromDlg(IZnSpecification* specification, std::int32_t* first,
                                         std::int32_t* second) {
    zn::ui::UserAgent* agent = zn::ui::CurrentUserAgent();
    SimDocument* document = g_documents ? g_documents->Active() : nullptr;
    if (!specification || !agent || !document)
        return 0;
    zn::ui::PickerRequest request;
    request.kind = zn::ui::PickerRequest::Kind::Record;
    for (std::int32_t id : specification->RecordIds()) {
        const PositionRecord* record = findRecord(*g_documents, id);
        request.choices.push_back(zn::format("%i pos. %i", id, record->Number()) +
                                  (record->Zone().empty() ? u"" : u" zone " + record->Zone()));
    }
    zn::ui::PickerAnswer answer = agent->AnswerPicker(request);
    if (!answer.chosen)
        return 0;
    if (!specification->HasRecord(answer.record))
        throw zn::ui::AgentError("the specification has no position record " +
                                 std::to_string(answer.record));
    *first = -1;
    *second = answer.record;
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
