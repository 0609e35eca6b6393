// The fixed table of named physical constants a formula may use (_c, _h_BAR, ...).
#pragma once

#include <string_view>

#include "platform/text/ZnsString.h"

class CPhysConst {
public:
    // Number of named constants; name 0 is empty and name kCount + 1 is the terminator.
    static constexpr int kCount = 44;
    static constexpr std::u16string_view kTerminator = u"***";

    CPhysConst() = default;
    virtual ~CPhysConst() = default;

    // The name at `index` (0 .. kCount + 1); throws std::invalid_argument outside.
    std::u16string_view GetName(int index) const;
    // The value of the constant named `name` compared without regard to case; 0 if none.
    double GetValue(std::u16string_view name) const;
    bool IsConstName(std::u16string_view name) const;
};
