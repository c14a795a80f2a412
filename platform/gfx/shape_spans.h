#pragma once
// Scan conversion shared by regions and drawing, so a window shaped by a polygon or a rounded
// rectangle covers exactly the pixels that drawing the same shape fills. A pixel belongs to a
// shape when its centre (x + 0.5, y + 0.5) lies inside; a centre on a left or top edge is inside,
// one on a right or bottom edge outside.
#include <cstdint>
#include <span>
#include <vector>

#include "platform/gfx/geometry.h"

namespace qv::gfx {

// Pixels x0..x1-1 of row y.
struct Span {
    int32_t y = 0;
    int32_t x0 = 0;
    int32_t x1 = 0;
    friend bool operator==(const Span&, const Span&) = default;
};

enum class FillMode { Alternate = 1, Winding = 2 };

// The spans of a closed polygon (the last point joins the first), row by row from the top, each
// row's spans from the left. Alternate: a pixel is inside when a ray from it crosses the outline
// an odd number of times; Winding: when the outline winds round it.
std::vector<Span> polygonSpans(std::span<const Point> points, FillMode mode);

// The spans of the rectangle l..r-1, t..b-1 with its corners rounded by quarters of an ellipse
// ew wide and eh high (each at most the rectangle's size). An ellipse is the case ew = r - l,
// eh = b - t.
std::vector<Span> roundRectSpans(int32_t l, int32_t t, int32_t r, int32_t b, int32_t ew, int32_t eh);

}  // namespace qv::gfx
