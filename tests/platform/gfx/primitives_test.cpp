#include <gtest/gtest.h>

#include "paint_fixture.h"
#include "platform/gfx/device_context.h"

using namespace qv::gfx;
using qv::gfx::testing::kBlue;
using qv::gfx::testing::kRed;
using qv::gfx::testing::kWhite;
using Paint = qv::gfx::testing::Paint;

TEST_F(Paint, PixelsInsideAndOutsideTheCanvas) {
    EXPECT_EQ(dc.setPixel(3, 4, kRed), kRed);
    EXPECT_EQ(dc.getPixel(3, 4), kRed);
    EXPECT_EQ(dc.setPixel(2, 2, kSystemColourBit | kColourButtonShadow), rgb(128, 128, 128));
    for (auto [x, y] : {std::pair{-1, 0}, {0, -1}, {12, 0}, {0, 12}}) {
        EXPECT_EQ(dc.getPixel(x, y), kInvalidColour);
        EXPECT_EQ(dc.setPixel(x, y, kRed), kInvalidColour);
        EXPECT_FALSE(dc.setPixelV(x, y, kRed));
    }
    EXPECT_EQ(painted().size(), 2u);
}

TEST_F(Paint, LinesDrawTheirStartAndLeaveOutTheirEndInEveryDirection) {
    using P = std::set<std::pair<int, int>>;
    struct Case {
        Point from, to;
        P pixels;
    } cases[] = {
        {{2, 5}, {6, 5}, {{2, 5}, {3, 5}, {4, 5}, {5, 5}}},
        {{6, 5}, {2, 5}, {{6, 5}, {5, 5}, {4, 5}, {3, 5}}},
        {{4, 1}, {4, 4}, {{4, 1}, {4, 2}, {4, 3}}},
        {{4, 4}, {4, 1}, {{4, 4}, {4, 3}, {4, 2}}},
        {{1, 1}, {4, 4}, {{1, 1}, {2, 2}, {3, 3}}},
        {{4, 4}, {1, 1}, {{4, 4}, {3, 3}, {2, 2}}},
        {{1, 4}, {4, 1}, {{1, 4}, {2, 3}, {3, 2}}},
        {{4, 1}, {1, 4}, {{4, 1}, {3, 2}, {2, 3}}},
        {{3, 3}, {3, 3}, {}},
    };
    for (const auto& c : cases) {
        canvas.fill(kWhite);
        dc.selectPen({PenStyle::Solid, 1, kRed});
        dc.moveTo(c.from.x, c.from.y);
        dc.lineTo(c.to.x, c.to.y);
        EXPECT_EQ(painted(), c.pixels) << c.from.x << "," << c.from.y << " to " << c.to.x << "," << c.to.y;
        EXPECT_EQ(dc.currentPosition(), c.to);
    }
}

TEST_F(Paint, SteepAndShallowLinesHaveOnePixelPerMajorStep) {
    dc.selectPen({PenStyle::Solid, 1, kRed});
    dc.moveTo(0, 0);
    dc.lineTo(9, 3);
    EXPECT_EQ(painted().size(), 9u);
    EXPECT_EQ(canvas.pixel(0, 0), kRed);
    EXPECT_EQ(canvas.pixel(9, 3), kWhite);
    canvas.fill(kWhite);
    dc.moveTo(7, 10);
    dc.lineTo(5, 1);
    EXPECT_EQ(painted().size(), 9u);
    for (int y = 2; y <= 10; ++y) {
        int n = 0;
        for (int x = 0; x < 12; ++x) n += canvas.pixel(x, y) == kRed;
        EXPECT_EQ(n, 1) << "row " << y;
    }
}

TEST_F(Paint, ClosedOutlineDrawsEveryCornerOnce) {
    // A frame through (x, y), (x + w, y), (x + w, y + h), (x, y + h) and back paints all four
    // corners, since each side starts where the last one ended.
    dc.selectPen({PenStyle::Solid, 1, kRed});
    const Point frame[] = {{1, 1}, {5, 1}, {5, 4}, {1, 4}, {1, 1}};
    dc.polyline(frame);
    EXPECT_EQ(map(),
              "............\n"
              ".RRRRR......\n"
              ".R...R......\n"
              ".R...R......\n"
              ".RRRRR......\n"
              "............\n"
              "............\n"
              "............\n"
              "............\n"
              "............\n"
              "............\n"
              "............\n");
}

TEST_F(Paint, FillRectLeavesOutItsRightAndBottomEdges) {
    dc.fillRect({2, 3, 6, 5}, Brush::solid(kBlue));
    std::set<std::pair<int, int>> want;
    for (int y = 3; y < 5; ++y)
        for (int x = 2; x < 6; ++x) want.insert({x, y});
    EXPECT_EQ(painted(), want);
    canvas.fill(kWhite);
    dc.fillRect({6, 5, 2, 3}, Brush::solid(kBlue));  // inverted: nothing
    dc.fillRect({2, 3, 2, 9}, Brush::solid(kBlue));  // zero wide: nothing
    EXPECT_TRUE(painted().empty());
    dc.fillRect({-5, -5, 100, 1}, Brush::solid(kBlue));  // held to the canvas
    EXPECT_EQ(painted().size(), 12u);
}

TEST_F(Paint, RectangleOutlinesWithThePenAndFillsWithTheBrush) {
    dc.selectPen({PenStyle::Solid, 1, kRed});
    dc.selectBrush(Brush::solid(kBlue));
    dc.rectangle(1, 1, 6, 5);
    dc.selectPen({PenStyle::Null, 1, 0});
    dc.rectangle(7, 1, 11, 5);  // without a pen: one pixel smaller
    dc.selectPen({PenStyle::Solid, 1, kRed});
    dc.selectBrush(Brush::none());
    dc.rectangle(1, 7, 5, 11);
    EXPECT_EQ(map(),
              "............\n"
              ".RRRRR.BBB..\n"
              ".RBBBR.BBB..\n"
              ".RBBBR.BBB..\n"
              ".RRRRR......\n"
              "............\n"
              "............\n"
              ".RRRR.......\n"
              ".R..R.......\n"
              ".R..R.......\n"
              ".RRRR.......\n"
              "............\n");
}

TEST_F(Paint, EllipseStaysInsideItsBoxAndIsSymmetric) {
    dc.selectPen({PenStyle::Solid, 1, kRed});
    dc.selectBrush(Brush::solid(kBlue));
    dc.ellipse(1, 2, 11, 10);  // pixels 1..10, 2..9
    for (auto [x, y] : painted()) {
        EXPECT_TRUE(x >= 1 && x <= 10 && y >= 2 && y <= 9) << x << "," << y;
        EXPECT_EQ(canvas.pixel(x, y), canvas.pixel(11 - x, y));
        EXPECT_EQ(canvas.pixel(x, y), canvas.pixel(x, 11 - y));
    }
    EXPECT_EQ(canvas.pixel(1, 2), kWhite);       // the box's corner is outside the ellipse
    EXPECT_EQ(canvas.pixel(1, 5), kRed);         // each side touches the box
    EXPECT_EQ(canvas.pixel(10, 6), kRed);
    EXPECT_EQ(canvas.pixel(5, 2), kRed);
    EXPECT_EQ(canvas.pixel(6, 9), kRed);
    EXPECT_EQ(canvas.pixel(5, 5), kBlue);
    // The outline is closed: every blue pixel's neighbours are blue or red.
    for (auto [x, y] : painted()) {
        if (canvas.pixel(x, y) != kBlue) continue;
        for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}})
            EXPECT_NE(canvas.pixel(x + dx, y + dy), kWhite) << x << "," << y;
    }
}

TEST_F(Paint, RoundedRectangleCutsItsCorners) {
    dc.selectPen({PenStyle::Solid, 1, kRed});
    dc.selectBrush(Brush::solid(kBlue));
    dc.roundRect(0, 0, 12, 10, 6, 6);
    EXPECT_EQ(canvas.pixel(0, 0), kWhite);
    EXPECT_EQ(canvas.pixel(11, 9), kWhite);
    EXPECT_EQ(canvas.pixel(11, 0), kWhite);
    EXPECT_EQ(canvas.pixel(6, 0), kRed);
    EXPECT_EQ(canvas.pixel(0, 5), kRed);
    EXPECT_EQ(canvas.pixel(11, 5), kRed);
    EXPECT_EQ(canvas.pixel(6, 9), kRed);
    EXPECT_EQ(canvas.pixel(6, 10), kWhite);
    EXPECT_EQ(canvas.pixel(6, 5), kBlue);
}

TEST_F(Paint, SelfCrossingPolygonIsFilledAlternately) {
    Canvas big(40, 40);
    DeviceContext d(big);
    const Point star[] = {{20, 0}, {32, 38}, {1, 14}, {39, 14}, {8, 38}};
    d.selectPen({PenStyle::Null, 1, 0});
    d.selectBrush(Brush::solid(kBlue));
    d.polygon(star);
    EXPECT_EQ(big.pixel(20, 20), kWhite);  // the centre crosses the outline twice
    EXPECT_EQ(big.pixel(20, 5), kBlue);   // a point crosses once
    EXPECT_EQ(big.pixel(5, 15), kBlue);
    EXPECT_EQ(d.setPolyFillMode(FillMode::Winding), FillMode::Alternate);
    d.polygon(star);
    EXPECT_EQ(big.pixel(20, 20), kBlue);
    // With a pen the closing side is drawn too: (8, 38) back to (20, 0).
    big.fill(kWhite);
    d.selectPen({PenStyle::Solid, 1, kRed});
    d.selectBrush(Brush::none());
    d.polygon(star);
    EXPECT_EQ(big.pixel(20, 0), kRed);
    EXPECT_EQ(big.pixel(8, 38), kRed);
    EXPECT_EQ(big.pixel(14, 19), kRed);  // on the closing side, half way
}

TEST(DrawEdge, RaisedAndSunkenOuterAndInnerEdges) {
    const Colour light = sysColour(kColour3dLight), dark = sysColour(kColour3dDarkShadow),
                 hi = sysColour(kColourButtonHighlight), shadow = sysColour(kColourButtonShadow),
                 face = sysColour(kColourButtonFace), white = rgb(255, 255, 255);
    struct Case {
        const char* what;
        unsigned edges;
        // (0,0), top-right (5,0), bottom-left (0,5), (5,5), (1,1), (4,4), (2,2)
        Colour c00, c50, c05, c55, c11, c44, c22;
    } cases[] = {
        {"raised", edge::kRaised, light, dark, dark, dark, hi, shadow, face},
        {"sunken", edge::kSunken, shadow, hi, hi, hi, dark, light, face},
        {"raised inner", edge::kRaisedInner, hi, shadow, shadow, shadow, face, face, face},
        {"sunken outer", edge::kSunkenOuter, shadow, hi, hi, hi, face, face, face},
        {"etched", edge::kEtched, shadow, hi, hi, hi, hi, shadow, face},
    };
    for (const auto& c : cases) {
        Canvas canvas(6, 6);
        DeviceContext dc(canvas);
        Rect rc{0, 0, 6, 6};
        dc.drawEdge(rc, c.edges, edge::kRect | edge::kMiddle);
        SCOPED_TRACE(c.what);
        EXPECT_EQ(canvas.pixel(0, 0), c.c00);
        EXPECT_EQ(canvas.pixel(5, 0), c.c50);
        EXPECT_EQ(canvas.pixel(0, 5), c.c05);
        EXPECT_EQ(canvas.pixel(5, 5), c.c55);
        EXPECT_EQ(canvas.pixel(1, 1), c.c11);
        EXPECT_EQ(canvas.pixel(4, 4), c.c44);
        EXPECT_EQ(canvas.pixel(2, 2), c.c22);
        EXPECT_EQ(rc, (Rect{0, 0, 6, 6}));  // not adjusted
    }
    Canvas canvas(8, 8);
    DeviceContext dc(canvas);
    Rect rc{1, 1, 7, 7};
    dc.drawEdge(rc, edge::kSunken, edge::kRect | edge::kAdjust);
    EXPECT_EQ(rc, (Rect{3, 3, 5, 5}));
    EXPECT_EQ(canvas.pixel(0, 0), white);
    EXPECT_EQ(canvas.pixel(7, 7), white);
    EXPECT_EQ(canvas.pixel(3, 3), white);  // no middle asked for
    // Only the sides asked for.
    canvas.fill(white);
    Rect top{0, 0, 8, 8};
    dc.drawEdge(top, edge::kRaisedInner, edge::kTop);
    EXPECT_EQ(canvas.pixel(3, 0), hi);
    EXPECT_EQ(canvas.pixel(0, 3), white);
    EXPECT_EQ(canvas.pixel(3, 7), white);
}

TEST(Gradient, RowsStepEachChannelAndRoundHalvesToEven) {
    Canvas canvas(8, 6);
    DeviceContext dc(canvas);
    // Red 0 to 1 and blue 0 to 255 over 2 steps: the middle row has red 0.5 -> 0, blue 127.5 -> 128.
    dc.gradientRows(rgb(0, 9, 0), rgb(1, 9, 255), 2, 1, 6, 2);
    EXPECT_EQ(canvas.pixel(2, 1), rgb(0, 9, 0));
    EXPECT_EQ(canvas.pixel(5, 2), rgb(0, 9, 128));
    EXPECT_EQ(canvas.pixel(2, 3), rgb(1, 9, 255));
    EXPECT_EQ(canvas.pixel(6, 2), rgb(255, 255, 255));  // each row leaves out its end
    EXPECT_EQ(canvas.pixel(1, 2), rgb(255, 255, 255));
    EXPECT_EQ(canvas.pixel(3, 4), rgb(255, 255, 255));  // height + 1 rows
    const Canvas before = canvas;
    dc.gradientRows(0, 0xFF, 0, 0, 8, 0);
    dc.gradientColumns(0, 0xFF, 4, 0, 4, 6);
    EXPECT_EQ(canvas, before);
    dc.gradientColumns(rgb(0, 0, 0), rgb(30, 0, 0), 0, 0, 3, 5);
    EXPECT_EQ(canvas.pixel(0, 0), rgb(0, 0, 0));
    EXPECT_EQ(canvas.pixel(1, 4), rgb(10, 0, 0));
    EXPECT_EQ(canvas.pixel(3, 0), rgb(30, 0, 0));  // x2 - x1 + 1 columns
    EXPECT_EQ(canvas.pixel(3, 5), rgb(255, 255, 255));
}

TEST(Blit, RasterOperationsAndTheSourceEdge) {
    Canvas src(2, 2, rgb(0x0F, 0xF0, 0x33));
    src.setPixel(1, 1, 0);
    struct Case {
        RasterOp op;
        Colour want;
    } cases[] = {
        {RasterOp::SrcCopy, rgb(0x0F, 0xF0, 0x33)},
        {RasterOp::SrcAnd, rgb(0x0F & 0x81, 0xF0 & 0x81, 0x33 & 0x81)},
        {RasterOp::SrcPaint, rgb(0x8F, 0xF1, 0xB3)},
        {RasterOp::SrcInvert, rgb(0x0F ^ 0x81, 0xF0 ^ 0x81, 0x33 ^ 0x81)},
        {RasterOp::NotSrcCopy, rgb(0xF0, 0x0F, 0xCC)},
        {RasterOp::DstInvert, rgb(0x7E, 0x7E, 0x7E)},
        {RasterOp::Blackness, 0},
        {RasterOp::Whiteness, rgb(255, 255, 255)},
    };
    for (const auto& c : cases) {
        Canvas dst(4, 4, rgb(0x81, 0x81, 0x81));
        DeviceContext dc(dst);
        dc.bitBlt(1, 1, 3, 3, src, 0, 0, c.op);
        EXPECT_EQ(dst.pixel(1, 1), c.want) << std::hex << uint32_t(c.op);
        EXPECT_EQ(dst.pixel(0, 0), rgb(0x81, 0x81, 0x81));
        // Past the source's edge nothing is copied.
        if (c.op == RasterOp::SrcCopy) {
            EXPECT_EQ(dst.pixel(2, 2), 0u);
            EXPECT_EQ(dst.pixel(3, 3), rgb(0x81, 0x81, 0x81));
        }
    }
}

TEST(Blit, IconsShowTheDestinationWhereTheirMaskIsWhite) {
    Canvas colour(2, 2, rgb(255, 0, 0)), mask(2, 2, 0);
    mask.setPixel(1, 0, 0xFFFFFF);
    const PicturePtr icon = Picture::icon(colour, mask);
    Canvas dst(6, 6, rgb(0, 200, 0));
    DeviceContext dc(dst);
    EXPECT_TRUE(dc.drawIcon(1, 1, icon.get()));
    EXPECT_EQ(dst.pixel(1, 1), rgb(255, 0, 0));
    EXPECT_EQ(dst.pixel(2, 1), rgb(0, 200, 0));
    EXPECT_EQ(dst.pixel(2, 2), rgb(255, 0, 0));
    EXPECT_EQ(dst.pixel(3, 3), rgb(0, 200, 0));
    // Drawn at twice its size, each pixel becomes a 2 by 2 block.
    dst.fill(rgb(0, 200, 0));
    dc.drawIcon(0, 0, icon.get(), 4, 4);
    EXPECT_EQ(dst.pixel(1, 1), rgb(255, 0, 0));
    EXPECT_EQ(dst.pixel(3, 1), rgb(0, 200, 0));
    EXPECT_EQ(dst.pixel(3, 3), rgb(255, 0, 0));
    EXPECT_FALSE(dc.drawIcon(0, 0, nullptr));
}

TEST_F(Paint, OriginAndClipRegion) {
    dc.setOrigin({4, 4});
    dc.setClip(Region::rect(0, 0, 6, 12));
    dc.fillRect({0, 0, 4, 2}, Brush::solid(kBlue));  // canvas 4..7, 4..5, clipped at x 6
    EXPECT_EQ(canvas.pixel(4, 4), kBlue);
    EXPECT_EQ(canvas.pixel(5, 5), kBlue);
    EXPECT_EQ(canvas.pixel(6, 4), kWhite);
    EXPECT_EQ(dc.getPixel(0, 0), kBlue);
    EXPECT_EQ(dc.getPixel(3, 0), kInvalidColour);  // outside the clip
    EXPECT_EQ(painted().size(), 4u);
}
