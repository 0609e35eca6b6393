// The reference host's filer: typed values in a byte buffer, little-endian, each value led
// by a type byte, records led by their version and length so a reader can step over what
// it does not understand. Reading reports the first error with its byte offset.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "host/Filer.h"

namespace simhost {

class BinaryFiler : public IZnFiler {
public:
    // A writer that starts empty.
    BinaryFiler();
    // A reader over `bytes` (kept by value).
    explicit BinaryFiler(std::vector<std::uint8_t> bytes);

    bool IsReading() const override { return m_reading; }
    HRESULT BeginRecord(std::int32_t major, std::int32_t minor) override;
    HRESULT ReadVersion(std::int32_t& major, std::int32_t& minor) override;
    HRESULT EndRecord() override;

    HRESULT WriteInt32(std::int32_t value) override;
    HRESULT WriteDouble(double value) override;
    HRESULT WriteString(const ZnsStringW& value) override;
    HRESULT WriteId(const znsWorkID& value) override;
    HRESULT WritePoint(const ZnsPoint3& value) override;
    HRESULT WriteMatrix(const ZnsMatrix& value) override;
    HRESULT WriteBox(const ZnsBox3& value) override;

    HRESULT ReadInt32(std::int32_t& value) override;
    HRESULT ReadDouble(double& value) override;
    HRESULT ReadString(ZnsStringW& value) override;
    HRESULT ReadId(znsWorkID& value) override;
    HRESULT ReadPoint(ZnsPoint3& value) override;
    HRESULT ReadMatrix(ZnsMatrix& value) override;
    HRESULT ReadBox(ZnsBox3& value) override;

    // Raw bytes outside any typed value (file magic).
    void WriteRaw(const std::string& bytes);
    bool ReadRaw(size_t count, std::string& bytes);

    const std::vector<std::uint8_t>& Bytes() const { return m_bytes; }
    size_t Position() const { return m_position; }
    bool AtEnd() const { return m_position >= m_bytes.size(); }
    // Record depth; a caller that must resume after a failed object leaves records it
    // opened with UnwindTo.
    size_t Depth() const { return m_ends.size(); }
    void UnwindTo(size_t depth);

    // The first read error: what and where (byte offset); empty while none.
    const std::string& Error() const { return m_error; }
    size_t ErrorOffset() const { return m_errorOffset; }

private:
    enum Tag : std::uint8_t { kRecord = 'R', kInt = 'i', kDouble = 'd', kString = 's', kId = 'w' };

    void put(const void* data, size_t size);
    bool take(void* data, size_t size);
    bool expect(Tag tag);
    HRESULT fail(const std::string& what);
    size_t limit() const;

    bool m_reading = false;
    std::vector<std::uint8_t> m_bytes;
    size_t m_position = 0;
    std::vector<size_t> m_starts; // writing: where each open record's length goes
    std::vector<size_t> m_ends;   // reading: where each open record ends
    std::string m_error;
    size_t m_errorOffset = 0;
};

} // namespace simhost
