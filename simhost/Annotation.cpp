#include "simhost/Annotation.h"

#include <new>

namespace simhost {

namespace {
constexpr double kLabelHeight = 5.0;
}

HRESULT Annotation::PositionMarkFactory(IZnObject** out) {
    *out = new (std::nothrow) Annotation(Kind::PositionMark);
    return S_OK;
}

HRESULT Annotation::ViewFactory(IZnObject** out) {
    *out = new (std::nothrow) Annotation(Kind::View);
    return S_OK;
}

HRESULT Annotation::SectionFactory(IZnObject** out) {
    *out = new (std::nothrow) Annotation(Kind::Section);
    return S_OK;
}

ZnsGuid Annotation::GetClassId() const {
    switch (m_kind) {
    case Kind::PositionMark:
        return CLSID_ZnPositionMark;
    case Kind::View:
        return CLSID_ZnView;
    default:
        return CLSID_ZnSection;
    }
}

HRESULT Annotation::Save(IZnFiler& filer) const {
    filer.BeginRecord(1, 0);
    filer.WriteString(m_label);
    filer.WriteInt32(m_specRecord);
    filer.WriteInt32(std::int32_t(m_points.size()));
    for (const ZnsPoint3& p : m_points)
        filer.WritePoint(p);
    return filer.EndRecord();
}

HRESULT Annotation::Load(IZnFiler& filer) {
    std::int32_t major = 0, minor = 0, record = -1, count = 0;
    ZnsStringW label;
    if (FAILED(filer.ReadVersion(major, minor)))
        return E_FAIL;
    if (major > 1)
        return ZNS_E_RECORD_TOO_NEW;
    if (FAILED(filer.ReadString(label)) || FAILED(filer.ReadInt32(record)) ||
        FAILED(filer.ReadInt32(count)) || count < 0 || count > 1024)
        return E_FAIL;
    std::vector<ZnsPoint3> points(static_cast<size_t>(count));
    for (ZnsPoint3& p : points)
        if (FAILED(filer.ReadPoint(p)))
            return E_FAIL;
    m_label = std::move(label);
    m_specRecord = record;
    m_points = std::move(points);
    return filer.EndRecord();
}

void Annotation::Draw(IZnGeometrySink& sink) {
    if (m_points.size() < 2)
        return;
    const ZnsPoint3 a = m_points[0], b = m_points[1];
    ZnsTextPrimitive label;
    label.content = m_label;
    label.contentKind = ZnsContentKind::PlainText;
    label.params.height = kLabelHeight;
    label.anchor = 2;
    switch (m_kind) {
    case Kind::PositionMark: // leader, shelf, number standing on the shelf
        sink.Line(a, b, kZnsColorByDefault);
        sink.Line(b, {b.x + kLabelHeight * 2, b.y, 0}, kZnsColorByDefault);
        label.position = {b.x + 1, b.y + 1, 0};
        break;
    case Kind::View: // framed region, letter above its top-left corner
        sink.Polyline({a, {b.x, a.y, 0}, b, {a.x, b.y, 0}}, true, kZnsColorByDefault);
        label.position = {std::min(a.x, b.x), std::max(a.y, b.y) + 2, 0};
        break;
    case Kind::Section: // the two strokes of the cutting plane, the letter at each
        sink.SetLineWeight(kZnsThickLine * 1.5); // cutting-plane strokes are heavier than outlines
        sink.Line(a, a + (b - a) * 0.1, kZnsColorByDefault);
        sink.Line(b, b + (a - b) * 0.1, kZnsColorByDefault);
        sink.SetLineWeight(0);
        label.alignment = 2; // the letters stand beside the strokes, not on them
        label.position = {a.x - 1, a.y, 0};
        sink.Text(label);
        label.position = {b.x - 1, b.y, 0};
        break;
    }
    sink.Text(label);
}

HRESULT Annotation::GetProperty(const ZnsStringW& name, ZNSVariant& value) const {
    if (name == u"Label")
        value = m_label;
    else if (name == u"Record" && m_kind == Kind::PositionMark)
        value = m_specRecord;
    else
        return E_NOTIMPL;
    return S_OK;
}

HRESULT Annotation::SetProperty(const ZnsStringW& name, const ZNSVariant& value) {
    if (name == u"Label" && value.AsText()) {
        if (!writeEnabled())
            return E_FAIL;
        m_label = *value.AsText();
    } else if (name == u"Record" && m_kind == Kind::PositionMark && value.AsInteger()) {
        if (!writeEnabled())
            return E_FAIL;
        m_specRecord = *value.AsInteger();
    } else {
        return E_NOTIMPL;
    }
    invalidate();
    return S_OK;
}

} // namespace simhost
