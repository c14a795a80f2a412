#include "platform/gui/tooltip.h"

#include <gtest/gtest.h>

#include "gui_fixture.h"

namespace qv::gui::testing {
namespace {

class TooltipTest : public GuiTest {
protected:
    // A balloon tooltip window for the owner, made as the program's windows make theirs.
    HWnd balloon(HWnd owner) {
        CreateParams p;
        p.className = kTooltipClass;
        p.style = WS_POPUP | TTS_BALLOON | TTS_NOPREFIX | TTS_ALWAYSTIP;
        p.exStyle = WS_EX_TOPMOST;
        p.parent = owner;
        HWnd tip = ws_.createWindow(p);
        ws_.setWindowPos(tip, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
        return tip;
    }
    LResult addTip(HWnd tip, HWnd control, const std::string& text) {
        ToolInfo info;
        info.flags = TTF_SUBCLASS | TTF_TRANSPARENT;
        info.hwnd = control;
        info.rect = ws_.clientRect(control);
        info.text = text;
        return ws_.sendMessage(tip, TTM_ADDTOOLA, 0, reinterpret_cast<LParam>(&info));
    }
    void rest(Point at, std::int64_t ms) {
        ws_.mouseMoveTo(at);
        ws_.doEvents();
        ws_.pumpFor(ms);
    }
};

TEST_F(TooltipTest, ABalloonWindowIsTopmostOwnedAndGoesWithItsOwner) {
    HWnd form = top(100, 100, 200, 100);
    HWnd tip = balloon(form);
    ASSERT_NE(tip, 0);
    HWnd later = top(0, 0, 50, 50);
    EXPECT_TRUE(ws_.isTopmost(tip));
    EXPECT_FALSE(ws_.isVisible(tip));  // shows only while a tip is up
    EXPECT_TRUE(ws_.style(tip) & TTS_BALLOON);
    EXPECT_EQ(ws_.owner(tip), form);
    EXPECT_EQ(ws_.parent(tip), 0);
    const auto order = ws_.topLevelWindows();
    EXPECT_LT(std::find(order.begin(), order.end(), tip) - order.begin(),
              std::find(order.begin(), order.end(), later) - order.begin());
    ws_.destroyWindow(form);
    EXPECT_FALSE(ws_.isWindow(tip));
}

TEST_F(TooltipTest, EachControlWindowIsOneToolWhoseTextIsReplacedWhenAddedAgain) {
    HWnd form = top(100, 100, 200, 100);
    HWnd ok = child(form, 10, 10, 60, 20);
    HWnd cancel = child(form, 100, 10, 60, 20);
    HWnd tip = balloon(form);
    EXPECT_EQ(addTip(tip, ok, "Close the window"), 1);
    EXPECT_EQ(addTip(tip, cancel, "Keep it open"), 1);
    EXPECT_EQ(addTip(tip, ok, "Save and close"), 1);
    const HWnd gone = child(form, 0, 0, 5, 5);
    ws_.destroyWindow(gone);
    EXPECT_EQ(addTip(tip, gone, "dead"), 0);
    const TooltipState* st = tooltipState(ws_, tip);
    ASSERT_NE(st, nullptr);
    ASSERT_EQ(st->tools.size(), 2u);
    EXPECT_EQ(tooltipTextAt(ws_, tip, {115, 115}), "Save and close");
    EXPECT_EQ(tooltipTextAt(ws_, tip, {205, 115}), "Keep it open");
    EXPECT_EQ(tooltipTextAt(ws_, tip, {180, 115}), std::nullopt);  // between the controls
    EXPECT_EQ(tooltipState(ws_, form), nullptr);

    ToolInfo del;
    del.hwnd = cancel;
    ws_.sendMessage(tip, TTM_DELTOOLA, 0, reinterpret_cast<LParam>(&del));
    EXPECT_EQ(tooltipState(ws_, tip)->tools.size(), 1u);
    EXPECT_EQ(tooltipTextAt(ws_, tip, {205, 115}), std::nullopt);
}

TEST_F(TooltipTest, TheTipShowsAfterThePointerRestsAndHidesWhenItLeavesOrTimesOut) {
    HWnd form = top(100, 100, 200, 100);
    HWnd button = child(form, 10, 10, 60, 20);
    HWnd tip = balloon(form);
    addTip(tip, button, "Block all");
    rest({120, 120}, kTooltipInitialMs - 1);
    EXPECT_FALSE(ws_.isVisible(tip));
    ws_.pumpFor(1);
    ASSERT_TRUE(ws_.isVisible(tip));
    EXPECT_EQ(tooltipState(ws_, tip)->shown, 0u);

    rest({250, 150}, kTooltipLeaveCheckMs - 1);  // off the control, onto its form
    EXPECT_TRUE(ws_.isVisible(tip));
    ws_.pumpFor(1);
    EXPECT_FALSE(ws_.isVisible(tip));
    EXPECT_FALSE(tooltipState(ws_, tip)->shown);

    rest({121, 121}, kTooltipInitialMs);
    ASSERT_TRUE(ws_.isVisible(tip));
    ws_.pumpFor(kTooltipAutoPopMs);
    EXPECT_FALSE(ws_.isVisible(tip));

    // The control's own procedure still sees its messages through the tooltip's watch.
    EXPECT_FALSE(seenOf(button, WM_MOUSEMOVE).empty());
}

TEST_F(TooltipTest, AToolCoversTheControlAsItWasWhenAdded) {
    HWnd form = top(0, 0, 300, 100);
    HWnd box = child(form, 10, 10, 50, 20);
    HWnd tip = balloon(form);
    addTip(tip, box, "Remote address");
    ws_.moveWindow(box, 10, 10, 150, 20);
    EXPECT_EQ(tooltipTextAt(ws_, tip, {30, 20}), "Remote address");
    EXPECT_EQ(tooltipTextAt(ws_, tip, {100, 20}), std::nullopt);  // the added area has no tip
    rest({100, 20}, kTooltipInitialMs);
    EXPECT_FALSE(ws_.isVisible(tip));
}

TEST_F(TooltipTest, TipsAddedAfterASecondBalloonBelongToIt) {
    HWnd first = top(0, 0, 100, 100);
    HWnd second = top(200, 0, 100, 100);
    HWnd a = child(first, 0, 0, 20, 20);
    HWnd b = child(second, 0, 0, 20, 20);
    HWnd tipA = balloon(first);
    addTip(tipA, a, "first");
    HWnd tipB = balloon(second);
    addTip(tipB, b, "second");
    EXPECT_EQ(tooltipState(ws_, tipA)->tools.size(), 1u);
    EXPECT_EQ(tooltipTextAt(ws_, tipB, {205, 5}), "second");
    EXPECT_EQ(tooltipTextAt(ws_, tipA, {205, 5}), std::nullopt);
    // A tooltip going first leaves its control working.
    ws_.destroyWindow(tipA);
    rest({5, 5}, kTooltipInitialMs);
    EXPECT_TRUE(ws_.isWindow(a));
    EXPECT_FALSE(seenOf(a, WM_MOUSEMOVE).empty());
}

TEST_F(TooltipTest, TitleAndColoursAreKept) {
    HWnd form = top(0, 0, 100, 100);
    HWnd tip = balloon(form);
    ws_.sendMessage(tip, TTM_SETTITLEA, 1, reinterpret_cast<LParam>("Quarvelin"));
    ws_.sendMessage(tip, TTM_SETTIPBKCOLOR, 0xE1FFFF);
    ws_.sendMessage(tip, TTM_SETTIPTEXTCOLOR, 0x000000);
    const TooltipState* st = tooltipState(ws_, tip);
    EXPECT_EQ(st->title, "Quarvelin");
    EXPECT_EQ(st->titleIcon, 1);
    EXPECT_EQ(st->backColor, 0xE1FFFFu);
    EXPECT_EQ(st->textColor, 0u);
}

}  // namespace
}  // namespace qv::gui::testing
