// Placement of a requirements object: the column frames its format offers, laying the text
// out in a rectangle, the interactive placement with its prompts, the choice after an edit,
// and the update that re-derives the columns and refills them.
#include <algorithm>

#include "host/ClassIds.h"
#include "host/Services.h"
#include "module/Exports.h"
#include "module/ModuleIds.h"
#include "module/SpecificationAccess.h"
#include "platform/ui/MessageBox.h"
#include "requirements/AttachToDrawing.h"
#include "requirements/EditFlows.h"
#include "requirements/ZnTText.h"
#include "resources/StringTable.h"

namespace {

constexpr double kFrameInset = 5.0;

// The object as a drawing entity, opened by identifier.
ZnPtr<IZnEntity> openEntity(const znsWorkID& id) {
    ZnPtr<IZnObject> object;
    if (!gpZnObjManager || id.IsNull() || FAILED(gpZnObjManager->Open(object.put(), id)))
        return {};
    return ZnQuery<IZnEntity>(object.get());
}

void refreshDrawing() {
    if (IZnDocument* document = gpZnDocManager ? gpZnDocManager->GetActiveDocument() : nullptr)
        document->Refresh();
}

void showMessage(unsigned id) {
    zn::ui::MessageBoxW(gpZnContext ? gpZnContext->GetMainWindow() : nullptr, res::LoadStringW(id),
                        res::LoadStringW(57671), zn::ui::MB_OK | zn::ui::MB_ICONEXCLAMATION);
}

} // namespace

bool CZnTText::inCurrentSpace() const {
    IZnDocument* document = gpZnDocManager ? gpZnDocManager->GetActiveDocument() : nullptr;
    return document && (GetOwnerId().IsNull() || GetOwnerId() == document->GetCurrentSpace());
}

ZnsArray<znsWorkID> CZnTText::drawingFormats() const {
    ZnsArray<znsWorkID> formats;
    ZnsObjectFilter filter;
    filter.classes = {CLSID_ZnFormat};
    if (gpZnObjManager)
        gpZnObjManager->List(formats, filter);
    IZnDocument* document = gpZnDocManager ? gpZnDocManager->GetActiveDocument() : nullptr;
    znsWorkID space = !GetOwnerId().IsNull() ? GetOwnerId()
                      : document             ? document->GetCurrentSpace()
                                             : znsWorkID();
    std::erase_if(formats, [&](const znsWorkID& id) {
        ZnPtr<IZnEntity> format = openEntity(id);
        return !format || format->GetOwnerId() != space;
    });
    return formats;
}

bool CZnTText::formatUsedByOther(const znsWorkID& format, bool conditionsOnly) const {
    ZnsArray<znsWorkID> texts;
    ZnsObjectFilter filter;
    filter.classes = {CLSID_ZnTText};
    if (!gpZnObjManager || FAILED(gpZnObjManager->List(texts, filter)))
        return false;
    for (const znsWorkID& id : texts) {
        ZnPtr<IZnTText> other = ZnQuery<IZnTText>(openEntity(id).get());
        if (!other || other.get() == this)
            continue;
        znsWorkID otherFormat;
        other->GetFormat(otherFormat);
        const std::int32_t mode = other->GetMode();
        const bool conditions = mode == kTTModeOldConditions || mode == kTTModeConditions;
        if (otherFormat == format && (conditions || !conditionsOnly))
            return true;
    }
    return false;
}

std::int32_t CZnTText::GetFormatColumnFrame(std::int32_t index, ZnsPoint3& first,
                                            ZnsPoint3& second) {
    if (!gpZnFormatManager)
        return -1;
    znsWorkID format = m_format;
    if (format.IsNull() && isConditions() && drawingFormats().size() == 1)
        if (ZnPtr<IZnObject> main = module::MainFormat(m_format))
            format = main->GetId();
    ZnsArray<znsWorkID> formats = drawingFormats();
    if (format.IsNull() || std::find(formats.begin(), formats.end(), format) == formats.end()) {
        SetFormat(znsWorkID::Null());
        return -1;
    }
    if (m_format.IsNull() && formatUsedByOther(format, true))
        return -1;
    SetFormat(format);
    double scale = 1.0;
    gpZnFormatManager->GetScale(format, scale);
    ZnsPoint3 a, b;
    if (FAILED(gpZnFormatManager->GetFreeArea(format, index, a, b)))
        return -1;
    first = {std::min(a.x, b.x), std::min(a.y, b.y), std::min(a.z, b.z)};
    second = {std::max(a.x, b.x), std::max(a.y, b.y), std::max(a.z, b.z)};
    second.x -= kFrameInset * scale;
    if (index == 0) {
        ZNSVariant offsetX, offsetY;
        ZnGetParam(offsetX, kTTParamOffsetX, 0);
        ZnGetParam(offsetY, kTTParamOffsetY, 0);
        first.x += offsetX.AsDouble().value_or(5.0) * scale;
        first.y += offsetY.AsDouble().value_or(10.0) * scale;
    } else {
        first.y += kFrameInset * scale;
    }
    return 0;
}

std::int32_t CZnTText::LayoutInRectangle(ZnsPoint3 first, ZnsPoint3 second, std::int32_t parameters,
                                         std::int32_t fill) {
    writeEnabled();
    OrderCorners(first, second);
    m_columns.push_back({first, second, parameters ? kTTAnchorTop : kTTAnchorBottom});
    markModified();
    std::int32_t index = GetColumnCount() - 1;
    std::int32_t remains = m_mode == kTTModeConditions || m_mode == kTTModeParameters
                               ? FillColumn(index, fill)
                               : fillColumnByLines(index);
    return remains ? 0 : 1;
}

void CZnTText::cancelInHost() {
    if (gpZnObjManager && !GetId().IsNull())
        gpZnObjManager->Cancel(GetId());
}

bool CZnTText::chooseFormat() {
    if (!m_format.IsNull())
        return true;
    ZnsArray<znsWorkID> formats = drawingFormats();
    if (formats.size() < 2)
        return true;
    ZnsArray<znsWorkID> picked;
    if (!gpZnObjManager || gpZnObjManager->Pick(picked, 1, res::LoadStringW(57722)) != S_OK ||
        picked.empty()) {
        cancelInHost();
        return false;
    }
    if (std::find(formats.begin(), formats.end(), picked.front()) == formats.end()) {
        showMessage(57724);
        return false;
    }
    if (formatUsedByOther(picked.front(), false)) {
        showMessage(57723);
        return false;
    }
    SetFormat(picked.front());
    return true;
}

std::int32_t CZnTText::Place(std::int32_t kind) {
    // A cancelled prompt may take the object out of its drawing, which may hold the last
    // reference to it.
    const ZnPtr<IZnTText> keepAlive(this);
    ClearColumns();
    ZnsPoint3 frameFirst, frameSecond;
    const bool stored = GetFormatColumnFrame(0, frameFirst, frameSecond) == 0;
    const bool conditions = isConditions();
    const bool several = drawingFormats().size() >= 2;
    auto finish = [&] {
        invalidate();
        SetPlaceKind(kind);
        return 1;
    };
    auto cancelled = [&] {
        cancelInHost();
        return finish();
    };
    auto askPoint = [&](unsigned prompt, const ZnsPoint3* from, ZnsPoint3& point) {
        std::int32_t keyword = 0;
        return gpZnObjManager && gpZnObjManager->GetPoint(res::LoadStringW(prompt), {}, from, point,
                                                          keyword) == ZnsPointResult::Point;
    };

    for (std::int32_t n = 0;; ++n) {
        ZnsPoint3 first = n == 0 ? frameFirst : ZnsPoint3{},
                  second = n == 0 ? frameSecond : ZnsPoint3{};
        std::optional<ZnsPoint3> corner;
        if (kind == kTTPlaceAsk && n == 0) {
            if (m_mode == kTTModeConditions || (m_mode == kTTModeOldConditions && stored)) {
                if (!chooseFormat())
                    return finish();
                ZnsPoint3 point;
                std::int32_t keyword = 0;
                ZnsPointResult answer =
                    gpZnObjManager
                        ? gpZnObjManager->GetPoint(res::LoadStringW(57672), res::LoadStringW(57673),
                                                   nullptr, point, keyword)
                        : ZnsPointResult::Cancel;
                if (answer == ZnsPointResult::Cancel)
                    return cancelled();
                if (answer == ZnsPointResult::Keyword) {
                    kind = keyword == 1   ? kTTPlaceAuto
                           : keyword == 2 ? kTTPlaceCorner
                                          : kTTPlaceRectangle;
                } else {
                    corner = point;
                    refreshDrawing();
                }
                GetFormatColumnFrame(0, first, second);
            } else {
                kind = kTTPlaceRectangle;
            }
        }
        bool last = false;
        if (kind == kTTPlaceRectangle) {
            if (!askPoint(57674, nullptr, first) || !askPoint(57675, &first, second))
                return cancelled();
            refreshDrawing();
        } else {
            ZnsPoint3 ignoredFirst, ignoredSecond;
            last = GetFormatColumnFrame(n + 1, ignoredFirst, ignoredSecond) == -1;
            if (n > 0 && GetFormatColumnFrame(n, first, second) == -1)
                last = true;
            OrderCorners(first, second);
            if (conditions) {
                if (kind == kTTPlaceAuto) {
                    const znsWorkID self = GetId();
                    const double top[3] = {first.x, first.y, first.z},
                                 bottom[3] = {second.x, second.y, second.z};
                    first.y = CalcBottomFreeSpace(top, bottom, &self);
                } else if (n == 0 && (stored || several)) {
                    if (kind == kTTPlaceCorner && !corner) {
                        ZnsPoint3 point;
                        if (!askPoint(57674, nullptr, point))
                            return cancelled();
                        corner = point;
                        refreshDrawing();
                    }
                    if (corner)
                        first = *corner;
                    kind = kTTPlaceCorner;
                } else if (!last) {
                    ZnsPoint3 point;
                    ZnsStringW prompt = res::LoadStringW(57676);
                    zn::replaceAll(prompt, u"%i", zn::format("%i", n + 1));
                    std::int32_t keyword = 0;
                    if (!gpZnObjManager ||
                        gpZnObjManager->GetPoint(prompt, {}, nullptr, point, keyword) !=
                            ZnsPointResult::Point)
                        return cancelled();
                    first.y = point.y;
                    refreshDrawing();
                }
            }
        }
        if (LayoutInRectangle(first, second, isParameters() ? 1 : 0, 0) || last)
            return finish();
    }
}

std::int32_t CZnTText::PlaceAfterEdit(std::int32_t how) {
    const bool away = !inCurrentSpace();
    const bool several = drawingFormats().size() >= 2;
    ZnsPoint3 first, second;
    const bool stored = GetFormatColumnFrame(0, first, second) == 0;
    if (how == 0 && away && stored)
        return Place(kTTPlaceAsk);
    if (how == 1 && away && m_format.IsNull() && several)
        return Place(kTTPlaceAsk);
    if (m_format.IsNull() || how == 2 || !isParameters()) {
        if (m_columnTexts.empty() || how == 0)
            return Place(!stored && away ? kTTPlaceRectangle : kTTPlaceAuto);
        Update();
        return 1;
    }
    return Place(kTTPlaceAsk);
}

bool CZnTText::deriveColumn(std::size_t n) {
    ZnsPoint3 first, second;
    if (GetFormatColumnFrame(std::int32_t(n), first, second) != 0)
        return false;
    OrderCorners(first, second);
    if (n >= m_columns.size()) {
        m_columns.push_back({first, second,
                             m_placeKind == kTTPlaceCorner ? kTTAnchorBottom
                             : isParameters()              ? kTTAnchorTop
                                                           : kTTAnchorBottom});
        return true;
    }
    ZnsTTColumn& column = m_columns[n];
    if (m_placeKind == kTTPlaceAuto) {
        column.first = first;
        column.second = second;
        return true;
    }
    // Corner placement keeps the size the user gave the column.
    const double height = column.first.y - column.second.y;
    const double width = column.second.x - column.first.x;
    column.second = second;
    column.first.y = second.y + height;
    if (n == 0)
        column.first.x = second.x - width;
    return true;
}

void CZnTText::Update() {
    if (m_content.empty() && m_columnTexts.empty())
        return;
    writeEnabled();
    m_geometry.clear();
    markModified();
    if (gpZnFormatManager && !m_format.IsNull())
        if (double height = gpZnFormatManager->GetTextHeight(m_format); height != 0)
            GetParameters().Set(kTTParamFontHeight, height);
    resetLayout();
    auto fill = [&](std::size_t n) {
        return m_mode == kTTModeConditions || m_mode == kTTModeParameters
                   ? FillColumn(std::int32_t(n), 0)
                   : fillColumnByLines(std::int32_t(n));
    };
    if (m_placeKind == kTTPlaceAuto || m_placeKind == kTTPlaceCorner) {
        // A column without a frame (its format gone) keeps the rectangle it has; no column
        // is ever removed, so the text keeps its place on the sheet.
        for (std::size_t n = 0; deriveColumn(n) || n < m_columns.size(); ++n) {
            ZnsPoint3 a, b;
            const bool lastFrame = m_placeKind == kTTPlaceCorner &&
                                   GetFormatColumnFrame(std::int32_t(n + 1), a, b) != 0;
            if (!fill(n) || lastFrame)
                break;
        }
        return;
    }
    for (std::size_t n = 0; n < m_columns.size(); ++n)
        if (!fill(n))
            break;
}

HRESULT CZnTText::Edit() {
    // The older modes are edited by the newer editor from now on; no change record, as the
    // editor records its own.
    if (m_mode == kTTModeOldConditions)
        m_mode = kTTModeConditions;
    else if (m_mode == kTTModeOldParameters)
        m_mode = kTTModeParameters;
    znsWorkID self = GetId();
    NewFlow(self, m_mode, nullptr, 1, nullptr, znsWorkID::Null());
    return S_OK;
}

HRESULT CZnTText::EditOrPlace(std::int32_t flags,
                              const std::map<ZnsStringW, ZNSVariant>* parameters) {
    constexpr std::int32_t kPlace = 0x4, kWithoutAsking = 0x2;
    if (!(flags & kPlace)) {
        znsWorkID self = GetId();
        NewFlow(self, m_mode, nullptr, flags & kWithoutAsking ? 0 : 1, nullptr, znsWorkID::Null());
        return S_OK;
    }
    AttachToDrawing(*this);
    if (GetId().IsNull())
        return E_FAIL;
    if (!(flags & kWithoutAsking))
        return Place(kTTPlaceRectangle) == 0 ? S_OK : E_FAIL;
    if (!parameters)
        return Place(kTTPlaceAuto) == 0 ? S_OK : E_FAIL;
    auto start = parameters->find(u"pntStart");
    auto end = parameters->find(u"pntEnd");
    if (start == parameters->end() || end == parameters->end() || !start->second.AsPoint() ||
        !end->second.AsPoint())
        return E_FAIL;
    ClearColumns();
    ZnsPoint3 first = *start->second.AsPoint(), second = *end->second.AsPoint();
    OrderCorners(first, second);
    LayoutInRectangle(first, second, isParameters() ? 1 : 0, 1);
    SetPlaceKind(kTTPlaceFromPoints);
    invalidate();
    return S_OK;
}
