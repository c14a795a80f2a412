#include "platform/gfx/device_context.h"

#include <algorithm>
#include <cstdlib>
#include <utility>
#include <vector>

namespace qv::gfx {
namespace {

// A colour ready to draw: system colours translated, and one that cannot be translated drawn
// as black.
Colour resolve(Colour c) {
    const Colour t = translateColour(c);
    return t == kInvalidColour ? 0 : t;
}

// Dash patterns of one-pixel pens: lengths of alternate on and off runs.
std::span<const int> dashPattern(PenStyle s) {
    static const int dash[] = {18, 6}, dot[] = {3, 3}, dashDot[] = {9, 6, 3, 6},
                     dashDotDot[] = {9, 3, 3, 3, 3, 3};
    switch (s) {
    case PenStyle::Dash: return dash;
    case PenStyle::Dot: return dot;
    case PenStyle::DashDot: return dashDot;
    case PenStyle::DashDotDot: return dashDotDot;
    default: return {};
    }
}

int64_t clampCoord(int64_t v) { return std::clamp<int64_t>(v, INT32_MIN, INT32_MAX); }

}  // namespace

Pen DeviceContext::selectPen(const Pen& pen) { return std::exchange(pen_, pen); }
Brush DeviceContext::selectBrush(const Brush& brush) { return std::exchange(brush_, brush); }
Font DeviceContext::selectFont(const Font& font) { return std::exchange(font_, font); }
Colour DeviceContext::setTextColour(Colour c) { return std::exchange(textColour_, c); }
Colour DeviceContext::setBkColour(Colour c) { return std::exchange(bkColour_, c); }
BackgroundMode DeviceContext::setBkMode(BackgroundMode m) { return std::exchange(bkMode_, m); }
FillMode DeviceContext::setPolyFillMode(FillMode m) { return std::exchange(fillMode_, m); }
Point DeviceContext::setOrigin(Point origin) { return std::exchange(origin_, origin); }

void DeviceContext::plot(int32_t cx, int32_t cy, Colour c) {
    if (!canvas_->inside(cx, cy)) return;
    if (clip_ && !clip_->contains(cx, cy)) return;
    canvas_->setPixel(cx, cy, c);
}

Colour DeviceContext::peek(int32_t cx, int32_t cy) const {
    if (clip_ && !clip_->contains(cx, cy)) return kInvalidColour;
    return canvas_->pixel(cx, cy);
}

Colour DeviceContext::setPixel(int32_t x, int32_t y, Colour c) {
    const int32_t cx = int32_t(clampCoord(int64_t(x) + origin_.x));
    const int32_t cy = int32_t(clampCoord(int64_t(y) + origin_.y));
    if (peek(cx, cy) == kInvalidColour) return kInvalidColour;
    const Colour r = resolve(c);
    plot(cx, cy, r);
    return r;
}

bool DeviceContext::setPixelV(int32_t x, int32_t y, Colour c) { return setPixel(x, y, c) != kInvalidColour; }

Colour DeviceContext::getPixel(int32_t x, int32_t y) const {
    return peek(int32_t(clampCoord(int64_t(x) + origin_.x)), int32_t(clampCoord(int64_t(y) + origin_.y)));
}

Point DeviceContext::moveTo(int32_t x, int32_t y) { return std::exchange(position_, Point{x, y}); }

void DeviceContext::drawLineLogical(Point a, Point b, Colour c) {
    // Bresenham from a towards b; b itself is left out, so joined lines meet without overlap
    // and a line to its own start draws nothing.
    int64_t x = int64_t(a.x) + origin_.x, y = int64_t(a.y) + origin_.y;
    const int64_t x1 = int64_t(b.x) + origin_.x, y1 = int64_t(b.y) + origin_.y;
    const int64_t dx = std::llabs(x1 - x), dy = std::llabs(y1 - y);
    const int sx = x1 > x ? 1 : -1, sy = y1 > y ? 1 : -1;
    const int64_t steps = std::max(dx, dy);
    // Lines that cannot touch the canvas are not walked pixel by pixel.
    const int64_t w = canvas_->width(), h = canvas_->height(), pad = pen_.width;
    if ((x < -pad && x1 < -pad) || (y < -pad && y1 < -pad) || (x >= w + pad && x1 >= w + pad) ||
        (y >= h + pad && y1 >= h + pad))
        return;
    const auto pattern = dashPattern(pen_.style);
    const bool wide = pen_.width > 1 && pattern.empty();
    const Colour bk = resolve(bkColour_);
    size_t seg = 0;
    int run = 0;
    int64_t err = (dx >= dy ? dx : dy) / 2;
    for (int64_t i = 0; i < steps; ++i) {
        bool on = true;
        if (!pattern.empty()) {
            on = seg % 2 == 0;
            if (++run >= pattern[seg]) run = 0, seg = (seg + 1) % pattern.size();
        }
        if (on || bkMode_ == BackgroundMode::Opaque) {
            const Colour col = on ? c : bk;
            if (wide) {
                const int32_t lo = -(pen_.width - 1) / 2;
                for (int32_t oy = lo; oy < lo + pen_.width; ++oy)
                    for (int32_t ox = lo; ox < lo + pen_.width; ++ox)
                        plot(int32_t(clampCoord(x + ox)), int32_t(clampCoord(y + oy)), col);
            } else {
                plot(int32_t(clampCoord(x)), int32_t(clampCoord(y)), col);
            }
        }
        if (dx >= dy) {
            x += sx;
            err -= dy;
            if (err < 0) y += sy, err += dx;
        } else {
            y += sy;
            err -= dx;
            if (err < 0) x += sx, err += dy;
        }
    }
}

bool DeviceContext::lineTo(int32_t x, int32_t y) {
    if (pen_.style != PenStyle::Null) drawLineLogical(position_, {x, y}, resolve(pen_.colour));
    position_ = {x, y};
    return true;
}

bool DeviceContext::polyline(std::span<const Point> points) {
    if (points.size() < 2) return false;
    if (pen_.style != PenStyle::Null)
        for (size_t i = 0; i + 1 < points.size(); ++i)
            drawLineLogical(points[i], points[i + 1], resolve(pen_.colour));
    return true;
}

void DeviceContext::fillSpansCanvas(std::span<const Span> spans, Colour c) {
    const int32_t w = canvas_->width();
    for (const Span& s : spans) {
        if (s.y < 0 || s.y >= canvas_->height()) continue;
        for (int32_t x = std::max(s.x0, 0); x < std::min(s.x1, w); ++x) plot(x, s.y, c);
    }
}

namespace {

// Shapes in canvas coordinates, held so that a shape far off the canvas stays cheap.
std::vector<Span> moved(std::vector<Span> spans, Point by) {
    for (Span& s : spans) {
        s.y = int32_t(clampCoord(int64_t(s.y) + by.y));
        s.x0 = int32_t(clampCoord(int64_t(s.x0) + by.x));
        s.x1 = int32_t(clampCoord(int64_t(s.x1) + by.x));
    }
    return spans;
}

}  // namespace

bool DeviceContext::drawShape(int32_t l, int32_t t, int32_t r, int32_t b, int32_t ew, int32_t eh, bool round) {
    if (r < l) std::swap(l, r);
    if (b < t) std::swap(t, b);
    const bool hasBrush = brush_.style != BrushStyle::Null;
    const Colour fill = resolve(brush_.colour);
    if (pen_.style == PenStyle::Null) {
        // Without a pen the shape is one pixel smaller on its right and bottom.
        if (hasBrush)
            fillSpansCanvas(moved(roundRectSpans(l, t, r - 1, b - 1, round ? ew : 0, round ? eh : 0), origin_), fill);
        return true;
    }
    const std::vector<Span> rows = roundRectSpans(l, t, r, b, round ? ew : 0, round ? eh : 0);
    if (rows.empty()) return true;
    // One span a row: the pen covers what lies within the pen's width of the outside.
    const int32_t top = rows.front().y, n = int32_t(rows.size());
    auto rowAt = [&](int64_t y) -> const Span* {
        const int64_t i = y - top;
        if (i < 0 || i >= n || rows[size_t(i)].y != y) return nullptr;
        return &rows[size_t(i)];
    };
    const int32_t pw = std::max(pen_.width, 1);
    const Colour line = resolve(pen_.colour);
    std::vector<Span> border, inner;
    for (const Span& s : rows) {
        int64_t lo = int64_t(s.x0) + pw, hi = int64_t(s.x1) - pw;
        for (int32_t k = 1; k <= pw && lo < hi; ++k) {
            const Span* up = rowAt(int64_t(s.y) - k);
            const Span* down = rowAt(int64_t(s.y) + k);
            if (!up || !down) { hi = lo; break; }
            lo = std::max<int64_t>({lo, up->x0, down->x0});
            hi = std::min<int64_t>({hi, up->x1, down->x1});
        }
        if (lo < hi) {
            inner.push_back({s.y, int32_t(lo), int32_t(hi)});
            border.push_back({s.y, s.x0, int32_t(lo)});
            border.push_back({s.y, int32_t(hi), s.x1});
        } else {
            border.push_back(s);
        }
    }
    if (hasBrush) fillSpansCanvas(moved(std::move(inner), origin_), fill);
    fillSpansCanvas(moved(std::move(border), origin_), line);
    return true;
}

bool DeviceContext::rectangle(int32_t l, int32_t t, int32_t r, int32_t b) { return drawShape(l, t, r, b, 0, 0, false); }

bool DeviceContext::ellipse(int32_t l, int32_t t, int32_t r, int32_t b) {
    return drawShape(l, t, r, b, int32_t(clampCoord(std::llabs(int64_t(r) - l))),
                     int32_t(clampCoord(std::llabs(int64_t(b) - t))), true);
}

bool DeviceContext::roundRect(int32_t l, int32_t t, int32_t r, int32_t b, int32_t ew, int32_t eh) {
    return drawShape(l, t, r, b, ew, eh, true);
}

bool DeviceContext::polygon(std::span<const Point> points) {
    if (points.size() < 2) return false;
    if (brush_.style != BrushStyle::Null)
        fillSpansCanvas(moved(polygonSpans(points, fillMode_), origin_), resolve(brush_.colour));
    if (pen_.style != PenStyle::Null) {
        const Colour c = resolve(pen_.colour);
        for (size_t i = 0; i < points.size(); ++i)
            drawLineLogical(points[i], points[(i + 1) % points.size()], c);
    }
    return true;
}

bool DeviceContext::fillRect(const Rect& r, const Brush& brush) {
    if (brush.style == BrushStyle::Null) return true;
    const Rect canvasRect{int32_t(clampCoord(int64_t(r.left) + origin_.x)), int32_t(clampCoord(int64_t(r.top) + origin_.y)),
                          int32_t(clampCoord(int64_t(r.right) + origin_.x)), int32_t(clampCoord(int64_t(r.bottom) + origin_.y))};
    const Rect on = intersect(canvasRect, {0, 0, canvas_->width(), canvas_->height()});
    const Colour c = resolve(brush.colour);
    if (!clip_) {
        canvas_->fill(on, c);
        return true;
    }
    // Row by row through the clip's rectangles rather than pixel by pixel.
    for (const Rect& q : clip_->rects()) {
        if (q.top >= on.bottom) break;
        canvas_->fill(intersect(q, on), c);
    }
    return true;
}

bool DeviceContext::frameRect(const Rect& r, const Brush& brush) {
    if (r.isEmpty()) return false;
    fillRect({r.left, r.top, r.right, r.top + 1}, brush);
    fillRect({r.left, r.bottom - 1, r.right, r.bottom}, brush);
    fillRect({r.left, r.top, r.left + 1, r.bottom}, brush);
    fillRect({r.right - 1, r.top, r.right, r.bottom}, brush);
    return true;
}

bool DeviceContext::fillRegion(const Region& region, const Brush& brush) {
    for (const Rect& r : region.rects()) fillRect(r, brush);
    return true;
}

}  // namespace qv::gfx
