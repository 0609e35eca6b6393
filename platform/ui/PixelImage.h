// A picture as plain pixels: width, height, RGB colours row by row from the top, and which
// pixels are transparent. Bitmaps, image-list images, cursors and the display list's image
// operations all carry their pixels in this one shape, so a renderer reads one format.
#pragma once

#include <cstddef>
#include <vector>

#include "platform/ui/Types.h"

namespace zn::ui {

struct PixelImage {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> pixels;  // width * height, row-major
    std::vector<bool> transparent; // empty when every pixel is opaque

    PixelImage() = default;
    PixelImage(int cx, int cy, COLORREF fill = 0)
        : width(cx), height(cy), pixels(std::size_t(cx) * std::size_t(cy), fill) {}

    bool IsEmpty() const { return width <= 0 || height <= 0; }
    COLORREF At(int x, int y) const { return pixels[index(x, y)]; }
    void Set(int x, int y, COLORREF color) { pixels[index(x, y)] = color; }
    bool IsTransparent(int x, int y) const {
        return !transparent.empty() && transparent[index(x, y)];
    }
    void SetTransparent(int x, int y, bool clear) {
        if (transparent.empty())
            transparent.assign(pixels.size(), false);
        transparent[index(x, y)] = clear;
    }
    // The `cx` x `cy` piece whose top-left corner is (x, y); the caller keeps it inside.
    PixelImage Crop(int x, int y, int cx, int cy) const;
    bool operator==(const PixelImage&) const = default;

private:
    std::size_t index(int x, int y) const {
        return std::size_t(y) * std::size_t(width) + std::size_t(x);
    }
};

inline PixelImage PixelImage::Crop(int x, int y, int cx, int cy) const {
    PixelImage piece(cx, cy);
    for (int row = 0; row < cy; ++row)
        for (int col = 0; col < cx; ++col) {
            piece.Set(col, row, At(x + col, y + row));
            if (IsTransparent(x + col, y + row))
                piece.SetTransparent(col, row, true);
        }
    return piece;
}

} // namespace zn::ui
