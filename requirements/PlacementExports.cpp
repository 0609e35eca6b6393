// The placement and link functions the module exports for sibling modules: the free space
// above the objects in a column, and the links of older position data.
#include <utility>
#include <vector>

#include "editor/References.h"
#include "host/Entity.h"
#include "host/Services.h"
#include "module/Exports.h"
#include "module/ModuleIds.h"
#include "module/SpecificationAccess.h"
#include "module/TTManager.h"

namespace {

constexpr std::int32_t kMaxOldItem = 301;

// Grows `links` with empty links until item `number` has a place, and stores `link` there
// when `check` accepts it.
bool storeOldLink(ZnsArray<ZnsLink>& links, std::int32_t number, ZnsLink link,
                  std::int32_t (*check)(ZnsLink&)) {
    if (number < 1 || number > kMaxOldItem)
        return false;
    if (links.size() < size_t(number))
        links.resize(size_t(number));
    if (!check(link))
        return false;
    links[size_t(number - 1)] = std::move(link);
    return true;
}

} // namespace

ZNS_EXPORT double CalcBottomFreeSpace(const double* first, const double* second,
                                      const znsWorkID* self) {
    double result = first[1];
    ZnsObjectFilter filter;
    filter.kind = ZnsObjectFilter::kByBox;
    filter.box = ZnsBox3::Of({first[0], first[1], first[2]}, {second[0], second[1], second[2]});
    ZnsArray<znsWorkID> ids;
    if (!gpZnObjManager || FAILED(gpZnObjManager->List(ids, filter)))
        return result;
    for (const znsWorkID& id : ids) {
        if (self && id == *self)
            continue;
        ZnPtr<IZnObject> object;
        gpZnObjManager->Open(object.put(), id);
        ZnPtr<IZnEntity> entity = ZnQuery<IZnEntity>(object.get());
        if (!entity)
            continue;
        const ZnsBox3 extents = entity->GetExtents();
        const bool overlaps =
            first[0] > extents.min.x ? extents.max.x > first[0] : second[0] > extents.min.x;
        if (result > extents.min.y && extents.min.y > second[1] && overlaps)
            result = extents.min.y;
    }
    return result;
}

ZNS_EXPORT std::int32_t GetOldPositionLinks(ZnsArray<ZnsLink>* links) {
    if (!links)
        return 0;
    bool stored = false;
    if (IZnSpecification* document = module::DocSpecification())
        for (std::int32_t record : document->RecordIds()) {
            ZNSVariant items;
            document->GetRecordProperty(record, kZnsSpecItemNumbers, items);
            if (const ZnsArray<std::int32_t>* numbers = items.AsIntegerArray())
                for (std::int32_t n : *numbers)
                    stored |= storeOldLink(*links, n, {znsWorkID::Numbered(record), {}},
                                           &editor::CheckPositionLink);
        }
    // The item lists are read first and checked after the manager is released: the check
    // acquires the manager itself.
    std::vector<std::pair<znsWorkID, ZnsArray<std::int32_t>>> oldObjects;
    if (CZnsTTManager* manager = AcquireTTManager()) {
        ZnsArray<znsWorkID> objects;
        ZnsObjectFilter filter;
        filter.classes = {CLSID_ZnOldPositionA, CLSID_ZnOldPositionB, CLSID_ZnOldPositionC};
        if (gpZnObjManager && SUCCEEDED(gpZnObjManager->List(objects, filter)))
            for (const znsWorkID& id : objects) {
                oldObjects.push_back({id, {}});
                manager->GetItemList(id, oldObjects.back().second);
            }
        ReleaseTTManager();
    }
    for (const auto& [id, numbers] : oldObjects)
        for (std::int32_t n : numbers)
            stored |= storeOldLink(*links, n, {id, {}}, &editor::CheckObjectLink);
    module::ReleaseDocSpecification();
    return stored ? 1 : 0;
}
