// Surfaces of top-level windows: WM_PAINT in z-order into the top-level window's pixels, clipped
// to what of each window shows and to what was marked, and what the observer hears of it.
#include <gtest/gtest.h>

#include <poll.h>
#include <unistd.h>

#include <map>

#include "platform/gfx/colour.h"
#include "platform/gui/notification_area.h"
#include "platform/gui/window_observer.h"
#include "tests/platform/gui/gui_fixture.h"

namespace qv::gui::testing {
namespace {

struct Recorder : WindowObserver {
    std::vector<std::pair<HWnd, unsigned>> changes;
    std::vector<std::pair<HWnd, gfx::Rect>> painted;
    int trayChanges = 0;
    std::vector<int> cursors;
    void topLevelChanged(HWnd top, unsigned c) override { changes.emplace_back(top, c); }
    void surfaceChanged(HWnd top, const gfx::Region& area) override { painted.emplace_back(top, area.bounds()); }
    void notificationAreaChanged() override { ++trayChanges; }
    void cursorChanged(int c) override { cursors.push_back(c); }
    unsigned all(HWnd h) const {
        unsigned bits = 0;
        for (auto& [w, c] : changes)
            if (w == h) bits |= c;
        return bits;
    }
};

// Each window of class "Fill" paints its whole client area in the colour kept as its user data
// and records the order of its paints.
class SurfaceTest : public GuiTest {
protected:
    SurfaceTest() {
        ws_.registerClass(WindowClass{"Fill", [this](HWnd h, MessageId m, WParam w, LParam l) -> LResult {
                                          if (m != WM_PAINT) return ws_.defWindowProc(h, m, w, l);
                                          order_.push_back(h);
                                          gfx::DeviceContext dc = ws_.beginPaint(h);
                                          const Rect r = ws_.clientRect(h);
                                          dc.fillRect(r, gfx::Brush::solid(gfx::Colour(ws_.userData(h))));
                                          return 0;
                                      }});
        ws_.setObserver(&seen);
    }
    ~SurfaceTest() override { ws_.setObserver(nullptr); }

    HWnd make(HWnd parent, Rect r, gfx::Colour c) {
        CreateParams p;
        p.className = "Fill";
        p.style = WS_VISIBLE | (parent ? WS_CHILD : 0);
        p.parent = parent;
        p.x = r.left;
        p.y = r.top;
        p.width = int(r.width());
        p.height = int(r.height());
        HWnd h = ws_.createWindow(p);
        ws_.setUserData(h, std::intptr_t(c));
        return h;
    }
    gfx::Colour at(HWnd top, int x, int y) const { return ws_.surface(top)->pixel(x, y); }

    Recorder seen;
    std::vector<HWnd> order_;
};

constexpr gfx::Colour kRed = gfx::rgb(255, 0, 0), kGreen = gfx::rgb(0, 255, 0), kBlue = gfx::rgb(0, 0, 255);

TEST_F(SurfaceTest, ChildrenPaintAboveTheirParentAndHigherSiblingsAboveLowerOnes) {
    HWnd top = make(0, {100, 50, 140, 90}, kRed);
    HWnd low = make(top, {5, 5, 25, 25}, kGreen);
    HWnd high = make(top, {15, 15, 35, 35}, kBlue);  // made later: above `low`
    ws_.doEvents();
    EXPECT_EQ(order_, (std::vector<HWnd>{top, low, high}));
    EXPECT_EQ(at(top, 1, 1), kRed);
    EXPECT_EQ(at(top, 6, 6), kGreen);
    EXPECT_EQ(at(top, 20, 20), kBlue);  // the overlap
    EXPECT_EQ(at(top, 36, 36), kRed);
    ASSERT_FALSE(seen.painted.empty());
    EXPECT_EQ(seen.painted.back(), (std::pair<HWnd, Rect>{top, {0, 0, 40, 40}}));
}

TEST_F(SurfaceTest, OnlyWindowsCoveringTheMarkedAreaPaintAndOnlyThere) {
    HWnd top = make(0, {0, 0, 40, 40}, kRed);
    HWnd a = make(top, {0, 0, 10, 10}, kGreen);
    HWnd b = make(top, {20, 20, 30, 30}, kBlue);
    ws_.doEvents();
    order_.clear();
    seen.painted.clear();
    // The child's pixels change behind the window system's back; a repaint of `a` alone must
    // leave `b`'s pixels as they are.
    ws_.setUserData(b, std::intptr_t(kGreen));
    ws_.invalidate(a);
    ws_.doEvents();
    EXPECT_EQ(order_, (std::vector<HWnd>{top, a}));
    EXPECT_EQ(at(top, 25, 25), kBlue);
    EXPECT_EQ(seen.painted, (std::vector<std::pair<HWnd, Rect>>{{top, {0, 0, 10, 10}}}));
}

TEST_F(SurfaceTest, PaintingIsClippedToParentsAndWindowRegions) {
    HWnd top = make(0, {0, 0, 20, 20}, kRed);
    HWnd inner = make(top, {10, 10, 30, 30}, kBlue);  // reaches beyond its parent
    ws_.setWindowRegion(top, gfx::Region::rect(0, 0, 15, 20), true);
    ws_.doEvents();
    EXPECT_EQ(at(top, 12, 12), kBlue);
    // Outside the parent's region the child draws nothing; the surface keeps its first fill.
    EXPECT_EQ(at(top, 17, 12), gfx::sysColour(gfx::kColourButtonFace));
    gfx::Region area = ws_.visibleArea(inner);
    EXPECT_EQ(area.bounds(), (Rect{10, 10, 15, 20}));
}

TEST_F(SurfaceTest, HidingOrMovingAChildRepaintsItsParentWhereItWas) {
    HWnd top = make(0, {0, 0, 40, 40}, kRed);
    HWnd c = make(top, {0, 0, 10, 10}, kGreen);
    ws_.doEvents();
    ws_.moveWindow(c, 20, 20, 10, 10);
    ws_.doEvents();
    EXPECT_EQ(at(top, 5, 5), kRed);
    EXPECT_EQ(at(top, 25, 25), kGreen);
    ws_.showWindow(c, false);
    ws_.doEvents();
    EXPECT_EQ(at(top, 25, 25), kRed);
}

TEST_F(SurfaceTest, AFrameSurroundsTheClientAreaAndIsPaintedFirst) {
    HWnd top = make(0, {100, 100, 140, 130}, kRed);
    ws_.setFrameInsets(top, Insets{2, 8, 2, 2});
    HWnd c = make(top, {0, 0, 5, 5}, kBlue);
    std::vector<MessageId> msgs;
    ws_.setWindowSubclass(top, 1, [&](HWnd h, MessageId m, WParam w, LParam l, std::uintptr_t, std::intptr_t) {
        if (m == WM_NCPAINT) {
            gfx::DeviceContext dc = ws_.windowDC(h);
            dc.fillRect(Rect{0, 0, 40, 30}, gfx::Brush::solid(kGreen));
        }
        if (m == WM_NCPAINT || m == WM_PAINT) msgs.push_back(m);
        return ws_.defSubclassProc(h, m, w, l);
    });
    ws_.invalidate(top);
    ws_.doEvents();
    EXPECT_EQ(msgs, (std::vector<MessageId>{WM_NCPAINT, WM_PAINT}));
    EXPECT_EQ(ws_.clientRect(top), (Rect{0, 0, 36, 20}));
    EXPECT_EQ(at(top, 1, 1), kGreen);    // the frame
    EXPECT_EQ(at(top, 2, 8), kBlue);     // the child at the client area's corner
    EXPECT_EQ(at(top, 37, 27), kRed);    // the client area
    EXPECT_EQ(ws_.windowRect(c), (Rect{102, 108, 107, 113}));
    EXPECT_EQ(ws_.screenToClient(top, {102, 108}), (gfx::Point{0, 0}));
    ws_.mouseMoveTo({103, 109});
    ws_.doEvents();
    EXPECT_EQ(ws_.windowFromPoint({103, 109}), c);
}

TEST_F(SurfaceTest, TheSurfaceFollowsTheWindowsSize) {
    HWnd top = make(0, {0, 0, 40, 30}, kRed);
    ws_.doEvents();
    ws_.moveWindow(top, 0, 0, 60, 50);
    ws_.doEvents();
    ASSERT_NE(ws_.surface(top), nullptr);
    EXPECT_EQ(ws_.surface(top)->width(), 60);
    EXPECT_EQ(ws_.surface(top)->height(), 50);
    EXPECT_EQ(at(top, 59, 49), kRed);
    EXPECT_EQ(ws_.surface(make(top, {0, 0, 5, 5}, kBlue)), nullptr);  // children have none
}

// A picture of a window is taken whether it shows or not, with its shown children only.
TEST_F(SurfaceTest, PrintWindowPaintsAHiddenWindowWhole) {
    HWnd top = make(0, {0, 0, 40, 30}, kRed);
    HWnd shown = make(top, {0, 0, 10, 10}, kGreen);
    HWnd hidden = make(top, {20, 20, 30, 30}, kBlue);
    ws_.showWindow(hidden, false);
    ws_.showWindow(top, false);
    ws_.doEvents();
    EXPECT_TRUE(order_.empty()) << "a hidden window is not painted by the loop";
    seen.painted.clear();
    EXPECT_TRUE(ws_.printWindow(top));
    EXPECT_EQ(order_, (std::vector<HWnd>{top, shown}));
    EXPECT_EQ(at(top, 5, 5), kGreen);
    EXPECT_EQ(at(top, 25, 25), kRed);
    EXPECT_TRUE(seen.painted.empty()) << "no one sees a hidden window's pixels";
    EXPECT_FALSE(ws_.printWindow(shown));
    order_.clear();
    ws_.showWindow(top, true);
    ws_.printWindow(top);
    ws_.doEvents();
    EXPECT_EQ(order_, (std::vector<HWnd>{top, shown})) << "what was marked is painted by the print";
}

TEST_F(SurfaceTest, TheObserverHearsOfTopLevelWindowsOnly) {
    HWnd top = make(0, {0, 0, 40, 30}, kRed);
    HWnd c = make(top, {0, 0, 5, 5}, kBlue);
    ws_.setText(top, "Title");
    ws_.setText(c, "child");
    ws_.moveWindow(top, 10, 10, 50, 30);
    ws_.setWindowRegion(top, gfx::Region::rect(0, 0, 5, 5), false);
    ws_.setWindowPos(top, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    ws_.showWindow(top, false);
    EXPECT_EQ(seen.all(c), 0u);
    const unsigned want = change::kCreated | change::kShown | change::kText | change::kMoved | change::kSized |
                          change::kRegion | change::kZOrder | change::kHidden;
    EXPECT_EQ(seen.all(top) & want, want);
    ws_.destroyWindow(top);
    EXPECT_EQ(seen.changes.back(), (std::pair<HWnd, unsigned>{top, change::kDestroyed}));
}

TEST_F(SurfaceTest, TrayIconsAndPointerShapesReachTheObserver) {
    HWnd top = make(0, {0, 0, 40, 30}, kRed);
    HWnd c = make(top, {10, 10, 20, 20}, kBlue);
    NotifyIconData d;
    d.hwnd = top;
    d.id = 1;
    ws_.notificationArea().notifyIcon(NIM_ADD, d);
    ws_.notificationArea().notifyIcon(NIM_DELETE, d);
    EXPECT_EQ(seen.trayChanges, 2);
    ws_.setWindowCursor(top, IDC_HAND);
    ws_.setWindowCursor(c, IDC_IBEAM);
    ws_.mouseMoveTo({5, 5});
    ws_.mouseMoveTo({15, 15});
    ws_.mouseMoveTo({16, 16});  // the same shape: nothing new
    EXPECT_EQ(seen.cursors, (std::vector<int>{IDC_HAND, IDC_IBEAM}));
    EXPECT_EQ(ws_.windowCursor(ws_.windowFromPoint({2, 2})), IDC_HAND);
}

TEST_F(GuiTest, AReadyDescriptorIsHandledByTheLoopInTurnWithPostedMessages) {
    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    HWnd h = top(0, 0, 10, 10);
    std::vector<std::string> order;
    int id = ws_.watchDescriptor(fds[0], POLLIN, [&](short revents) {
        char c;
        if ((revents & POLLIN) && ::read(fds[0], &c, 1) == 1) order.push_back(std::string("fd:") + c);
    });
    ws_.setTimer(h, 1, 100, [&](HWnd, std::uintptr_t, std::int64_t) { order.push_back("timer"); });
    ws_.doEvents();
    EXPECT_TRUE(order.empty());
    ASSERT_EQ(::write(fds[1], "a", 1), 1);
    ws_.pumpFor(100);
    EXPECT_EQ(order, (std::vector<std::string>{"fd:a", "timer"}));
    EXPECT_TRUE(ws_.unwatchDescriptor(id));
    ASSERT_EQ(::write(fds[1], "b", 1), 1);
    ws_.doEvents();
    EXPECT_EQ(order.size(), 2u);
    ::close(fds[0]);
    ::close(fds[1]);
}

}  // namespace
}  // namespace qv::gui::testing
