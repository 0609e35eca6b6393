#include "ruler/RulerBar.h"

#include <algorithm>
#include <vector>

#include "platform/ui/RichEditMessages.h"
#include "platform/ui/SystemColors.h"
#include "platform/ui/WindowClass.h"
#include "resources/ResourceIds.h"

namespace ruler {

using namespace zn::ui;
using zn::richedit::ParaFormat;

namespace {

// Tops of the markers below the top of the bar's inside. The first-line indent hangs
// from the top edge, the others stand on the scale from below.
constexpr int kFirstIndentTop = -1;
constexpr int kIndentTop = 9;
constexpr int kTabTop = 8;
// The borders make the bar as tall as the editor dialog leaves room for.
constexpr int kBorderTop = 3;
constexpr int kBorderBottom = 3;

// The bitmaps of the markers; each mask is the bitmap after its image.
constexpr unsigned kUpImage = res::IDB_RULER_UP;
constexpr unsigned kDownImage = res::IDB_RULER_DOWN;
constexpr unsigned kBlockImage = res::IDB_RULER_BLOCK;
constexpr unsigned kTabImage = res::IDB_RULER_TAB;

// Whole multiples of `step` below or at `value`, negative values included.
int floorToStep(int value, int step) {
    int remainder = value % step;
    return remainder < 0 ? value - remainder - step : value - remainder;
}

} // namespace

CRulerBar::CRulerBar()
    : m_unit(CurrentRulerUnit()), m_firstIndent(kDownImage), m_rightIndent(kUpImage),
      m_tabTemplate(kTabImage), m_leftIndent(kBlockImage, kUpImage, m_firstIndent) {}

bool CRulerBar::Create(CWnd* parent, std::uint32_t style, int id) {
    if (!parent || !loadImages())
        return false;
    const std::u16string className =
        AfxRegisterWndClass(0, LoadStandardCursor(IDC_ARROW), COLOR_BTNFACE);
    if (!CControlBar::Create(parent, kInsideHeight, id, className))
        return false;
    // The window style the caller asked for, the visibility included; siblings never
    // paint over the bar. Setting the borders lays the parent's bars out again, so a bar
    // made hidden gives its strip back.
    ModifyStyle(WS_VISIBLE & ~style, (style & ~WS_POPUP) | WS_CHILD | WS_CLIPSIBLINGS);
    SetBorders(0, kBorderTop, 0, kBorderBottom);
    {
        CClientDC dc(this);
        m_logPixelsX = dc.GetDeviceCaps(LOGPIXELSX);
    }
    if (!m_font.CreateStockObject(DEFAULT_GUI_FONT))
        m_font.CreateStockObject(ANSI_VAR_FONT);
    LogFont small = m_font.GetLogFont();
    small.height = -8;
    m_font.CreateFontIndirect(small);
    loadColors();

    for (CRulerItem* item : {static_cast<CRulerItem*>(&m_firstIndent), &m_rightIndent,
                             static_cast<CRulerItem*>(&m_leftIndent)})
        item->AttachRuler(this);
    m_firstIndent.SetTop(kFirstIndentTop);
    m_rightIndent.SetTop(kIndentTop);
    m_leftIndent.SetTop(kIndentTop);
    for (CTabRulerItem& tab : m_tabs) {
        tab.ShareImages(m_tabTemplate);
        tab.AttachRuler(this);
        tab.SetTop(kTabTop);
        // A tab stop's position is the upright stroke at the left of its picture.
        tab.SetAnchor(CRulerItem::Anchor::Left);
        tab.SetPosition(0);
        tab.SetLimits(0, 100);
    }
    return true;
}

bool CRulerBar::loadImages() {
    return m_firstIndent.LoadImages() && m_rightIndent.LoadImages() && m_tabTemplate.LoadImages() &&
           m_leftIndent.LoadImages();
}

int CRulerBar::TwipsToPixels(int twips) const {
    return MulDiv(twips, m_logPixelsX, 1440);
}

int CRulerBar::PixelsToTwips(int pixels) const {
    return MulDiv(pixels, 1440, m_logPixelsX);
}

int CRulerBar::TwipsToX(int twips) const {
    return TwipsToPixels(twips) + m_textOffset - m_scroll;
}

int CRulerBar::XToTwips(int x) const {
    return PixelsToTwips(x + m_scroll - m_textOffset);
}

int CRulerBar::InsideTop() const {
    return CalcInsideRect().top;
}

void CRulerBar::DrawTrackingLine(int twips) {
    CWnd* owner = control();
    if (!owner)
        return;
    CRect text;
    owner->SendMessage(EM_GETRECT, 0, LPARAM(&text));
    const int x = text.left + TwipsToPixels(twips) - m_scroll;
    CClientDC dc(owner);
    const CPen* previousPen = dc.SelectObject(&m_colors.trackingPen);
    dc.SetROP2(R2_NOT);
    dc.MoveTo(x, 0);
    dc.LineTo(x, owner->GetClientRect().bottom);
    dc.SelectObject(previousPen);
}

void CRulerBar::OnUpdateCmdUI(CWnd* target, bool /*disableIfNoHandler*/) {
    // A drag owns the markers until the button comes up.
    if (m_selected || !target)
        return;
    const CRect client = target->GetClientRect();
    CRect text;
    target->SendMessage(EM_GETRECT, 0, LPARAM(&text));
    if (text.IsRectEmpty())
        text = client;
    CPoint scroll;
    target->SendMessage(EM_GETSCROLLPOS, 0, LPARAM(&scroll));

    const CSize paper{PixelsToTwips(client.Width()), PixelsToTwips(client.Height())};
    // The control wraps its lines at the formatting rectangle: what lies between it and
    // the client area's edges are the margins.
    const CRect margins{PixelsToTwips(text.left), PixelsToTwips(text.top),
                        PixelsToTwips(client.right - text.right),
                        PixelsToTwips(client.bottom - text.bottom)};
    const int offset = target->ClientToScreen(CPoint{text.left, 0}).x - ClientToScreen(CPoint{}).x;
    bool changed =
        paper != m_paper || margins != m_margins || offset != m_textOffset || scroll.x != m_scroll;
    if (CurrentRulerUnit().twipsPerUnit != m_unit.twipsPerUnit) {
        m_unit = CurrentRulerUnit();
        changed = true;
    }
    m_paper = paper;
    m_margins = margins;
    m_textOffset = offset;
    m_scroll = scroll.x;
    if (changed)
        Invalidate();

    ParaFormat format;
    target->SendMessage(EM_GETPARAFORMAT, 0, LPARAM(&format));
    SetParaFormat(format);
}

void CRulerBar::SetParaFormat(const ParaFormat& format) {
    m_firstIndent.SetPosition(format.startIndent);
    m_leftIndent.SetPosition(format.startIndent + format.offset);
    m_rightIndent.SetPosition(TextWidth() - format.rightIndent);
    const int count = format.validTabCount();
    for (int i = 0; i < kTabMarkers; ++i)
        m_tabs[size_t(i)].SetPosition(i < count ? format.tabs[size_t(i)] : 0);
}

void CRulerBar::sortTabs() {
    std::array<int, kTabMarkers> positions{};
    for (int i = 0; i < kTabMarkers; ++i)
        positions[size_t(i)] = m_tabs[size_t(i)].GetPosition();
    std::sort(positions.begin(), positions.end());
    for (int i = 0; i < kTabMarkers; ++i)
        m_tabs[size_t(i)].SetPosition(positions[size_t(i)]);
}

void CRulerBar::FillParaFormat(ParaFormat& format) {
    using namespace zn::richedit;
    format.mask = PFM_STARTINDENT | PFM_RIGHTINDENT | PFM_OFFSET | PFM_TABSTOPS;
    format.startIndent = m_firstIndent.GetPosition();
    format.offset = m_leftIndent.GetPosition() - m_firstIndent.GetPosition();
    format.rightIndent = TextWidth() - m_rightIndent.GetPosition();
    sortTabs();
    // Free markers (0) and tab stops dragged onto one place drop out.
    format.tabCount = 0;
    format.tabs.fill(0);
    int previous = 0;
    for (const CTabRulerItem& tab : m_tabs) {
        if (tab.GetPosition() == previous)
            continue;
        previous = tab.GetPosition();
        format.tabs[size_t(format.tabCount++)] = previous;
    }
}

CRulerItem* CRulerBar::pick(CPoint point) {
    for (CRulerItem* item :
         {static_cast<CRulerItem*>(&m_leftIndent), &m_firstIndent, &m_rightIndent})
        if (item->HitTest(point))
            return item;
    for (CTabRulerItem& tab : m_tabs)
        if (tab.HitTest(point))
            return &tab;
    for (CTabRulerItem& tab : m_tabs)
        if (tab.IsFree())
            return &tab;
    return nullptr;
}

void CRulerBar::setLimits(CRulerItem& item) {
    if (&item == &m_firstIndent || &item == &m_leftIndent) {
        // The combo's shrunk limits depend on the first-line marker's, so those come first.
        m_firstIndent.SetLimits(0, m_rightIndent.GetPosition());
        m_leftIndent.SetLimits(0, m_rightIndent.GetPosition());
    } else if (&item == &m_rightIndent) {
        item.SetLimits(std::max(m_leftIndent.GetPosition(), m_firstIndent.GetPosition()),
                       ScaleEnd());
    } else {
        item.SetLimits(0, ScaleEnd());
    }
}

int CRulerBar::snap(int twips) const {
    return floorToStep(twips + m_unit.snapStep / 2, m_unit.snapStep);
}

void CRulerBar::track(CPoint point) {
    const CRect scale{0, 0, TwipsToX(ScaleEnd()), InsideTop() + kInsideHeight};
    m_selected->TrackPosition(snap(XToTwips(point.x)), scale.PtInRect(point));
}

void CRulerBar::onButtonDown(CPoint point) {
    m_selected = pick(point);
    if (!m_selected)
        return; // all 32 tab stops in use
    SetCapture();
    m_selected->StartTracking();
    setLimits(*m_selected);
    track(point);
}

void CRulerBar::onMouseMove(CPoint point) {
    if (m_selected && GetCapture() == this)
        track(point);
}

void CRulerBar::onButtonUp(CPoint point) {
    if (!m_selected)
        return;
    track(point);
    m_selected->EndTracking();
    if (GetCapture() == this)
        ReleaseCapture();
    if (CWnd* target = control()) {
        ParaFormat format;
        target->SendMessage(EM_GETPARAFORMAT, 0, LPARAM(&format));
        FillParaFormat(format);
        target->SendMessage(EM_SETPARAFORMAT, 0, LPARAM(&format));
    }
    m_selected = nullptr;
}

LRESULT CRulerBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    const CPoint point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (message) {
    case WM_LBUTTONDOWN:
        onButtonDown(point);
        return 0;
    case WM_MOUSEMOVE:
        onMouseMove(point);
        return 0;
    case WM_LBUTTONUP:
        onButtonUp(point);
        return 0;
    case WM_SYSCOLORCHANGE:
        loadColors();
        loadImages();
        Invalidate();
        return 0;
    default:
        return CControlBar::WindowProc(message, wParam, lParam);
    }
}

std::optional<CRect> CRulerBar::FindItemRect(std::u16string_view item) const {
    if (item == u"first")
        return m_firstIndent.GetHitRect();
    if (item == u"left")
        return m_leftIndent.UpperPart().GetHitRect();
    if (item == u"block")
        return m_leftIndent.GetHitRect();
    if (item == u"right")
        return m_rightIndent.GetHitRect();
    const CRect client = GetClientRect();
    if (item == u"off")
        return CRect{0, client.bottom + 10, 1, client.bottom + 11};
    auto number = [](std::u16string_view text) -> std::optional<int> {
        if (text.empty() || text.size() > 9)
            return std::nullopt;
        int value = 0;
        for (char16_t ch : text) {
            if (ch < u'0' || ch > u'9')
                return std::nullopt;
            value = value * 10 + (ch - u'0');
        }
        return value;
    };
    if (item.starts_with(u"tab ")) {
        // The N-th tab stop from the left, whatever marker holds it.
        std::optional<int> n = number(item.substr(4));
        std::vector<const CTabRulerItem*> used;
        for (const CTabRulerItem& tab : m_tabs)
            if (!tab.IsFree())
                used.push_back(&tab);
        std::sort(used.begin(), used.end(),
                  [](auto* a, auto* b) { return a->GetPosition() < b->GetPosition(); });
        if (!n || *n < 1 || size_t(*n) > used.size())
            return std::nullopt;
        return used[size_t(*n - 1)]->GetHitRect();
    }
    if (std::optional<int> twips = number(item)) {
        // Between the first-line marker above and the other markers below, where a press
        // finds nothing but the scale.
        const int x = TwipsToX(*twips), y = InsideTop() + 6;
        return CRect{x, y, x + 1, y + 1};
    }
    return std::nullopt;
}

} // namespace ruler
