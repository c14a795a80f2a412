#include <gtest/gtest.h>

#include "engine/main_window.h"
#include "platform/gfx/picture.h"
#include "platform/gui/notification_area.h"
#include "tests/ui/main/main_window_fixture.h"
#include "platform/settings/app_settings.h"
#include "ui/main/run_state.h"

namespace qv::ui {
namespace {

using testing::MainWindowTest;

TEST_F(MainWindowTest, TheEngineReadsTheOptionsThroughTheWindow) {
    frmMain& f = *form_;
    engine::ScopedMainWindow installed(f.engineView());
    engine::MainWindow& w = engine::mainWindow();
    EXPECT_EQ(w.Check8(), 1);
    EXPECT_EQ(w.chkAct(0), 1);
    EXPECT_EQ(w.chkLog(2), 0);
    EXPECT_EQ(w.Slider3(), 1);
    EXPECT_TRUE(w.Logging());  // the window has finished loading
    f.Logging = false;
    EXPECT_FALSE(w.Logging());

    f.Check1.Value(1);
    f.Check8.Value(0);
    f.chkAct(2).Value(0);
    f.chkLog(1).Value(1);
    f.Slider3.Value(3);
    f.Logging = true;
    EXPECT_EQ(w.Check1(), 1);
    EXPECT_EQ(w.Check8(), 0);
    EXPECT_EQ(w.chkAct(2), 0);
    EXPECT_EQ(w.chkLog(1), 1);
    EXPECT_EQ(w.Slider3(), 3);
    EXPECT_TRUE(w.Logging());

    w.setVisible(true);
    EXPECT_TRUE(f.Visible());
    EXPECT_TRUE(w.Visible());
}

TEST_F(MainWindowTest, TheEngineWritesCountersTrayAndLists) {
    frmMain& f = *form_;
    engine::MainWindow& w = f.engineView();

    w.setLblIncoming("4");
    w.setLblOutgoing("7");
    w.setLblBlocked("1");
    w.setUcSlider1Value("4");
    w.setUcSlider2Value("250");
    EXPECT_EQ(f.lblIncoming.Caption(), "4");
    EXPECT_EQ(f.lblOutgoing.Caption(), "7");
    EXPECT_EQ(f.lblBlocked.Caption(), "1");
    EXPECT_EQ(f.ucSlider1.Value(), 4);
    EXPECT_EQ(f.ucSlider2.Value(), 100);  // held at the gauge's Max

    w.setTrayTip("Quarvelin - Traffic Blocked");
    auto shown = ws_.notificationArea().icon(f.SysTray.hWnd(), 0);
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->tip, "Quarvelin - Traffic Blocked");

    ASSERT_EQ(f.ilTray.Count(), 15);
    const forms::PictureRef icon = f.ilTray(12).Picture;
    w.setTrayIcon(12);
    EXPECT_EQ(f.SysTray.TrayIcon(), icon);
    EXPECT_EQ(ws_.notificationArea().icon(f.SysTray.hWnd(), 0)->icon, static_cast<std::intptr_t>(icon->handle()));
    w.setTrayIcon(40);  // not in the list: left as it is
    EXPECT_EQ(f.SysTray.TrayIcon(), icon);

    f.Timer2.Enabled(false);
    w.enableTimer2();
    EXPECT_TRUE(f.Timer2.Enabled());

    EXPECT_EQ(w.lvFirewallAdd({"Browser", "1.0", "/usr/bin/browser", 5}), 0);
    EXPECT_EQ(w.lvFirewallAdd({"Mail", "2.1", "/usr/bin/mail", 9}), 1);
    const forms::ListItem& second = f.lvFirewall.ListItems()(2);
    EXPECT_EQ(second.Text(), "Mail");
    EXPECT_EQ(second.SubItems(1), "2.1");
    EXPECT_EQ(second.SubItems(2), "/usr/bin/mail");
    EXPECT_EQ(second.Tag, "9");
    w.lvFirewallRemove(0);
    w.lvFirewallRemove(7);  // no such position
    ASSERT_EQ(f.lvFirewall.ListItems().Count(), 1);
    EXPECT_EQ(f.lvFirewall.ListItems()(1).Text(), "Mail");
    w.lvFirewallClear();
    EXPECT_EQ(f.lvFirewall.ListItems().Count(), 0);

    engine::PortLogRow row{"10.0.0.2", "139", "4312", "Listening", "3:04:05 PM"};
    w.lvwLogAdd(row);
    EXPECT_EQ(w.lvwLogCount(), 1);
    EXPECT_EQ(w.lvwLogItem(0), row);
}

TEST_F(MainWindowTest, PerUserRunState) {
    EXPECT_FALSE(runningMarked());
    markRunning();
    EXPECT_TRUE(runningMarked());
    EXPECT_EQ(settings::GetSetting("quarvelin", "Settings", "who"), "1");

    EXPECT_EQ(graphCounts(), GraphCounts{});
    storeGraphCounts({"12", "30", "2"});
    EXPECT_EQ(settings::GetSetting("quarvelin", "graph", "out"), "12");
    EXPECT_EQ(settings::GetSetting("quarvelin", "graph", "in"), "30");
    EXPECT_EQ(settings::GetSetting("quarvelin", "graph", "block"), "2");
    EXPECT_EQ(graphCounts(), (GraphCounts{"12", "30", "2"}));

    resetRunState();
    EXPECT_EQ(settings::GetSetting("quarvelin", "Settings", "who"), "0");
    EXPECT_EQ(graphCounts(), (GraphCounts{"0", "0", "0"}));
    EXPECT_EQ(settings::GetSetting("quarvelin", "graph", "in", "missing"), "0");

    EXPECT_EQ(alertMarker(), "");
    clearAlertMarker();
    EXPECT_EQ(alertMarker(), "0");
}

}  // namespace
}  // namespace qv::ui
