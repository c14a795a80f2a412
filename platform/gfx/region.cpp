#include "platform/gfx/region.h"

#include <algorithm>
#include <utility>

namespace qv::gfx {
namespace {

using Spans = std::vector<std::pair<int32_t, int32_t>>;

struct Band {
    int32_t top;
    int32_t bottom;
    Spans spans;
};

// Adds a band below the ones built so far, joining it to the last when they meet and match.
void appendBand(std::vector<Band>& bands, int32_t top, int32_t bottom, Spans&& spans) {
    if (spans.empty() || bottom <= top) return;
    if (!bands.empty() && bands.back().bottom == top && bands.back().spans == spans) {
        bands.back().bottom = bottom;
        return;
    }
    bands.push_back({top, bottom, std::move(spans)});
}

std::vector<Rect> toRects(const std::vector<Band>& bands) {
    std::vector<Rect> out;
    for (const Band& b : bands)
        for (const auto& [x0, x1] : b.spans) out.push_back({x0, b.top, x1, b.bottom});
    return out;
}

// The bands of a region's rectangles, which already lie band by band.
std::vector<Band> toBands(const std::vector<Rect>& rects) {
    std::vector<Band> out;
    for (const Rect& r : rects) {
        if (out.empty() || out.back().top != r.top || out.back().bottom != r.bottom)
            out.push_back({r.top, r.bottom, {}});
        out.back().spans.emplace_back(r.left, r.right);
    }
    return out;
}

// Sorted spans joined where they overlap or touch.
Spans mergeSpans(Spans spans) {
    std::sort(spans.begin(), spans.end());
    Spans out;
    for (const auto& s : spans) {
        if (!out.empty() && s.first <= out.back().second)
            out.back().second = std::max(out.back().second, s.second);
        else
            out.push_back(s);
    }
    return out;
}

bool keep(CombineMode mode, bool inA, bool inB) {
    switch (mode) {
    case CombineMode::And: return inA && inB;
    case CombineMode::Or: return inA || inB;
    case CombineMode::Xor: return inA != inB;
    case CombineMode::Diff: return inA && !inB;
    case CombineMode::Copy: return inA;
    }
    return false;
}

Spans combineSpans(const Spans& a, const Spans& b, CombineMode mode) {
    // Every edge of either list, with which list it toggles.
    std::vector<std::pair<int32_t, int>> edges;
    edges.reserve(2 * (a.size() + b.size()));
    for (const auto& [x0, x1] : a) edges.insert(edges.end(), {{x0, 1}, {x1, 1}});
    for (const auto& [x0, x1] : b) edges.insert(edges.end(), {{x0, 2}, {x1, 2}});
    std::sort(edges.begin(), edges.end());
    Spans out;
    bool inA = false, inB = false, inside = false;
    int32_t start = 0;
    for (size_t i = 0; i < edges.size();) {
        const int32_t x = edges[i].first;
        for (; i < edges.size() && edges[i].first == x; ++i)
            (edges[i].second == 1 ? inA : inB) ^= true;
        const bool now = keep(mode, inA, inB);
        if (now && !inside) start = x;
        if (!now && inside) out.emplace_back(start, x);
        inside = now;
    }
    return out;
}

// Spans of a band list for the rows y0..y1-1, which lie wholly in one band or in none;
// `at` walks down the list as the rows move down.
const Spans& spansAt(const std::vector<Band>& bands, size_t& at, int32_t y0) {
    static const Spans none;
    while (at < bands.size() && bands[at].bottom <= y0) ++at;
    if (at < bands.size() && bands[at].top <= y0) return bands[at].spans;
    return none;
}

}  // namespace

Region Region::rect(int32_t l, int32_t t, int32_t r, int32_t b) {
    if (r < l) std::swap(l, r);
    if (b < t) std::swap(t, b);
    Region out;
    if (r > l && b > t) out.rects_.push_back({l, t, r, b});
    return out;
}

Region Region::polygon(std::span<const Point> points, FillMode mode) {
    return fromSpans(polygonSpans(points, mode));
}

Region Region::roundRect(int32_t l, int32_t t, int32_t r, int32_t b, int32_t ew, int32_t eh) {
    if (r < l) std::swap(l, r);
    if (b < t) std::swap(t, b);
    return fromSpans(roundRectSpans(l, t, r - 1, b - 1, ew, eh));
}

Region Region::ellipse(int32_t l, int32_t t, int32_t r, int32_t b) {
    if (r < l) std::swap(l, r);
    if (b < t) std::swap(t, b);
    return fromSpans(roundRectSpans(l, t, r - 1, b - 1, r - 1 - l, b - 1 - t));
}

Region Region::fromSpans(std::span<const Span> spans) {
    std::vector<Rect> rects;
    rects.reserve(spans.size());
    for (const Span& s : spans)
        if (s.y < INT32_MAX) rects.push_back({s.x0, s.y, s.x1, s.y + 1});
    return fromRects(rects);
}

Region Region::fromRects(std::span<const Rect> input) {
    std::vector<Rect> rects;
    std::vector<int32_t> ys;
    for (const Rect& r : input) {
        if (r.isEmpty()) continue;
        rects.push_back(r);
        ys.push_back(r.top);
        ys.push_back(r.bottom);
    }
    std::sort(ys.begin(), ys.end());
    ys.erase(std::unique(ys.begin(), ys.end()), ys.end());
    std::sort(rects.begin(), rects.end(), [](const Rect& a, const Rect& b) { return a.top < b.top; });

    std::vector<Band> bands;
    std::vector<Rect> active;
    size_t next = 0;
    for (size_t i = 0; i + 1 < ys.size(); ++i) {
        const int32_t y0 = ys[i], y1 = ys[i + 1];
        while (next < rects.size() && rects[next].top <= y0) active.push_back(rects[next++]);
        std::erase_if(active, [&](const Rect& r) { return r.bottom <= y0; });
        Spans spans;
        spans.reserve(active.size());
        for (const Rect& r : active) spans.emplace_back(r.left, r.right);
        appendBand(bands, y0, y1, mergeSpans(std::move(spans)));
    }
    Region out;
    out.rects_ = toRects(bands);
    return out;
}

Region Region::combine(const Region& a, const Region& b, CombineMode mode) {
    if (mode == CombineMode::Copy) return a;
    const std::vector<Band> ba = toBands(a.rects_), bb = toBands(b.rects_);
    std::vector<int32_t> ys;
    for (const auto* list : {&ba, &bb})
        for (const Band& band : *list) ys.insert(ys.end(), {band.top, band.bottom});
    std::sort(ys.begin(), ys.end());
    ys.erase(std::unique(ys.begin(), ys.end()), ys.end());

    std::vector<Band> bands;
    size_t atA = 0, atB = 0;
    for (size_t i = 0; i + 1 < ys.size(); ++i) {
        const Spans& sa = spansAt(ba, atA, ys[i]);
        const Spans& sb = spansAt(bb, atB, ys[i]);
        appendBand(bands, ys[i], ys[i + 1], combineSpans(sa, sb, mode));
    }
    Region out;
    out.rects_ = toRects(bands);
    return out;
}

RegionKind Region::kind() const {
    if (rects_.empty()) return RegionKind::Null;
    return rects_.size() == 1 ? RegionKind::Simple : RegionKind::Complex;
}

bool Region::contains(int32_t x, int32_t y) const {
    // The first rectangle whose band reaches below y; then that band's spans.
    auto it = std::partition_point(rects_.begin(), rects_.end(),
                                   [&](const Rect& r) { return r.bottom <= y; });
    for (; it != rects_.end() && it->top <= y; ++it) {
        if (x < it->left) return false;
        if (x < it->right) return true;
    }
    return false;
}

bool Region::intersects(const Rect& r) const {
    if (r.isEmpty()) return false;
    for (const Rect& q : rects_) {
        if (q.top >= r.bottom) break;
        if (!intersect(q, r).isEmpty()) return true;
    }
    return false;
}

Rect Region::bounds() const {
    if (rects_.empty()) return Rect{};
    Rect b{rects_.front().left, rects_.front().top, rects_.front().right, rects_.back().bottom};
    for (const Rect& r : rects_) {
        b.left = std::min(b.left, r.left);
        b.right = std::max(b.right, r.right);
    }
    return b;
}

void Region::offset(int32_t dx, int32_t dy) {
    // Coordinates that would leave the 32-bit range are held at its ends.
    auto move = [](int32_t v, int32_t d) {
        return int32_t(std::clamp<int64_t>(int64_t(v) + d, INT32_MIN, INT32_MAX));
    };
    std::vector<Rect> moved;
    moved.reserve(rects_.size());
    for (const Rect& r : rects_)
        moved.push_back({move(r.left, dx), move(r.top, dy), move(r.right, dx), move(r.bottom, dy)});
    *this = fromRects(moved);
}

}  // namespace qv::gfx
