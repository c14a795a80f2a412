// Top-level windows as X windows: found by title, painted from their surfaces, shaped by their
// regions, kept in place both ways, closed by the window manager's delete request.
#include <gtest/gtest.h>

#include "platform/gfx/picture.h"
#include "platform/gfx/region.h"
#include "platform/gui/window_observer.h"
#include "platform/present/image_compare.h"
#include "tests/platform/present/x11/presenter_fixture.h"

namespace qv::present::x11::testing {
namespace {

constexpr gfx::Colour kTeal = gfx::rgb(0, 128, 128);
constexpr gfx::Colour kMaroon = gfx::rgb(128, 0, 0);

// The part of a surface that a rectangle (window coordinates) covers.
gfx::Canvas cut(const gfx::Canvas& surface, const gfx::Rect& r) {
    gfx::Canvas out(int(r.width()), int(r.height()));
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x) out.setPixel(x, y, surface.pixel(r.left + x, r.top + y));
    return out;
}

TEST_F(PresenterTest, AShownWindowIsAnXWindowFoundByItsTitleShowingItsSurface) {
    // "Überwachung" in Windows-1252: the title reaches the window manager as UTF-8.
    const gui::HWnd h = make("\xDC" "berwachung", {40, 60, 200, 150}, kTeal);
    showAndWait(h);
    const Window found = screen_.findByTitle("\xC3\x9C" "berwachung");
    ASSERT_NE(found, 0u);
    EXPECT_EQ(found, xOf(h));
    EXPECT_EQ(screen_.rectOf(found), (gfx::Rect{40, 60, 200, 150}));
    const gfx::Canvas shot = screen_.screenshot({40, 60, 200, 150});
    const ImageDifference d = compareImages(shot, *ws_.surface(h), 2);
    EXPECT_TRUE(d.within(0.0)) << d.differing << " pixels differ";
    EXPECT_EQ(shot.pixel(3, 3), gfx::rgb(255, 255, 255));
    // A borderless window asks for no decorations.
    const std::vector<long> hints = screen_.longsProperty(found, "_MOTIF_WM_HINTS");
    ASSERT_GE(hints.size(), 3u);
    EXPECT_EQ(hints[2], 0);
}

TEST_F(PresenterTest, ACaptionedWindowShowsItsClientAreaWhereTheWindowSystemHasIt) {
    const gui::HWnd h = make("Framed", {100, 100, 260, 220}, kMaroon, gui::WS_POPUP | gui::WS_CAPTION);
    ws_.setFrameInsets(h, gui::Insets{3, 20, 3, 3});
    showAndWait(h);
    const Window x = xOf(h);
    // The window manager draws the frame; the X window is the client area alone.
    EXPECT_EQ(screen_.rectOf(x), (gfx::Rect{103, 120, 257, 217}));
    const gfx::Canvas shot = screen_.screenshot({103, 120, 257, 217});
    EXPECT_TRUE(compareImages(shot, cut(*ws_.surface(h), {3, 20, 157, 117}), 2).within(0.0));
    EXPECT_EQ(screen_.longsProperty(x, "_MOTIF_WM_HINTS").at(2), 1);
}

TEST_F(PresenterTest, CaptionedWindowsCarryTheProgramsIconWithItsMaskAsAlpha) {
    gfx::Canvas colour(2, 1, gfx::rgb(0x10, 0x20, 0x30)), mask(2, 1, 0);
    mask.setPixel(1, 0, gfx::rgb(255, 255, 255));  // clear
    presenter_->setApplicationIcon(gfx::Picture::icon(colour, mask));
    const gui::HWnd framed = make("Iconic", {700, 40, 760, 80}, kTeal, gui::WS_POPUP | gui::WS_CAPTION);
    const gui::HWnd bare = make("Bare", {780, 40, 840, 80}, kTeal);
    showAndWait(framed);
    showAndWait(bare);
    std::vector<std::uint32_t> words;  // 32-bit fields, whatever width Xlib hands them in
    for (long v : screen_.longsProperty(xOf(framed), "_NET_WM_ICON")) words.push_back(std::uint32_t(v));
    EXPECT_EQ(words, (std::vector<std::uint32_t>{2, 1, 0xFF102030u, 0}));
    EXPECT_TRUE(screen_.longsProperty(xOf(bare), "_NET_WM_ICON").empty());
}

TEST_F(PresenterTest, OnlyTheChangedPartIsSentAgainAndTheScreenFollows) {
    const gui::HWnd h = make("Repaint", {300, 40, 380, 100}, kTeal);
    showAndWait(h);
    ws_.setUserData(h, std::intptr_t(kMaroon));
    const gfx::Rect part{40, 10, 60, 30};
    ws_.invalidateRect(h, &part);
    ASSERT_TRUE(pumpUntil([&] { return screen_.screenshot({340, 50, 360, 70}).pixel(5, 5) == kMaroon; }));
    const gfx::Canvas shot = screen_.screenshot({300, 40, 380, 100});
    EXPECT_EQ(shot.pixel(20, 30), kTeal);  // outside the marked part
    EXPECT_EQ(shot.pixel(50, 20), kMaroon);
}

TEST_F(PresenterTest, AShapedWindowCarriesItsRegionAsBoundingAndInputShape) {
    const gui::HWnd h = make("Shaped", {500, 40, 600, 120}, kTeal);
    const gfx::Rect parts[] = {{10, 0, 90, 10}, {0, 10, 100, 70}, {30, 70, 70, 80}};
    const gfx::Region region = gfx::Region::fromRects(parts);
    ws_.setWindowRegion(h, region, true);
    showAndWait(h);
    for (int kind : {ShapeBounding, ShapeInput}) EXPECT_EQ(screen_.shapeRects(xOf(h), kind), region.rects());
    // Outside the shape the screen behind shows; inside, the window.
    const gfx::Canvas shot = screen_.screenshot({500, 40, 600, 120});
    EXPECT_NE(shot.pixel(2, 2), kTeal);
    EXPECT_EQ(shot.pixel(50, 40), kTeal);
    ws_.setWindowRegion(h, std::nullopt, true);
    ws_.pumpFor(20);
    EXPECT_EQ(screen_.shapeRects(xOf(h), ShapeBounding), (std::vector<gfx::Rect>{{0, 0, 100, 80}}));
}

TEST_F(PresenterTest, MovesGoBothWaysWithoutEchoing) {
    const gui::HWnd h = make("Moving", {50, 300, 150, 360}, kTeal);
    showAndWait(h);
    // The program moves it: the X window follows.
    ws_.moveWindow(h, 70, 320, 120, 60);
    ASSERT_TRUE(pumpUntil([&] { return screen_.rectOf(xOf(h)) == gfx::Rect{70, 320, 190, 380}; }));
    // Someone else (a window manager, a drag) moves the X window: the window system follows,
    // once, and does not move it back.
    XMoveWindow(screen_.display(), xOf(h), 90, 340);
    XFlush(screen_.display());
    ASSERT_TRUE(pumpUntil([&] { return ws_.windowRect(h) == gfx::Rect{90, 340, 210, 400}; }));
    ws_.pumpFor(50);
    EXPECT_EQ(screen_.rectOf(xOf(h)), (gfx::Rect{90, 340, 210, 400}));
    EXPECT_EQ(seenOf(h, gui::WM_MOVE).size(), 2u);
}

TEST_F(PresenterTest, TheDeleteRequestBecomesWmCloseAndHidingUnmaps) {
    const gui::HWnd a = make("Closing", {200, 300, 260, 340}, kTeal);
    const gui::HWnd b = make("Hiding", {300, 300, 360, 340}, kTeal);
    showAndWait(a);
    showAndWait(b);
    const Window xa = xOf(a), xb = xOf(b);
    screen_.sendDeleteWindow(xa);
    ASSERT_TRUE(pumpUntil([&] { return !ws_.isWindow(a); }));  // WM_CLOSE's default destroys it
    EXPECT_EQ(seenOf(a, gui::WM_CLOSE).size(), 1u);
    EXPECT_EQ(screen_.findByTitle("Closing"), 0u);
    ws_.showWindow(b, false);
    ASSERT_TRUE(pumpUntil([&] { return !screen_.viewable(xb); }));
}

TEST_F(PresenterTest, BandsAndKindsReachTheWindowManager) {
    const gui::HWnd pinned = make("Pinned", {10, 500, 60, 540}, kTeal, gui::WS_POPUP, gui::WS_EX_TOPMOST);
    const gui::HWnd tip = make("Tip", {70, 500, 120, 520}, kTeal, gui::WS_POPUP, gui::WS_EX_NOACTIVATE);
    showAndWait(pinned);
    showAndWait(tip);
    Atom above = XInternAtom(screen_.display(), "_NET_WM_STATE_ABOVE", False);
    const std::vector<long> states = screen_.longsProperty(xOf(pinned), "_NET_WM_STATE");
    EXPECT_NE(std::find(states.begin(), states.end(), long(above)), states.end());
    EXPECT_FALSE(screen_.overrideRedirect(xOf(pinned)));
    // Tooltips, balloons and popup menus pass the window manager by.
    EXPECT_TRUE(screen_.overrideRedirect(xOf(tip)));
    // A change of style that changes how the window shows gives it a new X window.
    ws_.setExStyle(tip, 0);
    ws_.pumpFor(20);
    EXPECT_FALSE(screen_.overrideRedirect(xOf(tip)));
    EXPECT_TRUE(pumpUntil([&] { return screen_.viewable(xOf(tip)); }));
}

}  // namespace
}  // namespace qv::present::x11::testing
