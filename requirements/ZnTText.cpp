// The requirements object's fields and interface: content, links, format, text parameters,
// columns, properties, grips and notifications. Placement, the column fill, the drawing and
// the stored record live in files of their own.
#include "requirements/ZnTText.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <span>

#include "editor/References.h"
#include "host/ClassIds.h"
#include "host/Component.h"
#include "host/ItemEntries.h"
#include "host/Services.h"
#include "module/ModuleIds.h"
#include "requirements/ContentRefresh.h"
#include "resources/StringTable.h"

namespace {

constexpr double kTinyHeight = 0.0001;
constexpr double kGripTolerance = 1e-5;
constexpr std::int32_t kTextSubObjectKind = 3;
// The share of the view an object shown from the requirements fills.
constexpr double kShowFactor = 0.4;

struct PropertyEntry {
    const char16_t* name;
    std::int32_t id;
    unsigned displayString;
};

const PropertyEntry kBodyProperties[] = {
    {u"Text height", kTTParamFontHeight, 57677},
    {u"Text oblique", kTTParamOblique, 32873},
    {u"Text color", kTTParamColor, 57714},
    {u"Text style", kTTParamStyle, 21},
};
const PropertyEntry kHeaderProperties[] = {
    {u"Header height", kTTParamHeaderHeight, 23}, {u"Header oblique", kTTParamHeaderOblique, 25},
    {u"Header color", kTTParamHeaderColor, 27},   {u"Header align", kTTParamHeaderAlign, 31},
    {u"Header style", kTTParamHeaderStyle, 29},
};

const PropertyEntry* findHeaderProperty(const ZnsStringW& name) {
    for (const PropertyEntry& entry : kHeaderProperties)
        if (name == entry.name)
            return &entry;
    return nullptr;
}

bool lessWithin(double a, double b) {
    return a < b + kGripTolerance;
}
bool greaterWithin(double a, double b) {
    return a + kGripTolerance > b;
}

// "Text" followed by a decimal number: the number, else -1.
std::int32_t columnTextNumber(const ZnsStringW& name) {
    constexpr std::u16string_view prefix = u"Text";
    if (name.size() <= prefix.size() || !std::u16string_view(name).starts_with(prefix))
        return -1;
    std::int64_t number = 0;
    for (size_t i = prefix.size(); i < name.size(); ++i) {
        if (name[i] < u'0' || name[i] > u'9' || number > 1000000000)
            return -1;
        number = number * 10 + (name[i] - u'0');
    }
    return std::int32_t(number);
}

} // namespace

HRESULT CZnTText::Factory(IZnObject** out) {
    CZnTText* object = new (std::nothrow) CZnTText;
    *out = object ? static_cast<IZnObject*>(object) : nullptr;
    return S_OK;
}

ZnsGuid CZnTText::GetClassId() const {
    return CLSID_ZnTText;
}

HRESULT CZnTText::QueryInterface(const ZnsGuid& iid, void** out) {
    if (out && iid == IZnTText::IID) {
        *out = static_cast<IZnTText*>(this);
        AddRef();
        return S_OK;
    }
    return IZnEntity::QueryInterface(iid, out);
}

void CZnTText::resetLayout() {
    m_columnTexts.clear();
    m_extraValue = 0.0;
    m_headerIndex = -1;
    m_headerCount = 0;
}

void CZnTText::SetMode(std::int32_t mode) {
    writeEnabled();
    m_mode = mode;
}

void CZnTText::GetLinks(ZnsArray<ZnsLink>& links) const {
    links.resize(m_links.size());
    std::copy(m_links.begin(), m_links.end(), links.begin());
}

void CZnTText::ValidateLinks() {
    writeEnabled();
    for (ZnsLink& link : m_links)
        if (!editor::CheckPositionLink(link) && !editor::CheckObjectLink(link)) {
            link.text.clear();
            link.target = znsWorkID::Null();
        }
}

void CZnTText::SetContent(const ZnsStringW& text, std::int32_t update) {
    writeEnabled();
    resetLayout();
    m_content = text;
    if (update)
        Update();
}

void CZnTText::SetContentAndLinks(const ZnsStringW& text, const ZnsArray<ZnsLink>& links) {
    writeEnabled();
    SetContent(text, 0);
    resetLayout();
    m_links = links;
}

std::int32_t CZnTText::SetFormat(const znsWorkID& format) {
    if (format == m_format)
        return 0;
    if (gpZnObjManager && !m_format.IsNull()) {
        ZnPtr<IZnObject> old;
        gpZnObjManager->Open(old.put(), m_format);
        if (ZnPtr<IZnEntity> entity = ZnQuery<IZnEntity>(old.get()))
            entity->RemoveDependant(GetId());
    }
    m_format = format;
    if (gpZnObjManager && !m_format.IsNull()) {
        ZnPtr<IZnObject> next;
        gpZnObjManager->Open(next.put(), m_format);
        if (ZnPtr<IZnEntity> entity = ZnQuery<IZnEntity>(next.get())) {
            entity->AddDependant(GetId());
            m_formatBounds = entity->GetExtents();
        }
    }
    return 1;
}

void CZnTText::setHeightParameter(std::int32_t id, double height) {
    if (height < kTinyHeight)
        GetParameters().Reset(kTTParamHostHeight);
    else
        GetParameters().Set(id, height);
}

double CZnTText::GetFontHeight() const {
    return GetParameters().GetDouble(kTTParamFontHeight);
}

void CZnTText::SetFontHeight(double height) {
    setHeightParameter(kTTParamFontHeight, height);
    Update();
}

std::int32_t CZnTText::GetOblique() const {
    return GetParameters().GetInteger(kTTParamOblique);
}

void CZnTText::SetOblique(std::int32_t oblique) {
    GetParameters().Set(kTTParamOblique, oblique);
    markModified();
}

void CZnTText::SetOption(std::int32_t option) {
    writeEnabled();
    markModified();
    m_option = option;
}

void CZnTText::SetPlaceKind(std::int32_t kind) {
    writeEnabled();
    m_placeKind = kind;
}

void CZnTText::ClearColumns() {
    m_columns.clear();
    resetLayout();
}

std::int32_t CZnTText::GetColumn(std::int32_t index, ZnsPoint3& first, ZnsPoint3& second) const {
    if (index < 0 || index >= GetColumnCount())
        return 0;
    first = m_columns[size_t(index)].first;
    second = m_columns[size_t(index)].second;
    return 1;
}

ZnsStringW CZnTText::GetColumnText(std::int32_t index) const {
    return index >= 0 && index < GetColumnTextCount() ? m_columnTexts[size_t(index)] : ZnsStringW();
}

HRESULT CZnTText::ShowObject(const znsWorkID& id) {
    ZnPtr<IZnObject> object;
    if (!gpZnObjManager || FAILED(gpZnObjManager->Open(object.put(), id)))
        return E_FAIL;
    IZnDocument* document = gpZnDocManager ? gpZnDocManager->GetActiveDocument() : nullptr;
    return document ? document->ShowObject(id, kShowFactor) : E_FAIL;
}

HRESULT CZnTText::ShowItemReference(std::int32_t item) {
    ZnsObjectFilter filter;
    filter.classes = {CLSID_ZnPositionRecord};
    ZnsArray<znsWorkID> ids;
    if (!gpZnObjManager || FAILED(gpZnObjManager->List(ids, filter)))
        return 0;
    for (const znsWorkID& id : ids) {
        ZnPtr<IZnObject> object;
        if (FAILED(gpZnObjManager->Open(object.put(), id)))
            continue;
        ZnPtr<IZnItemEntries> entries = ZnQuery<IZnItemEntries>(object.get());
        if (!entries)
            continue;
        const ZnsArray<std::int32_t> numbers = entries->EntryItemNumbers();
        if (std::find(numbers.begin(), numbers.end(), item) == numbers.end())
            continue;
        IZnDocument* document = gpZnDocManager ? gpZnDocManager->GetActiveDocument() : nullptr;
        if (!document)
            return E_FAIL;
        document->ShowObject(id, kShowFactor);
        return 1;
    }
    return 0;
}

void CZnTText::GetTextStyle(ZnsStringW& name) const {
    name = GetParameters().GetText(kTTParamStyle);
}

void CZnTText::SetTextStyle(const ZnsStringW& name) {
    GetParameters().Set(kTTParamStyle, name);
    Update();
}

std::int32_t CZnTText::GetTextColor() const {
    return GetParameters().GetInteger(kTTParamColor);
}

void CZnTText::SetTextColor(std::int32_t color) {
    GetParameters().Set(kTTParamColor, color);
    markModified();
}

HRESULT CZnTText::GetPropertyNames(ZnsArray<ZnsStringW>& names) const {
    names.clear();
    for (const PropertyEntry& entry : kBodyProperties)
        names.push_back(entry.name);
    if (hasHeader())
        for (const PropertyEntry& entry : kHeaderProperties)
            names.push_back(entry.name);
    return S_OK;
}

HRESULT CZnTText::GetPropertyIds(ZnsArray<std::int32_t>& ids) const {
    // The host's id list has its own order: the style before the alignment.
    ids = {kTTParamFontHeight, kTTParamOblique, kTTParamColor, kTTParamStyle};
    if (hasHeader())
        ids.insert(ids.end(), {kTTParamHeaderHeight, kTTParamHeaderOblique, kTTParamHeaderColor,
                               kTTParamHeaderStyle, kTTParamHeaderAlign});
    return S_OK;
}

HRESULT CZnTText::GetPropertyDisplay(const ZnsStringW& name, ZnsStringW& display,
                                     ZnsArray<ZnsStringW>& choices) const {
    choices.clear();
    if (name == u"Text") {
        display = res::LoadStringW(57709);
        return S_OK;
    }
    using Table = std::span<const PropertyEntry>;
    for (Table table : {Table(kBodyProperties), Table(kHeaderProperties)})
        for (const PropertyEntry& entry : table)
            if (name == entry.name) {
                display = res::LoadStringW(entry.displayString);
                if (entry.id == kTTParamHeaderAlign)
                    choices = {res::LoadStringW(57683), res::LoadStringW(57684),
                               res::LoadStringW(57686)};
                return S_OK;
            }
    return E_NOTIMPL;
}

HRESULT CZnTText::GetProperty(const ZnsStringW& name, ZNSVariant& value) const {
    value = ZNSVariant();
    const ZnParameterSet& parameters = GetParameters();
    if (name == u"Text height")
        value = GetFontHeight();
    else if (name == u"Text oblique")
        value = GetOblique();
    else if (name == u"Text color")
        value = GetTextColor();
    else if (name == u"Text style")
        value = parameters.GetText(kTTParamStyle);
    else if (name == u"Header height")
        value = parameters.GetDouble(kTTParamHeaderHeight);
    else if (name == u"Header oblique")
        value = parameters.GetInteger(kTTParamHeaderOblique);
    else if (name == u"Header color")
        value = parameters.GetInteger(kTTParamHeaderColor);
    else if (name == u"Header align")
        value = parameters.GetInteger(kTTParamHeaderAlign);
    else if (name == u"Header style")
        value = parameters.GetText(kTTParamHeaderStyle);
    else if (name == u"Name")
        value = res::LoadStringW(isConditions() ? 32844 : 32845);
    else if (name == u"Text")
        value = m_content;
    else if (std::int32_t n = columnTextNumber(name); n >= 0) {
        if (n < GetColumnTextCount())
            value = m_columnTexts[size_t(n)];
    } else
        return E_NOTIMPL;
    return S_OK;
}

HRESULT CZnTText::SetProperty(const ZnsStringW& name, const ZNSVariant& value) {
    if (name == u"Text height")
        SetFontHeight(value.AsDouble().value_or(0.0));
    else if (name == u"Text oblique")
        SetOblique(value.AsInteger().value_or(0));
    else if (name == u"Text color")
        SetTextColor(value.AsInteger().value_or(0));
    else if (name == u"Text style")
        SetTextStyle(value.AsText() ? *value.AsText() : ZnsStringW());
    else if (const PropertyEntry* header = findHeaderProperty(name)) {
        if (header->id == kTTParamHeaderHeight)
            setHeightParameter(header->id, value.AsDouble().value_or(0.0));
        else
            GetParameters().Set(header->id, value);
        Update();
    } else
        return E_NOTIMPL;
    return S_OK;
}

void CZnTText::GetSubObjectName(std::int32_t id, ZnsStringW& name, std::int32_t& kind) const {
    if (id == 1) {
        name = u"Text";
        kind = kTextSubObjectKind;
    } else if (id >= kColumnTextSubObject && id - kColumnTextSubObject < GetColumnTextCount()) {
        name = zn::format("%s%i", "Text", id - kColumnTextSubObject);
        kind = kTextSubObjectKind;
    }
}

HRESULT CZnTText::GetGripPoints(ZnsArray<ZnsPoint3>& points) const {
    points.clear();
    for (size_t i = 0; i < m_columns.size() && i < m_columnTexts.size(); ++i) {
        const ZnsTTColumn& c = m_columns[i];
        points.insert(points.end(), {c.first,
                                     c.second,
                                     {c.first.x, c.second.y, c.first.z},
                                     {c.second.x, c.first.y, c.second.z}});
    }
    return S_OK;
}

HRESULT CZnTText::MoveGripPoints(const ZnsArray<std::int32_t>& indices, const ZnsPoint3& offset,
                                 bool all) {
    if (indices.empty())
        return E_NOTIMPL;
    if (all) {
        if (indices.size() != 4 * m_columns.size())
            return E_NOTIMPL;
        ZnsMatrix shift;
        shift.m[3] = offset.x;
        shift.m[7] = offset.y;
        shift.m[11] = offset.z;
        TransformBy(shift);
        markModified();
        return S_OK;
    }
    const double dx = offset.x, dy = offset.y;
    for (std::int32_t grip : indices) {
        if (grip < 0 || size_t(grip / 4) >= m_columns.size())
            continue;
        ZnsTTColumn& c = m_columns[size_t(grip / 4)];
        bool moved = false;
        switch (grip % 4) {
        case 0:
            if ((moved = lessWithin(c.first.x + dx, c.second.x) &&
                         greaterWithin(c.first.y + dy, c.second.y)))
                c.first = c.first + offset;
            break;
        case 1:
            if ((moved = greaterWithin(c.second.x + dx, c.first.x) &&
                         lessWithin(c.second.y + dy, c.first.y)))
                c.second = c.second + offset;
            break;
        case 2:
            if ((moved = lessWithin(c.first.x + dx, c.second.x) &&
                         lessWithin(c.second.y + dy, c.first.y))) {
                c.first.x += dx;
                c.second.y += dy;
            }
            break;
        default:
            if ((moved = greaterWithin(c.first.y + dy, c.second.y) &&
                         greaterWithin(c.second.x + dx, c.first.x))) {
                c.first.y += dy;
                c.second.x += dx;
            }
            break;
        }
        if (moved)
            m_gripEdited = 1;
        invalidate();
        if (!m_format.IsNull())
            Update();
    }
    return S_OK;
}

HRESULT CZnTText::TransformBy(const ZnsMatrix& matrix) {
    writeEnabled();
    m_transformed = 1;
    for (ZnsTTColumn& column : m_columns) {
        column.first = matrix.Apply(column.first);
        column.second = matrix.Apply(column.second);
    }
    markModified();
    return S_OK;
}

HRESULT CZnTText::OnObjectModified(const znsWorkID& object, std::int32_t kind) {
    if (kind != 1)
        return E_NOTIMPL;
    if (object != m_format || !gpZnObjManager)
        return S_OK;
    ZnPtr<IZnObject> format;
    gpZnObjManager->Open(format.put(), m_format);
    ZnPtr<IZnEntity> entity = ZnQuery<IZnEntity>(format.get());
    if (!entity)
        return S_OK;
    ZnsBox3 bounds = entity->GetExtents();
    if (bounds != m_formatBounds) {
        Update();
        m_formatBounds = bounds;
    }
    return S_OK;
}

void CZnTText::OnNotify(std::int32_t kind) {
    switch (kind) {
    case 1:
        // Objects the text refers to changed.
        if (m_mode == kTTModeConditions) {
            if (!GetId().IsNull())
                if (ZnPtr<IZnComponentLauncher> launcher =
                        ZnCreate<IZnComponentLauncher>(CLSID_ZnComponentLauncher);
                    launcher && SUCCEEDED(launcher->Load(u"ZnNMod.dll", u"ZnNMod.Reqpador")))
                    launcher->SetObjectList({GetId()});
            SetContent(ZnsStringW(m_content), 0);
        } else if (m_mode == kTTModeOldConditions) {
            ValidateLinks();
            ZnsStringW content = m_content;
            ZnsArray<ZnsLink> links = m_links;
            requirements::RefreshThroughEditor(*this, content, links);
            SetContentAndLinks(content, links);
        }
        Update();
        break;
    case 2:
        Update();
        break;
    case 0x100:
        if (gpZnStyleManager)
            SetFontHeight(gpZnStyleManager->GetDefaultHeight(1));
        break;
    case 0x20:
        m_suspended = 1;
        break;
    case 0x40:
        m_suspended = 0;
        break;
    default:
        break;
    }
}
