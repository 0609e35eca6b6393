// Recording device context: drawing calls become display-list operations stamped with the
// attributes in force; text extents come from the rich-edit model's fixed cell.
#include "platform/ui/DeviceContext.h"

#include <algorithm>
#include <utility>

#include "platform/richedit/RichEditModel.h"

namespace zn::ui {

void CFont::CreatePointFont(int pointSize, std::u16string_view face) {
    m_logFont = {};
    m_logFont.face = face;
    // Tenths of a point to pixels, rounded; negative: the character height.
    m_logFont.height = -((pointSize * CDC::kPixelsPerInch + 360) / 720);
}

bool CFont::CreateStockObject(int index) {
    if (index == SYSTEM_FONT) {
        m_logFont = {};
        return true;
    }
    if (index != DEFAULT_GUI_FONT && index != ANSI_VAR_FONT)
        return false;
    // The dialog font at 8 points, and the older variable-pitch font a little larger.
    CreatePointFont(index == DEFAULT_GUI_FONT ? 80 : 90, u"Sans Serif");
    return true;
}

CDC::CDC(const CRect& bounds) {
    m_state.clip = bounds;
}

int CDC::GetDeviceCaps(int index) const {
    return index == LOGPIXELSX || index == LOGPIXELSY ? kPixelsPerInch : 0;
}

const CPen* CDC::SelectObject(const CPen* pen) {
    const CPen* previous = m_pen;
    m_pen = pen;
    m_state.pen = pen ? pen->GetLogPen() : LogPen{};
    return previous;
}

const CBrush* CDC::SelectObject(const CBrush* brush) {
    const CBrush* previous = m_brush;
    m_brush = brush;
    m_state.brush = brush ? brush->GetLogBrush() : LogBrush{};
    return previous;
}

const CFont* CDC::SelectObject(const CFont* font) {
    const CFont* previous = m_font;
    m_font = font;
    m_state.font = font ? font->GetLogFont() : LogFont{};
    return previous;
}

COLORREF CDC::SetTextColor(COLORREF color) {
    return std::exchange(m_state.textColor, color);
}

COLORREF CDC::SetBkColor(COLORREF color) {
    return std::exchange(m_state.bkColor, color);
}

int CDC::SetBkMode(int mode) {
    return std::exchange(m_state.bkMode, mode);
}

int CDC::SetROP2(int mode) {
    return std::exchange(m_state.rop2, mode);
}

CPoint CDC::MoveTo(int x, int y) {
    return std::exchange(m_position, CPoint{x, y});
}

void CDC::LineTo(int x, int y) {
    DrawOp op;
    op.kind = DrawKind::Line;
    op.points = {m_position, {x, y}};
    record(std::move(op));
    m_position = {x, y};
}

void CDC::Rectangle(const CRect& rect) {
    DrawOp op;
    op.kind = DrawKind::Rectangle;
    op.rect = rect;
    record(std::move(op));
}

void CDC::FillSolidRect(const CRect& rect, COLORREF color) {
    DrawOp op;
    op.kind = DrawKind::FillRect;
    op.rect = rect;
    op.fillColor = color;
    record(std::move(op));
}

void CDC::Polygon(const CPoint* points, int count) {
    DrawOp op;
    op.kind = DrawKind::Polygon;
    op.points.assign(points, points + std::max(count, 0));
    record(std::move(op));
}

void CDC::TextOutW(int x, int y, std::u16string_view text) {
    CSize extent = GetTextExtent(text);
    DrawOp op;
    op.kind = DrawKind::Text;
    op.rect = {x, y, x + extent.cx, y + extent.cy};
    op.text = text;
    record(std::move(op));
}

int CDC::DrawTextW(std::u16string_view text, CRect& rect, UINT format) {
    CSize extent = GetTextExtent(text);
    if (format & DT_CALCRECT) {
        rect.right = rect.left + extent.cx;
        rect.bottom = rect.top + extent.cy;
        return extent.cy;
    }
    int x = rect.left;
    if (format & DT_CENTER)
        x = rect.left + (rect.Width() - extent.cx) / 2;
    else if (format & DT_RIGHT)
        x = rect.right - extent.cx;
    int y = rect.top;
    if (format & DT_VCENTER)
        y = rect.top + (rect.Height() - extent.cy) / 2;
    else if (format & DT_BOTTOM)
        y = rect.bottom - extent.cy;
    TextOutW(x, y, text);
    return extent.cy;
}

CSize CDC::GetTextExtent(std::u16string_view text) const {
    return {int(text.size()) * richedit::RichEditModel::kCellWidth,
            richedit::RichEditModel::kLineHeight};
}

void CDC::DrawImage(int x, int y, const PixelImage& image) {
    DrawOp op;
    op.kind = DrawKind::Image;
    op.rect = {x, y, x + image.width, y + image.height};
    op.image = image;
    record(std::move(op));
}

bool CDC::DrawBitmap(int x, int y, const CBitmap& bitmap, const CBitmap* mask) {
    if (!mask) {
        DrawImage(x, y, bitmap.GetImage());
        return true;
    }
    if (mask->GetSize() != bitmap.GetSize())
        return false;
    PixelImage masked = bitmap.GetImage();
    for (int row = 0; row < masked.height; ++row)
        for (int col = 0; col < masked.width; ++col)
            if (mask->GetPixel(col, row) == RGB(255, 255, 255))
                masked.SetTransparent(col, row, true);
    DrawImage(x, y, masked);
    return true;
}

void CDC::IntersectClipRect(const CRect& rect) {
    CRect& clip = m_state.clip;
    clip = {std::max(clip.left, rect.left), std::max(clip.top, rect.top),
            std::min(clip.right, rect.right), std::min(clip.bottom, rect.bottom)};
}

void CDC::record(DrawOp op) {
    op.state = m_state;
    m_list.push_back(std::move(op));
}

CPaintDC::CPaintDC(CWnd* wnd) : CDC(wnd->GetClientRect()), m_wnd(wnd) {
    m_wnd->BeginPaint(&m_ps);
    IntersectClipRect(m_ps.rcPaint);
    // The window erases first; fErase stays set only when nobody did.
    if (m_ps.fErase)
        m_ps.fErase = !m_wnd->SendMessage(WM_ERASEBKGND, WPARAM(static_cast<CDC*>(this)));
}

CPaintDC::~CPaintDC() {
    m_wnd->EndPaint(&m_ps, TakeDisplayList());
}

CClientDC::CClientDC(CWnd* wnd) : CDC(wnd->GetClientRect()), m_wnd(wnd) {}

CClientDC::~CClientDC() {
    m_wnd->DrawOverPicture(TakeDisplayList());
}

} // namespace zn::ui
