#include "simhost/SheetFormat.h"

#include <new>

#include "simhost/Drawing.h"
#include "simhost/SheetSizes.h"
#include "simhost/TitleBlock.h"

namespace simhost {

HRESULT SheetFormat::Factory(IZnObject** out) {
    *out = new (std::nothrow) SheetFormat;
    return S_OK;
}

bool SheetFormat::SetSheet(const std::string& sheet, bool landscape) {
    auto size = FindSheetSize(sheet);
    if (!size || (landscape && size->portraitOnly))
        return false;
    m_sheet = size->name;
    m_landscape = landscape;
    return true;
}

double SheetFormat::Width() const {
    auto size = FindSheetSize(m_sheet);
    return m_landscape ? size->height : size->width;
}

double SheetFormat::Height() const {
    auto size = FindSheetSize(m_sheet);
    return m_landscape ? size->width : size->height;
}

ZnsBox3 SheetFormat::Frame() const {
    const double s = m_scale;
    return ZnsBox3::Of({kFrameLeft * s, kFrameOther * s, 0},
                       {(Width() - kFrameOther) * s, (Height() - kFrameOther) * s, 0});
}

ZnsBox3 SheetFormat::TitleBlock() const {
    ZnsBox3 frame = Frame();
    return ZnsBox3::Of({frame.max.x - kTitleWidth * m_scale, frame.min.y, 0},
                       {frame.max.x, frame.min.y + kTitleHeight * m_scale, 0});
}

std::optional<std::pair<ZnsPoint3, ZnsPoint3>> SheetFormat::FreeArea(int column) const {
    ZnsBox3 frame = Frame();
    ZnsBox3 title = TitleBlock();
    if (column < 0)
        return std::nullopt;
    if (column == 0)
        return std::pair{ZnsPoint3{title.min.x, frame.max.y, 0},
                         ZnsPoint3{frame.max.x, title.max.y, 0}};
    double right = title.min.x - kTitleWidth * m_scale * (column - 1);
    double left = right - kTitleWidth * m_scale;
    if (left < frame.min.x)
        return std::nullopt;
    return std::pair{ZnsPoint3{left, frame.max.y, 0}, ZnsPoint3{right, frame.min.y, 0}};
}

HRESULT SheetFormat::Save(IZnFiler& filer) const {
    filer.BeginRecord(1, 0);
    filer.WriteString(zn::fromUtf8(m_sheet));
    filer.WriteInt32(m_landscape ? 1 : 0);
    filer.WriteDouble(m_scale);
    return filer.EndRecord();
}

HRESULT SheetFormat::Load(IZnFiler& filer) {
    std::int32_t major = 0, minor = 0, landscape = 0;
    ZnsStringW sheet;
    double scale = 1;
    if (FAILED(filer.ReadVersion(major, minor)))
        return E_FAIL;
    if (major > 1)
        return ZNS_E_RECORD_TOO_NEW;
    if (FAILED(filer.ReadString(sheet)) || FAILED(filer.ReadInt32(landscape)) ||
        FAILED(filer.ReadDouble(scale)))
        return E_FAIL;
    if (!SetSheet(zn::toUtf8(sheet), landscape != 0) || scale <= 0)
        return E_INVALIDARG;
    m_scale = scale;
    return filer.EndRecord();
}

void SheetFormat::Draw(IZnGeometrySink& sink) {
    ZnsBox3 frame = Frame();
    auto rectangle = [&](ZnsPoint3 a, ZnsPoint3 b) {
        sink.Polyline({a, {b.x, a.y, 0}, b, {a.x, b.y, 0}}, true, kZnsColorByDefault);
    };
    rectangle({0, 0, 0}, {Width() * m_scale, Height() * m_scale, 0});
    sink.SetLineWeight(kZnsThickLine);
    rectangle(frame.min, frame.max);
    sink.SetLineWeight(0);
    DrawTitleBlock(sink, TitleBlock(), m_scale);
}

const SheetFormat* CurrentSheet(const Drawing& drawing) {
    for (IZnEntity* entity : drawing.Objects())
        if (entity->GetClassId() == CLSID_ZnFormat &&
            entity->GetOwnerId() == drawing.CurrentSpace())
            return static_cast<const SheetFormat*>(entity);
    return nullptr;
}

double CurrentSheetScale(const Drawing& drawing) {
    const SheetFormat* sheet = CurrentSheet(drawing);
    return sheet ? sheet->Scale() : 1.0;
}

HRESULT SheetFormat::GetProperty(const ZnsStringW& name, ZNSVariant& value) const {
    if (name == u"Sheet")
        value = zn::fromUtf8(m_sheet);
    else if (name == u"Scale")
        value = m_scale;
    else if (name == u"Landscape")
        value = m_landscape;
    else
        return E_NOTIMPL;
    return S_OK;
}

} // namespace simhost
