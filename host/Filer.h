// The filer: what an object writes its stored record to and reads it back from. A record
// opens with its version (major, minor) and closes with EndRecord; between them come typed
// values in the order the object chose. Reads fail (never throw) on a value of another
// type or past the end of the record.
#pragma once

#include <cstdint>

#include "host/Geometry.h"
#include "host/Status.h"
#include "host/WorkId.h"
#include "platform/text/ZnsString.h"

class IZnFiler {
public:
    virtual ~IZnFiler() = default;

    virtual bool IsReading() const = 0;

    // Writing: opens a record of this version. Reading: opens the next record and tells its
    // version.
    virtual HRESULT BeginRecord(std::int32_t major, std::int32_t minor) = 0;
    virtual HRESULT ReadVersion(std::int32_t& major, std::int32_t& minor) = 0;
    // Closes the record; a reader skips what the object did not read (a later minor
    // version's additions).
    virtual HRESULT EndRecord() = 0;

    virtual HRESULT WriteInt32(std::int32_t value) = 0;
    virtual HRESULT WriteDouble(double value) = 0;
    virtual HRESULT WriteString(const ZnsStringW& value) = 0;
    virtual HRESULT WriteId(const znsWorkID& value) = 0;
    virtual HRESULT WritePoint(const ZnsPoint3& value) = 0;
    virtual HRESULT WriteMatrix(const ZnsMatrix& value) = 0;
    virtual HRESULT WriteBox(const ZnsBox3& value) = 0;

    virtual HRESULT ReadInt32(std::int32_t& value) = 0;
    virtual HRESULT ReadDouble(double& value) = 0;
    virtual HRESULT ReadString(ZnsStringW& value) = 0;
    virtual HRESULT ReadId(znsWorkID& value) = 0;
    virtual HRESULT ReadPoint(ZnsPoint3& value) = 0;
    virtual HRESULT ReadMatrix(ZnsMatrix& value) = 0;
    virtual HRESULT ReadBox(ZnsBox3& value) = 0;
};
