#include "simhost/TextMeasuring.h"

#include <cmath>

#include "simhost/TextContent.h"
#include "simhost/TextPlacement.h"

namespace simhost {

HRESULT TextObject::SetContent(const ZnsStringW& content, ZnsContentKind kind) {
    if (!VisibleParagraphs(content, kind))
        return E_INVALIDARG;
    m_text.content = content;
    m_text.contentKind = kind;
    return S_OK;
}

HRESULT TextObject::SetWidth(double width) {
    if (width < 0)
        return E_INVALIDARG;
    m_text.width = width;
    return S_OK;
}

HRESULT TextObject::SetTextParams(const ZnsTextParams& params) {
    if (params.height <= 0)
        return E_INVALIDARG;
    m_text.params = params;
    return S_OK;
}

HRESULT TextObject::GetExtents(ZnsBox3& box) {
    PlacedText placed = PlaceText(m_text, m_styles);
    box = ZnsBox3();
    if (!placed.layout.lines.empty())
        for (const ZnsPoint3& corner : placed.corners)
            box.Add(corner);
    return S_OK;
}

ZnsTextPrimitive RecordPrimitive(const ZnsDTextRecord& record, std::int32_t color) {
    ZnsTextPrimitive text;
    text.position = record.origin;
    text.direction = record.direction;
    text.content = record.text;
    text.contentKind = ZnsContentKind::HostMText;
    text.alignment = record.horizontalAlignment;
    text.anchor = record.verticalAlignment;
    text.params.style = record.style;
    text.params.height = record.height;
    text.params.oblique = record.oblique;
    text.params.color = color;
    return text;
}

HRESULT TextSplitter::Split(const ZnsDTextRecord& record, ZnsArray<ZnsDTextRecord>& lines,
                            ZnsTextFrame& frame) {
    if (record.height <= 0)
        return E_INVALIDARG;
    lines.clear();
    std::vector<ZnsStringW> pieces;
    ZnsStringW rest = record.text;
    for (size_t at; (at = rest.find(u"\\P")) != ZnsStringW::npos;) {
        pieces.push_back(rest.substr(0, at));
        rest.erase(0, at + 2);
    }
    pieces.push_back(rest);
    PlacedText placed = PlaceText(RecordPrimitive(record, 0), m_styles);
    if (pieces.size() > 1)
        for (size_t i = 0; i < pieces.size(); ++i) {
            ZnsDTextRecord line = record;
            line.text = pieces[i];
            line.origin = record.origin - placed.up * (placed.layout.pitch * double(i));
            lines.push_back(line);
        }
    double width = record.width > 0 ? record.width : placed.layout.width;
    frame.origin = placed.corners[3];
    frame.xAxis = placed.direction * width;
    frame.yAxis = placed.up * placed.layout.height;
    return S_OK;
}

} // namespace simhost
