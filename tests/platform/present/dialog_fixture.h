#pragma once
// A window system on a fake clock for the dialog tests, and a person who acts a moment after a
// dialog opens (a one-shot timer: the dialog's nested loop runs it).
#include <gtest/gtest.h>

#include <functional>

#include "platform/base/clock.h"
#include "platform/gui/messages.h"
#include "platform/gui/window_system.h"

namespace qv::present::testing {

class DialogTest : public ::testing::Test {
protected:
    // Runs `act` 50 ms from now, from inside whatever loop runs then.
    void soon(std::function<void()> act) {
        ws_.setTimer(0, 0, 50, [this, act = std::move(act)](gui::HWnd, std::uintptr_t id, std::int64_t) {
            ws_.killTimer(0, id);
            act();
        });
    }
    void clickAt(gfx::Point p, gui::MouseButton b = gui::MouseButton::Left) {
        ws_.mouseMoveTo(p);
        ws_.mouseButtonDown(b);
        ws_.mouseButtonUp(b);
    }
    gfx::Point centreOf(gui::HWnd h) const {
        const gfx::Rect r = ws_.windowRect(h);
        return {int(r.left + r.width() / 2), int(r.top + r.height() / 2)};
    }

    base::FakeClock clock_;
    base::ScopedClock useClock_{clock_};
    gui::WindowSystem ws_;
    gui::ScopedWindowSystem useWindows_{ws_};
};

}  // namespace qv::present::testing
