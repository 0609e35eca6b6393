// A host dimension: its nominal value and text, and the fit with its two deviations that a
// fit picker fills in.
#pragma once

#include "host/Entity.h"

class IZnDimension : public IZnEntity {
public:
    static constexpr ZnsGuid IID = ZnsPlatformGuid(0x00000017, 0x0002);

    virtual double GetNominal() const = 0;
    virtual void SetNominal(double value) = 0;
    virtual ZnsStringW GetText() const = 0;
    virtual void SetText(const ZnsStringW& text) = 0;
    // The fit ("H7") and its upper and lower deviations ("+0,025", "0"); empty when none.
    virtual ZnsStringW GetFitText() const = 0;
    virtual ZnsStringW GetUpperDeviation() const = 0;
    virtual ZnsStringW GetLowerDeviation() const = 0;
    virtual void SetFit(const ZnsStringW& fit, const ZnsStringW& upper,
                        const ZnsStringW& lower) = 0;
};
