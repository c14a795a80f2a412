#pragma once
// A window system on the real clock with the X11 presenter on the tests' display, a window
// class that paints a known picture and records its messages, and a second connection that
// looks at the screen and sends input. Without DISPLAY every test skips.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

#include "platform/gfx/device_context.h"
#include "platform/gui/messages.h"
#include "platform/gui/window_system.h"
#include "platform/present/x11/x11_presenter.h"
#include "tests/platform/present/x11/test_display.h"

namespace qv::present::x11::testing {

struct Seen {
    gui::HWnd hwnd;
    gui::MessageId msg;
    gui::WParam w;
    gui::LParam l;
};

// Paints the client area in the colour kept as the window's user data, with a white square of
// 6 pixels at (2, 2), so a picture shifted by a pixel shows.
class PresenterTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::getenv("DISPLAY")) GTEST_SKIP() << "no display";
        ws_.registerClass(gui::WindowClass{"Paint", [this](gui::HWnd h, gui::MessageId m, gui::WParam w, gui::LParam l) {
                                               seen_.push_back(Seen{h, m, w, l});
                                               if (m != gui::WM_PAINT) return ws_.defWindowProc(h, m, w, l);
                                               gfx::DeviceContext dc = ws_.beginPaint(h);
                                               const gfx::Rect r = ws_.clientRect(h);
                                               dc.fillRect(r, gfx::Brush::solid(gfx::Colour(ws_.userData(h))));
                                               dc.fillRect(gfx::Rect{2, 2, 8, 8}, gfx::Brush::solid(gfx::rgb(255, 255, 255)));
                                               return gui::LResult(0);
                                           }});
        presenter_ = X11Presenter::open(ws_);
        ASSERT_TRUE(presenter_) << "the display cannot be opened";
        ASSERT_TRUE(screen_.ok());
    }
    void TearDown() override { presenter_.reset(); }

    gui::HWnd make(const char* title, gfx::Rect r, gfx::Colour c, std::uint32_t style = gui::WS_POPUP,
                   std::uint32_t exStyle = 0, gui::HWnd parent = 0) {
        gui::CreateParams p;
        p.className = "Paint";
        p.text = title;
        p.style = style;
        p.exStyle = exStyle;
        p.parent = parent;
        p.x = r.left;
        p.y = r.top;
        p.width = int(r.width());
        p.height = int(r.height());
        const gui::HWnd h = ws_.createWindow(p);
        ws_.setUserData(h, std::intptr_t(c));
        return h;
    }

    // Runs the loop until the condition holds, at most two seconds.
    bool pumpUntil(const std::function<bool()>& done) {
        const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(2);
        while (std::chrono::steady_clock::now() < until) {
            ws_.pumpFor(5);
            if (done()) return true;
        }
        return false;
    }
    // Shows the window and waits until it is on screen with its picture.
    void showAndWait(gui::HWnd h) {
        ws_.showWindow(h, true);
        ASSERT_TRUE(pumpUntil([&] { return presenter_->showsAllPainted(h); }));
        XSync(screen_.display(), False);
    }
    std::vector<Seen> seenOf(gui::HWnd h, gui::MessageId m) const {
        std::vector<Seen> out;
        for (const Seen& s : seen_)
            if (s.hwnd == h && s.msg == m) out.push_back(s);
        return out;
    }
    Window xOf(gui::HWnd h) const { return Window(presenter_->xWindowOf(h)); }

    gui::WindowSystem ws_;
    gui::ScopedWindowSystem useWindows_{ws_};
    std::unique_ptr<X11Presenter> presenter_;
    TestDisplay screen_;
    std::vector<Seen> seen_;
};

}  // namespace qv::present::x11::testing
