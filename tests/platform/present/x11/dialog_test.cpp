// Forms on the display: a check box toggled and a text box typed into with XTEST, a message box
// answered and a popup menu picked by clicks, each while the caller waits in the loop.
#include <gtest/gtest.h>

#include "platform/forms/form.h"
#include "platform/forms/instances.h"
#include "platform/forms/intrinsic/buttons.h"
#include "platform/forms/intrinsic/menu.h"
#include "platform/forms/intrinsic/popup_menu.h"
#include "platform/forms/intrinsic/text_box.h"
#include "platform/forms/msgbox_window.h"
#include "platform/forms/runtime.h"
#include "platform/forms/types.h"
#include "platform/present/image_compare.h"
#include "tests/platform/present/x11/presenter_fixture.h"

namespace qv::present::x11::testing {
namespace {

constexpr int kTw = forms::kTwipsPerPixel;

class frmInput : public forms::Form {
public:
    frmInput() : Form("frmInput") {
        BorderStyle(0);
        Move(200 * kTw, 150 * kTw, 240 * kTw, 120 * kTw);
        Check1.Caption("Allow all");
        Check1.Move(10 * kTw, 10 * kTw, 120 * kTw, 17 * kTw);
        Text1.Move(10 * kTw, 40 * kTw, 150 * kTw, 21 * kTw);
    }
    forms::CheckBox Check1{*this, "Check1"};
    forms::TextBox Text1{*this, "Text1"};
};

class FormsOnDisplay : public PresenterTest {
protected:
    void TearDown() override {
        forms::setPrompter(nullptr);
        forms::resetForms();
        PresenterTest::TearDown();
    }
    // Once the window is on screen with its picture: checks the picture against the surface
    // and clicks the point. Should the click not answer, the window is closed after three
    // seconds and the test fails.
    void clickWhenShown(const std::function<gui::HWnd()>& window, const std::function<gfx::Point()>& where) {
        ws_.setTimer(0, 0, 20, [=, this](gui::HWnd, std::uintptr_t id, std::int64_t) {
            const gui::HWnd w = window();
            if (!w || !presenter_->showsAllPainted(w)) return;
            ws_.killTimer(0, id);
            expectScreenShows(w);
            const gfx::Point p = where();
            screen_.click(p.x, p.y);
        });
        ws_.setTimer(0, 0, 3000, [=, this](gui::HWnd, std::uintptr_t id, std::int64_t) {
            ws_.killTimer(0, id);
            if (const gui::HWnd w = window()) {
                ADD_FAILURE() << "the click did not answer";
                ws_.sendMessage(w, gui::WM_CLOSE);
            }
        });
    }
    // What the X window shows (a captioned window: its client area, the window manager's
    // frame round it) is that part of the surface.
    void expectScreenShows(gui::HWnd w) {
        const gfx::Rect shown = screen_.rectOf(xOf(w)), whole = ws_.windowRect(w);
        gfx::Canvas part(int(shown.width()), int(shown.height()));
        for (int y = 0; y < part.height(); ++y)
            for (int x = 0; x < part.width(); ++x)
                part.setPixel(x, y, ws_.surface(w)->pixel(shown.left - whole.left + x, shown.top - whole.top + y));
        const ImageDifference d = compareImages(screen_.screenshot(shown), part, 2);
        EXPECT_TRUE(d.within(0.0)) << d.differing << " pixels differ";
    }
    gfx::Point centreOf(gui::HWnd h) const {
        const gfx::Rect r = ws_.windowRect(h);
        return {int(r.left + r.width() / 2), int(r.top + r.height() / 2)};
    }
    static forms::Form* loaded(const char* name) {
        for (forms::Form* f : forms::LoadedForms())
            if (f->Name() == name) return f;
        return nullptr;
    }
};

TEST_F(FormsOnDisplay, AClickTogglesTheCheckBoxAndKeysTypeIntoTheTextBox) {
    auto& f = forms::New<frmInput>();
    f.Show();
    ASSERT_TRUE(pumpUntil([&] { return presenter_->showsAllPainted(f.hWnd()); }));
    const gfx::Point box = ws_.clientToScreen(f.Check1.hWnd(), {6, 8});
    screen_.click(box.x, box.y);
    ASSERT_TRUE(pumpUntil([&] { return f.Check1.Value() == 1; }));
    // The screen shows the mark once the box repaints.
    ws_.pumpFor(50);
    expectScreenShows(f.hWnd());

    const gfx::Point field = ws_.clientToScreen(f.Text1.hWnd(), {20, 10});
    screen_.click(field.x, field.y);
    ASSERT_TRUE(pumpUntil([&] { return ws_.focus() == f.Text1.hWnd(); }));
    XSetInputFocus(screen_.display(), xOf(f.hWnd()), RevertToParent, CurrentTime);
    screen_.key(XK_Shift_L, true);
    screen_.key(XK_q, true);
    screen_.key(XK_q, false);
    screen_.key(XK_Shift_L, false);
    screen_.key(XK_v, true);
    screen_.key(XK_v, false);
    EXPECT_TRUE(pumpUntil([&] { return f.Text1.Text() == "Qv"; })) << f.Text1.Text();
}

TEST_F(FormsOnDisplay, AMessageBoxOfStyle4IsAnsweredYesByAClickOnItsButton) {
    forms::WindowPrompter prompter;
    forms::setPrompter(&prompter);
    auto box = [] {
        forms::Form* f = loaded("frmMsgBox");
        return f && f->Visible() ? f->hWnd() : gui::HWnd(0);
    };
    clickWhenShown(box, [&] { return centreOf(loaded("frmMsgBox")->findControl("cmd6")->hWnd()); });
    EXPECT_EQ(forms::MsgBox("Allow this application?", 4 + 32, "Quarvelin"), forms::vbYes);
    EXPECT_EQ(loaded("frmMsgBox"), nullptr);
}

TEST_F(FormsOnDisplay, APopupMenuReturnsTheEntryClickedAndClosesOnAClickElsewhere) {
    forms::Form form("frmMenu");
    forms::Menu popup(form, "mnuPopup"), open(form, "mnuOpen"), quit(form, "mnuQuit");
    open.ParentMenu(&popup);
    quit.ParentMenu(&popup);
    open.Caption("Open Quarvelin");
    quit.Caption("Exit");
    auto window = [&] { return ws_.findWindow("QvPopupMenu", ""); };
    clickWhenShown(window, [&] {
        EXPECT_TRUE(screen_.overrideRedirect(xOf(window())));
        const gfx::Rect r = ws_.windowRect(window());
        return gfx::Point{r.left + 20, r.top + int(r.height()) * 3 / 4};  // the second entry
    });
    EXPECT_EQ(forms::showPopupMenu(popup, 300, 200), &quit);
    EXPECT_EQ(window(), 0);
    // Where the program has no window: the pointer grab brings the press to the menu.
    clickWhenShown(window, [] { return gfx::Point{1200, 40}; });
    EXPECT_EQ(forms::showPopupMenu(popup, 300, 200), nullptr);
}

}  // namespace
}  // namespace qv::present::x11::testing
