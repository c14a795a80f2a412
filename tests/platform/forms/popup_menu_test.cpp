// A popup menu in its own window answered with the mouse while the caller waits in a nested
// run of the loop: the person's input arrives from timers of the loop itself.
#include "platform/forms/intrinsic/popup_menu.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/base/clock.h"
#include "platform/forms/form.h"
#include "platform/forms/intrinsic/menu_paint.h"
#include "platform/gui/messages.h"
#include "platform/gui/window_system.h"

namespace qv::forms {
namespace {

class PopupMenuTest : public ::testing::Test {
protected:
    PopupMenuTest() {
        for (Menu* m : {&open, &sep, &off, &quit}) m->ParentMenu(&popup);
        open.Caption("&Open");
        sep.Caption("-");
        off.Caption("Disabled");
        off.Enabled(false);
        quit.Caption("Close");
        open.Click = [this] { clicked.push_back("open"); };
        quit.Click = [this] { clicked.push_back("quit"); };
    }
    ~PopupMenuTest() override { setPopupHandler(nullptr); }

    // Steps of the person's input, one every 10 ms of the loop while the popup is open.
    void script(std::vector<std::function<void()>> steps) {
        steps_ = std::move(steps);
        ws_.setTimer(0, 0, 10, [this](gui::HWnd, std::uintptr_t id, std::int64_t) {
            if (next_ < steps_.size()) steps_[next_++]();
            if (next_ == steps_.size()) ws_.killTimer(0, id);
        });
    }
    // The screen point of a shown entry (1-based) of a popup opened at (100, 50).
    gui::Point entry(int n) const {
        for (int y = 0; y < 200; ++y)
            if (menuEntryAt(popup, y) == n) return {120, 50 + y + 3};
        return {};
    }
    gui::HWnd popupWindow() const {
        for (gui::HWnd h : ws_.topLevelWindows())
            if (ws_.className(h) == "QvPopupMenu") return h;
        return 0;
    }

    base::FakeClock clock_;
    base::ScopedClock useClock_{clock_};
    gui::WindowSystem ws_;
    gui::ScopedWindowSystem useWindows_{ws_};
    Form f{"frmMenus"};
    Menu popup{f, "mnuPop"}, open{f, "mnuOpen"}, sep{f, "mnuSep"}, off{f, "mnuOff"}, quit{f, "mnuQuit"};
    std::vector<std::string> clicked;
    std::vector<std::function<void()>> steps_;
    std::size_t next_ = 0;
};

TEST_F(PopupMenuTest, AReleaseOnAnEnabledEntryPicksItAndTheMenuGoes) {
    gui::HWnd shown = 0;
    gui::Rect place;
    bool topmost = false;
    gfx::Colour hot = 0;
    script({[&] {
                shown = popupWindow();
                topmost = ws_.isTopmost(shown);
                place = ws_.windowRect(shown);
                ws_.mouseMoveTo(entry(4));
            },
            [&] { hot = ws_.surface(popupWindow())->pixel(8, entry(4).y - 50); },
            [&] {
                ws_.mouseButtonDown(gui::MouseButton::Left);
                ws_.mouseButtonUp(gui::MouseButton::Left);
            }});
    EXPECT_EQ(showPopupMenu(popup, 100, 50), &quit);
    EXPECT_NE(shown, 0);
    EXPECT_TRUE(topmost);
    EXPECT_EQ(place.left, 100);
    EXPECT_EQ(place.top, 50);
    EXPECT_EQ(hot, gfx::sysColour(gfx::kColourHighlight)) << "the entry under the pointer is highlighted";
    EXPECT_FALSE(ws_.isWindow(shown));
    EXPECT_EQ(ws_.capture(), 0);
}

TEST_F(PopupMenuTest, DisabledEntriesAndSeparatorsPickNothingAndAPressOutsideCloses) {
    auto click = [&](gui::Point p) {
        return [this, p] {
            ws_.mouseMoveTo(p);
            ws_.mouseButtonDown(gui::MouseButton::Left);
            ws_.mouseButtonUp(gui::MouseButton::Left);
        };
    };
    script({click(entry(3)), click(entry(2)), click({10, 10})});
    EXPECT_EQ(showPopupMenu(popup, 100, 50), nullptr);
    EXPECT_EQ(next_, 3u) << "open until the press outside";
    EXPECT_EQ(popupWindow(), 0);
}

TEST_F(PopupMenuTest, AsTheFormsPopupHandlerTheChosenEntryRunsItsClick) {
    setPopupHandler(showPopupMenu);
    setCursorPos(100, 50);
    script({[&] {
        ws_.mouseMoveTo(entry(1));
        ws_.mouseButtonDown(gui::MouseButton::Left);
        ws_.mouseButtonUp(gui::MouseButton::Left);
    }});
    f.PopupMenu(popup);
    EXPECT_EQ(clicked, (std::vector<std::string>{"open"}));
}

}  // namespace
}  // namespace qv::forms
