#pragma once
// Points and rectangles in device pixels. A rectangle covers left..right-1 and top..bottom-1:
// its right and bottom edges lie just outside it.
#include <cstdint>

namespace qv::gfx {

struct Point {
    int32_t x = 0;
    int32_t y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Rect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    int64_t width() const { return int64_t(right) - left; }
    int64_t height() const { return int64_t(bottom) - top; }
    // No pixel inside: a zero or negative width or height.
    bool isEmpty() const { return right <= left || bottom <= top; }
    bool contains(int32_t x, int32_t y) const {
        return x >= left && x < right && y >= top && y < bottom;
    }
    friend bool operator==(const Rect&, const Rect&) = default;
};

// The common part of two rectangles; an empty rectangle when they do not meet.
inline Rect intersect(const Rect& a, const Rect& b) {
    Rect r{a.left > b.left ? a.left : b.left, a.top > b.top ? a.top : b.top,
           a.right < b.right ? a.right : b.right, a.bottom < b.bottom ? a.bottom : b.bottom};
    if (r.isEmpty()) return Rect{};
    return r;
}

}  // namespace qv::gfx
