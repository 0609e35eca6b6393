#include "simhost/SimObjManager.h"

#include <cmath>

#include "host/Entity.h"
#include "platform/ui/UserAgent.h"
#include "simhost/SheetFormat.h"

namespace simhost {

std::vector<Keyword> ParseKeywords(std::u16string_view list) {
    std::vector<Keyword> keywords;
    size_t at = 0;
    while (at < list.size()) {
        size_t end = list.find(u';', at);
        std::u16string_view entry =
            list.substr(at, end == std::u16string_view::npos ? end : end - at);
        size_t first = entry.find(u'\n');
        if (first != std::u16string_view::npos) { // entries without names are list headers
            size_t second = entry.find(u'\n', first + 1);
            Keyword keyword;
            keyword.number = std::int32_t(zn::parseDoubleC(zn::toUtf8(entry.substr(0, first))));
            keyword.localName = ZnsStringW(entry.substr(
                first + 1, second == std::u16string_view::npos ? second : second - first - 1));
            keyword.globalName = second == std::u16string_view::npos
                                     ? keyword.localName
                                     : ZnsStringW(entry.substr(second + 1));
            keywords.push_back(keyword);
        }
        if (end == std::u16string_view::npos)
            break;
        at = end + 1;
    }
    return keywords;
}

Drawing* SimObjManager::drawing() {
    SimDocument* document = m_documents.Active();
    return document ? &document->GetDrawing() : nullptr;
}

HRESULT SimObjManager::RegisterType(const ZnsGuid& classId, ZnsFactory factory,
                                    const ZnsStringW& name, std::int32_t code,
                                    const char16_t* internalName, std::int32_t) {
    if (!factory)
        return E_INVALIDARG;
    RegisteredClass entry;
    entry.classId = classId;
    entry.factory = factory;
    entry.name = name;
    entry.code = code;
    if (internalName)
        entry.internalName = ZnsStringW(internalName);
    entry.byModule = true;
    m_classes.Register(std::move(entry));
    return S_OK;
}

HRESULT SimObjManager::Create(IZnObject** object, const ZnsGuid& classId) {
    if (!object)
        return E_INVALIDARG;
    HRESULT status = S_OK;
    *object = m_classes.Create(classId, &status).detach();
    // A new object is drawn at the drawing's scale, as the host's own objects are.
    if (Drawing* current = drawing())
        if (ZnPtr<IZnEntity> entity = ZnQuery<IZnEntity>(*object))
            entity->SetScale(CurrentSheetScale(*current));
    return status;
}

HRESULT SimObjManager::Open(IZnObject** object, const znsWorkID& id) {
    Drawing* current = drawing();
    IZnEntity* entity = current ? current->Find(id) : nullptr;
    if (!object || !entity)
        return E_INVALIDARG;
    entity->AddRef();
    *object = entity;
    return S_OK;
}

HRESULT SimObjManager::Append(IZnObject* object, const znsWorkID* container) {
    Drawing* current = drawing();
    ZnPtr<IZnEntity> entity = ZnQuery<IZnEntity>(object);
    if (!current)
        return E_FAIL;
    if (!entity)
        return E_NOINTERFACE;
    return current->Append(entity.get(), container);
}

HRESULT SimObjManager::Erase(const znsWorkID& id) {
    Drawing* current = drawing();
    return current ? current->Erase(id) : E_FAIL;
}

HRESULT SimObjManager::Cancel(const znsWorkID& id) {
    Drawing* current = drawing();
    if (!current || !current->Find(id))
        return E_INVALIDARG;
    return current->AddedInCommand(id) ? current->Erase(id) : S_FALSE;
}

HRESULT SimObjManager::List(ZnsArray<znsWorkID>& ids, const ZnsObjectFilter& filter) {
    Drawing* current = drawing();
    if (!current)
        return E_FAIL;
    if (filter.kind != ZnsObjectFilter::kByClass && filter.kind != ZnsObjectFilter::kByBox)
        return E_INVALIDARG;
    ids = current->List(filter);
    return S_OK;
}

HRESULT SimObjManager::Pick(ZnsArray<znsWorkID>& ids, std::int32_t count,
                            const ZnsStringW& prompt) {
    Drawing* current = drawing();
    zn::ui::UserAgent* agent = zn::ui::CurrentUserAgent();
    ids.clear();
    if (!current || !agent)
        return E_FAIL;
    zn::ui::ObjectRequest request;
    request.prompt = prompt;
    for (std::int32_t i = 0; i < count; ++i) {
        zn::ui::PickAnswer answer = agent->PickObject(request);
        IZnEntity* entity = answer.kind == zn::ui::PickAnswer::Kind::Object
                                ? current->FindByIndex(std::int32_t(answer.object))
                                : nullptr;
        if (!entity)
            return S_FALSE;
        ids.push_back(entity->GetId());
    }
    return S_OK;
}

HRESULT SimObjManager::GetSelection(ZnsArray<znsWorkID>& ids) {
    SimDocument* document = m_documents.Active();
    if (!document)
        return E_FAIL;
    ids.clear();
    for (const znsWorkID& id : document->Selection())
        if (document->GetDrawing().Find(id))
            ids.push_back(id);
    return S_OK;
}

ZnsPointResult SimObjManager::GetPoint(const ZnsStringW& prompt, const ZnsStringW& keywords,
                                       const ZnsPoint3* rubberBandFrom, ZnsPoint3& point,
                                       std::int32_t& keyword) {
    zn::ui::UserAgent* agent = zn::ui::CurrentUserAgent();
    if (!agent)
        return ZnsPointResult::Cancel;
    std::vector<Keyword> known = ParseKeywords(keywords);
    zn::ui::PointRequest request;
    request.prompt = prompt;
    for (const Keyword& k : known)
        request.keywords.push_back(k.localName);
    if (rubberBandFrom)
        request.rubberBandFrom =
            zn::ui::Point3{rubberBandFrom->x, rubberBandFrom->y, rubberBandFrom->z};
    zn::ui::PickAnswer answer = agent->PickPoint(request);
    switch (answer.kind) {
    case zn::ui::PickAnswer::Kind::Point:
        point = {answer.point.x, answer.point.y, answer.point.z};
        return ZnsPointResult::Point;
    case zn::ui::PickAnswer::Kind::Keyword:
        for (const Keyword& k : known)
            if (zn::equalsNoCase(answer.keyword, k.localName) ||
                zn::equalsNoCase(answer.keyword, k.globalName) ||
                answer.keyword == zn::fromUtf8(std::to_string(k.number))) {
                keyword = k.number;
                return ZnsPointResult::Keyword;
            }
        return ZnsPointResult::Cancel;
    default:
        return ZnsPointResult::Cancel;
    }
}

} // namespace simhost

namespace simhost {

bool SimObjManager::PlaceTextBox(double, double, std::int32_t, std::int32_t,
                                 const ZnsStringW& originPrompt, const ZnsStringW& anglePrompt,
                                 ZnsPoint3& origin, ZnsPoint3& direction) {
    // The box that follows the cursor is drawn by an interactive front end; the answers
    // are the same two points.
    ZnsPoint3 at, towards;
    std::int32_t keyword = 0;
    if (GetPoint(originPrompt, {}, nullptr, at, keyword) != ZnsPointResult::Point ||
        GetPoint(anglePrompt, {}, &at, towards, keyword) != ZnsPointResult::Point)
        return false;
    ZnsPoint3 along = towards - at;
    double length = std::hypot(along.x, along.y);
    origin = at;
    direction = length > 0 ? ZnsPoint3{along.x / length, along.y / length, 0} : ZnsPoint3{1, 0, 0};
    return true;
}

} // namespace simhost
