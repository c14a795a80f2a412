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

TEST_F(DialogTest, APopupMenuReturnsTheEntryClicked) {
    forms::Form form("frmMenu");
    forms::Menu popup(form, "mnuPopup"), open(form, "mnuOpen"), quit(form, "mnuQuit");
    open.ParentMenu(&popup);
    quit.ParentMenu(&popup);
    open.Caption("Open Quarvelin");
    quit.Caption("Exit");
    auto window = [&] { return ws_.findWindow(kPopupMenuClass, ""); };
    clickWhenShown(window, [&] {
        EXPECT_TRUE(screen_.overrideRedirect(xOf(window())));
        const gfx::Rect r = ws_.windowRect(window());
        return gfx::Point{r.left + 20, r.top + 3 + 17 + 8};  // the second row
    });
    EXPECT_EQ(prompter().popupMenu(popup, 300, 200), &quit);
    EXPECT_EQ(window(), 0);
}

}  // namespace
}  // namespace qv::present::x11::testing
