// Where a form's window first shows: by StartUpPosition, on the screen the presenter gives, and a
// step aside from a shown window it would cover exactly.
#include <gtest/gtest.h>

#include "platform/base/clock.h"
#include "platform/forms/form.h"
#include "platform/forms/instances.h"
#include "platform/forms/types.h"
#include "platform/gui/window_system.h"

namespace qv::forms {
namespace {

class frmPlaced : public Form {
public:
    explicit frmPlaced(int position) : Form("frmPlaced") {
        BorderStyle(0);
        Move(pixelsToTwips(5), pixelsToTwips(7), pixelsToTwips(200), pixelsToTwips(100));
        StartUpPosition(position);
    }
};

class StartUpPositionTest : public ::testing::Test {
protected:
    StartUpPositionTest() { ws.setScreenArea({0, 0, 800, 600}); }
    ~StartUpPositionTest() override { resetForms(); }

    gui::Rect shownAt(int position) {
        frmPlaced& f = New<frmPlaced>(position);
        f.Show();
        return gui::windows().windowRect(f.hWnd());
    }

    base::FakeClock clock;
    base::ScopedClock useClock{clock};
    gui::WindowSystem ws;
    gui::ScopedWindowSystem useWindows{ws};
};

TEST_F(StartUpPositionTest, ByItsStartUpPosition) {
    const struct {
        int position;
        gui::Rect at;
    } cases[] = {
        {0, {5, 7, 205, 107}},      // where Left and Top say
        {2, {300, 250, 500, 350}},  // the middle of the screen
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.position);
        EXPECT_EQ(shownAt(c.position), c.at);
        resetForms();
    }
}

TEST_F(StartUpPositionTest, AWindowThatWouldCoverAnotherGoesAStepAside) {
    EXPECT_EQ(shownAt(2).left, 300);
    EXPECT_EQ(shownAt(2).left, 324);
    EXPECT_EQ(shownAt(2), (gui::Rect{348, 298, 548, 398}));
}

TEST_F(StartUpPositionTest, OnlyTheFirstShowPlacesTheWindow) {
    frmPlaced& f = New<frmPlaced>(2);
    f.Show();
    f.Hide();
    f.Move(0, 0, f.Width(), f.Height());
    f.Show();
    EXPECT_EQ(gui::windows().windowRect(f.hWnd()).left, 0) << "a moved window stays where it was moved";
}

}  // namespace
}  // namespace qv::forms
