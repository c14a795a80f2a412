#include "engine/engine_alerts.h"

#include <gtest/gtest.h>

#include <functional>
#include <utility>

#include "cipher/crypt_file.h"
#include "cipher/progress.h"
#include "engine/process_control.h"
#include "engine/trojan_list.h"
#include "fake_alert_windows.h"
#include "version_block_builder.h"

namespace qv::engine {
namespace {

using test::EngineTest;

class EngineAlertsTest : public EngineTest {
protected:
    void shipTrojanList() {
        auto sealed = base::readFile(std::string(QV_SOURCE_DIR) + "/assets/Data/trojan.exe");
        ASSERT_TRUE(sealed);
        ASSERT_TRUE(base::writeFileAtomic(dir / "Data/trojan.exe", *sealed));
    }
    void expectListSealed() {
        EXPECT_FALSE(base::pathExists(dir / "Data/trojan.dat"));
        EXPECT_EQ(cipher::DetectFileType(dir / "Data/trojan.exe"), 1);
    }
    static host::TcpRow from(uint16_t localPort, uint8_t a, uint8_t b, uint8_t c, uint8_t d) {
        return {host::kTcpEstablished, host::rowAddress(192, 168, 1, 10), host::rowPort(localPort),
                host::rowAddress(a, b, c, d), host::rowPort(50000)};
    }
};

TEST_F(EngineAlertsTest, AskUserAsksOncePerApplicationAndLeavesItSuspendedWithItsAlertOpen) {
    addApp(300, "C:\\Apps\\mail.exe");
    addApp(400, "C:\\Apps\\web.exe");
    connect(300, 1044, 9, 110);
    connect(300, 1045, 9, 995);
    connect(400, 1031, 80, 80);
    window.visible = true;

    PollConnections(false);

    ASSERT_EQ(windows.alerts.size(), 2u);
    const test::FakeConnectionAlert& a = *windows.alerts[0];
    EXPECT_FALSE(a.closed);
    EXPECT_TRUE(a.shown);
    EXPECT_TRUE(a.topmost);
    EXPECT_EQ(a.lblpath, "C:\\Apps\\mail.exe");
    EXPECT_EQ(a.lblDESC,
              "mail.exe (mail.exe) is trying to connect to 10.0.0.9 using port 110 . Do you want to allow this "
              "program to access the network?");
    EXPECT_EQ(a.tag, "300,0,C:\\Apps\\mail.exe");
    EXPECT_EQ(a.endpoints, (ConnectionEndpoints{"192.168.1.10", "1044", "10.0.0.9", "110"}));
    // No trojan list, level 1: a normal server.
    EXPECT_EQ(a.lbltrojan, "Suspect as normal server");
    EXPECT_EQ(a.Text1, "1");
    EXPECT_EQ(a.txtfile, "mail.exe");
    EXPECT_EQ(a.txthost, "10.0.0.9");
    EXPECT_EQ(a.txtport, "110");
    EXPECT_EQ(windows.alerts[1]->tag, "400,2,C:\\Apps\\web.exe");
    EXPECT_FALSE(window.visible);
    EXPECT_EQ(sim.suspendCount(301), 1);
    EXPECT_EQ(sim.suspendCount(401), 1);
    EXPECT_EQ(securityLog(), (std::vector<std::string>{"Low - - \"C:\\Apps\\mail.exe\" attempted access.",
                                                       "Low - - \"C:\\Apps\\web.exe\" attempted access."}));

    // Later passes of the run ask nothing more, even for a new connection of an asked application.
    connect(300, 1046, 9, 143);
    PollConnections(false);
    PollConnections(true);
    EXPECT_EQ(windows.alerts.size(), 2u);
    EXPECT_EQ(securityLog().size(), 2u);
    EXPECT_EQ(sim.suspendCount(301), 1);
    EXPECT_EQ(readStore(RuleStore(), "ALREADY", "C:\\Apps\\mail.exe104411010.0.0.9"), "YES");
}

TEST_F(EngineAlertsTest, APassOverManyConnectionsWritesTheRuleStoreOncePerAskedApplication) {
    // 2,000 connections of ten applications without a rule, in turn.
    constexpr int kApps = 10;
    constexpr int kConnections = 2000;
    auto app = [](int a) { return "C:\\Apps\\tool" + std::to_string(a) + ".exe"; };
    for (int a = 0; a < kApps; ++a) addApp(static_cast<uint32_t>(300 + a), app(a));
    for (int i = 0; i < kConnections; ++i)
        sim.addConnection({host::kTcpEstablished, host::rowAddress(192, 168, 1, 10),
                           host::rowPort(static_cast<uint16_t>(10000 + i)),
                           host::rowAddress(10, 1, static_cast<uint8_t>(i / 250), static_cast<uint8_t>(i % 250 + 1)),
                           host::rowPort(443)},
                          static_cast<uint32_t>(300 + i % kApps));
    const uint64_t before = cINI::WriteCount();

    PollConnections(false);

    EXPECT_EQ(Connections().count(), kConnections);
    ASSERT_EQ(windows.alerts.size(), static_cast<std::size_t>(kApps));
    EXPECT_EQ(cINI::WriteCount() - before, static_cast<uint64_t>(kApps));
    // The marker of each application's first connection, and of no later one.
    for (int a = 0; a < kApps; ++a) {
        SCOPED_TRACE(app(a));
        const ConnectionRecord& first = Connections()[a];
        const ConnectionRecord& later = Connections()[a + kApps];
        EXPECT_EQ(readStore(RuleStore(), "ALREADY", first.AppPath + first.LocalPort + first.RemotePort + first.RemoteAddress),
                  "YES");
        EXPECT_EQ(readStore(RuleStore(), "ALREADY", later.AppPath + later.LocalPort + later.RemotePort + later.RemoteAddress),
                  "-");
    }
    // A second pass asks nobody and writes nothing.
    PollConnections(true);
    EXPECT_EQ(cINI::WriteCount() - before, static_cast<uint64_t>(kApps));
    EXPECT_EQ(windows.alerts.size(), static_cast<std::size_t>(kApps));
}

TEST_F(EngineAlertsTest, IncomingConnectionIsNamedAsSuch) {
    const std::string chat = dir / "chat.exe";
    ASSERT_TRUE(base::writeFileAtomic(chat, test::executableHead() + test::wideBlock({{"FileDescription", "Palaver Chat"}})));
    addApp(300, chat);
    connect(300, 6891, 41, 6891);
    window.slider3 = 3;  // not on the list at level 3: the incoming fields stay
    window.visible = true;

    PollConnections(false);

    ASSERT_EQ(windows.alerts.size(), 1u);
    const test::FakeConnectionAlert& a = *windows.alerts[0];
    EXPECT_EQ(a.lblDESC,
              "Palaver Chat (chat.exe) is allowing a connection from 10.0.0.41 on port 6891 . Do you want to "
              "allow this program to access the network?");
    EXPECT_EQ(a.lbltrojan, "Suspect incoming connection!!");
    EXPECT_EQ(a.Text1, "0");
    EXPECT_EQ(a.txtfile, "chat.exe");
    EXPECT_EQ(a.txthost, "10.0.0.41");
    EXPECT_EQ(a.txtport, "6891");
    EXPECT_TRUE(window.visible);
}

TEST_F(EngineAlertsTest, RiskFollowsTheTrojanListAndTheSecurityLevel) {
    struct Case {
        bool listed;
        int level;
        bool hidden;
        const char* risk;
        const char* text1;
        bool terminated;
    };
    const Case cases[] = {
        {false, 1, true, "Suspect as normal server", "1", false},
        {false, 2, true, "Suspect as remote server", "2", false},
        {false, 3, false, "", "", false},
        {true, 1, true, "", "", false},
        {true, 2, true, "", "", false},
        {true, 3, true, "Suspect as dangerous server", "3", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.listed) + " level " + std::to_string(c.level));
        startCase();
        shipTrojanList();
        window.slider3 = c.level;
        window.visible = true;
        addApp(300, "C:\\Apps\\tool.exe");
        connect(300, 1060, 90, c.listed ? 31337 : 443);

        PollConnections(false);

        ASSERT_EQ(windows.alerts.size(), 1u);
        const test::FakeConnectionAlert& a = *windows.alerts[0];
        EXPECT_EQ(window.visible, !c.hidden);
        EXPECT_EQ(a.lbltrojan, c.risk);
        EXPECT_EQ(a.Text1, c.text1);
        EXPECT_EQ(a.txtfile, *c.risk ? "tool.exe" : "");
        EXPECT_EQ(a.txthost, *c.risk ? "10.0.0.90" : "");
        EXPECT_EQ(a.txtport, *c.risk ? (c.listed ? "31337" : "443") : "");
        EXPECT_FALSE(a.closed);  // the alert stays open, even after its process ended
        EXPECT_EQ(!sim.terminated().empty(), c.terminated);
        EXPECT_EQ(sim.isSuspended(300), !c.terminated);
        expectListSealed();
    }
}

TEST_F(EngineAlertsTest, ADangerousServerAnsweredDuringTheLookupIsStillEndedByItsOwnProcessId) {
    // The lookup lets window messages run: there the user answers the alert, and in one case the
    // asked process has ended and its id runs another program.
    struct Pump : cipher::ProgressPump {
        std::function<void()> once;
        void showProgress(float) override {}
        void setBusyPointer(bool) override {}
        void pumpMessages() override {
            if (auto f = std::exchange(once, {})) f();
        }
    } pump;
    cipher::SetProgressPump(&pump);
    struct Case {
        const char* name;
        bool pathChanged;
        bool ended;
    } cases[] = {{"answered", false, true}, {"answered, and the id runs another program", true, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        startCase();
        shipTrojanList();
        window.slider3 = 3;
        window.visible = true;
        addApp(300, "C:\\Apps\\tool.exe");
        connect(300, 1060, 90, 31337);
        pump.once = [&] {
            windows.alerts.back()->closed = true;
            ResumeProcess(300);
            if (c.pathChanged) sim.addProcess(300, "C:\\Apps\\other.exe");
        };

        PollConnections(false);

        ASSERT_EQ(windows.alerts.size(), 1u);
        EXPECT_FALSE(pump.once);  // the lookup did let messages run
        EXPECT_EQ(sim.terminated().size(), c.ended ? 1u : 0u);
        if (c.ended) {
            EXPECT_EQ(sim.terminated()[0].processId, 300u);
        }
        // The answered alert is left as its answer left it, and the main window too.
        EXPECT_EQ(windows.alerts[0]->lbltrojan, "");
        EXPECT_TRUE(window.visible);
    }
    cipher::SetProgressPump(nullptr);
}

TEST_F(EngineAlertsTest, AlertThatClosesAsItLoadsLetsTheProcessGo) {
    windows.confirmation = false;
    addApp(300, "C:\\Apps\\mail.exe");
    connect(300, 1044, 9, 110);
    window.visible = true;
    PollConnections(false);
    ASSERT_EQ(windows.alerts.size(), 1u);
    EXPECT_FALSE(sim.isSuspended(300));
    EXPECT_EQ(windows.alerts[0]->tag, "");
    EXPECT_TRUE(window.visible);
    // Still asked once in the run.
    connect(300, 1045, 9, 995);
    PollConnections(false);
    EXPECT_EQ(windows.alerts.size(), 1u);
}

TEST_F(EngineAlertsTest, DangerousPortByLevelAndTrust) {
    ASSERT_TRUE(base::writeFileAtomic(dir / "Data/Guard.qvl",
                                      "[HACKERS]\r\n3389=a remote desktop service\r\n"
                                      "[NETWORKING]\r\n10.0.0.7=TRUSTED\r\n10.0.0.8=trusted\r\n"));
    struct Case {
        int level;
        uint8_t remote;
        bool alert;
        bool closed;
    };
    const Case cases[] = {{1, 9, false, false}, {2, 9, true, false}, {3, 9, true, true},
                          {2, 7, false, false}, {3, 7, false, false}, {3, 8, true, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE("level " + std::to_string(c.level) + " from 10.0.0." + std::to_string(c.remote));
        startCase();
        base::removeFile(dir / "Logs/security_12_10_2026.log");
        base::removeFile(dir / "Logs/traffic_12_10_2026.log");
        window.slider3 = c.level;
        addApp(300, "C:\\Apps\\desk.exe");
        setRule("C:\\Apps\\desk.exe", "2");
        const host::TcpRow r = from(3389, 10, 0, 0, c.remote);
        sim.addConnection(r, 300);

        PollConnections(false);

        const std::string remote = "10.0.0." + std::to_string(c.remote);
        ASSERT_EQ(windows.serviceAlerts.size(), c.alert ? 1u : 0u);
        EXPECT_EQ(closed(r), c.closed);
        if (!c.alert) {
            EXPECT_TRUE(securityLog().empty());
            continue;
        }
        const test::FakeServiceAlert& a = *windows.serviceAlerts[0];
        EXPECT_EQ(a.lblDESC, "The following port 3389 has allowed a connection from " + remote +
                                 ". This port is a remote desktop service. It could allow hackers to control your "
                                 "computer or utilize malicious activity. On \"High security\" Quarvelin  "
                                 "automatically closes the connection, and moderate does not close it by default. "
                                 "You can either choose to allow this port to be accessed by the host or not.");
        EXPECT_EQ(a.lblDESCTag, "3389");
        EXPECT_EQ(a.tag, remote);
        EXPECT_TRUE(a.topmost);
        EXPECT_EQ(securityLog(), (std::vector<std::string>{"Moderate - A potentially dangerous port 3389 allowed a "
                                                           "connection from " + remote +
                                                           ". This port is a remote desktop service"}));
        if (c.closed) {
            // Closed while the netstat text is read, before any path is known.
            EXPECT_EQ(trafficLog().front(),
                      "Blocked -  traffic was blocked. Remote Computer was " + remote + " on port 50000.");
        }
    }
}

TEST_F(EngineAlertsTest, EachPortAddressPairIsItsOwnMarker) {
    // Joined as text, (1, 23.4.5.6) and (12, 3.4.5.6) would read the same.
    ASSERT_TRUE(base::writeFileAtomic(dir / "Data/Guard.qvl", "[HACKERS]\r\n12=a test service\r\n"));
    window.slider3 = 2;
    addApp(300, "C:\\Apps\\svc.exe");
    setRule("C:\\Apps\\svc.exe", "2");
    sim.addConnection(from(1, 23, 4, 5, 6), 300);
    sim.addConnection(from(12, 3, 4, 5, 6), 300);

    PollConnections(false);
    ASSERT_EQ(windows.serviceAlerts.size(), 1u);
    EXPECT_EQ(windows.serviceAlerts[0]->tag, "3.4.5.6");
    EXPECT_TRUE(PendingAlerts().contains("1", "23.4.5.6"));

    // While the alert is open the pair raises nothing new; once it closes it can again.
    PollConnections(true);
    EXPECT_EQ(windows.serviceAlerts.size(), 1u);
    windows.serviceAlerts[0]->close();
    EXPECT_FALSE(PendingAlerts().contains("12", "3.4.5.6"));
    EXPECT_TRUE(PendingAlerts().contains("1", "23.4.5.6"));
    PollConnections(true);
    ASSERT_EQ(windows.serviceAlerts.size(), 2u);
    EXPECT_EQ(windows.serviceAlerts[1]->lblDESCTag, "12");
    EXPECT_EQ(securityLog().size(), 2u);
}

TEST_F(EngineAlertsTest, AskedAppsAreDistinctApplications) {
    // One application's path inside another's must not count as asked.
    addApp(300, "C:\\Apps\\a.exe");
    addApp(400, "C:\\Apps\\a.exe=-x");
    AskedApps().insert("C:\\Apps\\a.exe=-x");
    connect(300, 1044, 9, 110);
    connect(400, 1045, 9, 110);
    PollConnections(false);
    ASSERT_EQ(windows.alerts.size(), 1u);
    EXPECT_EQ(windows.alerts[0]->lblpath, "C:\\Apps\\a.exe");
}

}  // namespace
}  // namespace qv::engine
