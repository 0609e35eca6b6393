// The window system's plain types in the Windows shape the module's dialog code expects:
// handles, message parameters, points, sizes and rectangles (pixels unless said otherwise).
#pragma once

#include <cstdint>

namespace zn::ui {

struct HWND__;
using HWND = HWND__*;
using UINT = unsigned int;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using COLORREF = std::uint32_t;
using BOOL = int;
inline constexpr BOOL TRUE = 1;
inline constexpr BOOL FALSE = 0;

constexpr WPARAM MAKEWPARAM(unsigned low, unsigned high) {
    return WPARAM((low & 0xFFFF) | ((high & 0xFFFF) << 16));
}
constexpr LPARAM MAKELPARAM(int low, int high) {
    return LPARAM(std::uint32_t((low & 0xFFFF) | ((high & 0xFFFF) << 16)));
}
constexpr unsigned LOWORD(std::uintptr_t value) {
    return unsigned(value & 0xFFFF);
}
constexpr unsigned HIWORD(std::uintptr_t value) {
    return unsigned((value >> 16) & 0xFFFF);
}
// Signed coordinates packed into a mouse message's LPARAM.
constexpr int GET_X_LPARAM(LPARAM value) {
    return int(std::int16_t(value & 0xFFFF));
}
constexpr int GET_Y_LPARAM(LPARAM value) {
    return int(std::int16_t((value >> 16) & 0xFFFF));
}
constexpr COLORREF RGB(int r, int g, int b) {
    return COLORREF((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}

// a * b / c through a 64-bit product, rounded half away from zero; -1 when c is 0.
constexpr int MulDiv(int a, int b, int c) {
    if (c == 0)
        return -1;
    const long long product = static_cast<long long>(a) * b;
    const long long quotient = product / c, remainder = product % c;
    const bool negative = (product < 0) != (c < 0);
    const long long twice = 2 * (remainder < 0 ? -remainder : remainder);
    const long long magnitude = c < 0 ? -static_cast<long long>(c) : c;
    return int(twice >= magnitude ? quotient + (negative ? -1 : 1) : quotient);
}

struct CPoint {
    int x = 0, y = 0;
    bool operator==(const CPoint&) const = default;
};

struct CSize {
    int cx = 0, cy = 0;
    bool operator==(const CSize&) const = default;
};

struct CRect {
    int left = 0, top = 0, right = 0, bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    CSize Size() const { return {Width(), Height()}; }
    CPoint TopLeft() const { return {left, top}; }
    CPoint CenterPoint() const { return {(left + right) / 2, (top + bottom) / 2}; }
    bool IsRectEmpty() const { return right <= left || bottom <= top; }
    bool PtInRect(CPoint p) const {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }
    void OffsetRect(int dx, int dy) {
        left += dx, right += dx;
        top += dy, bottom += dy;
    }
    bool operator==(const CRect&) const = default;
};

} // namespace zn::ui
