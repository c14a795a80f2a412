#pragma once
// A region: a set of pixels kept as rectangles in bands. Each band is a run of rows with the
// same horizontal spans; bands are sorted from the top and do not overlap, spans within a band
// are sorted from the left, do not touch, and neighbouring bands with the same spans are
// joined. So two regions holding the same pixels hold the same rectangles.
#include <cstdint>
#include <span>
#include <vector>

#include "platform/gfx/geometry.h"
#include "platform/gfx/shape_spans.h"

namespace qv::gfx {

// How combine() joins two regions, numbered as the window system numbers them.
enum class CombineMode { And = 1, Or = 2, Xor = 3, Diff = 4, Copy = 5 };

// What a region holds after an operation: nothing, one rectangle, or more.
enum class RegionKind { Error = 0, Null = 1, Simple = 2, Complex = 3 };

class Region {
public:
    Region() = default;  // empty

    // The pixels l..r-1, t..b-1; the corners may be given in either order.
    static Region rect(int32_t l, int32_t t, int32_t r, int32_t b);
    static Region rect(const Rect& r) { return rect(r.left, r.top, r.right, r.bottom); }
    // A closed polygon filled alternately (or by winding).
    static Region polygon(std::span<const Point> points, FillMode mode = FillMode::Alternate);
    // The rounded rectangle (l, t)-(r, b) with corner ellipses ew by eh. As window shapes use it,
    // it covers l..r-2 and t..b-2: callers that want a shape w by h pass (0, 0)-(w + 1, h + 1).
    static Region roundRect(int32_t l, int32_t t, int32_t r, int32_t b, int32_t ew, int32_t eh);
    // The ellipse in (l, t)-(r, b), with the same extent as roundRect.
    static Region ellipse(int32_t l, int32_t t, int32_t r, int32_t b);
    // The union of the rows of pixels given.
    static Region fromSpans(std::span<const Span> spans);
    // The union of the rectangles given; empty or inverted ones add nothing.
    static Region fromRects(std::span<const Rect> rects);

    // a joined with b; Copy gives a.
    static Region combine(const Region& a, const Region& b, CombineMode mode);

    bool isEmpty() const { return rects_.empty(); }
    RegionKind kind() const;
    bool contains(int32_t x, int32_t y) const;
    // True when some pixel of r is in the region.
    bool intersects(const Rect& r) const;
    // The smallest rectangle around every pixel; (0, 0, 0, 0) for an empty region.
    Rect bounds() const;
    // The rectangles, band by band from the top, left to right within a band.
    const std::vector<Rect>& rects() const { return rects_; }

    // Moves every pixel by (dx, dy).
    void offset(int32_t dx, int32_t dy);

    friend bool operator==(const Region&, const Region&) = default;

private:
    std::vector<Rect> rects_;
};

}  // namespace qv::gfx
