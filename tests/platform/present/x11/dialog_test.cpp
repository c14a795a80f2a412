// Message boxes and popup menus on the display, answered by clicks sent with XTEST.
#include <gtest/gtest.h>

#include "platform/forms/form.h"
#include "platform/present/desktop_prompter.h"
#include "platform/present/image_compare.h"
#include "platform/present/message_box_window.h"
#include "platform/present/popup_menu_window.h"
#include "tests/platform/present/x11/presenter_fixture.h"

namespace qv::present::x11::testing {
namespace {

class DialogTest : public PresenterTest {
protected:
    // Once the window is on screen with its picture, checks the picture and clicks the point.
    void clickWhenShown(const std::function<gui::HWnd()>& window, const std::function<gfx::Point()>& where) {
        ws_.setTimer(0, 0, 20, [=, this](gui::HWnd, std::uintptr_t id, std::int64_t) {
            const gui::HWnd w = window();
            if (!w || !presenter_->showsAllPainted(w)) return;
            ws_.killTimer(0, id);
            const gfx::Canvas shot = screen_.screenshot(ws_.windowRect(w));
            const ImageDifference d = compareImages(shot, *ws_.surface(w), 2);
            EXPECT_TRUE(d.within(0.0)) << d.differing << " pixels differ";
            const gfx::Point p = where();
            screen_.click(p.x, p.y);
        });
        // Should the click not answer, the window goes after three seconds and the test fails.
        ws_.setTimer(0, 0, 3000, [=, this](gui::HWnd, std::uintptr_t id, std::int64_t) {
            ws_.killTimer(0, id);
            if (const gui::HWnd w = window()) {
                ADD_FAILURE() << "the click did not answer";
                ws_.destroyWindow(w);
            }
        });
    }
    gfx::Point centreOf(gui::HWnd h) const {
        const gfx::Rect r = ws_.windowRect(h);
        return {int(r.left + r.width() / 2), int(r.top + r.height() / 2)};
    }
    DesktopPrompter prompter() { return DesktopPrompter(ws_, presenter_->screen()); }
};

TEST_F(DialogTest, AMessageBoxOfStyle4IsAnsweredYesByAClickOnItsButton) {
    auto box = [&] { return ws_.findWindow(kMessageBoxClass, "Quarvelin"); };
    clickWhenShown(box, [&] {
        for (gui::HWnd b : ws_.children(box()))
            if (ws_.text(b) == "&Yes") return centreOf(b);
        return gfx::Point{};
    });
    EXPECT_EQ(prompter().messageBox({"Allow this application?", "Quarvelin", 4 + 32}), forms::vbYes);
    EXPECT_EQ(screen_.findByTitle("Quarvelin"), 0u);
}

class PopupTest : public DialogTest {
protected:
    PopupTest() {
        open_.ParentMenu(&popup_);
        quit_.ParentMenu(&popup_);
        open_.Caption("Open Quarvelin");
        quit_.Caption("Exit");
    }
    gui::HWnd window() const { return ws_.findWindow(kPopupMenuClass, ""); }
    forms::Form form_{"frmMenu"};
    forms::Menu popup_{form_, "mnuPopup"}, open_{form_, "mnuOpen"}, quit_{form_, "mnuQuit"};
};

TEST_F(PopupTest, APopupMenuReturnsTheEntryClicked) {
    auto window = [&] { return this->window(); };
    clickWhenShown(window, [&] {
        EXPECT_TRUE(screen_.overrideRedirect(xOf(window())));
        const gfx::Rect r = ws_.windowRect(window());
        return gfx::Point{r.left + 20, r.top + 3 + 17 + 8};  // the second row
    });
    EXPECT_EQ(prompter().popupMenu(popup_, 300, 200), &quit_);
    EXPECT_EQ(window(), 0);
}

TEST_F(PopupTest, AClickWhereTheProgramHasNoWindowClosesIt) {
    clickWhenShown([&] { return window(); }, [] { return gfx::Point{1200, 40}; });
    EXPECT_EQ(prompter().popupMenu(popup_, 300, 200), nullptr);
}

}  // namespace
}  // namespace qv::present::x11::testing
