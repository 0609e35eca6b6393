// Where the dialog's text goes on the drawing: picking its place and angle (or the two
// points it is fitted between) and creating the host single-line texts, line after line.
#include <cmath>

#include "dtext/DTextDlg.h"
#include "dtext/DTextSelectSink.h"
#include "host/ClassIds.h"
#include "host/Services.h"
#include "resources/StringTable.h"

namespace dtext {

namespace {

constexpr unsigned IDS_PICK_PLACEMENT_POINT = 57701;
constexpr unsigned IDS_PICK_ORIGIN = 57710;
constexpr unsigned IDS_PICK_ANGLE = 57711;
constexpr unsigned IDS_PICK_NEXT_POINT = 57712;

// One line further is this many text heights (or box heights) per spacing factor.
constexpr double kLineAdvance = 1.66;
// The host attribute every new single-line text gets.
constexpr std::int32_t kNewObjectAttribute = -4;

double length(const ZnsPoint3& v) {
    return std::hypot(v.x, v.y);
}

// Detaches the preview from the point input on every way out of a pick.
class MonitorScope {
public:
    explicit MonitorScope(IUniEntMonitorSink& monitor) {
        if (gpZnObjManager)
            gpZnObjManager->SetPointMonitor(&monitor);
    }
    ~MonitorScope() {
        if (gpZnObjManager)
            gpZnObjManager->SetPointMonitor(nullptr);
    }
    MonitorScope(const MonitorScope&) = delete;
    MonitorScope& operator=(const MonitorScope&) = delete;
};

bool drawingAcceptsEdits() {
    IZnDocument* document = gpZnDocManager ? gpZnDocManager->GetActiveDocument() : nullptr;
    return document && document->AcceptsEdits();
}

} // namespace

double CDTextDlg::drawingScale() const {
    return gpZnStyleManager ? gpZnStyleManager->GetDrawingScale() : 1.0;
}

bool CDTextDlg::split(const ZnsDTextRecord& record, ZnsArray<ZnsDTextRecord>& lines,
                      ZnsTextFrame& frame) const {
    ZnPtr<IZnTextSplitter> splitter = ZnCreate<IZnTextSplitter>(CLSID_ZnTextSplitter);
    return splitter && SUCCEEDED(splitter->Split(record, lines, frame));
}

bool CDTextDlg::Pick(bool specifyLocation) {
    if (!ReadBack() || !gpZnObjManager)
        return false;
    releaseTextSources();
    ZnsDTextRecord measured = m_state.record;
    measured.height *= drawingScale();
    ZnsArray<ZnsDTextRecord> lines;
    ZnsTextFrame frame;
    if (!split(measured, lines, frame))
        return false;
    double width = length(frame.xAxis);
    double height = length(frame.yAxis);
    ZnsDTextRecord& record = m_state.record;
    bool fit = record.width != 0;

    BeginEditorCommand();
    CDTextSelectSink preview(width, height, record.horizontalAlignment, record.verticalAlignment,
                             record.direction);
    ZnsPoint3 origin, direction;
    bool picked = false;
    {
        MonitorScope watching(preview);
        if (!fit) {
            picked = gpZnObjManager->PlaceTextBox(
                width, height, record.horizontalAlignment, record.verticalAlignment,
                res::LoadStringW(IDS_PICK_ORIGIN), res::LoadStringW(IDS_PICK_ANGLE), origin,
                direction);
        } else {
            ZnsPoint3 next;
            std::int32_t keyword = 0;
            picked = gpZnObjManager->GetPoint(res::LoadStringW(IDS_PICK_PLACEMENT_POINT), {},
                                              nullptr, origin, keyword) == ZnsPointResult::Point;
            preview.StretchFrom(origin);
            picked =
                picked && gpZnObjManager->GetPoint(res::LoadStringW(IDS_PICK_NEXT_POINT), {},
                                                   &origin, next, keyword) == ZnsPointResult::Point;
            double distance = length(next - origin);
            picked = picked && distance > 0;
            if (picked) {
                m_state.measuredWidth = distance;
                record.width = distance;
                direction = (next - origin) * (1.0 / distance);
            }
        }
    }
    if (picked) {
        record.origin = origin;
        record.direction = direction;
        m_originPicked = true;
        if (specifyLocation)
            m_added = false;
    }
    CompleteEditorCommand();
    if (picked)
        ShowValues();
    return picked;
}

bool CDTextDlg::Add() {
    if (!ReadBack() || !drawingAcceptsEdits() || !gpZnObjManager)
        return false;
    if (!m_originPicked && !Pick(false))
        return false;
    double scale = drawingScale();
    ZnsDTextRecord copy = m_state.record;
    copy.height *= scale;
    ZnsArray<ZnsDTextRecord> pieces;
    ZnsTextFrame frame;
    if (!split(copy, pieces, frame))
        return false;
    if (pieces.empty())
        pieces.push_back(copy);

    if (!m_editedId.IsNull() && !m_added) {
        gpZnObjManager->Erase(m_editedId);
        m_editedId = znsWorkID::Null();
    } else if (m_added) {
        // The next line goes below the one made last, against the box's upward axis.
        bool exactly = m_state.spacingType == res::LoadStringW(IDS_SPACING_EXACTLY);
        double step =
            (exactly ? copy.height : length(frame.yAxis)) * m_state.spacingFactor * kLineAdvance;
        double upLength = length(frame.yAxis);
        ZnsPoint3 up = upLength > 0 ? frame.yAxis * (1.0 / upLength) : ZnsPoint3{0, 1, 0};
        ZnsPoint3 offset = up * -step;
        m_state.record.origin = m_state.record.origin + offset;
        for (ZnsDTextRecord& piece : pieces)
            piece.origin = piece.origin + offset;
    }

    double currentScale = gpZnStyleManager ? gpZnStyleManager->GetCurrentScale() : 1.0;
    for (const ZnsDTextRecord& piece : pieces) {
        ZnPtr<IZnSingleLineText> text = ZnCreate<IZnSingleLineText>(CLSID_ZnSingleLineText);
        if (!text)
            return false;
        text->SetRecord(piece);
        text->SetColor(m_state.color);
        text->SetWidthFactor(currentScale != 0 ? scale / currentScale : 1.0);
        text->SetAttribute(kNewObjectAttribute, ZNSVariant(std::int32_t(1)));
        if (FAILED(gpZnObjManager->Append(text.get(), nullptr)))
            return false;
    }
    m_added = true;
    ShowValues();
    // Ready for the next line: the whole text selected, so typing replaces it.
    if (GetSafeHwnd())
        GotoDlgCtrl(&m_textLine);
    storeState();
    return true;
}

} // namespace dtext
