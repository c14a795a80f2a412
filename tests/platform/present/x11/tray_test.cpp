// The tray control's icon in a system tray on the display: docked when a tray runs or appears,
// clicked through to the control's events, gone when the control leaves the tray.
#include <gtest/gtest.h>

#include "controls/sys_tray.h"
#include "platform/forms/form.h"
#include "platform/gfx/picture.h"
#include "tests/platform/present/x11/presenter_fixture.h"
#include "tests/platform/present/x11/tray_host.h"

namespace qv::present::x11::testing {
namespace {

class TrayTest : public PresenterTest {
protected:
    std::unique_ptr<controls::cSysTray> makeTray() {
        auto t = std::make_unique<controls::cSysTray>(form_, "SysTray");
        t->TrayIcon(gfx::Picture::icon(gfx::Canvas(32, 32, gfx::rgb(0, 160, 0)), gfx::Canvas(32, 32, 0)));
        t->TrayTip("Quarvelin - Status Normal");
        return t;
    }
    void pump() { ws_.pumpFor(5); }
    unsigned long iconWindow(const controls::cSysTray& t) const { return presenter_->trayIconWindow(t.hWnd(), 0); }

    forms::Form form_{"frmTray"};
};

TEST_F(TrayTest, TheIconDocksAClickRaisesMouseUpAndLeavingTheTrayUndocks) {
    TrayHost host;
    ASSERT_TRUE(host.running());
    ws_.pumpFor(20);  // the presenter hears of the tray
    auto tray = makeTray();
    std::vector<int> ups;
    tray->MouseUp = [&](int& button, std::int32_t&) { ups.push_back(button); };
    tray->InTray(true);
    const unsigned long icon = iconWindow(*tray);
    ASSERT_NE(icon, 0u);
    ASSERT_TRUE(host.waitFor("docked", icon, [&] { pump(); }));
    EXPECT_EQ(screen_.parentOf(Window(icon)), Window(host.tray()));
    ASSERT_TRUE(pumpUntil([&] { return screen_.viewable(Window(icon)); }));

    // The icon is drawn at the size the tray gave it.
    const gfx::Rect at = screen_.rectOf(Window(icon));
    EXPECT_EQ(at.width(), 24);
    ASSERT_TRUE(pumpUntil([&] { return screen_.screenshot(at).pixel(12, 12) == gfx::rgb(0, 160, 0); }));

    std::vector<int> doubles;
    tray->MouseDblClick = [&](int& button, std::int32_t&) { doubles.push_back(button); };
    screen_.click(at.left + 12, at.top + 12);
    ASSERT_TRUE(pumpUntil([&] { return !ups.empty(); }));
    EXPECT_EQ(ups, (std::vector<int>{1}));
    // A second press soon after is the shell's double click; the right button is button 2.
    screen_.click(at.left + 12, at.top + 12);
    screen_.click(at.left + 12, at.top + 12, 3);
    ASSERT_TRUE(pumpUntil([&] { return ups.size() == 3; }));
    EXPECT_EQ(doubles, (std::vector<int>{1}));
    EXPECT_EQ(ups, (std::vector<int>{1, 1, 2}));

    tray->InTray(false);
    EXPECT_TRUE(host.waitFor("undocked", icon, [&] { pump(); }));
}

TEST_F(TrayTest, ThePointerRestingOnTheIconShowsItsTip) {
    TrayHost host;
    ASSERT_TRUE(host.running());
    ws_.pumpFor(20);
    auto tray = makeTray();
    tray->InTray(true);
    const unsigned long icon = iconWindow(*tray);
    ASSERT_TRUE(host.waitFor("docked", icon, [&] { pump(); }));
    ASSERT_TRUE(pumpUntil([&] { return screen_.viewable(Window(icon)); }));
    const std::vector<Window> before = screen_.shownOverrides();
    const gfx::Rect at = screen_.rectOf(Window(icon));
    screen_.moveTo(at.left + 5, at.top + 5);
    ws_.pumpFor(300);
    EXPECT_EQ(screen_.shownOverrides(), before);  // not yet
    ASSERT_TRUE(pumpUntil([&] { return screen_.shownOverrides().size() == before.size() + 1; }));
    Window tip = 0;
    for (Window w : screen_.shownOverrides())
        if (std::find(before.begin(), before.end(), w) == before.end()) tip = w;
    // Near the pointer, inside the screen, and gone once the pointer leaves the icon.
    const gfx::Rect tipAt = screen_.rectOf(tip);
    EXPECT_LT(std::abs(tipAt.left - at.left), 200);
    EXPECT_LE(tipAt.bottom, 1024);
    screen_.moveTo(10, 10);
    EXPECT_TRUE(pumpUntil([&] { return !screen_.viewable(tip); }));
}

TEST_F(TrayTest, WithoutATrayTheIconWaitsAndDocksWhenATrayAppears) {
    auto tray = makeTray();
    tray->InTray(true);
    ws_.pumpFor(20);
    const unsigned long icon = iconWindow(*tray);
    ASSERT_NE(icon, 0u);
    EXPECT_FALSE(screen_.viewable(Window(icon)));
    {
        TrayHost host;
        ASSERT_TRUE(host.running());
        EXPECT_TRUE(host.waitFor("docked", icon, [&] { pump(); }));
    }
    // That tray ends; the icon waits out of sight and docks in the next one.
    ASSERT_TRUE(pumpUntil([&] { return screen_.parentOf(Window(icon)) == screen_.root(); }));
    EXPECT_TRUE(pumpUntil([&] { return !screen_.viewable(Window(icon)); }));
    TrayHost next;
    ASSERT_TRUE(next.running());
    EXPECT_TRUE(next.waitFor("docked", iconWindow(*tray), [&] { pump(); }));
}

}  // namespace
}  // namespace qv::present::x11::testing
