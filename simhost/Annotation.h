// The drawing's annotation objects that requirements refer to: position marks (a leader
// from the part to a shelf with the position number), views (a framed region with its
// letter) and sections (the two strokes of a cutting plane with their letter). Each keeps
// a label, its points, and for a position mark the specification record it shows.
#pragma once

#include <vector>

#include "host/ClassIds.h"
#include "host/Entity.h"

namespace simhost {

class Annotation : public IZnEntity {
public:
    enum class Kind { PositionMark, View, Section };

    static HRESULT PositionMarkFactory(IZnObject** out);
    static HRESULT ViewFactory(IZnObject** out);
    static HRESULT SectionFactory(IZnObject** out);

    explicit Annotation(Kind kind) : m_kind(kind) {}

    Kind GetKind() const { return m_kind; }
    const ZnsStringW& Label() const { return m_label; }
    void SetLabel(ZnsStringW label) { m_label = std::move(label); }
    // Two points: the part and the shelf, the view's corners, or the cutting plane's ends.
    const std::vector<ZnsPoint3>& Points() const { return m_points; }
    void SetPoints(std::vector<ZnsPoint3> points) { m_points = std::move(points); }
    // The specification record a position mark shows; -1 for none.
    std::int32_t SpecRecord() const { return m_specRecord; }
    void SetSpecRecord(std::int32_t record) { m_specRecord = record; }

    ZnsGuid GetClassId() const override;
    HRESULT Save(IZnFiler& filer) const override;
    HRESULT Load(IZnFiler& filer) override;
    void Draw(IZnGeometrySink& sink) override;
    HRESULT GetProperty(const ZnsStringW& name, ZNSVariant& value) const override;
    HRESULT SetProperty(const ZnsStringW& name, const ZNSVariant& value) override;

private:
    Kind m_kind;
    ZnsStringW m_label;
    std::vector<ZnsPoint3> m_points{{0, 0, 0}, {10, 10, 0}};
    std::int32_t m_specRecord = -1;
};

} // namespace simhost
