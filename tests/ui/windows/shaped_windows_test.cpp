// The outlines of the rule list, the add-rule dialog and the graph window as they load, and the
// dragging of the rule list and the graph window by their surface while "Make all form moveable"
// is checked.
#include <gtest/gtest.h>

#include <string>

#include "tests/ui/input.h"
#include "tests/ui/windows/companion_windows_fixture.h"
#include "ui/main/window_shape.h"
#include "ui/windows/frm_add.h"
#include "ui/windows/frm_applications.h"
#include "ui/windows/frm_graph.h"

namespace qv::ui::testing {
namespace {

using ShapedWindows = CompanionWindowsTest;

struct Window {
    const char* name;
    forms::Form& (*open)(frmMain&);
};

template <class F>
forms::Form& openOne(frmMain& main) {
    return OneWindow<F>(main);
}

TEST_F(ShapedWindows, EachTakesItsOutlineAsItLoads) {
    struct Case {
        Window window;
        int rectangles;
        bool cornerCut;  // the top left pixel lies outside the outline
    };
    const Case cases[] = {
        {{"frmApplications", &openOne<frmApplications>}, 1,
         false},
        {{"frmAdd", &openOne<frmAdd>}, 1, false},
        {{"frmGraph", &openOne<frmGraph>}, 3, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.window.name);
        forms::Form& f = c.window.open(*main_);
        f.Show();
        EXPECT_EQ(f.windowRegion().size(), regionBytes(c.rectangles));
        const gui::Rect r = ws_.windowRect(f.hWnd());
        EXPECT_EQ(ws_.windowFromPoint({r.left, r.top}) == f.hWnd(), !c.cornerCut);
        EXPECT_EQ(ws_.windowFromPoint({r.left + 1, r.top + 1}), f.hWnd());
    }
}

TEST_F(ShapedWindows, TheRuleListAndTheGraphAreDraggedWhileMoveableIsChecked) {
    struct Surface {
        Window window;
        int x, y;  // a point of the window's own surface, in pixels
    };
    const Surface surfaces[] = {
        {{"frmApplications", &openOne<frmApplications>},
         240, 42},
        {{"frmGraph", &openOne<frmGraph>}, 400, 20},
    };
    struct Case {
        int check12;
        int button;
        int dx, dy;  // where the window ends up, in pixels
    };
    const Case cases[] = {
        {1, forms::kLeftButton, 30, 20}, {1, forms::kRightButton, 0, 0}, {0, forms::kLeftButton, 0, 0}};
    for (const Surface& s : surfaces) {
        forms::Form& f = s.window.open(*main_);
        f.Show();
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(s.window.name) + " " + std::to_string(c.check12) + " / " +
                         std::to_string(c.button));
            f.Move(1500, 1500, f.Width(), f.Height());
            main_->Check12.Value(c.check12);
            Pointer pointer;
            const int x = 100 + s.x, y = 100 + s.y;
            ASSERT_EQ(ws_.windowFromPoint({x, y}), f.hWnd());
            pointer.moveTo(x, y);
            pointer.press(c.button);
            pointer.moveTo(x + 10, y + 5);
            pointer.moveTo(x + 30, y + 20);
            pointer.release(c.button);
            pointer.moveTo(x + 60, y + 60);
            EXPECT_EQ(f.Left(), 1500 + c.dx * 15);
            EXPECT_EQ(f.Top(), 1500 + c.dy * 15);
            EXPECT_EQ(ws_.windowRect(f.hWnd()).left, 100 + c.dx);
        }
        forms::Unload(f);
    }
}

}  // namespace
}  // namespace qv::ui::testing
