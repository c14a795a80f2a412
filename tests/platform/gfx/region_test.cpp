#include "platform/gfx/region.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

using namespace qv::gfx;

namespace {

int pixelCount(const Region& r) {
    int64_t n = 0;
    for (const Rect& q : r.rects()) n += q.width() * q.height();
    return int(n);
}

}  // namespace

TEST(Region, RectangleHoldsItsLeftAndTopEdgesButNotItsRightAndBottom) {
    const Region r = Region::rect(6, 8, 2, 3);  // corners in either order
    struct Case { int x, y; bool in; } cases[] = {
        {2, 3, true}, {5, 7, true}, {6, 7, false}, {5, 8, false}, {1, 3, false}, {2, 2, false}};
    for (const auto& c : cases) EXPECT_EQ(r.contains(c.x, c.y), c.in) << c.x << "," << c.y;
    EXPECT_EQ(r.bounds(), (Rect{2, 3, 6, 8}));
    EXPECT_EQ(r.kind(), RegionKind::Simple);
    EXPECT_EQ(Region::rect(3, 3, 3, 9).kind(), RegionKind::Null);
    EXPECT_EQ(Region().bounds(), Rect{});
}

TEST(Region, CombineModesOfTwoOverlappingSquares) {
    const Region a = Region::rect(0, 0, 4, 4), b = Region::rect(2, 2, 6, 6);
    struct Case {
        CombineMode mode;
        int pixels;
        Rect bounds;
        bool in11, in33, in55;
        RegionKind kind;
    } cases[] = {
        {CombineMode::And, 4, {2, 2, 4, 4}, false, true, false, RegionKind::Simple},
        {CombineMode::Or, 28, {0, 0, 6, 6}, true, true, true, RegionKind::Complex},
        {CombineMode::Xor, 24, {0, 0, 6, 6}, true, false, true, RegionKind::Complex},
        {CombineMode::Diff, 12, {0, 0, 4, 4}, true, false, false, RegionKind::Complex},
        {CombineMode::Copy, 16, {0, 0, 4, 4}, true, true, false, RegionKind::Simple},
    };
    for (const auto& c : cases) {
        const Region r = Region::combine(a, b, c.mode);
        SCOPED_TRACE(int(c.mode));
        EXPECT_EQ(pixelCount(r), c.pixels);
        EXPECT_EQ(r.bounds(), c.bounds);
        EXPECT_EQ(r.contains(1, 1), c.in11);
        EXPECT_EQ(r.contains(3, 3), c.in33);
        EXPECT_EQ(r.contains(5, 5), c.in55);
        EXPECT_EQ(r.kind(), c.kind);
    }
    EXPECT_TRUE(Region::combine(a, Region::rect(10, 10, 12, 12), CombineMode::And).isEmpty());
}

TEST(Region, SamePixelsGiveTheSameRectangles) {
    const Rect halves[] = {{0, 0, 5, 10}, {5, 0, 10, 10}};
    const Rect stacked[] = {{0, 0, 10, 3}, {0, 3, 10, 10}, {2, 2, 4, 4}};
    const Region whole = Region::rect(0, 0, 10, 10);
    EXPECT_EQ(Region::fromRects(halves), whole);
    EXPECT_EQ(Region::fromRects(stacked), whole);
    EXPECT_EQ(Region::combine(Region::fromRects(halves), Region(), CombineMode::Or), whole);
    EXPECT_EQ(whole.rects().size(), 1u);
}

// Random rectangles joined by random modes, checked pixel by pixel against a plain grid.
TEST(Region, CombineAgreesWithAPixelGrid) {
    constexpr int N = 24;
    using Grid = std::vector<bool>;
    std::mt19937 rng(7);
    auto coord = [&] { return int(rng() % (N + 1)); };
    auto randomRect = [&](Grid& g) {
        const Rect r{coord(), coord(), coord(), coord()};
        g.assign(N * N, false);
        const Region reg = Region::rect(r.left, r.top, r.right, r.bottom);
        for (int y = 0; y < N; ++y)
            for (int x = 0; x < N; ++x)
                g[y * N + x] = x >= std::min(r.left, r.right) && x < std::max(r.left, r.right) &&
                               y >= std::min(r.top, r.bottom) && y < std::max(r.top, r.bottom);
        return reg;
    };
    for (int round = 0; round < 50; ++round) {
        Grid acc, g;
        Region region = randomRect(acc);
        for (int step = 0; step < 8; ++step) {
            const Region next = randomRect(g);
            const auto mode = CombineMode(1 + rng() % 5);
            region = Region::combine(region, next, mode);
            for (int i = 0; i < N * N; ++i) {
                const bool a = acc[i], b = g[i];
                acc[i] = mode == CombineMode::And   ? a && b
                         : mode == CombineMode::Or  ? a || b
                         : mode == CombineMode::Xor ? a != b
                         : mode == CombineMode::Diff ? a && !b
                                                     : a;
            }
            for (int y = 0; y < N; ++y)
                for (int x = 0; x < N; ++x)
                    ASSERT_EQ(region.contains(x, y), bool(acc[y * N + x]))
                        << "round " << round << " step " << step << " at " << x << "," << y;
            // Every rectangle holds at least one pixel and bands never overlap.
            for (size_t i = 0; i < region.rects().size(); ++i) {
                const Rect& r = region.rects()[i];
                ASSERT_FALSE(r.isEmpty());
                if (i > 0) {
                    const Rect& p = region.rects()[i - 1];
                    ASSERT_TRUE(p.top == r.top ? p.bottom == r.bottom && p.right < r.left
                                               : p.bottom <= r.top);
                }
            }
        }
    }
}

TEST(Region, SelfCrossingPolygonLeavesItsCentreOutWhenFilledAlternately) {
    // A five-pointed star drawn in one stroke.
    const Point star[] = {{50, 0}, {79, 90}, {2, 34}, {98, 34}, {21, 90}};
    const Region alternate = Region::polygon(star, FillMode::Alternate);
    const Region winding = Region::polygon(star, FillMode::Winding);
    EXPECT_FALSE(alternate.contains(50, 50));
    EXPECT_TRUE(winding.contains(50, 50));
    for (const Region* r : {&alternate, &winding}) {
        EXPECT_TRUE(r->contains(50, 10));  // the top point
        EXPECT_TRUE(r->contains(10, 36));  // the left point
        EXPECT_FALSE(r->contains(50, 95));
    }
    EXPECT_EQ(alternate.bounds(), winding.bounds());
}

TEST(Region, RectanglePolygonCoversTheSamePixelsAsTheRectangle) {
    const Point square[] = {{2, 1}, {9, 1}, {9, 7}, {2, 7}};
    EXPECT_EQ(Region::polygon(square), Region::rect(2, 1, 9, 7));
}

TEST(Region, RoundedRectangleWindowShapeFillsTheWindowWithRoundCorners) {
    const int W = 60, H = 25;
    const Region r = Region::roundRect(0, 0, W + 1, H + 1, 18, 18);
    EXPECT_EQ(r.bounds(), (Rect{0, 0, W, H}));
    EXPECT_FALSE(r.contains(0, 0));
    EXPECT_FALSE(r.contains(W - 1, H - 1));
    EXPECT_TRUE(r.contains(0, H / 2));
    EXPECT_TRUE(r.contains(W - 1, H / 2));
    EXPECT_TRUE(r.contains(W / 2, 0));
    EXPECT_TRUE(r.contains(W / 2, H - 1));
    EXPECT_TRUE(r.contains(9, 1));
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            ASSERT_EQ(r.contains(x, y), r.contains(W - 1 - x, y)) << x << "," << y;
            ASSERT_EQ(r.contains(x, y), r.contains(x, H - 1 - y)) << x << "," << y;
        }
    const Region e = Region::ellipse(0, 0, 11, 11);
    EXPECT_EQ(e.bounds(), (Rect{0, 0, 10, 10}));
    EXPECT_TRUE(e.contains(5, 5));
    EXPECT_FALSE(e.contains(0, 0));
}

TEST(Region, OffsetAndIntersects) {
    Region r = Region::combine(Region::rect(0, 0, 2, 2), Region::rect(4, 0, 6, 2), CombineMode::Or);
    r.offset(10, -1);
    EXPECT_EQ(r.bounds(), (Rect{10, -1, 16, 1}));
    EXPECT_TRUE(r.contains(15, 0));
    EXPECT_FALSE(r.contains(12, 0));
    EXPECT_FALSE(r.intersects({12, -5, 14, 5}));
    EXPECT_TRUE(r.intersects({13, 0, 15, 1}));
}
