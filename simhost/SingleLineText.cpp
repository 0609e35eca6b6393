#include "simhost/SingleLineText.h"

#include <new>

#include "simhost/TextMeasuring.h"
#include "simhost/VariantRecord.h"

namespace simhost {

HRESULT SingleLineText::Factory(IZnObject** out) {
    *out = static_cast<IZnEntity*>(new (std::nothrow) SingleLineText);
    return S_OK;
}

HRESULT SingleLineText::QueryInterface(const ZnsGuid& iid, void** out) {
    if (out && iid == IZnSingleLineText::IID) {
        *out = static_cast<IZnSingleLineText*>(this);
        AddRef();
        return S_OK;
    }
    return IZnSingleLineText::QueryInterface(iid, out);
}

void SingleLineText::SetRecord(const ZnsDTextRecord& record) {
    if (writeEnabled())
        m_record = record;
}

void SingleLineText::SetColor(std::int32_t color) {
    if (writeEnabled())
        m_color = color;
}

void SingleLineText::SetWidthFactor(double factor) {
    if (writeEnabled())
        m_widthFactor = factor;
}

void SingleLineText::SetAttribute(std::int32_t id, const ZNSVariant& value) {
    if (writeEnabled())
        m_attributes[id] = value;
}

HRESULT SingleLineText::Save(IZnFiler& filer) const {
    filer.BeginRecord(1, 0);
    filer.WriteString(m_record.text);
    filer.WriteString(m_record.style);
    filer.WritePoint(m_record.origin);
    filer.WritePoint(m_record.direction);
    filer.WriteInt32(m_record.horizontalAlignment);
    filer.WriteInt32(m_record.verticalAlignment);
    filer.WriteDouble(m_record.width);
    filer.WriteDouble(m_record.height);
    filer.WriteDouble(m_record.oblique);
    filer.WriteInt32(m_record.reservedInteger);
    filer.WriteDouble(m_record.reservedDouble);
    filer.WriteInt32(std::int32_t(m_record.flags));
    filer.WriteInt32(m_color);
    filer.WriteDouble(m_widthFactor);
    filer.WriteInt32(std::int32_t(m_attributes.size()));
    for (const auto& [id, value] : m_attributes) {
        filer.WriteInt32(id);
        WriteVariant(filer, value);
    }
    return filer.EndRecord();
}

HRESULT SingleLineText::Load(IZnFiler& filer) {
    std::int32_t major = 0, minor = 0, flags = 0, count = 0;
    if (FAILED(filer.ReadVersion(major, minor)))
        return E_FAIL;
    if (major > 1)
        return ZNS_E_RECORD_TOO_NEW;
    ZnsDTextRecord record;
    std::int32_t color = 0;
    double widthFactor = 1;
    bool read =
        SUCCEEDED(filer.ReadString(record.text)) && SUCCEEDED(filer.ReadString(record.style)) &&
        SUCCEEDED(filer.ReadPoint(record.origin)) && SUCCEEDED(filer.ReadPoint(record.direction)) &&
        SUCCEEDED(filer.ReadInt32(record.horizontalAlignment)) &&
        SUCCEEDED(filer.ReadInt32(record.verticalAlignment)) &&
        SUCCEEDED(filer.ReadDouble(record.width)) && SUCCEEDED(filer.ReadDouble(record.height)) &&
        SUCCEEDED(filer.ReadDouble(record.oblique)) &&
        SUCCEEDED(filer.ReadInt32(record.reservedInteger)) &&
        SUCCEEDED(filer.ReadDouble(record.reservedDouble)) && SUCCEEDED(filer.ReadInt32(flags)) &&
        SUCCEEDED(filer.ReadInt32(color)) && SUCCEEDED(filer.ReadDouble(widthFactor)) &&
        SUCCEEDED(filer.ReadInt32(count)) && count >= 0;
    if (!read)
        return E_FAIL;
    std::map<std::int32_t, ZNSVariant> attributes;
    for (std::int32_t i = 0; i < count; ++i) {
        std::int32_t id = 0;
        ZNSVariant value;
        if (FAILED(filer.ReadInt32(id)) || FAILED(ReadVariant(filer, value)))
            return E_FAIL;
        attributes[id] = value;
    }
    record.flags = std::uint32_t(flags);
    m_record = std::move(record);
    m_color = color;
    m_widthFactor = widthFactor;
    m_attributes = std::move(attributes);
    return filer.EndRecord();
}

void SingleLineText::Draw(IZnGeometrySink& sink) {
    sink.Text(RecordPrimitive(m_record, m_color));
}

} // namespace simhost
