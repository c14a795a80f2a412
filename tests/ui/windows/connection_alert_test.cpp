// The connection alert as the engine opens it: a real window, filled, shown and topmost, with its
// process suspended; its loading by the main window's options; its close step.
#include "ui/windows/frm_alert.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "platform/gui/messages.h"
#include "platform/gui/tooltip.h"
#include "tests/ui/input.h"
#include "tests/ui/windows/windows_fixture.h"
#include "platform/settings/app_settings.h"
#include "ui/main/run_state.h"

namespace qv::ui::testing {
namespace {

class ConnectionAlertTest : public WindowsTest {
protected:
    // One pass over a web browser's connection; the alert it opens.
    frmAlert* askAboutWeb() { return askAbout("C:\\Apps\\web.exe", 300, 1050, 80); }
    bool aboveEveryNormalWindow(gui::HWnd h) const {
        for (gui::HWnd w : ws_.topLevelWindows()) {
            if (w == h) return true;
            if (!ws_.isTopmost(w)) return false;
        }
        return false;
    }
};

struct FillCase {
    const char* name;
    const char* app;
    int level;
    uint16_t localPort, remotePort;
    const char* lbltrojan;
    const char* Text1;
    const char* question;
    bool mainHidden;
};

TEST_F(ConnectionAlertTest, TheEngineOpensARealAlertFilledShownAndTopmost) {
    const FillCase cases[] = {
        {"outgoing at Medium", "C:\\Apps\\web.exe", 2, 1050, 80, "Suspect as remote server", "2",
         "web.exe (web.exe) is trying to connect to 10.0.0.9 using port 80 . Do you want to allow this program to "
         "access the network?",
         true},
        {"incoming at High", "C:\\Apps\\server.exe", 3, 8080, 8080, "Suspect incoming connection!!", "0",
         "server.exe (server.exe) is allowing a connection from 10.0.0.9 on port 8080 . Do you want to allow this program "
         "to access the network?",
         false},
    };
    for (const FillCase& c : cases) {
        SCOPED_TRACE(c.name);
        main_->Slider3.Value(c.level);
        main_->Show();
        sounds_.played.clear();

        const uint32_t pid = c.localPort;
        frmAlert* alert = askAbout(c.app, pid, c.localPort, c.remotePort);
        ASSERT_NE(alert, nullptr);
        EXPECT_EQ(loaded<frmAlert>().size(), 1u);
        const std::string file = base::fileNameOf(c.app);
        EXPECT_EQ(alert->lblDESC.Caption(), c.question);
        EXPECT_EQ(alert->lbltrojan.Caption(), c.lbltrojan);
        EXPECT_EQ(alert->Text1.Text(), c.Text1);
        EXPECT_EQ(alert->txtfile.Text(), file);
        EXPECT_EQ(alert->txthost.Text(), "10.0.0.9");
        EXPECT_EQ(alert->txtport.Text(), std::to_string(c.remotePort));
        EXPECT_EQ(alert->Tag(), std::to_string(pid) + "," + std::to_string(engine::Connections().count() - 1) + "," + c.app);
        EXPECT_TRUE(alert->Visible());
        const gui::HWnd h = alert->hWnd();
        EXPECT_TRUE(ws_.isVisible(h));
        EXPECT_TRUE(ws_.isTopmost(h));
        EXPECT_TRUE(alert->isTopmost());
        EXPECT_TRUE(aboveEveryNormalWindow(h));
        EXPECT_EQ(main_->Visible(), !c.mainHidden);

        EXPECT_TRUE(sim.isSuspended(pid));
        EXPECT_EQ(sounds_.played,
                  (std::vector<gui::RecordingSoundPlayer::Played>{
                      {root_.string() + "/program/Sounds/open.wav", gui::SND_ASYNC | gui::SND_NODEFAULT}}));
        // The pass went on without waiting: the connection is still open.
        EXPECT_FALSE(closed(row(c.localPort, 9, c.remotePort)));
        forms::Unload(*alert);
        forms::DoEvents();
    }
}

TEST_F(ConnectionAlertTest, WithConfirmationOffTheAlertClosesAsItLoadsAndTheProcessRuns) {
    main_->Check6.Value(0);
    main_->Hide();
    EXPECT_EQ(askAboutWeb(), nullptr);
    EXPECT_FALSE(sim.isSuspended(300));
    EXPECT_TRUE(engine::AskedApps().contains("C:\\Apps\\web.exe"));
    EXPECT_EQ(readStore(engine::RuleStore(), "RULES", "C:\\Apps\\web.exe"), "-");
    EXPECT_TRUE(main_->Visible());  // the close step shows the main window
    EXPECT_TRUE(sim.refusedProcessIds().empty());

    // Asked once in the run: a later connection opens nothing either.
    connect(300, 1051, 9, 443);
    engine::PollConnections(false);
    EXPECT_TRUE(loaded<frmAlert>().empty());
    EXPECT_FALSE(sim.isSuspended(300));
}

struct CloseCase {
    const char* app;
    const char* combo;
    const char* stored;  // "-": nothing
    bool connectionClosed;
    bool terminated;
};

TEST_F(ConnectionAlertTest, ClosingResumesTheProcessAndStoresTheChosenAction) {
    const CloseCase cases[] = {
        {"C:\\Apps\\none.exe", "", "-", false, false},
        {"C:\\Apps\\trust.exe", "Trust", "2", false, false},
        {"C:\\Apps\\block.exe", "Block", "1", true, false},  // stored, then a forced pass closes it
        {"C:\\Apps\\end.exe", "Terminate", "3", false, true},
    };
    uint16_t port = 1050;
    for (const CloseCase& c : cases) {
        SCOPED_TRACE(c.combo);
        settings::SaveSetting(kSettingsApp, "Run", "alert", "");
        const std::size_t terminatedBefore = sim.terminated().size();

        const uint32_t pid = port;
        frmAlert* alert = askAbout(c.app, pid, port, 80);
        ASSERT_NE(alert, nullptr);
        ASSERT_TRUE(sim.isSuspended(pid));
        if (*c.combo) chooseItem(alert->Combo, c.combo);
        const std::weak_ptr<const int> life = alert->lifetime();
        const gui::HWnd window = alert->hWnd();
        click(alert->Label1);  // the close area

        EXPECT_TRUE(life.expired()) << "closed and released";
        EXPECT_FALSE(sim.isSuspended(pid));
        EXPECT_EQ(readStore(engine::RuleStore(), "RULES", c.app), c.stored);
        EXPECT_EQ(closed(row(port, 9, 80)), c.connectionClosed);
        EXPECT_EQ(sim.terminated().size() > terminatedBefore, c.terminated);
        if (c.terminated) {
            EXPECT_EQ(sim.terminated().back().processId, pid);
        }
        EXPECT_TRUE(main_->Visible());
        EXPECT_EQ(alertMarker(), "0");
        EXPECT_FALSE(ws_.isWindow(window));
        forms::DoEvents();
        ++port;
    }
}

TEST_F(ConnectionAlertTest, TerminateEndsTheTagsOwnProcessOnlyWhileItRunsTheAlertsPath) {
    struct Case {
        const char* name;
        const char* app;
        bool pathChanged;  // the asked process ended and its id now runs another program
        bool ended;
    } cases[] = {
        {"after a pass rebuilt the table", "C:\\Apps\\end.exe", false, true},
        {"a path holding commas", "C:\\Apps\\a,b\\end,now.exe", false, true},
        {"the id runs another program", "C:\\Apps\\stop.exe", true, false},
    };
    uint16_t port = 1050;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::size_t terminatedBefore = sim.terminated().size();
        const uint32_t pid = port;
        frmAlert* alert = askAbout(c.app, pid, port, 80);
        ASSERT_NE(alert, nullptr);
        // The alert's connection ends; a pass rebuilds the table, whose record at the Tag's index
        // is now another program's.
        const uint32_t other = port + 500;
        writeStore(engine::RuleStore(), "RULES", "C:\\Apps\\other.exe", "2");
        addApp(other, "C:\\Apps\\other.exe");
        sim.removeConnection(row(port, 9, 80));
        connect(other, static_cast<uint16_t>(port + 100), 9, 443);
        engine::PollConnections(true);
        if (c.pathChanged) sim.addProcess(pid, "C:\\Apps\\other.exe", {pid + 1});

        chooseItem(alert->Combo, "Terminate");
        click(alert->Label1);

        EXPECT_EQ(readStore(engine::RuleStore(), "RULES", c.app), "3");
        ASSERT_EQ(sim.terminated().size(), terminatedBefore + (c.ended ? 1 : 0));
        if (c.ended) {
            EXPECT_EQ(sim.terminated().back().processId, pid);
        }
        EXPECT_TRUE(sim.hasProcess(other));
        forms::DoEvents();
        ++port;
    }
}

TEST_F(ConnectionAlertTest, AClosingAlertLeavesAnAlertMarkerOfOneAsItIs) {
    settings::SaveSetting(kSettingsApp, "Run", "alert", "1");
    frmAlert* alert = askAboutWeb();
    ASSERT_NE(alert, nullptr);
    forms::Unload(*alert);
    EXPECT_EQ(alertMarker(), "1");
}

TEST_F(ConnectionAlertTest, EachAlertHasItsOwnBalloonWhenTheOptionIsOn) {
    addApp(300, "C:\\Apps\\web.exe");
    addApp(400, "C:\\Apps\\mail.exe");
    connect(300, 1050, 9, 80);
    connect(400, 1051, 25, 110);
    engine::PollConnections(false);
    const auto alerts = loaded<frmAlert>();
    ASSERT_EQ(alerts.size(), 2u);

    // The balloon windows an alert owns; the form's own tooltip window, which shows the tips its
    // buttons keep, is not one.
    auto balloonsOf = [&](frmAlert& a) {
        std::vector<gui::HWnd> out;
        for (gui::HWnd h : ws_.allWindows())
            if (ws_.className(h) == gui::kTooltipClass && ws_.owner(h) == a.hWnd() && h != a.toolTipWindow())
                out.push_back(h);
        return out;
    };
    for (frmAlert* a : alerts) {
        ASSERT_EQ(balloonsOf(*a).size(), 1u);
        const gui::HWnd balloon = balloonsOf(*a)[0];
        const gui::TooltipState* st = gui::tooltipState(ws_, balloon);
        ASSERT_EQ(st->tools.size(), 3u);
        EXPECT_EQ(st->tools[0].hwnd, a->Text1.hWnd());
        EXPECT_EQ(st->tools[0].text, "This is a security level");
        EXPECT_EQ(st->tools[1].hwnd, a->Combo.hWnd());
        EXPECT_EQ(st->tools[1].text, "This is a list action for firewall security");
        EXPECT_EQ(st->tools[2].hwnd, a->Check1.hWnd());
        EXPECT_EQ(st->tools[2].text, "This is a function to remember for application launch");
    }
    EXPECT_EQ(controls::BalloonOwner(), alerts[1]->hWnd());

    // Off: the next alert has none, and the tips stay with the balloon made last.
    main_->Check11.Value(0);
    const gui::HWnd last = controls::BalloonWindow();
    addApp(500, "C:\\Apps\\chat.exe");
    connect(500, 1052, 30, 5222);
    engine::PollConnections(false);
    ASSERT_EQ(loaded<frmAlert>().size(), 3u);
    EXPECT_EQ(controls::BalloonWindow(), last);
    EXPECT_TRUE(balloonsOf(*loaded<frmAlert>()[2]).empty());
}

TEST_F(ConnectionAlertTest, AHiddenAlertShowsAgainThreeSecondsAfterLoadingOnce) {
    frmAlert* alert = askAboutWeb();
    ASSERT_NE(alert, nullptr);
    alert->Hide();
    forms::advance(2999);
    EXPECT_FALSE(alert->Visible());
    forms::advance(1);
    EXPECT_TRUE(alert->Visible());
    EXPECT_TRUE(ws_.isVisible(alert->hWnd()));
    alert->Hide();
    forms::advance(6000);
    EXPECT_FALSE(alert->Visible());
}

}  // namespace
}  // namespace qv::ui::testing
