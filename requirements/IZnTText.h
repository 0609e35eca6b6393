// IZnTText: what other modules and the host's automation ask of a requirements object.
#pragma once

#include <cstdint>

#include "host/Array.h"
#include "host/Entity.h"
#include "requirements/TTextTypes.h"

// Modes of a requirements object.
enum : std::int32_t {
    kTTModeOldConditions = 0,
    kTTModeOldParameters = 1,
    kTTModeConditions = 2,
    kTTModeParameters = 3,
};

// Placement kinds.
enum : std::int32_t {
    kTTPlaceAuto = 0,
    kTTPlaceRectangle = 1,
    kTTPlaceCorner = 2,
    kTTPlaceAsk = 3,
    kTTPlaceFromPoints = 4,
};

// Ids of the text parameters in the entity's parameter set (default parameters).
enum : std::int32_t {
    kTTParamFontHeight = 7109,
    kTTParamOffsetX = 7112,
    kTTParamOffsetY = 7113,
    kTTParamOblique = 7114,
    kTTParamColor = 7116,
    kTTParamStyle = 7118,
    kTTParamHeaderStyle = 7119,
    kTTParamHeaderOblique = 7120,
    kTTParamHeaderHeight = 7121,
    kTTParamHeaderColor = 7122,
    kTTParamHeaderAlign = 7123,
    kTTParamDefaultLayer = 7124,
    // The host parameter a too-small height resets.
    kTTParamHostHeight = 6056,
};

class IZnTText : public IZnEntity {
public:
    static constexpr ZnsGuid IID = ZnsPlatformGuid(0x00000003, 0x0001);

    virtual std::int32_t GetMode() const = 0;
    virtual void SetMode(std::int32_t mode) = 0;
    virtual const ZnsStringW& GetContent() const = 0;
    virtual void GetLinks(ZnsArray<ZnsLink>& links) const = 0;
    virtual void ValidateLinks() = 0;
    virtual void SetContent(const ZnsStringW& text, std::int32_t update) = 0;
    virtual void SetContentAndLinks(const ZnsStringW& text, const ZnsArray<ZnsLink>& links) = 0;
    virtual std::int32_t SetFormat(const znsWorkID& format) = 0;
    virtual void GetFormat(znsWorkID& format) const = 0;
    virtual double GetFontHeight() const = 0;
    virtual void SetFontHeight(double height) = 0;
    virtual std::int32_t GetOblique() const = 0;
    virtual void SetOblique(std::int32_t oblique) = 0;
    virtual std::int32_t GetOption() const = 0;
    virtual void SetOption(std::int32_t option) = 0;
    virtual std::int32_t GetPlaceKind() const = 0;
    virtual void SetPlaceKind(std::int32_t kind) = 0;
    virtual std::int32_t LayoutInRectangle(ZnsPoint3 first, ZnsPoint3 second,
                                           std::int32_t parameters, std::int32_t fill) = 0;
    virtual void ClearColumns() = 0;
    virtual std::int32_t GetColumn(std::int32_t index, ZnsPoint3& first,
                                   ZnsPoint3& second) const = 0;
    virtual std::int32_t GetColumnCount() const = 0;
    virtual ZnsStringW GetColumnText(std::int32_t index) const = 0;
    virtual std::int32_t GetColumnTextCount() const = 0;
    virtual void Update() = 0;
    virtual std::int32_t GetFormatColumnFrame(std::int32_t index, ZnsPoint3& first,
                                              ZnsPoint3& second) = 0;
    virtual std::int32_t PlaceAfterEdit(std::int32_t how) = 0;
    virtual std::int32_t Place(std::int32_t kind) = 0;
    virtual HRESULT ShowObject(const znsWorkID& id) = 0;
    // Shows the object whose entries refer to item `item`: 1 when shown, 0 when none does.
    virtual HRESULT ShowItemReference(std::int32_t item) = 0;
    // The content again: the interface has always had this second slot.
    virtual const ZnsStringW& GetContent() = 0;
    virtual void GetTextStyle(ZnsStringW& name) const = 0;
    virtual void SetTextStyle(const ZnsStringW& name) = 0;
    virtual std::int32_t GetTextColor() const = 0;
    virtual void SetTextColor(std::int32_t color) = 0;
};
