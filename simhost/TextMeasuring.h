// The host's text measuring objects: the text object that lays out content at a width with
// text parameters, and the splitter that cuts a single-line text record into lines and
// gives the box they take. Both measure with the drawing's fonts.
#pragma once

#include "host/ClassIds.h"
#include "host/ObjectImpl.h"
#include "host/SingleLineText.h"
#include "host/TextObject.h"
#include "simhost/TextStyles.h"

namespace simhost {

class TextObject : public ZnObjectImpl<IZnTextObject> {
public:
    explicit TextObject(const TextStyles& styles) : m_styles(styles) {}

    ZnsGuid GetClassId() const override { return CLSID_ZnTextObject; }
    HRESULT SetContent(const ZnsStringW& content, ZnsContentKind kind) override;
    HRESULT SetWidth(double width) override;
    HRESULT SetTextParams(const ZnsTextParams& params) override;
    HRESULT GetExtents(ZnsBox3& box) override;

private:
    const TextStyles& m_styles;
    ZnsTextPrimitive m_text;
};

class TextSplitter : public ZnObjectImpl<IZnTextSplitter> {
public:
    explicit TextSplitter(const TextStyles& styles) : m_styles(styles) {}

    ZnsGuid GetClassId() const override { return CLSID_ZnTextSplitter; }
    HRESULT Split(const ZnsDTextRecord& record, ZnsArray<ZnsDTextRecord>& lines,
                  ZnsTextFrame& frame) override;

private:
    const TextStyles& m_styles;
};

// The text primitive that draws a single-line text record.
ZnsTextPrimitive RecordPrimitive(const ZnsDTextRecord& record, std::int32_t color);

} // namespace simhost
