#include "simhost/BinaryFiler.h"

#include <cstring>

namespace simhost {

BinaryFiler::BinaryFiler() = default;

BinaryFiler::BinaryFiler(std::vector<std::uint8_t> bytes)
    : m_reading(true), m_bytes(std::move(bytes)) {}

void BinaryFiler::put(const void* data, size_t size) {
    auto bytes = static_cast<const std::uint8_t*>(data);
    m_bytes.insert(m_bytes.end(), bytes, bytes + size);
}

size_t BinaryFiler::limit() const {
    return m_ends.empty() ? m_bytes.size() : m_ends.back();
}

bool BinaryFiler::take(void* data, size_t size) {
    if (!m_error.empty())
        return false;
    if (m_position + size > limit()) {
        fail("value runs past the end of its record");
        return false;
    }
    std::memcpy(data, m_bytes.data() + m_position, size);
    m_position += size;
    return true;
}

HRESULT BinaryFiler::fail(const std::string& what) {
    if (m_error.empty()) {
        m_error = what;
        m_errorOffset = m_position;
    }
    return E_FAIL;
}

bool BinaryFiler::expect(Tag tag) {
    std::uint8_t found = 0;
    if (!take(&found, 1))
        return false;
    if (found != tag) {
        --m_position;
        fail(std::string("expected a value of type '") + char(tag) + "'");
        return false;
    }
    return true;
}

HRESULT BinaryFiler::BeginRecord(std::int32_t major, std::int32_t minor) {
    if (m_reading)
        return E_FAIL;
    std::uint8_t tag = kRecord;
    put(&tag, 1);
    put(&major, 4);
    put(&minor, 4);
    m_starts.push_back(m_bytes.size());
    std::uint32_t length = 0;
    put(&length, 4);
    return S_OK;
}

HRESULT BinaryFiler::ReadVersion(std::int32_t& major, std::int32_t& minor) {
    std::uint32_t length = 0;
    if (!expect(kRecord) || !take(&major, 4) || !take(&minor, 4) || !take(&length, 4))
        return E_FAIL;
    if (m_position + length > limit())
        return fail("record is longer than what holds it");
    m_ends.push_back(m_position + length);
    return S_OK;
}

HRESULT BinaryFiler::EndRecord() {
    if (m_reading) {
        if (m_ends.empty())
            return fail("record closed twice");
        m_position = m_ends.back();
        m_ends.pop_back();
        return S_OK;
    }
    if (m_starts.empty())
        return E_FAIL;
    size_t at = m_starts.back();
    m_starts.pop_back();
    std::uint32_t length = std::uint32_t(m_bytes.size() - at - 4);
    std::memcpy(m_bytes.data() + at, &length, 4);
    return S_OK;
}

void BinaryFiler::UnwindTo(size_t depth) {
    while (m_ends.size() > depth) {
        m_position = m_ends.back();
        m_ends.pop_back();
    }
}

HRESULT BinaryFiler::WriteInt32(std::int32_t value) {
    std::uint8_t tag = kInt;
    put(&tag, 1);
    put(&value, 4);
    return S_OK;
}

HRESULT BinaryFiler::WriteDouble(double value) {
    std::uint8_t tag = kDouble;
    put(&tag, 1);
    put(&value, 8);
    return S_OK;
}

HRESULT BinaryFiler::WriteString(const ZnsStringW& value) {
    std::uint8_t tag = kString;
    std::uint32_t length = std::uint32_t(value.size());
    put(&tag, 1);
    put(&length, 4);
    put(value.data(), value.size() * 2);
    return S_OK;
}

HRESULT BinaryFiler::WriteId(const znsWorkID& value) {
    std::uint8_t tag = kId;
    put(&tag, 1);
    put(value.handle.data(), 16);
    put(&value.index, 4);
    return S_OK;
}

HRESULT BinaryFiler::WritePoint(const ZnsPoint3& value) {
    WriteDouble(value.x);
    WriteDouble(value.y);
    return WriteDouble(value.z);
}

HRESULT BinaryFiler::WriteMatrix(const ZnsMatrix& value) {
    for (double v : value.m)
        WriteDouble(v);
    return S_OK;
}

HRESULT BinaryFiler::WriteBox(const ZnsBox3& value) {
    WritePoint(value.min);
    return WritePoint(value.max);
}

HRESULT BinaryFiler::ReadInt32(std::int32_t& value) {
    return expect(kInt) && take(&value, 4) ? S_OK : E_FAIL;
}

HRESULT BinaryFiler::ReadDouble(double& value) {
    return expect(kDouble) && take(&value, 8) ? S_OK : E_FAIL;
}

HRESULT BinaryFiler::ReadString(ZnsStringW& value) {
    std::uint32_t length = 0;
    if (!expect(kString) || !take(&length, 4))
        return E_FAIL;
    if (m_position + size_t(length) * 2 > limit())
        return fail("text runs past the end of its record");
    value.resize(length);
    return take(value.data(), size_t(length) * 2) ? S_OK : E_FAIL;
}

HRESULT BinaryFiler::ReadId(znsWorkID& value) {
    return expect(kId) && take(value.handle.data(), 16) && take(&value.index, 4) ? S_OK : E_FAIL;
}

HRESULT BinaryFiler::ReadPoint(ZnsPoint3& value) {
    if (FAILED(ReadDouble(value.x)) || FAILED(ReadDouble(value.y)))
        return E_FAIL;
    return ReadDouble(value.z);
}

HRESULT BinaryFiler::ReadMatrix(ZnsMatrix& value) {
    for (double& v : value.m)
        if (FAILED(ReadDouble(v)))
            return E_FAIL;
    return S_OK;
}

HRESULT BinaryFiler::ReadBox(ZnsBox3& value) {
    if (FAILED(ReadPoint(value.min)))
        return E_FAIL;
    return ReadPoint(value.max);
}

void BinaryFiler::WriteRaw(const std::string& bytes) {
    put(bytes.data(), bytes.size());
}

bool BinaryFiler::ReadRaw(size_t count, std::string& bytes) {
    bytes.resize(count);
    return take(bytes.data(), count);
}

} // namespace simhost
