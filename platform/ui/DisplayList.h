// What a device context records: each drawing call becomes one operation carrying the
// pen, brush, font, text colours and clip rectangle it was drawn with, so a renderer or a
// test reads an operation on its own without replaying selection calls.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/PixelImage.h"

namespace zn::ui {

// Pen styles.
inline constexpr int PS_SOLID = 0;
inline constexpr int PS_DASH = 1;
inline constexpr int PS_DOT = 2;
inline constexpr int PS_NULL = 5;
// Background modes of text.
inline constexpr int TRANSPARENT = 1;
inline constexpr int OPAQUE = 2;
// Drawing modes (SetROP2): how a pen combines with what is already there. R2_NOT inverts,
// so the same line drawn twice leaves the picture as it was (a tracking line).
inline constexpr int R2_NOT = 6;
inline constexpr int R2_XORPEN = 7;
inline constexpr int R2_COPYPEN = 13;
// Stock fonts.
inline constexpr int ANSI_VAR_FONT = 12;
inline constexpr int SYSTEM_FONT = 13;
inline constexpr int DEFAULT_GUI_FONT = 17;
// Font weights.
inline constexpr int FW_NORMAL = 400;
inline constexpr int FW_BOLD = 700;
// DrawText formats.
inline constexpr UINT DT_LEFT = 0x0;
inline constexpr UINT DT_CENTER = 0x1;
inline constexpr UINT DT_RIGHT = 0x2;
inline constexpr UINT DT_VCENTER = 0x4;
inline constexpr UINT DT_BOTTOM = 0x8;
inline constexpr UINT DT_SINGLELINE = 0x20;
inline constexpr UINT DT_CALCRECT = 0x400;
// GetDeviceCaps indexes.
inline constexpr int LOGPIXELSX = 88;
inline constexpr int LOGPIXELSY = 90;

struct LogPen {
    int style = PS_SOLID;
    int width = 1;
    COLORREF color = RGB(0, 0, 0);
    bool operator==(const LogPen&) const = default;
};

struct LogBrush {
    bool hollow = false;
    COLORREF color = RGB(255, 255, 255);
    bool operator==(const LogBrush&) const = default;
};

struct LogFont {
    std::u16string face = u"System";
    int height = 16; // pixels; negative means character height, as the system has it
    int weight = FW_NORMAL;
    bool italic = false;
    bool operator==(const LogFont&) const = default;
};

// The drawing attributes in force when an operation was recorded.
struct DrawState {
    LogPen pen;
    LogBrush brush;
    LogFont font;
    COLORREF textColor = RGB(0, 0, 0);
    COLORREF bkColor = RGB(255, 255, 255);
    int bkMode = OPAQUE;
    int rop2 = R2_COPYPEN;
    CRect clip;
};

enum class DrawKind { Line, Rectangle, FillRect, Polygon, Text, Image };

struct DrawOp {
    DrawKind kind = DrawKind::Line;
    // Line: from and to; Polygon: the vertices.
    std::vector<CPoint> points;
    // Rectangle and FillRect: the rectangle; Text: the box the text occupies; Image: where
    // the picture lands (its own size).
    CRect rect;
    COLORREF fillColor = 0; // FillRect only
    std::u16string text;
    PixelImage image; // Image only: the pixels as they are to appear, masks applied
    DrawState state;
};

using DisplayList = std::vector<DrawOp>;

} // namespace zn::ui
