// Balloon tips on the controls of real forms, and windows moved in and out of the topmost band.
#include "controls/balloon.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "controls/on_top.h"
#include "platform/base/clock.h"
#include "platform/forms/form.h"
#include "platform/forms/form_window.h"
#include "platform/forms/intrinsic/buttons.h"
#include "platform/forms/intrinsic/text_box.h"
#include "platform/forms/runtime.h"
#include "platform/gui/messages.h"
#include "platform/gui/tooltip.h"
#include "platform/gui/window_system.h"

namespace qv::controls {
namespace {

// A small window with a text box and a button, at (left, top) pixels on the screen.
struct TipForm : forms::Form {
    explicit TipForm(const std::string& name, int leftPx) : Form(name) {
        Left(leftPx * forms::kTwipsPerPixel);
        Top(0);
        Move(Left(), Top(), 200 * forms::kTwipsPerPixel, 120 * forms::kTwipsPerPixel);
        BorderStyle(0);
        Text1.Move(150, 150, 60 * forms::kTwipsPerPixel, 20 * forms::kTwipsPerPixel);
        Check1.Move(150, 600, 100 * forms::kTwipsPerPixel, 20 * forms::kTwipsPerPixel);
    }
    forms::TextBox Text1{*this, "Text1"};
    forms::CheckBox Check1{*this, "Check1"};
    forms::FormWindow window{*this};
};

class BalloonTest : public ::testing::Test {
protected:
    BalloonTest() { ResetBalloon(); }
    ~BalloonTest() override {
        ResetBalloon();
        forms::resetRuntime();
    }

    // Loads and shows a form, then gives it its balloon and tips as a loading window does.
    void loadWithTips(TipForm& f, const std::string& textTip, const std::string& checkTip) {
        forms::Load(f);
        f.Show();
        CreateBalloon(f.window.hWnd());
        AddBalloonTip(f.window.hWnd(f.Text1), textTip);
        AddBalloonTip(f.window.hWnd(f.Check1), checkTip);
    }
    std::vector<gui::HWnd> balloons() const {
        std::vector<gui::HWnd> out;
        for (gui::HWnd h : ws_.allWindows())
            if (ws_.className(h) == gui::kTooltipClass) out.push_back(h);
        return out;
    }
    // The pointer rests at a screen point long enough for a tip; the tip text showing then.
    std::optional<std::string> restAt(gui::Point p) {
        ws_.mouseMoveTo(p);
        ws_.doEvents();
        ws_.pumpFor(gui::kTooltipInitialMs);
        for (gui::HWnd b : balloons()) {
            const gui::TooltipState* st = gui::tooltipState(ws_, b);
            if (st && st->shown && ws_.isVisible(b)) return st->tools[*st->shown].text;
        }
        return std::nullopt;
    }

    base::FakeClock clock_;
    base::ScopedClock useClock_{clock_};
    gui::WindowSystem ws_;
    gui::ScopedWindowSystem useWindows_{ws_};
};

TEST_F(BalloonTest, TwoWindowsLoadingOneAfterTheOtherEachGetTheirOwnBalloon) {
    TipForm first("frmFirst", 0), second("frmSecond", 300);
    loadWithTips(first, "first text", "first check");
    const gui::HWnd firstBalloon = BalloonWindow();
    loadWithTips(second, "second text", "second check");
    const gui::HWnd secondBalloon = BalloonWindow();

    ASSERT_NE(firstBalloon, 0);
    ASSERT_NE(secondBalloon, 0);
    EXPECT_NE(firstBalloon, secondBalloon);
    EXPECT_EQ(BalloonOwner(), second.window.hWnd());
    EXPECT_EQ(ws_.owner(firstBalloon), first.window.hWnd());
    EXPECT_EQ(ws_.owner(secondBalloon), second.window.hWnd());
    for (gui::HWnd b : {firstBalloon, secondBalloon}) {
        EXPECT_TRUE(ws_.isTopmost(b));
        EXPECT_EQ(ws_.style(b) & 0x43u, gui::TTS_BALLOON | gui::TTS_NOPREFIX | gui::TTS_ALWAYSTIP);
        EXPECT_EQ(gui::tooltipState(ws_, b)->tools.size(), 2u);
    }
    // Each tool is the control's window with id 0, over its whole client area.
    const auto& tools = gui::tooltipState(ws_, secondBalloon)->tools;
    EXPECT_EQ(tools[0].hwnd, second.window.hWnd(second.Text1));
    EXPECT_EQ(tools[0].id, 0u);
    EXPECT_EQ(tools[0].rect, (gui::Rect{0, 0, 60, 20}));
    EXPECT_EQ(tools[0].flags, gui::TTF_SUBCLASS | gui::TTF_TRANSPARENT);

    // A tip added after the second window made its balloon goes to that balloon, whichever
    // window the control is on.
    AddBalloonTip(first.window.hWnd(first.Check1), "later");
    EXPECT_EQ(gui::tooltipState(ws_, firstBalloon)->tools[1].text, "first check");
    EXPECT_EQ(gui::tooltipState(ws_, secondBalloon)->tools.size(), 3u);

    EXPECT_EQ(restAt({320, 15}), "second text");
    EXPECT_EQ(restAt({20, 15}), "first text");

    // The balloon goes with its owner window; the other stays.
    forms::Unload(first);
    EXPECT_FALSE(ws_.isWindow(firstBalloon));
    EXPECT_TRUE(ws_.isWindow(secondBalloon));
}

TEST_F(BalloonTest, AControlEnlargedAfterItsTipShowsNoTipOverTheAddedArea) {
    TipForm f("frmTips", 0);
    loadWithTips(f, "This is a security level", "remember");
    f.Text1.Width(160 * forms::kTwipsPerPixel);
    f.window.sync();
    ASSERT_EQ(ws_.windowRect(f.window.hWnd(f.Text1)).width(), 160);

    EXPECT_EQ(restAt({130, 15}), std::nullopt);  // on the control, in the added area
    EXPECT_EQ(restAt({30, 15}), "This is a security level");
}

TEST_F(BalloonTest, ATipBeforeAnyBalloonGoesNowhere) {
    TipForm f("frmTips", 0);
    forms::Load(f);
    f.Show();
    AddBalloonTip(f.window.hWnd(f.Text1), "nobody shows this");
    EXPECT_TRUE(balloons().empty());
    EXPECT_EQ(BalloonWindow(), 0);
    EXPECT_EQ(restAt({30, 15}), std::nullopt);
}

TEST_F(BalloonTest, AFailedCreationKeepsThePreviousBalloon) {
    TipForm f("frmTips", 0);
    loadWithTips(f, "text", "check");
    const gui::HWnd before = BalloonWindow();
    const gui::HWnd gone = ws_.createWindow(gui::CreateParams{"QvFormWindow", "", gui::WS_POPUP});
    ASSERT_NE(gone, 0);
    ws_.destroyWindow(gone);

    CreateBalloon(gone);  // no owner to make it for
    EXPECT_EQ(BalloonWindow(), before);
    EXPECT_EQ(BalloonOwner(), f.window.hWnd());
    EXPECT_EQ(balloons().size(), 1u);
    f.Text1.Text("x");
    AddBalloonTip(f.window.hWnd(f.Text1), "replaced");
    EXPECT_EQ(gui::tooltipState(ws_, before)->tools[0].text, "replaced");
}

TEST_F(BalloonTest, MakeTopMostAndMakeNormalMoveAWindowInAndOutOfTheTopmostBand) {
    TipForm alert("frmAlert", 0), other("frmOther", 50);
    forms::Load(alert);
    alert.Show();
    const gui::HWnd a = alert.window.hWnd();
    const gui::Rect placed = ws_.windowRect(a);
    forms::Load(other);
    other.Show();
    const gui::HWnd o = other.window.hWnd();
    auto above = [&](gui::HWnd x, gui::HWnd y) {
        const auto order = ws_.topLevelWindows();
        return std::find(order.begin(), order.end(), x) < std::find(order.begin(), order.end(), y);
    };
    ASSERT_TRUE(above(o, a));

    clsOnTop onTop;
    onTop.MakeTopMost(a);
    EXPECT_TRUE(ws_.isTopmost(a));
    EXPECT_TRUE(above(a, o));
    ws_.setForegroundWindow(o);  // a normal window brought forward stays below the band
    EXPECT_TRUE(above(a, o));
    EXPECT_EQ(ws_.windowRect(a), placed);
    alert.window.sync();
    EXPECT_TRUE(alert.isTopmost());

    onTop.MakeNormal(a);
    EXPECT_FALSE(ws_.isTopmost(a));
    EXPECT_EQ(ws_.windowRect(a), placed);
    ws_.setForegroundWindow(o);
    EXPECT_TRUE(above(o, a));
    alert.window.sync();
    EXPECT_FALSE(alert.isTopmost());
}

}  // namespace
}  // namespace qv::controls
