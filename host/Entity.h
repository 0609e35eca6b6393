// IZnEntity: the entity base of every drawing object, from the maker's controls library.
// It carries what the host keeps for any object (identifier, owner space, layer, own scale,
// the parameter set, extended properties) and the overridable operations a host calls:
// store and load, draw, properties, grips, edit and notifications.
#pragma once

#include <atomic>
#include <cstdint>
#include <map>

#include "host/Array.h"
#include "host/EntityHost.h"
#include "host/ExtProperties.h"
#include "host/Filer.h"
#include "host/GeometrySink.h"
#include "host/ParameterSet.h"

class IZnEntity : public IZnExtProperties {
public:
    static constexpr ZnsGuid IID = ZnsPlatformGuid(0x00000002, 0x0001);

    IZnEntity() = default;
    IZnEntity(const IZnEntity&) = delete;
    IZnEntity& operator=(const IZnEntity&) = delete;

    // IZnObject
    unsigned long AddRef() override;
    unsigned long Release() override;
    HRESULT QueryInterface(const ZnsGuid& iid, void** out) override;
    znsWorkID GetId() const override { return m_id; }

    // IZnExtProperties
    HRESULT GetExtProperty(const ZnsStringW& name, ZNSVariant& value) const override;
    HRESULT SetExtProperty(const ZnsStringW& name, const ZNSVariant& value) override;
    HRESULT RemoveExtProperty(const ZnsStringW& name) override;
    std::vector<ZnsStringW> ExtPropertyNames() const override;

    // Set by the drawing when the object joins it, cleared when it leaves.
    void AttachToHost(IZnEntityHost* host, const znsWorkID& id, const znsWorkID& owner);
    void DetachFromHost();
    IZnEntityHost* Host() const { return m_host; }
    znsWorkID GetOwnerId() const { return m_owner; }

    const ZnsStringW& GetLayer() const { return m_layer; }
    void SetLayer(ZnsStringW layer) { m_layer = std::move(layer); }
    double GetScale() const { return m_scale; }
    void SetScale(double scale) { m_scale = scale; }
    ZnParameterSet& GetParameters() { return m_parameters; }
    const ZnParameterSet& GetParameters() const { return m_parameters; }

    // Records the change with the host before a field changes; false when the drawing
    // refuses edits. An object not yet in a drawing may always change.
    bool writeEnabled();
    // Tells the host the object changed (redraw, dependants).
    void invalidate();
    bool isKindOf(const ZnsGuid& classId) const { return GetClassId() == classId; }

    // Overridables, with the host's answers for an object that does not override them.
    virtual HRESULT Save(IZnFiler& filer) const;
    virtual HRESULT Load(IZnFiler& filer);
    virtual void Draw(IZnGeometrySink& sink);
    virtual ZnsBox3 GetExtents();
    virtual HRESULT GetProperty(const ZnsStringW& name, ZNSVariant& value) const;
    virtual HRESULT SetProperty(const ZnsStringW& name, const ZNSVariant& value);
    virtual HRESULT GetGripPoints(ZnsArray<ZnsPoint3>& points) const;
    // `all`: the grips name every grip of the object, which moves as a whole.
    virtual HRESULT MoveGripPoints(const ZnsArray<std::int32_t>& indices, const ZnsPoint3& offset, bool all);
    virtual HRESULT TransformBy(const ZnsMatrix& matrix);
    virtual HRESULT Edit();
    // Edit or place from a host command: flag bit 2 places, bit 1 without asking; the named
    // values (points "pntStart", "pntEnd", ...) may be null.
    virtual HRESULT EditOrPlace(std::int32_t flags, const std::map<ZnsStringW, ZNSVariant>* parameters);
    virtual void OnNotify(std::int32_t kind);
    // An object this one follows (AddDependant) changed; kind 1: its geometry.
    virtual HRESULT OnObjectModified(const znsWorkID& object, std::int32_t kind);
    // What the host's property pages show: names, parameter ids, and per name its display
    // text and, for a choice, the choices.
    virtual HRESULT GetPropertyNames(ZnsArray<ZnsStringW>& names) const;
    virtual HRESULT GetPropertyIds(ZnsArray<std::int32_t>& ids) const;
    virtual HRESULT GetPropertyDisplay(const ZnsStringW& name, ZnsStringW& display,
                                       ZnsArray<ZnsStringW>& choices) const;
    // Name and kind of sub-object `id`; an id the object does not know leaves both unchanged.
    virtual void GetSubObjectName(std::int32_t id, ZnsStringW& name, std::int32_t& kind) const;

    // Objects that follow this one hear OnObjectModified(this object, 1) when it changes.
    void AddDependant(const znsWorkID& id);
    void RemoveDependant(const znsWorkID& id);
    const ZnsArray<znsWorkID>& Dependants() const { return m_dependants; }
    // Called once after the object joined a drawing (group hook of the library).
    virtual void onEdit() {}

protected:
    ~IZnEntity() override = default;

private:
    std::atomic<unsigned long> m_references{1};
    IZnEntityHost* m_host = nullptr;
    znsWorkID m_id;
    znsWorkID m_owner;
    ZnsStringW m_layer;
    double m_scale = 1.0;
    ZnParameterSet m_parameters;
    std::map<ZnsStringW, ZNSVariant> m_extProperties;
    ZnsArray<znsWorkID> m_dependants;
};
