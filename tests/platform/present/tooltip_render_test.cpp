// Tooltip windows drawn as they show: the tip a resting pointer brings up, and its look.
#include <gtest/gtest.h>

#include "platform/base/clock.h"
#include "platform/gui/messages.h"
#include "platform/gui/tooltip.h"
#include "platform/present/tooltip_render.h"
#include "tests/platform/present/reference_check.h"

namespace qv::present {
namespace {

using namespace qv::gui;

TEST(TooltipRender, ShowsTheTipOfTheToolThePointerRestsOnInItsStyle) {
    base::FakeClock clock;
    base::ScopedClock useClock(clock);
    WindowSystem ws;
    ScopedWindowSystem useWindows(ws);
    ws.registerClass(WindowClass{"Plain", {}});
    CreateParams p;
    p.className = "Plain";
    p.style = WS_VISIBLE;
    p.x = 0;
    p.y = 0;
    p.width = 100;
    p.height = 50;
    const HWnd tool = ws.createWindow(p);
    CreateParams t;
    t.className = kTooltipClass;
    t.style = TTS_BALLOON;
    t.exStyle = WS_EX_TOPMOST;
    const HWnd tip = ws.createWindow(t);
    ToolInfo info;
    info.flags = TTF_SUBCLASS;
    info.hwnd = tool;
    info.rect = {0, 0, 100, 50};
    info.text = "Blocks every connection";
    ws.sendMessage(tip, TTM_ADDTOOLA, 0, reinterpret_cast<LParam>(&info));
    ws.sendMessage(tip, TTM_SETTITLEA, 2, reinterpret_cast<LParam>("Security level"));

    EXPECT_EQ(renderTooltip(ws, tip).width(), 0) << "no tip shows yet";
    EXPECT_EQ(renderTooltip(ws, tool).width(), 0) << "not a tooltip window";
    ws.mouseMoveTo({10, 10});
    ws.pumpFor(kTooltipInitialMs + 10);
    const gfx::Canvas shown = renderTooltip(ws, tip);
    ASSERT_GT(shown.width(), 0);
    TipLook look;
    look.title = "Security level";
    look.icon = 2;
    look.text = "Blocks every connection";
    look.balloon = true;
    EXPECT_EQ(shown, renderTip(look));
}

TEST(Reference, TooltipsMatchTheirPictures) {
    TipLook plain;
    plain.text = "Quarvelin - 3 applications allowed";
    testing::expectMatchesReference(renderTip(plain), "tipPlain");
    TipLook balloon;
    balloon.title = "New connection";
    balloon.icon = 1;
    balloon.text = "An application asks to connect to the network. Open the alert to decide.";
    balloon.balloon = true;
    testing::expectMatchesReference(renderTip(balloon), "tipBalloon");
}

}  // namespace
}  // namespace qv::present
