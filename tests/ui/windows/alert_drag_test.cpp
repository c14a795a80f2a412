// Both alerts follow the pointer when pressed on their own surface with the left button, while the
// main window's "Make all form moveable" is checked; otherwise they stay where they are.
#include <gtest/gtest.h>

#include <functional>

#include "tests/ui/input.h"
#include "tests/ui/windows/windows_fixture.h"
#include "ui/windows/frm_alert.h"
#include "ui/windows/frm_service_alert.h"

namespace qv::ui::testing {
namespace {

using AlertDrag = WindowsTest;

TEST_F(AlertDrag, AnAlertMovesWithTheLeftButtonWhileFormsAreMoveable) {
    struct Window {
        const char* name;
        std::function<forms::Form&()> open;
        gui::Point surface;  // a point of the window that no control covers
    };
    const Window windows[] = {
        {"connection alert", [&]() -> forms::Form& { return browserAlert(); }, {320, 150}},
        {"dangerous-port alert", [&]() -> forms::Form& { return proxyPortAlert(); }, {336, 100}},
    };
    struct Case {
        const char* name;
        int moveable;  // Check12
        int button;
        bool moves;
    } cases[] = {
        {"left button", 1, forms::kLeftButton, true},
        {"right button", 1, forms::kRightButton, false},
        {"not moveable", 0, forms::kLeftButton, false},
    };
    for (const Window& w : windows) {
        forms::Form& f = w.open();
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(w.name) + ", " + c.name);
            main_->Check12.Value(c.moveable);
            const gui::Rect before = ws_.windowRect(f.hWnd());
            const int left = f.Left(), top = f.Top();
            const gui::Point from{before.left + w.surface.x, before.top + w.surface.y};
            ASSERT_EQ(ws_.windowFromPoint(from), f.hWnd());
            Pointer hand;
            hand.moveTo(from);
            hand.press(c.button);
            hand.moveTo(from.x + 30, from.y + 20);
            hand.release(c.button);

            const int dx = c.moves ? 30 : 0, dy = c.moves ? 20 : 0;
            EXPECT_EQ(f.Left(), left + dx * 15);
            EXPECT_EQ(f.Top(), top + dy * 15);
            const gui::Rect after = ws_.windowRect(f.hWnd());
            EXPECT_EQ(after.left, before.left + dx);
            EXPECT_EQ(after.top, before.top + dy);
        }
    }
}

}  // namespace
}  // namespace qv::ui::testing
