#include "editor/References.h"

#include "host/Services.h"
#include "module/SpecificationAccess.h"
#include "module/TTManager.h"

namespace editor {

namespace {

constexpr std::int32_t kShowZoneParameter = 7110;

// The manager for the length of one call.
struct ManagerScope {
    CZnsTTManager* manager = AcquireTTManager();
    ~ManagerScope() {
        if (manager)
            ReleaseTTManager();
    }
};

} // namespace

ZnsStringW PositionText(std::int32_t recordId) {
    IZnSpecification* document = module::DocSpecification();
    if (!document || !document->HasRecord(recordId))
        return {};
    ZnsStringW text = u"pos. ";
    ZNSVariant number, zone, showZone;
    document->GetRecordProperty(recordId, kZnsSpecPositionNumber, number);
    if (number.AsInteger().value_or(0) > 0)
        text += zn::format("%i", *number.AsInteger());
    document->GetRecordProperty(recordId, kZnsSpecZone, zone);
    ZnGetParam(showZone, kShowZoneParameter, 0);
    if (showZone.AsInteger().value_or(0) != 0 && zone.AsText() && !zone.AsText()->empty())
        text += u" (zone " + *zone.AsText() + u")";
    return text;
}

std::int32_t CheckPositionLink(ZnsLink& link) {
    IZnSpecification* document = module::DocSpecification();
    std::int32_t recordId = link.target.Number();
    if (!document || !document->HasRecord(recordId))
        return 0;
    link.text = PositionText(recordId);
    return 1;
}

std::int32_t CheckObjectLink(ZnsLink& link) {
    ManagerScope scope;
    return scope.manager && scope.manager->GetTTInfo(link.target, link.text) ? 1 : 0;
}

void CollectReferringObjects(ZnsArray<znsWorkID>& objects, ZnsArray<std::int32_t>& numbers) {
    objects.clear();
    numbers.clear();
    ManagerScope scope;
    if (!scope.manager)
        return;
    ZnsArray<znsWorkID> linked;
    scope.manager->CollectLinkedObjects(linked);
    for (const znsWorkID& id : linked)
        if (std::int32_t number = scope.manager->GetTTItem(id); number > 0) {
            objects.push_back(id);
            numbers.push_back(number);
        }
}

void WriteBackItemNumbers(const ZnsArray<znsWorkID>& objects,
                          const ZnsArray<std::int32_t>& numbers) {
    ManagerScope scope;
    if (!scope.manager)
        return;
    for (size_t i = 0; i < objects.size() && i < numbers.size(); ++i) {
        if (numbers[i] < 1)
            scope.manager->ResetTTItem(objects[i]);
        else
            scope.manager->SetTTItem(objects[i], numbers[i]);
    }
}

} // namespace editor
