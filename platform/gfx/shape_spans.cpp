#include "platform/gfx/shape_spans.h"

#include <algorithm>
#include <cmath>

namespace qv::gfx {
namespace {

// The first pixel whose centre is at or right of x.
int32_t pixelAtOrRight(double x) { return int32_t(std::ceil(x - 0.5)); }

// Coordinates far outside any window are held back so a stray value cannot make a scan of
// billions of rows.
constexpr int32_t kLimit = 1 << 24;
int32_t held(int32_t v) { return std::clamp(v, -kLimit, kLimit); }

struct Crossing {
    double x;
    int dir;
};

}  // namespace

std::vector<Span> polygonSpans(std::span<const Point> points, FillMode mode) {
    std::vector<Span> out;
    if (points.size() < 3) return out;
    int32_t ymin = held(points[0].y), ymax = ymin;
    for (const Point& p : points) {
        ymin = std::min(ymin, held(p.y));
        ymax = std::max(ymax, held(p.y));
    }
    std::vector<Crossing> xs;
    for (int32_t y = ymin; y < ymax; ++y) {
        const double yc = y + 0.5;
        xs.clear();
        for (size_t i = 0; i < points.size(); ++i) {
            const Point& a = points[i];
            const Point& b = points[(i + 1) % points.size()];
            const double ay = held(a.y), by = held(b.y), ax = held(a.x), bx = held(b.x);
            if (ay == by) continue;
            const double lo = std::min(ay, by), hi = std::max(ay, by);
            if (yc < lo || yc >= hi) continue;
            xs.push_back({ax + (yc - ay) * (bx - ax) / (by - ay), by > ay ? 1 : -1});
        }
        std::sort(xs.begin(), xs.end(), [](const Crossing& p, const Crossing& q) { return p.x < q.x; });
        auto emit = [&](double l, double r) {
            const int32_t x0 = pixelAtOrRight(l), x1 = pixelAtOrRight(r);
            if (x1 <= x0) return;
            if (!out.empty() && out.back().y == y && out.back().x1 >= x0)
                out.back().x1 = std::max(out.back().x1, x1);
            else
                out.push_back({y, x0, x1});
        };
        if (mode == FillMode::Alternate) {
            for (size_t i = 0; i + 1 < xs.size(); i += 2) emit(xs[i].x, xs[i + 1].x);
        } else {
            int wind = 0;
            for (size_t i = 0; i + 1 < xs.size(); ++i) {
                wind += xs[i].dir;
                if (wind != 0) emit(xs[i].x, xs[i + 1].x);
            }
        }
    }
    return out;
}

std::vector<Span> roundRectSpans(int32_t l, int32_t t, int32_t r, int32_t b, int32_t ew, int32_t eh) {
    std::vector<Span> out;
    l = held(l), t = held(t), r = held(r), b = held(b);
    if (r < l) std::swap(l, r);
    if (b < t) std::swap(t, b);
    if (r == l || b == t) return out;
    const double a = std::clamp<double>(std::abs(double(held(ew))), 0, r - l) / 2;
    const double e = std::clamp<double>(std::abs(double(held(eh))), 0, b - t) / 2;
    for (int32_t y = t; y < b; ++y) {
        const double yc = y + 0.5;
        double dy = 0;
        if (yc < t + e) dy = (t + e) - yc;
        else if (yc > b - e) dy = yc - (b - e);
        double inset = 0;
        if (dy > 0) {
            if (dy >= e) continue;
            inset = a - a * std::sqrt(1.0 - (dy / e) * (dy / e));
        }
        const int32_t x0 = pixelAtOrRight(l + inset), x1 = pixelAtOrRight(r - inset);
        if (x1 > x0) out.push_back({y, x0, x1});
    }
    return out;
}

}  // namespace qv::gfx
