// isButton's drawing primitives, colour helpers, layout, regions and icon painters.
#include <gtest/gtest.h>

#include "button_test_host.h"
#include "controls/button_colours.h"
#include "controls/button_draw.h"
#include "controls/button_icons.h"
#include "controls/button_region.h"
#include "platform/base/convert.h"
#include "platform/gfx/picture.h"

namespace qv::controls {
namespace {

using gfx::rgb;

TEST(ButtonColours, Helpers) {
    struct Case {
        const char* name;
        gfx::Colour got, want;
    };
    const Case cases[] = {
        {"blend: 1.5 rounds up to the even 2", BlendColors(0x000001, 0x000002), 0x000002},
        {"blend: 0.5 rounds down to the even 0", BlendColors(0x000000, 0x000001), 0x000000},
        {"blend per channel", BlendColors(rgb(10, 20, 255), rgb(20, 41, 0)), rgb(15, 30, 128)},
        {"translate a plain colour", TranslateColor(0x123456), 0x123456},
        {"translate a system colour", TranslateColor(0x8000000F), rgb(192, 192, 192)},
        {"translate what names nothing", TranslateColor(0x80000040), gfx::kInvalidColour},
        {"lighten truncates", LightenColor(rgb(100, 0, 255), 32), rgb(119, 32, 255)},
        {"lighten by 176", LightenColor(rgb(0, 0, 128), 176), rgb(176, 176, 215)},
        {"shift up, held at 255", ShiftColor(rgb(250, 10, 0), 21), rgb(255, 31, 21)},
        {"shift down, held at 0", ShiftColor(rgb(250, 10, 0), -21), rgb(229, 0, 0)},
        {"shift uses the bytes of a system colour as they stand", ShiftColor(0x8000000F, 1), rgb(16, 1, 1)},
        {"grey of a colour", ColorToGray(rgb(255, 0, 0)), rgb(85, 85, 85)},
        {"grey: two thirds round up", ColorToGray(rgb(1, 1, 0)), rgb(1, 1, 1)},
        {"grey: a third rounds down", ColorToGray(rgb(0, 0, 1)), rgb(0, 0, 0)},
    };
    for (const Case& c : cases) EXPECT_EQ(c.got, c.want) << c.name;
}

class ButtonDrawTest : public ::testing::Test {
protected:
    gfx::Canvas canvas_{12, 6, rgb(255, 255, 255)};
    gfx::DeviceContext dc_{canvas_};
    gfx::Colour at(int x, int y) const { return canvas_.pixel(x, y); }
    int painted() const {
        int n = 0;
        for (gfx::Colour c : canvas_.pixels()) n += c != rgb(255, 255, 255);
        return n;
    }
};

TEST_F(ButtonDrawTest, LinesLeaveOutTheirEndInEveryDirection) {
    DrawLineDC(dc_, 5, 1, 1, 1, 0);  // right to left
    EXPECT_EQ(at(5, 1), 0u);
    EXPECT_EQ(at(2, 1), 0u);
    EXPECT_NE(at(1, 1), 0u);
    EXPECT_EQ(painted(), 4);
    DrawLineDC(dc_, 8, 3, 8, 3, 0);  // no length: nothing
    EXPECT_EQ(painted(), 4);
    DrawLineDC(dc_, 8, 5, 8, 2, 0);  // upwards
    EXPECT_EQ(painted(), 7);
    EXPECT_NE(at(8, 2), 0u);
}

TEST_F(ButtonDrawTest, FramesPaintAllFourCornersAndEmptyAreasNothing) {
    DrawFrame(dc_, 1, 1, 4, 3, 0);
    for (gfx::Point p : {gfx::Point{1, 1}, {5, 1}, {5, 4}, {1, 4}}) EXPECT_EQ(at(p.x, p.y), 0u);
    EXPECT_EQ(painted(), 14);
    FillArea(dc_, 7, 0, 0, 5, 0);
    FillArea(dc_, 7, 0, 3, -1, 0);
    EXPECT_EQ(painted(), 14);
    FillArea(dc_, 7, 0, 3, 2, 0);
    EXPECT_EQ(at(9, 1), 0u);
    EXPECT_NE(at(10, 1), 0u);
}

// A step of 2.5 a row: row 1 is 2.5, which rounds to the even 2; the green step of 0.5 gives 0.
TEST_F(ButtonDrawTest, GradientsRoundTiesToEvenAndNeedTwoRowsOrColumns) {
    GradientColorB(dc_, rgb(0, 0, 0), rgb(5, 1, 0), 0, 0, 3, 2);
    EXPECT_EQ(at(0, 0), rgb(0, 0, 0));
    EXPECT_EQ(at(2, 1), rgb(2, 0, 0));
    EXPECT_EQ(at(0, 2), rgb(5, 1, 0));
    EXPECT_EQ(at(3, 0), rgb(255, 255, 255)) << "each row leaves out its end";
    GradientColorC(dc_, rgb(0, 0, 0), rgb(0, 0, 5), 5, 0, 7, 1);
    EXPECT_EQ(at(6, 0), rgb(0, 0, 2));
    EXPECT_EQ(at(7, 0), rgb(0, 0, 5));
    const int before = painted();
    GradientColorB(dc_, 0, 0, 0, 4, 5, 0);  // height 0
    GradientColorC(dc_, 0, 0, 9, 0, 9, 5);  // x2 = x1
    EXPECT_EQ(painted(), before);
}

TEST_F(ButtonDrawTest, EdgeRectanglesRoundTheirCorners) {
    gfx::Canvas expected = canvas_;
    gfx::DeviceContext edc(expected);
    gfx::Rect r{2, 0, 10, 6};
    edc.drawEdge(r, gfx::edge::kRaised, gfx::edge::kRect);
    DrawEdgeRect(dc_, 2.5f, 0.4f, 8.0f, 5.5f, gfx::edge::kRaised, gfx::edge::kRect);  // 2.5 -> 2, 10.5 -> 10
    EXPECT_EQ(canvas_, expected);
}

TEST(ButtonRegions, Corners) {
    struct Case {
        const char* name;
        gfx::Region region;
        std::vector<gfx::Point> in, out;
    };
    const int W = 75, H = 23;
    const Case cases[] = {
        {"chamfer", MakeChamferRegion(W, H), {{0, 0}, {1, 0}, {W - 2, 0}, {0, H - 2}, {1, H - 1}, {W - 3, H - 1}, {W - 2, H - 2}},
         {{W - 1, 0}, {0, H - 1}, {W - 2, H - 1}, {W - 1, H - 2}, {W, 1}}},
        {"polygon", MakePolygonRegion(W, H),
         {{1, 0}, {0, 1}, {W - 4, 0}, {W - 3, 1}, {W - 1, 3}, {0, H - 4}, {2, H - 2}, {3, H - 1}, {W - 4, H - 1}, {W - 2, H - 3}},
         {{0, 0}, {W - 3, 0}, {W - 2, 1}, {W - 1, 2}, {0, H - 3}, {1, H - 2}, {2, H - 1}, {W - 1, H - 3}, {W - 2, H - 2},
          {W - 3, H - 1}}},
        {"round", MakeRoundRegion(W, H), {{6, 0}, {4, 1}, {0, 6}, {W - 7, 0}, {W - 1, 6}, {6, H - 1}, {0, H - 7}},
         {{5, 0}, {3, 1}, {0, 5}, {W - 6, 0}, {W - 1, 5}, {5, H - 1}, {0, H - 6}, {W - 1, H - 6}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (gfx::Point p : c.in) EXPECT_TRUE(c.region.contains(p.x, p.y)) << p.x << "," << p.y;
        for (gfx::Point p : c.out) EXPECT_FALSE(c.region.contains(p.x, p.y)) << p.x << "," << p.y;
        EXPECT_EQ(c.region.bounds(), (gfx::Rect{0, 0, W, H}));
    }
    EXPECT_EQ(buttonRegion(3, W, H), gfx::Region::rect(0, 0, W, H));
}

forms::PictureRef quarteredIcon() {
    // Red, green, blue and white quarters; the white one transparent.
    gfx::Canvas colour(16, 16), mask(16, 16, 0);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const int q = (y / 8) * 2 + x / 8;
            colour.setPixel(x, y, q == 0 ? rgb(255, 0, 0) : q == 1 ? rgb(0, 255, 0) : q == 2 ? rgb(0, 0, 255) : rgb(255, 255, 255));
            if (q == 3) mask.setPixel(x, y, rgb(255, 255, 255));
        }
    return gfx::Picture::icon(std::move(colour), std::move(mask));
}

TEST(ButtonIcons, GreyConversionKeepsTheExactGreys) {
    gfx::Canvas c(6, 1);
    const gfx::Colour input[] = {rgb(128, 128, 128), rgb(255, 255, 255), rgb(0x90, 0x90, 0x90), rgb(255, 0, 0),
                                 rgb(250, 250, 250), rgb(0, 100, 200)};
    for (int i = 0; i < 6; ++i) c.setPixel(i, 0, input[i]);
    ConvertBitmapToGray(c);
    const gfx::Colour want[] = {rgb(128, 128, 128), rgb(255, 255, 255), rgb(148, 148, 148), rgb(84, 84, 84),
                                rgb(255, 255, 255), rgb(81, 81, 81)};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(c.pixel(i, 0), want[i]) << i;
}

TEST(ButtonIcons, GreyIconThroughItsMask) {
    gfx::Canvas canvas(20, 20, rgb(1, 2, 3));
    gfx::DeviceContext dc(canvas);
    const forms::PictureRef icon = quarteredIcon();
    EXPECT_TRUE(paintIconGrey(dc, icon.get(), 2, 2, 16, 16));
    EXPECT_EQ(canvas.pixel(2, 2), rgb(84, 84, 84));
    EXPECT_EQ(canvas.pixel(12, 2), rgb(150, 150, 150));
    EXPECT_EQ(canvas.pixel(2, 12), rgb(28, 28, 28));
    EXPECT_EQ(canvas.pixel(12, 12), rgb(1, 2, 3)) << "transparent under the mask";
    const forms::PictureRef bitmap = gfx::Picture::bitmap(gfx::Canvas(4, 4));
    EXPECT_FALSE(paintIconGrey(dc, bitmap.get(), 0, 0, 4, 4));
    EXPECT_FALSE(paintIconGrey(dc, nullptr, 0, 0, 4, 4));
}

TEST(ButtonIcons, MaskedIconEffects) {
    // A bitmap: its white quarter is the mask colour.
    gfx::Canvas image(2, 2);
    image.setPixel(0, 0, rgb(255, 0, 0));
    image.setPixel(1, 0, rgb(200, 200, 200));
    image.setPixel(0, 1, rgb(0, 0, 255));
    image.setPixel(1, 1, rgb(255, 255, 255));
    const forms::PictureRef picture = gfx::Picture::bitmap(image);
    struct Case {
        const char* name;
        MaskedIconEffects effects;
        gfx::Colour want[4];  // (0,0), (1,0), (0,1), (1,1)
    };
    const gfx::Colour D = rgb(30, 60, 90);
    const Case cases[] = {
        {"plain", {}, {rgb(255, 0, 0), rgb(200, 200, 200), rgb(0, 0, 255), D}},
        {"shadow", {rgb(128, 128, 128), false, false, false}, {rgb(128, 128, 128), rgb(128, 128, 128), rgb(128, 128, 128), D}},
        {"shadow by darkness", {rgb(128, 128, 128), true, false, false}, {rgb(128, 128, 128), D, rgb(128, 128, 128), D}},
        {"grey: 0.3 R rounded first", {std::nullopt, false, true, false}, {rgb(76, 76, 76), rgb(200, 200, 200), rgb(28, 28, 28), D}},
        {"blend", {std::nullopt, false, false, true}, {rgb(180, 20, 30), rgb(143, 153, 163), rgb(10, 20, 200), D}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        gfx::Canvas canvas(2, 2, D);
        gfx::DeviceContext dc(canvas);
        DrawIconMasked(dc, 0, 0, 2, 2, picture.get(), rgb(255, 255, 255), true, c.effects);
        EXPECT_EQ(canvas.pixel(0, 0), c.want[0]);
        EXPECT_EQ(canvas.pixel(1, 0), c.want[1]);
        EXPECT_EQ(canvas.pixel(0, 1), c.want[2]);
        EXPECT_EQ(canvas.pixel(1, 1), c.want[3]);
    }
}

class ButtonLayoutTest : public testing::ButtonHostTest {
protected:
    ButtonLayoutTest() {
        form_.Move(0, 0, 6000, 3000);
        form_.Show();
    }
    std::unique_ptr<isButton> button(int widthPx, int heightPx, const std::string& caption) {
        auto b = std::make_unique<isButton>(form_, "cmdAllow");
        b->Move(300, 300, widthPx * 15, heightPx * 15);
        b->site();
        b->Caption(caption);
        return b;
    }
    // The caption's bounds as the layout measures them from (4, 4).
    gfx::Rect measured(const isButton& b, const std::string& caption) const {
        gfx::Canvas scratch(1, 1);
        gfx::DeviceContext dc(scratch);
        const forms::StdFont& f = b.Font();
        dc.selectFont(gfx::Font{f.Name, f.Size, f.Bold, f.Italic, f.Underline, f.Strikethrough});
        gfx::Rect t{4, 4, b.ScaleWidth() - 4, b.ScaleHeight() - 4};
        dc.drawText(caption, t, gfx::dt::kCalcRect | gfx::dt::kWordBreak);
        return t;
    }
};

TEST_F(ButtonLayoutTest, CaptionAlign) {
    const std::string caption = "Allow";
    // A width at which the centred left edge is an exact half with an even whole part.
    auto probe = button(75, 23, caption);
    const gfx::Rect t0 = measured(*probe, caption);
    int W = 75;
    while ((W - t0.right - t0.left) % 4 != 1) ++W;
    auto b = button(W, 23, caption);
    const gfx::Rect t = measured(*b, caption);
    const int H = 23, I = b->textInset();
    ASSERT_EQ(I, 3);
    auto half = [](int v) { return int(base::roundHalfEven(v / 2.0)); };
    struct Case {
        int align;
        gfx::Rect rect;
        unsigned flags;
    };
    const int top = half(H - t.bottom - t.top) + 3, bottom = half(H + t.bottom - t.top);
    const Case cases[] = {
        {0, {half(W - t.right - t.left), top, half(W + t.right - t.left), bottom}, 21},
        {1, {I, top, t.right + I, bottom}, 20},
        {2, {W - t.right - t.left - I, top, W - t.left - I, bottom}, 22},
        {3, {half(W - t.right - t.left), half(I), half(W + t.right - t.left), half(I) + t.bottom - t.top}, 17},
        {4, {half(W - t.right - t.left), H - (t.bottom - t.top) - half(I), half(W + t.right - t.left), H - half(I)}, 25},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.align);
        b->CaptionAlign(c.align);
        EXPECT_EQ(b->captionRect(), c.rect);
        EXPECT_EQ(b->textFlags(), c.flags);
    }
    b->CaptionAlign(0);
    EXPECT_EQ(b->captionRect().left, (W - t.right - t.left - 1) / 2) << "the half rounds down to the even neighbour";
    b->RightToLeft(true);
    b->CaptionAlign(7);  // no such alignment: the flags stay, with right-to-left reading
    EXPECT_EQ(b->captionRect(), (gfx::Rect{4, 4, W - 4, H - 4}));
    EXPECT_EQ(b->textFlags(), 21u | gfx::dt::kRtlReading);
}

TEST_F(ButtonLayoutTest, AWrappedCaptionAtTheTopKeepsItsMeasuredHeight) {
    auto b = button(60, 60, "Block this program now");
    b->CaptionAlign(3);
    const gfx::Rect t = measured(*b, "Block this program now");
    ASSERT_GT(t.bottom - t.top, 20) << "more than one line";
    EXPECT_EQ(b->captionRect().top, 2) << "half the inset of 3, halves to even";
    EXPECT_EQ(b->captionRect().bottom - b->captionRect().top, t.bottom - t.top);
}

TEST_F(ButtonLayoutTest, AtLeast300TwipsEachWay) {
    auto b = button(75, 23, "x");
    b->Width(200);
    EXPECT_EQ(b->Width(), 300);
    b->Height(100);
    EXPECT_EQ(b->Height(), 300);
    EXPECT_EQ(b->surface().width(), 20);
}

TEST_F(ButtonLayoutTest, EachStyleShapesTheWindow) {
    auto b = button(75, 23, "Allow");
    for (int style : {0, 5, 8, 10}) {
        SCOPED_TRACE(style);
        b->Style(style);
        ASSERT_TRUE(b->windowRegion());
        EXPECT_EQ(*b->windowRegion(), buttonRegion(style, 75, 23));
        ASSERT_NE(ws_.windowRegion(b->hWnd()), nullptr);
        EXPECT_EQ(*ws_.windowRegion(b->hWnd()), buttonRegion(style, 75, 23));
    }
}

// Without a theme, Style 6 becomes its NonThemeStyle at the first paint, and paints as that.
TEST_F(ButtonLayoutTest, TheThemedStyleFallsBackToNonThemeStyle) {
    auto themed = button(75, 23, "Allow");
    themed->NonThemeStyle(8);
    themed->Style(6);
    EXPECT_EQ(themed->Style(), 8);
    EXPECT_EQ(*themed->windowRegion(), buttonRegion(8, 75, 23));
    auto plain = button(75, 23, "Allow");
    plain->Style(8);
    EXPECT_EQ(themed->surface(), plain->surface());
    EXPECT_EQ(themed->textInset(), 4);
}

TEST_F(ButtonLayoutTest, ADisabledCustomColouredCaptionIsGrey) {
    auto b = button(75, 23, "WWWW");
    b->UseCustomColors(true);
    b->FontColor(rgb(255, 0, 0));
    b->BackColor(rgb(255, 255, 255));
    b->Style(1);
    b->Enabled(false);
    bool grey = false, red = false;
    for (gfx::Colour c : b->surface().pixels()) {
        grey |= c == gfx::sysColour(gfx::kColourGrayText);
        red |= gfx::redOf(c) > gfx::greenOf(c) + 40;
    }
    EXPECT_TRUE(grey);
    EXPECT_FALSE(red);
}

TEST_F(ButtonLayoutTest, IconPlaces) {
    auto b = button(75, 23, "");
    b->Style(1);  // inset 3
    b->Icon(quarteredIcon());
    struct Case {
        int align;
        gfx::Point at;
    };
    // (75 - 16) / 2 = 29.5 and (23 - 16) / 2 = 3.5 both round to the even 30 and 4.
    const Case cases[] = {{0, {30, 4}}, {1, {3, 4}}, {2, {56, 4}}, {3, {30, 3}}, {4, {30, 4}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.align);
        b->IconAlign(c.align);
        EXPECT_EQ(b->surface().pixel(c.at.x, c.at.y), rgb(255, 0, 0));
        EXPECT_NE(b->surface().pixel(c.at.x - 1, c.at.y), rgb(255, 0, 0));
        EXPECT_NE(b->surface().pixel(c.at.x, c.at.y - 1), rgb(255, 0, 0));
    }
    b->Enabled(false);
    b->IconAlign(1);
    EXPECT_EQ(b->surface().pixel(3, 4), rgb(84, 84, 84)) << "grey when disabled";
}

}  // namespace
}  // namespace qv::controls
