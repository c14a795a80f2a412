// Activation and the topmost band: asked of the window manager by messages where one runs,
// done directly where none does.
#include <gtest/gtest.h>

#include "tests/platform/present/x11/presenter_fixture.h"

namespace qv::present::x11::testing {
namespace {

constexpr gfx::Colour kGrey = gfx::rgb(192, 192, 192);

// The tests' connection names itself the window manager on the root window and hears the
// requests sent there, as a window manager would.
class FakeWindowManager {
public:
    explicit FakeWindowManager(const TestDisplay& d) : d_(d) {
        ::Display* dpy = d_.display();
        check_ = XCreateSimpleWindow(dpy, d_.root(), 0, 0, 1, 1, 0, 0, 0);
        XChangeProperty(dpy, d_.root(), XInternAtom(dpy, "_NET_SUPPORTING_WM_CHECK", False), XA_WINDOW, 32,
                        PropModeReplace, reinterpret_cast<const unsigned char*>(&check_), 1);
        XSelectInput(dpy, d_.root(), SubstructureNotifyMask);
        XSync(dpy, False);
    }
    ~FakeWindowManager() {
        ::Display* dpy = d_.display();
        XDeleteProperty(dpy, d_.root(), XInternAtom(dpy, "_NET_SUPPORTING_WM_CHECK", False));
        XSelectInput(dpy, d_.root(), NoEventMask);
        XDestroyWindow(dpy, check_);
        XSync(dpy, False);
    }
    // The client messages of that type that reached the root so far: their window and first
    // two fields.
    std::vector<std::vector<long>> requests(const char* type) {
        ::Display* dpy = d_.display();
        XSync(dpy, False);
        while (XPending(dpy)) {
            XEvent e;
            XNextEvent(dpy, &e);
            if (e.type == ClientMessage) heard_.push_back(e.xclient);
        }
        const Atom want = XInternAtom(dpy, type, False);
        std::vector<std::vector<long>> out;
        for (const XClientMessageEvent& m : heard_)
            if (m.message_type == want) out.push_back({long(m.window), m.data.l[0], m.data.l[1]});
        return out;
    }

private:
    const TestDisplay& d_;
    Window check_ = 0;
    std::vector<XClientMessageEvent> heard_;
};

TEST_F(PresenterTest, WithoutAWindowManagerActivationRaisesAndFocusesTheWindow) {
    const gui::HWnd a = make("First", {100, 600, 200, 660}, kGrey);
    const gui::HWnd b = make("Second", {150, 620, 250, 680}, kGrey);
    showAndWait(a);
    showAndWait(b);
    ws_.setForegroundWindow(a);
    ASSERT_TRUE(pumpUntil([&] {
        Window focus = 0;
        int revert = 0;
        XGetInputFocus(screen_.display(), &focus, &revert);
        return focus == xOf(a);
    }));
    // Raised above the other: the screen shows it where they overlap.
    EXPECT_TRUE(pumpUntil([&] { return screen_.screenshot({160, 630, 161, 631}).pixel(0, 0) == kGrey; }));
}

TEST_F(PresenterTest, WithoutAWindowManagerAnActivatedWindowStaysBelowTheTopmostBand) {
    constexpr gfx::Colour kAmber = gfx::rgb(240, 184, 28);
    const gui::HWnd normal = make("Normal", {500, 600, 700, 700}, kGrey);
    const gui::HWnd topmost = make("Topmost", {550, 620, 650, 680}, kAmber, gui::WS_POPUP, gui::WS_EX_TOPMOST);
    showAndWait(normal);
    showAndWait(topmost);
    ws_.setForegroundWindow(normal);
    ws_.pumpFor(30);
    // Raised above the other normal windows, but the topmost one still shows where they overlap.
    EXPECT_TRUE(pumpUntil([&] { return screen_.screenshot({600, 650, 601, 651}).pixel(0, 0) == kAmber; }));
}

TEST_F(PresenterTest, WithAWindowManagerActivationAndTheTopmostBandAreAskedFor) {
    const gui::HWnd h = make("Managed", {300, 600, 400, 660}, kGrey);
    showAndWait(h);
    FakeWindowManager wm(screen_);
    ws_.setForegroundWindow(h);
    ws_.setWindowPos(h, gui::HWND_TOPMOST, 0, 0, 0, 0, gui::SWP_NOMOVE | gui::SWP_NOSIZE);
    ws_.pumpFor(30);
    const long x = long(xOf(h));
    const auto activations = wm.requests("_NET_ACTIVE_WINDOW");
    ASSERT_EQ(activations.size(), 1u);
    EXPECT_EQ(activations[0][0], x);
    EXPECT_EQ(activations[0][1], 2);  // asked for by the person
    ws_.setWindowPos(h, gui::HWND_NOTOPMOST, 0, 0, 0, 0, gui::SWP_NOMOVE | gui::SWP_NOSIZE);
    ws_.pumpFor(30);
    const auto states = wm.requests("_NET_WM_STATE");
    const long above = long(XInternAtom(screen_.display(), "_NET_WM_STATE_ABOVE", False));
    EXPECT_EQ(states, (std::vector<std::vector<long>>{{x, 1, above}, {x, 0, above}}));
}

}  // namespace
}  // namespace qv::present::x11::testing
