// The specification module's side of the reference host: the drawing's specification
// document over its position records, and the three functions "SpecificationDlg.dll"
// exports (the document, the drawing's main format, the position-record picker).
#pragma once

#include "host/ObjectImpl.h"
#include "host/Specification.h"
#include "simhost/SimDocuments.h"

namespace simhost {

class SpecificationDocument : public ZnObjectImpl<IZnSpecification> {
public:
    explicit SpecificationDocument(SimDocManager& documents) : m_documents(documents) {}

    ZnsGuid GetClassId() const override { return IZnSpecification::IID; }
    ZnsArray<std::int32_t> RecordIds() const override;
    bool HasRecord(std::int32_t recordId) const override;
    HRESULT GetRecordProperty(std::int32_t recordId, std::int32_t property,
                              ZNSVariant& value) const override;

private:
    SimDocManager& m_documents;
};

// Registers "SpecificationDlg.dll" with the loader, serving the documents of `documents`.
void RegisterSpecificationModule(SimDocManager& documents);
void UnregisterSpecificationModule();

} // namespace simhost
