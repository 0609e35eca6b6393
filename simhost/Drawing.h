// The drawing database: spaces (model space and sheet spaces), layers, and the objects with
// their identifiers, in drawing order. It is the host every entity of the drawing reports
// to: changes are checked against the document's edit permission and journalled.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "host/Entity.h"
#include "host/ObjManager.h"
#include "host/Variant.h"

namespace simhost {

class TextStyles;

struct Space {
    znsWorkID id;
    ZnsStringW name;
};

struct ChangeRecord {
    enum class Kind { Added, Modified, Changed, Erased };
    Kind kind;
    znsWorkID id;
};

class Drawing : public IZnEntityHost {
public:
    // A new drawing with model space, one sheet space (current) and layer "0".
    explicit Drawing(const TextStyles& styles);
    // A drawing about to be filled by the file reader: no spaces, no layers.
    Drawing(const TextStyles& styles, std::uint64_t serial);
    ~Drawing() override;
    Drawing(const Drawing&) = delete;
    Drawing& operator=(const Drawing&) = delete;

    std::uint64_t Serial() const { return m_serial; }

    const std::vector<Space>& Spaces() const { return m_spaces; }
    znsWorkID AddSpace(const ZnsStringW& name);
    znsWorkID ModelSpace() const;
    znsWorkID CurrentSpace() const { return m_currentSpace; }
    void SetCurrentSpace(const znsWorkID& space) { m_currentSpace = space; }
    bool IsSpace(const znsWorkID& id) const;

    const std::vector<ZnsStringW>& Layers() const { return m_layers; }
    void AddLayer(const ZnsStringW& name);

    // Gives the entity its identifier and owner (`space`, or the current space when null)
    // and the layer "0" when it has none.
    HRESULT Append(IZnEntity* entity, const znsWorkID* space);
    HRESULT Erase(const znsWorkID& id);
    IZnEntity* Find(const znsWorkID& id) const;
    // By the index part alone, as the shell names objects.
    IZnEntity* FindByIndex(std::int32_t index) const;
    // Every object, in drawing order.
    std::vector<IZnEntity*> Objects() const;
    std::vector<znsWorkID> List(const ZnsObjectFilter& filter);
    ZnsBox3 Extents();

    // Restores an object read from a file with the identifier it had.
    void Restore(IZnEntity* entity, const znsWorkID& id, const znsWorkID& owner);
    // The reader sets these from the file.
    void RestoreSpace(const Space& space) { m_spaces.push_back(space); }
    void SetNextSerial(std::uint64_t next) { m_nextSerial = next; }
    std::uint64_t NextSerial() const { return m_nextSerial; }

    // The drawing's own values of default parameters (those that differ from the manager's).
    std::map<std::int32_t, ZNSVariant>& DefaultValues() { return m_defaults; }

    bool AcceptsEdits() const { return !m_readOnly; }
    void SetReadOnly(bool readOnly) { m_readOnly = readOnly; }
    bool IsModified() const { return m_modified; }
    void SetModified(bool modified) { m_modified = modified; }
    const std::vector<ChangeRecord>& Journal() const { return m_journal; }
    // A command starts: what it adds from here on is its own (see AddedInCommand).
    void BeginCommand() { m_commandStart = m_journal.size(); }
    bool AddedInCommand(const znsWorkID& id) const;

    // IZnEntityHost
    bool RecordChange(IZnEntity& entity) override;
    void EntityChanged(IZnEntity& entity) override;
    ZnsBox3 ExtentsOf(IZnEntity& entity) override;

private:
    znsWorkID newId();

    const TextStyles& m_styles;
    std::uint64_t m_serial;
    std::uint64_t m_nextSerial = 1;
    std::vector<Space> m_spaces;
    znsWorkID m_currentSpace;
    std::vector<ZnsStringW> m_layers;
    std::vector<ZnPtr<IZnEntity>> m_objects;
    std::map<std::int32_t, ZNSVariant> m_defaults;
    bool m_readOnly = false;
    bool m_modified = false;
    std::vector<ChangeRecord> m_journal;
    size_t m_commandStart = 0;
};

} // namespace simhost
