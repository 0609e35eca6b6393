// The headless drawing surface: GDI objects (pen, brush, font) and a device context that
// records every drawing call into a display list instead of touching pixels. Text is
// measured in the rich-edit model's fixed cell, whatever the font, so layouts computed
// from extents are the same on every machine; the device reports 96 pixels per inch.
#pragma once

#include <string_view>
#include <utility>

#include "platform/ui/Bitmap.h"
#include "platform/ui/DisplayList.h"
#include "platform/ui/Window.h"

namespace zn::ui {

class CPen {
public:
    CPen() = default;
    CPen(int style, int width, COLORREF color) : m_logPen{style, width, color} {}
    void CreatePen(int style, int width, COLORREF color) { m_logPen = {style, width, color}; }
    const LogPen& GetLogPen() const { return m_logPen; }

private:
    LogPen m_logPen;
};

class CBrush {
public:
    CBrush() = default;
    explicit CBrush(COLORREF color) : m_logBrush{false, color} {}
    void CreateSolidBrush(COLORREF color) { m_logBrush = {false, color}; }
    // A brush that leaves interiors unpainted (the hollow stock brush).
    void CreateHollowBrush() { m_logBrush = {true, 0}; }
    const LogBrush& GetLogBrush() const { return m_logBrush; }

private:
    LogBrush m_logBrush;
};

class CFont {
public:
    void CreateFontIndirect(const LogFont& font) { m_logFont = font; }
    // `pointSize` in tenths of a point, converted at the device's 96 dpi.
    void CreatePointFont(int pointSize, std::u16string_view face);
    // One of the system's stock fonts (DEFAULT_GUI_FONT, ANSI_VAR_FONT, SYSTEM_FONT);
    // false for another index.
    bool CreateStockObject(int index);
    const LogFont& GetLogFont() const { return m_logFont; }

private:
    LogFont m_logFont;
};

class CDC {
public:
    // A surface whose drawing is clipped to `bounds` (a window's client area).
    explicit CDC(const CRect& bounds);
    virtual ~CDC() = default;
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    static constexpr int kPixelsPerInch = 96;
    int GetDeviceCaps(int index) const;

    // Selection answers the object selected before, as the system does; the DC does not
    // own the objects, so they must outlive their selection.
    const CPen* SelectObject(const CPen* pen);
    const CBrush* SelectObject(const CBrush* brush);
    const CFont* SelectObject(const CFont* font);

    COLORREF SetTextColor(COLORREF color);
    COLORREF SetBkColor(COLORREF color);
    int SetBkMode(int mode);
    // Answers the previous drawing mode.
    int SetROP2(int mode);

    CPoint MoveTo(int x, int y);
    void LineTo(int x, int y);
    void Rectangle(const CRect& rect);
    void FillSolidRect(const CRect& rect, COLORREF color);
    void Polygon(const CPoint* points, int count);
    void TextOutW(int x, int y, std::u16string_view text);
    // Single-line text aligned in `rect` by DT_* flags; DT_CALCRECT only measures, widening
    // `rect` to the text. Answers the height of the text.
    int DrawTextW(std::u16string_view text, CRect& rect, UINT format);
    CSize GetTextExtent(std::u16string_view text) const;
    // Pictures at (x, y) in their own size; transparent pixels leave the surface as it was.
    void DrawImage(int x, int y, const PixelImage& image);
    // A bitmap with an optional monochrome mask of its size: where the mask is white the
    // surface shows through, where it is black the bitmap is drawn. False for a mask of
    // another size.
    bool DrawBitmap(int x, int y, const CBitmap& bitmap, const CBitmap* mask = nullptr);

    // Clipping narrows only; the box is where drawing may land.
    void IntersectClipRect(const CRect& rect);
    CRect GetClipBox() const { return m_state.clip; }

    const DisplayList& GetDisplayList() const { return m_list; }
    DisplayList TakeDisplayList() { return std::move(m_list); }

private:
    void record(DrawOp op);

    DisplayList m_list;
    DrawState m_state;
    CPoint m_position;
    const CPen* m_pen = nullptr;
    const CBrush* m_brush = nullptr;
    const CFont* m_font = nullptr;
};

// Painting in WM_PAINT: takes the window's update rectangle as the clip, lets the window
// erase its background when the update asked for it (WM_ERASEBKGND), and hands what was
// drawn to the window when it goes out of scope.
class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* wnd);
    ~CPaintDC() override;
    PAINTSTRUCT m_ps;

private:
    CWnd* m_wnd;
};

// Drawing on a window's client area outside WM_PAINT (a tracking line over a control):
// what is drawn is laid over the window's picture when the context goes, until the
// window is next painted.
class CClientDC : public CDC {
public:
    explicit CClientDC(CWnd* wnd);
    ~CClientDC() override;

private:
    CWnd* m_wnd;
};

} // namespace zn::ui
