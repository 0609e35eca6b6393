// The object manager of the reference host: creates objects of registered classes, works on
// the active drawing, and asks the user agent for picks and points.
#pragma once

#include "host/ObjManager.h"
#include "simhost/ClassRegistry.h"
#include "simhost/SimDocuments.h"

namespace simhost {

class SimObjManager : public IZnObjManager {
public:
    SimObjManager(ClassRegistry& classes, SimDocManager& documents)
        : m_classes(classes), m_documents(documents) {}

    HRESULT RegisterType(const ZnsGuid& classId, ZnsFactory factory, const ZnsStringW& name,
                         std::int32_t code, const char16_t* internalName,
                         std::int32_t reserved) override;
    HRESULT Create(IZnObject** object, const ZnsGuid& classId) override;
    HRESULT Open(IZnObject** object, const znsWorkID& id) override;
    HRESULT Append(IZnObject* object, const znsWorkID* container) override;
    HRESULT Erase(const znsWorkID& id) override;
    HRESULT Cancel(const znsWorkID& id) override;
    HRESULT List(ZnsArray<znsWorkID>& ids, const ZnsObjectFilter& filter) override;
    HRESULT Pick(ZnsArray<znsWorkID>& ids, std::int32_t count, const ZnsStringW& prompt) override;
    HRESULT GetSelection(ZnsArray<znsWorkID>& ids) override;
    ZnsPointResult GetPoint(const ZnsStringW& prompt, const ZnsStringW& keywords,
                            const ZnsPoint3* rubberBandFrom, ZnsPoint3& point,
                            std::int32_t& keyword) override;
    bool PlaceTextBox(double width, double height, std::int32_t horizontal, std::int32_t vertical,
                      const ZnsStringW& originPrompt, const ZnsStringW& anglePrompt,
                      ZnsPoint3& origin, ZnsPoint3& direction) override;

private:
    Drawing* drawing();

    ClassRegistry& m_classes;
    SimDocManager& m_documents;
};

// One keyword of the host's keyword list.
struct Keyword {
    std::int32_t number;
    ZnsStringW localName;
    ZnsStringW globalName;
};
// "1;2;1\nAuto\nAuto;2\nCorner\nCorner;" -> {1, Auto, Auto}, {2, Corner, Corner}
std::vector<Keyword> ParseKeywords(std::u16string_view list);

} // namespace simhost
