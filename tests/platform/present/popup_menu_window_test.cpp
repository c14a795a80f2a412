// Popup menus as windows: the entry clicked is the answer; a click elsewhere dismisses; grey
// entries, separators and the releases around the opening click choose nothing.
#include "platform/present/popup_menu_window.h"

#include <gtest/gtest.h>

#include "platform/forms/form.h"
#include "tests/platform/present/dialog_fixture.h"

namespace qv::present::testing {
namespace {

class PopupMenuWindowTest : public DialogTest {
protected:
    PopupMenuWindowTest() {
        for (forms::Menu* m : {&open_, &sep_, &grey_, &quit_}) m->ParentMenu(&popup_);
        open_.Caption("Open");
        sep_.Caption("-");
        grey_.Caption("Grey");
        grey_.Enabled(false);
        quit_.Caption("Quit");
    }
    gui::HWnd popupWindow() const { return ws_.findWindow(kPopupMenuClass, ""); }
    // The screen point in the middle of the row that starts `top` pixels into the popup.
    gfx::Point row(int top) const {
        const gfx::Rect r = ws_.windowRect(popupWindow());
        return {r.left + 20, r.top + top};
    }
    forms::Menu* track(gfx::Point at = {100, 100}) { return trackPopupMenu(ws_, popup_, at, {0, 0, 1280, 1024}); }

    forms::Form form_{"frmMenu"};
    forms::Menu popup_{form_, "mnuPopup"}, open_{form_, "mnuOpen"}, sep_{form_, "mnuSep"}, grey_{form_, "mnuGrey"},
        quit_{form_, "mnuQuit"};
};

// Rows: border 3, Open 3-20, separator 20-28, Grey 28-45, Quit 45-62.
TEST_F(PopupMenuWindowTest, TheEntryClickedIsChosen) {
    bool captured = false;
    soon([&] {
        captured = ws_.capture() == popupWindow();
        clickAt(row(50));
    });
    EXPECT_EQ(track(), &quit_);
    EXPECT_TRUE(captured);
    EXPECT_EQ(popupWindow(), 0);
    EXPECT_EQ(ws_.capture(), 0);
}

TEST_F(PopupMenuWindowTest, GreyEntriesAndSeparatorsChooseNothingAndAClickElsewhereDismisses) {
    soon([&] {
        clickAt(row(30));  // grey
        clickAt(row(24));  // the separator
        ws_.mouseButtonUp(gui::MouseButton::Right);  // a release outside, as after the opening click
        soon([&] { clickAt({900, 900}); });
    });
    EXPECT_EQ(track(), nullptr);
}

TEST_F(PopupMenuWindowTest, NearTheScreensEdgeItOpensToTheOtherSide) {
    gfx::Rect at;
    soon([&] {
        at = ws_.windowRect(popupWindow());
        clickAt(row(8));
    });
    EXPECT_EQ(track({1270, 1020}), &open_);
    EXPECT_LE(at.right, 1270);
    EXPECT_LE(at.bottom, 1020);
}

}  // namespace
}  // namespace qv::present::testing
