// The corner images of the Style 10 frames, made from the frame's edge colours: each corner is
// a quarter circle of radius 9 (the radius of the window's rounded region) whose rings take
// the colours the straight edges have at the same depth, blended from the side edge's colours
// to the top or bottom edge's as the ring turns. The outer halo, the outline and the inner
// shading are blended separately, so the outline stays one dark ring all the way round.
// Each pixel is the average of 8 by 8 samples, which smooths the curve.
#include <algorithm>
#include <cmath>
#include <span>

#include "controls/button_looks.h"
#include "controls/button_looks_style10.h"

namespace qv::controls::style10 {
namespace {

constexpr double kRadius = 9.0;
constexpr int kSamples = 8;
// Beyond the top edge's outline: the near-white the top left image starts its first row with.
constexpr gfx::Colour kOutsideTop = hexColour(0xFEFEFE);

// The colours across one edge from the outside in: a halo of `halo` pixels, an outline of
// `outline` pixels, then the inner shading; the last colour continues inwards.
struct Profile {
    std::vector<gfx::Colour> colours;
    int halo;
    int outline;
    gfx::Colour outside;

    gfx::Colour at(int i) const { return colours[std::size_t(std::clamp(i, 0, int(colours.size()) - 1))]; }
    gfx::Colour haloColour() const { return halo > 0 ? colours[0] : outside; }
};

struct Rgb {
    double r = 0, g = 0, b = 0;
};

Rgb rgbOf(gfx::Colour c) { return {double(gfx::redOf(c)), double(gfx::greenOf(c)), double(gfx::blueOf(c))}; }

Rgb mix(gfx::Colour a, gfx::Colour b, double w) {
    const Rgb x = rgbOf(a), y = rgbOf(b);
    return {x.r + (y.r - x.r) * w, x.g + (y.g - x.g) * w, x.b + (y.b - x.b) * w};
}

// The colour `depth` pixels in from the outer edge, on a ring that has turned `w` (0 to 1)
// from the side edge (profile a) to the top or bottom edge (profile b).
Rgb ringColour(const Profile& a, const Profile& b, double w, double depth) {
    if (depth < 0) return mix(a.outside, b.outside, w);
    const double halo = a.halo + (b.halo - a.halo) * w;
    if (depth < halo) return mix(a.haloColour(), b.haloColour(), w);
    const double outline = a.outline + (b.outline - a.outline) * w;
    if (depth < halo + outline) {
        const double f = (depth - halo) / outline;
        return mix(a.at(a.halo + int(f * a.outline)), b.at(b.halo + int(f * b.outline)), w);
    }
    const int inner = int(depth - halo - outline);
    return mix(a.at(a.halo + a.outline + inner), b.at(b.halo + b.outline + inner), w);
}

// The colour at a point of the corner, (x, y) pixels in from the side and from the top or
// bottom edge.
Rgb sample(const Profile& side, const Profile& end, double x, double y) {
    if (x >= kRadius && y >= kRadius) {
        // Inside the corner's square: the nearer edge's colours, as a mitred frame joins.
        return x <= y ? rgbOf(side.at(int(x))) : rgbOf(end.at(int(y)));
    }
    if (x >= kRadius) return rgbOf(end.at(int(y)));
    if (y >= kRadius) return rgbOf(side.at(int(x)));
    const double dx = kRadius - x, dy = kRadius - y;
    const double w = std::atan2(dy, dx) / (M_PI / 2);
    return ringColour(side, end, w, kRadius - std::sqrt(dx * dx + dy * dy));
}

gfx::Colour pixelColour(const Profile& side, const Profile& end, int x, int y) {
    Rgb sum;
    for (int i = 0; i < kSamples; ++i) {
        for (int j = 0; j < kSamples; ++j) {
            const Rgb s = sample(side, end, x + (j + 0.5) / kSamples, y + (i + 0.5) / kSamples);
            sum.r += s.r, sum.g += s.g, sum.b += s.b;
        }
    }
    const double n = kSamples * kSamples;
    return gfx::rgb(int(std::lround(sum.r / n)), int(std::lround(sum.g / n)), int(std::lround(sum.b / n)));
}

// Where each row of a corner image starts and ends, counted in from its side edge.
struct Extent {
    int from;
    int to;
};

CornerImage makeImage(const Profile& side, const Profile& end, int rows, bool narrowRowH6,
                      Extent (*extentOf)(int depth, bool narrowRowH6)) {
    CornerImage image;
    for (int depth = 0; depth < rows; ++depth) {
        const Extent e = extentOf(depth, narrowRowH6);
        CornerRow row{depth, e.from, e.to, {}};
        for (int x = e.from; x <= e.to; ++x) row.colours.push_back(pixelColour(side, end, x, depth));
        image.push_back(std::move(row));
    }
    return image;
}

int topLeftStart(int depth) {
    static const int starts[] = {6, 5, 3, 3, 2, 1, 1, 1};
    return depth < 8 ? starts[depth] : 0;
}
int topRightInset(int depth) {
    static const int insets[] = {7, 5, 4, 3, 2, 1, 1, 1};
    return depth < 8 ? insets[depth] : 0;
}
int bottomLeftStart(int depth) {
    static const int starts[] = {5, 3, 2, 2, 1, 1};
    return depth < 6 ? starts[depth] : 0;
}
int bottomRightInset(int depth) {
    static const int insets[] = {5, 4, 3, 2, 1, 1, 1};
    return depth < 7 ? insets[depth] : 0;
}

Extent topLeftExtent(int depth, bool) { return {topLeftStart(depth), 17}; }
Extent topRightExtent(int depth, bool) { return {topRightInset(depth), 16}; }
Extent bottomLeftExtent(int depth, bool narrowRowH6) {
    return {bottomLeftStart(depth), (narrowRowH6 && depth == 5) ? 16 : 17};
}
// The grey frame's bottom right image is as wide in row H-6 as in its other rows: narrower, it
// would leave the pixel (W-17, H-6) unpainted, a dot of the surface's colour in the face.
Extent bottomRightExtent(int depth, bool) { return {bottomRightInset(depth), 16}; }

template <std::size_t N>
std::vector<gfx::Colour> reversed(const std::array<gfx::Colour, N>& a) {
    return std::vector<gfx::Colour>(a.rbegin(), a.rend());
}

CornerImages makeImages(const FrameColours& f) {
    const Profile left{{f.left.begin(), f.left.end()}, 1, 2, f.left[0]};
    const Profile right{reversed(f.right), 1, 2, f.right.back()};
    const Profile top{{f.top.begin(), f.top.end()}, 0, 1, kOutsideTop};
    const Profile bottom{reversed(f.bottom), 1, 1, f.bottom.back()};
    CornerImages images{makeImage(left, top, f.topRows, false, topLeftExtent),
                        makeImage(left, bottom, f.bottomRows, f.narrowRowH6, bottomLeftExtent),
                        makeImage(right, top, f.topRows, false, topRightExtent),
                        makeImage(right, bottom, f.bottomRows, f.narrowRowH6, bottomRightExtent)};
    // The top left image's first row as the frame defines it.
    CornerRow& first = images.topLeft.front();
    for (int x = first.from; x <= first.to; ++x) first.colours[std::size_t(x - first.from)] = f.topLeftRow0[std::size_t(x - 6)];
    return images;
}

}  // namespace

const CornerImages& cornerImages(Frame f) {
    static const CornerImages images[] = {makeImages(frameColours(Frame::Normal)), makeImages(frameColours(Frame::Hot)),
                                          makeImages(frameColours(Frame::Down))};
    return images[int(f)];
}

}  // namespace qv::controls::style10
