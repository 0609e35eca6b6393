#include "simhost/Drawing.h"

#include <algorithm>
#include <random>

#include "simhost/BoundsSink.h"

namespace simhost {

namespace {
std::uint64_t newDrawingSerial() {
    static std::mt19937_64 generator{std::random_device{}()};
    return generator();
}
} // namespace

Drawing::Drawing(const TextStyles& styles) : m_styles(styles), m_serial(newDrawingSerial()) {
    AddSpace(u"Model");
    m_currentSpace = AddSpace(u"Sheet1");
    AddLayer(u"0");
}

Drawing::Drawing(const TextStyles& styles, std::uint64_t serial)
    : m_styles(styles), m_serial(serial) {}

Drawing::~Drawing() {
    for (auto& object : m_objects)
        object->DetachFromHost();
}

znsWorkID Drawing::newId() {
    std::uint64_t serial = m_nextSerial++;
    return znsWorkID::ForObject(m_serial, serial, std::int32_t(serial));
}

znsWorkID Drawing::AddSpace(const ZnsStringW& name) {
    Space space{newId(), name};
    m_spaces.push_back(space);
    return space.id;
}

znsWorkID Drawing::ModelSpace() const {
    return m_spaces.empty() ? znsWorkID() : m_spaces.front().id;
}

bool Drawing::IsSpace(const znsWorkID& id) const {
    return std::any_of(m_spaces.begin(), m_spaces.end(),
                       [&](const Space& s) { return s.id == id; });
}

void Drawing::AddLayer(const ZnsStringW& name) {
    if (std::find(m_layers.begin(), m_layers.end(), name) == m_layers.end())
        m_layers.push_back(name);
}

HRESULT Drawing::Append(IZnEntity* entity, const znsWorkID* space) {
    if (!entity || !entity->GetId().IsNull())
        return E_INVALIDARG;
    if (m_readOnly)
        return E_FAIL;
    znsWorkID owner = space && !space->IsNull() ? *space : m_currentSpace;
    if (!IsSpace(owner))
        return E_INVALIDARG;
    if (entity->GetLayer().empty())
        entity->SetLayer(u"0");
    AddLayer(entity->GetLayer());
    entity->AttachToHost(this, newId(), owner);
    m_objects.emplace_back(entity);
    m_modified = true;
    m_journal.push_back({ChangeRecord::Kind::Added, entity->GetId()});
    entity->onEdit();
    return S_OK;
}

void Drawing::Restore(IZnEntity* entity, const znsWorkID& id, const znsWorkID& owner) {
    AddLayer(entity->GetLayer());
    entity->AttachToHost(this, id, owner);
    m_objects.emplace_back(entity);
}

HRESULT Drawing::Erase(const znsWorkID& id) {
    if (m_readOnly)
        return E_FAIL;
    auto it = std::find_if(m_objects.begin(), m_objects.end(),
                           [&](const ZnPtr<IZnEntity>& o) { return o->GetId() == id; });
    if (it == m_objects.end())
        return E_INVALIDARG;
    (*it)->DetachFromHost();
    m_objects.erase(it);
    m_modified = true;
    m_journal.push_back({ChangeRecord::Kind::Erased, id});
    return S_OK;
}

bool Drawing::AddedInCommand(const znsWorkID& id) const {
    return std::any_of(m_journal.begin() + std::ptrdiff_t(m_commandStart), m_journal.end(),
                       [&](const ChangeRecord& change) {
                           return change.kind == ChangeRecord::Kind::Added && change.id == id;
                       });
}

IZnEntity* Drawing::Find(const znsWorkID& id) const {
    for (const auto& object : m_objects)
        if (object->GetId() == id)
            return object.get();
    return nullptr;
}

IZnEntity* Drawing::FindByIndex(std::int32_t index) const {
    for (const auto& object : m_objects)
        if (object->GetId().index == index)
            return object.get();
    return nullptr;
}

std::vector<IZnEntity*> Drawing::Objects() const {
    std::vector<IZnEntity*> objects;
    for (const auto& object : m_objects)
        objects.push_back(object.get());
    return objects;
}

std::vector<znsWorkID> Drawing::List(const ZnsObjectFilter& filter) {
    std::vector<znsWorkID> ids;
    for (const auto& object : m_objects) {
        bool match = false;
        if (filter.kind == ZnsObjectFilter::kByClass)
            match = std::find(filter.classes.begin(), filter.classes.end(), object->GetClassId()) !=
                    filter.classes.end();
        else if (filter.kind == ZnsObjectFilter::kByBox)
            match = object->GetExtents().Intersects(filter.box);
        if (match)
            ids.push_back(object->GetId());
    }
    return ids;
}

ZnsBox3 Drawing::Extents() {
    ZnsBox3 box;
    for (const auto& object : m_objects)
        box.Add(object->GetExtents());
    return box;
}

bool Drawing::RecordChange(IZnEntity& entity) {
    if (m_readOnly)
        return false;
    m_modified = true;
    m_journal.push_back({ChangeRecord::Kind::Modified, entity.GetId()});
    return true;
}

void Drawing::EntityChanged(IZnEntity& entity) {
    m_journal.push_back({ChangeRecord::Kind::Changed, entity.GetId()});
    for (const znsWorkID& id : ZnsArray<znsWorkID>(entity.Dependants()))
        if (IZnEntity* follower = Find(id); follower && follower != &entity)
            follower->OnObjectModified(entity.GetId(), 1);
}

ZnsBox3 Drawing::ExtentsOf(IZnEntity& entity) {
    BoundsSink sink(m_styles);
    entity.Draw(sink);
    return sink.Box();
}

} // namespace simhost
