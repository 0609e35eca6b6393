#include "simhost/Dimension.h"

#include <cmath>
#include <new>

namespace simhost {

namespace {
constexpr double kTextHeight = 3.5;
}

HRESULT Dimension::Factory(IZnObject** out) {
    *out = new (std::nothrow) Dimension;
    return S_OK;
}

HRESULT Dimension::QueryInterface(const ZnsGuid& iid, void** out) {
    if (out && iid == IZnDimension::IID) {
        *out = static_cast<IZnDimension*>(this);
        AddRef();
        return S_OK;
    }
    return IZnDimension::QueryInterface(iid, out);
}

void Dimension::SetNominal(double value) {
    if (writeEnabled())
        m_nominal = value;
}

void Dimension::SetText(const ZnsStringW& text) {
    if (writeEnabled())
        m_text = text;
}

void Dimension::SetFit(const ZnsStringW& fit, const ZnsStringW& upper, const ZnsStringW& lower) {
    if (!writeEnabled())
        return;
    m_fit = fit;
    m_upper = upper;
    m_lower = lower;
}

void Dimension::SetPoints(const ZnsPoint3& from, const ZnsPoint3& to, double offset) {
    if (!writeEnabled())
        return;
    m_from = from;
    m_to = to;
    m_offset = offset;
}

HRESULT Dimension::Save(IZnFiler& filer) const {
    filer.BeginRecord(1, 0);
    filer.WritePoint(m_from);
    filer.WritePoint(m_to);
    filer.WriteDouble(m_offset);
    filer.WriteDouble(m_nominal);
    filer.WriteString(m_text);
    filer.WriteString(m_fit);
    filer.WriteString(m_upper);
    filer.WriteString(m_lower);
    return filer.EndRecord();
}

HRESULT Dimension::Load(IZnFiler& filer) {
    std::int32_t major = 0, minor = 0;
    if (FAILED(filer.ReadVersion(major, minor)))
        return E_FAIL;
    if (major > 1)
        return ZNS_E_RECORD_TOO_NEW;
    ZnsPoint3 from, to;
    double offset = 0, nominal = 0;
    ZnsStringW text, fit, upper, lower;
    if (FAILED(filer.ReadPoint(from)) || FAILED(filer.ReadPoint(to)) ||
        FAILED(filer.ReadDouble(offset)) || FAILED(filer.ReadDouble(nominal)) ||
        FAILED(filer.ReadString(text)) || FAILED(filer.ReadString(fit)) ||
        FAILED(filer.ReadString(upper)) || FAILED(filer.ReadString(lower)))
        return E_FAIL;
    m_from = from;
    m_to = to;
    m_offset = offset;
    m_nominal = nominal;
    m_text = std::move(text);
    m_fit = std::move(fit);
    m_upper = std::move(upper);
    m_lower = std::move(lower);
    return filer.EndRecord();
}

void Dimension::Draw(IZnGeometrySink& sink) {
    ZnsPoint3 along = m_to - m_from;
    double length = std::hypot(along.x, along.y);
    if (length <= 0)
        return;
    ZnsPoint3 unit = along * (1 / length);
    ZnsPoint3 normal{-unit.y, unit.x, 0};
    ZnsPoint3 a = m_from + normal * m_offset, b = m_to + normal * m_offset;
    sink.Line(m_from, a + normal * 2, kZnsColorByDefault);
    sink.Line(m_to, b + normal * 2, kZnsColorByDefault);
    sink.Line(a, b, kZnsColorByDefault);
    for (auto [tip, back] : {std::pair{a, unit}, std::pair{b, unit * -1}}) // arrowheads
        sink.Polyline({tip, tip + back * 3 + normal * 0.6, tip + back * 3 - normal * 0.6}, true,
                      kZnsColorByDefault);

    ZnsStringW shown = m_text.empty() ? zn::format("%g", m_nominal) : m_text;
    shown += m_fit;
    if (!m_upper.empty() || !m_lower.empty())
        shown += u"(" + m_upper + u"/" + m_lower + u")";
    ZnsTextPrimitive text;
    text.position = (a + b) * 0.5 + normal * 1;
    text.direction = unit;
    text.content = shown;
    text.contentKind = ZnsContentKind::PlainText;
    text.alignment = 1;
    text.anchor = 2;
    text.params.height = kTextHeight;
    sink.Text(text);
}

} // namespace simhost
