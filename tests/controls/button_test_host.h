#pragma once
// The world of isButton tests: a fake clock, a window system and an event log of their own, and
// a host form, whose window holds each button's window as a child, so input given at screen
// points climbs to it.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "controls/button.h"
#include "platform/base/clock.h"
#include "platform/forms/form.h"
#include "platform/gui/event_log.h"
#include "platform/gui/window_system.h"

namespace qv::controls::testing {

// A fake clock, a window system and an application event log of the test's own.
class ButtonEnvironmentTest : public ::testing::Test {
protected:
    // The texts of the event log's entries.
    std::vector<std::string> logged() const {
        std::vector<std::string> out;
        for (const auto& e : events_.entries) out.push_back(e.text);
        return out;
    }

    base::FakeClock clock_;
    base::ScopedClock useClock_{clock_};
    gui::WindowSystem ws_;
    gui::ScopedWindowSystem useWindows_{ws_};
    gui::RecordingEventLog events_;
    gui::ScopedEventLog useLog_{events_};
};

class ButtonHostTest : public ButtonEnvironmentTest {
protected:
    forms::Form form_{"frmHost"};

    // The middle of a button's window on the screen, and a point off every button.
    gui::Point middleOf(const isButton& b) const {
        const gui::Rect r = ws_.windowRect(b.hWnd());
        return {int(r.left + r.width() / 2), int(r.top + r.height() / 2)};
    }
    gui::Point offButtons() {
        const gui::Rect r = ws_.windowRect(form_.hWnd());
        return {r.right - 5, r.bottom - 5};
    }
    void moveTo(gui::Point p) {
        ws_.mouseMoveTo(p);
        ws_.doEvents();
    }
    void press() {
        ws_.mouseButtonDown(gui::MouseButton::Left);
        ws_.doEvents();
    }
    void release() {
        ws_.mouseButtonUp(gui::MouseButton::Left);
        ws_.doEvents();
    }
    // Records the button's events under its name.
    void watch(isButton& b) {
        const std::string n = b.Name();
        b.Click = [this, n] { events.push_back(n + " Click"); };
        b.MouseEnter = [this, n] { events.push_back(n + " MouseEnter"); };
        b.MouseLeave = [this, n] { events.push_back(n + " MouseLeave"); };
    }
    std::vector<std::string> takeEvents() { return std::exchange(events, {}); }

    std::vector<std::string> events;
};

}  // namespace qv::controls::testing
