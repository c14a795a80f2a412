#include "platform/gfx/canvas.h"

#include <algorithm>

namespace qv::gfx {

Canvas::Canvas(int32_t width, int32_t height, Colour fill)
    : width_(std::max(width, 0)), height_(std::max(height, 0)),
      pixels_(size_t(width_) * size_t(height_), fill & 0xFFFFFF) {}

void Canvas::fill(Colour c) { std::fill(pixels_.begin(), pixels_.end(), c & 0xFFFFFF); }

void Canvas::fill(const Rect& r, Colour c) {
    const Rect on = intersect(r, {0, 0, width_, height_});
    for (int32_t y = on.top; y < on.bottom; ++y) {
        auto row = pixels_.begin() + std::ptrdiff_t(y) * width_;
        std::fill(row + on.left, row + on.right, c & 0xFFFFFF);
    }
}

void Canvas::resize(int32_t width, int32_t height, Colour fill) {
    Canvas next(width, height, fill);
    for (int32_t y = 0; y < std::min(height_, next.height_); ++y)
        for (int32_t x = 0; x < std::min(width_, next.width_); ++x) next.setPixel(x, y, pixel(x, y));
    *this = std::move(next);
}

std::vector<uint8_t> bitmapBits(const Canvas& canvas, size_t maxBytes) {
    std::vector<uint8_t> out;
    out.reserve(std::min(maxBytes, canvas.pixels().size() * 4));
    for (Colour c : canvas.pixels()) {
        for (uint8_t b : {uint8_t(blueOf(c)), uint8_t(greenOf(c)), uint8_t(redOf(c)), uint8_t(0)}) {
            if (out.size() >= maxBytes) return out;
            out.push_back(b);
        }
    }
    return out;
}

Canvas canvasFromBitmapBits(std::span<const uint8_t> bytes) {
    const size_t n = (bytes.size() + 3) / 4;
    Canvas c(int32_t(n), n ? 1 : 0);
    for (size_t i = 0; i < n; ++i) {
        auto at = [&](size_t k) { return k < bytes.size() ? bytes[k] : uint8_t(0); };
        c.setPixel(int32_t(i), 0, rgb(at(4 * i + 2), at(4 * i + 1), at(4 * i)));
    }
    return c;
}

}  // namespace qv::gfx
