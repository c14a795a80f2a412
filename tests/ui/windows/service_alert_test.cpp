// The dangerous-port alert as the engine's check opens it: the statistics request it sends, its
// two answers, and the (port, address) pair it gives back when it closes.
#include "ui/windows/frm_service_alert.h"

#include <gtest/gtest.h>

#include <fstream>

#include "platform/gui/messages.h"
#include "tests/platform/forms/loopback_server.h"
#include "tests/ui/input.h"
#include "tests/ui/windows/windows_fixture.h"
#include "ui/windows/statistics_request.h"

namespace qv::ui::testing {
namespace {

class ServiceAlertTest : public WindowsTest {
protected:
    ServiceAlertTest() {
        writeStore(engine::GuardStore(), "HACKERS", "1080", "a proxy port that backdoors use");
        writeStore(engine::GuardStore(), "HACKERS", "1", "the port multiplexer");
        writeStore(engine::GuardStore(), "HACKERS", "12", "a test port");
        addApp(300, "C:\\Apps\\proxy.exe");
        writeStore(engine::RuleStore(), "RULES", "C:\\Apps\\proxy.exe", "2");
        main_->Slider3.Value(2);
    }
    // An incoming connection on a local port from a remote address; then a pass.
    void accept(uint16_t localPort, uint32_t remote, uint16_t remotePort) {
        sim.addConnection({host::kTcpEstablished, host::rowAddress(192, 168, 1, 10), host::rowPort(localPort), remote,
                            host::rowPort(remotePort)},
                           300);
        engine::PollConnections(true);
    }
    // Points the statistics option at a server.
    void useStatisticsHost(const std::string& host) {
        std::ofstream((root_ / "program" / "Conf" / "config.ini").string()) << "[Statistics]\r\nHost=" << host << "\r\n";
    }
    static std::vector<std::pair<std::string, std::string>> pairsOf(const std::vector<frmServiceAlert*>& alerts) {
        std::vector<std::pair<std::string, std::string>> out;
        for (auto* a : alerts) out.emplace_back(a->lblDESC.Tag(), a->Tag());
        return out;
    }
};

TEST_F(ServiceAlertTest, TheEngineOpensARealAlertFilledShownAndTopmost) {
    accept(1080, host::rowAddress(10, 0, 0, 9), 4000);
    const auto alerts = loaded<frmServiceAlert>();
    ASSERT_EQ(alerts.size(), 1u);
    frmServiceAlert& a = *alerts[0];
    EXPECT_EQ(a.lblDESC.Caption(),
              "The following port 1080 has allowed a connection from 10.0.0.9. This port is a proxy port that backdoors "
              "use. It could allow hackers to control your computer or utilize malicious activity. On \"High "
              "security\" Quarvelin  automatically closes the connection, and moderate does not close it by default. "
              "You can either choose to allow this port to be accessed by the host or not.");
    EXPECT_EQ(a.lblDESC.Tag(), "1080");
    EXPECT_EQ(a.Tag(), "10.0.0.9");
    EXPECT_TRUE(a.Visible());
    EXPECT_TRUE(ws_.isVisible(a.hWnd()));
    EXPECT_TRUE(ws_.isTopmost(a.hWnd()));
    EXPECT_EQ(sounds_.played, (std::vector<gui::RecordingSoundPlayer::Played>{
                                  {root_.string() + "/program/Sounds/alert.wav", gui::SND_ASYNC | gui::SND_NODEFAULT}}));
    EXPECT_EQ(a.txtfile.Text() + a.txthost.Text() + a.txtport.Text(), "");
}

TEST_F(ServiceAlertTest, APairRaisesOneAlertAtATimeAndItsClosingLetsItRaiseAnother) {
    const uint32_t remote = host::rowAddress(10, 0, 0, 9);
    accept(1080, remote, 4000);
    accept(1080, remote, 4001);  // the same pair while its alert is open
    ASSERT_EQ(loaded<frmServiceAlert>().size(), 1u);
    EXPECT_TRUE(engine::PendingAlerts().contains("1080", "10.0.0.9"));

    // Closed through its window, as the window system closes it.
    ws_.sendMessage(loaded<frmServiceAlert>()[0]->hWnd(), gui::WM_CLOSE);
    EXPECT_TRUE(loaded<frmServiceAlert>().empty());
    EXPECT_FALSE(engine::PendingAlerts().contains("1080", "10.0.0.9"));
    forms::DoEvents();

    accept(1080, remote, 4002);
    EXPECT_EQ(loaded<frmServiceAlert>().size(), 1u);
}

TEST_F(ServiceAlertTest, ClosingAnAlertFreesOnlyItsOwnPair) {
    // Port 1 from 23.4.5.6 and port 12 from 3.4.5.6 read alike when port and address are run
    // together; each alert gives back its own pair only.
    const uint32_t a = host::rowAddress(23, 4, 5, 6), b = host::rowAddress(3, 4, 5, 6);
    accept(1, a, 4000);
    accept(12, b, 4001);
    auto alerts = loaded<frmServiceAlert>();
    ASSERT_EQ(pairsOf(alerts), (std::vector<std::pair<std::string, std::string>>{{"1", "23.4.5.6"}, {"12", "3.4.5.6"}}));

    forms::Unload(*alerts[0]);
    EXPECT_FALSE(engine::PendingAlerts().contains("1", "23.4.5.6"));
    EXPECT_TRUE(engine::PendingAlerts().contains("12", "3.4.5.6"));
    forms::DoEvents();

    accept(12, b, 4002);  // still held by the open alert
    accept(1, a, 4003);   // free again
    EXPECT_EQ(pairsOf(loaded<frmServiceAlert>()),
              (std::vector<std::pair<std::string, std::string>>{{"12", "3.4.5.6"}, {"1", "23.4.5.6"}}));
}

TEST_F(ServiceAlertTest, EachAlertSendsTheStatisticsRequestOnceWithOrWithoutItsSound) {
    for (int sound : {1, 0}) {
        SCOPED_TRACE(sound);
        test::LoopbackServer server;
        const std::string statisticsHost = "127.0.0.1:" + std::to_string(server.port());
        useStatisticsHost(statisticsHost);
        main_->Check7.Value(sound);
        sounds_.played.clear();

        accept(1080, host::rowAddress(10, 0, 0, 9), static_cast<uint16_t>(4000 + sound));
        ASSERT_EQ(loaded<frmServiceAlert>().size(), 1u);
        frmServiceAlert& alert = *loaded<frmServiceAlert>()[0];
        server.accept();
        const std::string request =
            "GET /demo/morvantile/firewallstat/open.php?act=true&lvl=4&file=&host=&app=service&port= HTTP/1.1\r\n"
            "Host: " + statisticsHost + "\r\n"
            "Accept: */*\r\n"
            "Accept-Language: en\r\n"
            "Connection: Keep-Alive\r\n"
            "\r\n";
        std::string received;
        ASSERT_TRUE(test::pumpUntil([&] {
            received += server.receive(request.size() - received.size(), 0);
            return received.size() >= request.size();
        }));
        EXPECT_EQ(received, request);
        for (int i = 0; i < 20; ++i) forms::DoEvents();
        EXPECT_EQ(server.receive(1, 50), "") << "sent once; the socket stays open";
        EXPECT_EQ(alert.Winsock1.State(), forms::sckConnected);
        EXPECT_EQ(sounds_.played.size(), sound == 1 ? 1u : 0u);

        click(alert.isButton2);
        EXPECT_TRUE(loaded<frmServiceAlert>().empty());
        EXPECT_EQ(server.receive(1, 2000), "") << "closing the alert ends its socket";
        forms::DoEvents();
    }
}

TEST_F(ServiceAlertTest, WithTheShippedStatisticsHostNothingLeavesTheMachine) {
    accept(1080, host::rowAddress(10, 0, 0, 9), 4000);
    ASSERT_EQ(loaded<frmServiceAlert>().size(), 1u);
    // A name under ".invalid" is never looked up: the socket gives up at once.
    EXPECT_EQ(loaded<frmServiceAlert>()[0]->Winsock1.State(), forms::sckError);
    EXPECT_EQ(StatisticsHost(), "stats.quarvelin.invalid");
}

// Accept marks the address trusted, and the engine no longer warns about it on any dangerous
// port; Denied marks it blocked, which nothing reads, so its next connection is warned about
// again. Either closes the alert and frees its pair.
TEST_F(ServiceAlertTest, AcceptTrustsTheAddressAndDeniedBlocksIt) {
    struct Case {
        const char* name;
        bool accept;
        const char* stored;
        bool warnedAgain;
    } cases[] = {
        {"Accept", true, "TRUSTED", false},
        {"Denied", false, "BLOCKED", true},
    };
    uint8_t last = 20;
    uint16_t remotePort = 4000;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const uint32_t remote = host::rowAddress(10, 0, 0, last);
        const std::string address = "10.0.0." + std::to_string(last);
        accept(1080, remote, remotePort++);
        ASSERT_EQ(loaded<frmServiceAlert>().size(), 1u);
        frmServiceAlert& alert = *loaded<frmServiceAlert>()[0];
        click(c.accept ? alert.isButton1 : alert.isButton2);

        EXPECT_EQ(readStore(engine::GuardStore(), "NETWORKING", address), c.stored);
        EXPECT_TRUE(loaded<frmServiceAlert>().empty());
        EXPECT_FALSE(engine::PendingAlerts().contains("1080", address));
        forms::DoEvents();

        accept(1080, remote, remotePort++);
        accept(12, remote, remotePort++);
        EXPECT_EQ(loaded<frmServiceAlert>().size(), c.warnedAgain ? 2u : 0u);
        for (frmServiceAlert* a : loaded<frmServiceAlert>()) forms::Unload(*a);
        forms::DoEvents();
        ++last;
    }
    // An address nobody answered for is still warned about.
    accept(1080, host::rowAddress(10, 0, 0, 99), remotePort);
    EXPECT_EQ(pairsOf(loaded<frmServiceAlert>()),
              (std::vector<std::pair<std::string, std::string>>{{"1080", "10.0.0.21"}, {"12", "10.0.0.21"},
                                                                {"1080", "10.0.0.99"}}))
        << "the blocked address's connections, still open, are warned about again; the trusted one's are not";
}

TEST(StatisticsServer, TheOptionNamesAHostAndMaybeAPort) {
    struct Case {
        const char* option;
        const char* host;
        int port;
    } cases[] = {
        {"stats.quarvelin.invalid", "stats.quarvelin.invalid", 80},
        {"127.0.0.1:8080", "127.0.0.1", 8080},
        {"stats.example:", "stats.example", 0},
        {"stats.example:8o", "stats.example", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.option);
        const StatisticsServer s = StatisticsServerOf(c.option);
        EXPECT_EQ(s.host, c.host);
        EXPECT_EQ(s.port, c.port);
    }
}

}  // namespace
}  // namespace qv::ui::testing
