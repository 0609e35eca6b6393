#include "simhost/VariantRecord.h"

namespace simhost {

namespace {
// More items than any stored list holds: a corrupt count, refused before allocating.
constexpr std::int32_t kMaxItems = 1 << 24;
} // namespace

HRESULT WriteVariant(IZnFiler& filer, const ZNSVariant& value) {
    using Kind = ZNSVariant::Kind;
    filer.WriteInt32(std::int32_t(value.kind()));
    switch (value.kind()) {
    case Kind::Empty:
        return S_OK;
    case Kind::Integer:
    case Kind::Boolean:
        return filer.WriteInt32(*value.AsInteger());
    case Kind::Double:
        return filer.WriteDouble(*value.AsDouble());
    case Kind::Text:
        return filer.WriteString(*value.AsText());
    case Kind::Point:
        return filer.WritePoint(*value.AsPoint());
    case Kind::IntegerArray:
        filer.WriteInt32(std::int32_t(value.AsIntegerArray()->size()));
        for (std::int32_t item : *value.AsIntegerArray())
            filer.WriteInt32(item);
        return S_OK;
    case Kind::TextArray:
        filer.WriteInt32(std::int32_t(value.AsTextArray()->size()));
        for (const ZnsStringW& item : *value.AsTextArray())
            filer.WriteString(item);
        return S_OK;
    }
    return E_FAIL;
}

HRESULT ReadVariant(IZnFiler& filer, ZNSVariant& value) {
    using Kind = ZNSVariant::Kind;
    std::int32_t kind = 0, integer = 0, count = 0;
    double real = 0;
    ZnsStringW text;
    ZnsPoint3 point;
    if (FAILED(filer.ReadInt32(kind)))
        return E_FAIL;
    switch (Kind(kind)) {
    case Kind::Empty:
        value = ZNSVariant();
        return S_OK;
    case Kind::Integer:
    case Kind::Boolean:
        if (FAILED(filer.ReadInt32(integer)))
            return E_FAIL;
        value = Kind(kind) == Kind::Boolean ? ZNSVariant(integer != 0) : ZNSVariant(integer);
        return S_OK;
    case Kind::Double:
        if (FAILED(filer.ReadDouble(real)))
            return E_FAIL;
        value = real;
        return S_OK;
    case Kind::Text:
        if (FAILED(filer.ReadString(text)))
            return E_FAIL;
        value = text;
        return S_OK;
    case Kind::Point:
        if (FAILED(filer.ReadPoint(point)))
            return E_FAIL;
        value = point;
        return S_OK;
    case Kind::IntegerArray: {
        if (FAILED(filer.ReadInt32(count)) || count < 0 || count > kMaxItems)
            return E_FAIL;
        ZnsArray<std::int32_t> items(size_t(count), 0);
        for (std::int32_t& item : items)
            if (FAILED(filer.ReadInt32(item)))
                return E_FAIL;
        value = items;
        return S_OK;
    }
    case Kind::TextArray: {
        if (FAILED(filer.ReadInt32(count)) || count < 0 || count > kMaxItems)
            return E_FAIL;
        ZnsArray<ZnsStringW> items(static_cast<size_t>(count));
        for (ZnsStringW& item : items)
            if (FAILED(filer.ReadString(item)))
                return E_FAIL;
        value = items;
        return S_OK;
    }
    }
    return E_FAIL;
}

} // namespace simhost
