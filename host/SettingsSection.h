// A settings section of the host, opened by name from the context ("ZNSTT", "ZnDTextDlg"):
// typed values under keys, and window placements under a dialog's key.
#pragma once

#include <cstdint>
#include <optional>

#include "host/Object.h"
#include "platform/text/ZnsString.h"

struct ZnsWindowPlacement {
    std::int32_t left = 0, top = 0, right = 0, bottom = 0;
    std::int32_t showCommand = 1; // 1 normal, 2 minimised, 3 maximised
    bool operator==(const ZnsWindowPlacement&) const = default;
};

class IZnSettingsSection : public virtual IZnObject {
public:
    static constexpr ZnsGuid IID = ZnsPlatformGuid(0x00000010, 0x0002);

    virtual std::int32_t GetInt(const ZnsStringW& key, std::int32_t defaultValue) const = 0;
    virtual void WriteInt(const ZnsStringW& key, std::int32_t value) = 0;
    virtual double GetDouble(const ZnsStringW& key, double defaultValue) const = 0;
    virtual void WriteDouble(const ZnsStringW& key, double value) = 0;
    virtual ZnsStringW GetString(const ZnsStringW& key, const ZnsStringW& defaultValue) const = 0;
    virtual void WriteString(const ZnsStringW& key, const ZnsStringW& value) = 0;
    virtual std::optional<ZnsWindowPlacement> GetPlacement(const ZnsStringW& key) const = 0;
    virtual void WritePlacement(const ZnsStringW& key, const ZnsWindowPlacement& placement) = 0;
};
