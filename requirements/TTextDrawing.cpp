// The drawn representation of a requirements object: one text primitive per column text,
// built when the object was marked modified and replayed at every draw; rectangles of the
// columns as a preview while the object is placed or dragged before it joins a drawing.
#include "host/Services.h"
#include "requirements/ZnTText.h"

namespace {

bool allZero(const ZnsTTColumn& column) {
    return column.first == ZnsPoint3{} && column.second == ZnsPoint3{};
}

} // namespace

void CZnTText::rebuildGeometry() {
    m_geometry.clear();
    if (m_columns.empty() || (m_columns.size() == 1 && allZero(m_columns.front())))
        return;
    const std::int32_t alignment = [&] {
        std::int32_t align = GetParameters().GetInteger(kTTParamHeaderAlign);
        return align == 1 || align == 2 ? align : 0;
    }();
    auto primitive = [&](const ZnsStringW& rtf, ZnsPoint3 at, std::int32_t anchor, double width,
                         size_t k, bool header, std::int32_t align) {
        ZnsTextPrimitive text;
        text.position = at;
        if (align == 1)
            text.position.x += width / 2;
        else if (align == 2)
            text.position.x += width;
        text.direction = {1, 0, 0};
        text.content = rtf;
        text.contentKind = ZnsContentKind::Rtf;
        text.alignment = align;
        text.anchor = anchor;
        text.width = width;
        text.subObjectId = kColumnTextSubObject + std::int32_t(k);
        text.params = textParams(header);
        m_geometry.push_back(std::move(text));
    };
    size_t k = 0;
    for (size_t i = 0; i < m_columns.size() && k < m_columnTexts.size(); ++i) {
        const ZnsTTColumn& column = m_columns[i];
        const double width = column.second.x - column.first.x;
        const bool headerColumn = std::int32_t(i) == m_headerIndex;
        const bool bodyAsHeader =
            std::int32_t(i) < m_headerIndex || (headerColumn && m_headerCount == 0);
        ZnsPoint3 at = column.first;
        if (column.anchor == kTTAnchorBottom) {
            at.y = column.second.y;
            if (headerColumn && m_headerCount != 0 && k + 1 < m_columnTexts.size()) {
                const size_t header = k++;
                primitive(m_columnTexts[k], at, kTTAnchorBottom, width, k, bodyAsHeader, 0);
                at.y += m_extraValue + measure(m_columnTexts[k], width, bodyAsHeader);
                primitive(m_columnTexts[header], at, kTTAnchorBottom, width, header, true,
                          alignment);
                ++k;
                continue;
            }
        } else if (headerColumn && m_headerCount != 0) {
            primitive(m_columnTexts[k], at, kTTAnchorTop, width, k, true, alignment);
            at.y -= m_extraValue + measure(m_columnTexts[k], width, true);
            if (++k >= m_columnTexts.size())
                break;
        }
        primitive(m_columnTexts[k], at, column.anchor, width, k, bodyAsHeader, 0);
        ++k;
    }
}

void CZnTText::Draw(IZnGeometrySink& sink) {
    if (m_dirty && !m_suspended) {
        rebuildGeometry();
        invalidate();
        m_dirty = 0;
    }
    for (const ZnsTextPrimitive& text : m_geometry)
        sink.Text(text);
    if (GetId().IsNull() && (m_gripEdited || m_transformed))
        for (const ZnsTTColumn& column : m_columns) {
            const ZnsPoint3 corners[] = {column.first,
                                         {column.second.x, column.first.y, column.first.z},
                                         column.second,
                                         {column.first.x, column.second.y, column.second.z}};
            for (size_t i = 0; i < 4; ++i)
                sink.Line(corners[i], corners[(i + 1) % 4], kZnsColorByDefault);
        }
    m_gripEdited = 0;
    m_transformed = 0;
}
