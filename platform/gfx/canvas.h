#pragma once
// A 32-bit pixel surface: width by height pixels, each a colour &HBBGGRR (top byte 0), all
// white when made.
#include <cstdint>
#include <span>
#include <vector>

#include "platform/gfx/colour.h"
#include "platform/gfx/geometry.h"

namespace qv::gfx {

class Canvas {
public:
    Canvas() = default;
    // Negative sizes count as 0.
    Canvas(int32_t width, int32_t height, Colour fill = rgb(255, 255, 255));

    int32_t width() const { return width_; }
    int32_t height() const { return height_; }
    bool inside(int32_t x, int32_t y) const {
        return x >= 0 && y >= 0 && x < width_ && y < height_;
    }
    // kInvalidColour outside the canvas.
    Colour pixel(int32_t x, int32_t y) const {
        return inside(x, y) ? pixels_[size_t(y) * size_t(width_) + size_t(x)] : kInvalidColour;
    }
    // Outside the canvas nothing happens.
    void setPixel(int32_t x, int32_t y, Colour c) {
        if (inside(x, y)) pixels_[size_t(y) * size_t(width_) + size_t(x)] = c & 0xFFFFFF;
    }
    void fill(Colour c);
    // The pixels of r that lie on the canvas.
    void fill(const Rect& r, Colour c);
    // A new size; the pixels that stay inside keep their colour, new ones get fill.
    void resize(int32_t width, int32_t height, Colour fill = rgb(255, 255, 255));

    // Row by row from the top.
    const std::vector<Colour>& pixels() const { return pixels_; }

    friend bool operator==(const Canvas&, const Canvas&) = default;

private:
    int32_t width_ = 0;
    int32_t height_ = 0;
    std::vector<Colour> pixels_;
};

// The pixels as a 32-bit display bitmap holds them, four bytes a pixel (blue, green, red, 0),
// row by row from the top: at most maxBytes of them. This is how a shaped window reads its
// region data back out of a picture's pixels.
std::vector<uint8_t> bitmapBits(const Canvas& canvas, size_t maxBytes = SIZE_MAX);
// A canvas one pixel high that bitmapBits turns back into bytes (padded with zero bytes to whole
// pixels): each pixel carries one 32-bit little-endian field in blue, green and red, so the top
// byte of every field must be 0.
Canvas canvasFromBitmapBits(std::span<const uint8_t> bytes);

}  // namespace qv::gfx
