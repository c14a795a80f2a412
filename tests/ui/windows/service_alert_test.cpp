// The dangerous-port alert as the engine's check opens it, and the (port, address) pair it gives
// back when it closes.
#include "ui/windows/frm_service_alert.h"

#include <gtest/gtest.h>

#include "platform/gui/messages.h"
#include "tests/ui/windows/windows_fixture.h"

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

}  // namespace
}  // namespace qv::ui::testing
