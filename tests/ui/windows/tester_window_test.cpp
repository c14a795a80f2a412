// The connection tester's window by a person's input, against a loopback server of the test's
// own, on the fake clock: the 500 ms ticks come only as the test moves time; the sockets move on
// in real time.
#include "ui/windows/frm_con.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/platform/forms/loopback_server.h"
#include "tests/ui/input.h"
#include "tests/ui/recording_companions.h"
#include "tests/ui/windows/companion_windows_fixture.h"
#include "tests/ui/windows/tester_session.h"
#include "ui/windows/frm_view.h"

namespace qv::ui::testing {
namespace {

using State = ConnectionTester::State;
using test::LoopbackServer;
using test::pumpUntil;

class TesterWindowTest : public CompanionWindowsTest {
protected:
    TesterWindowTest() {
        main_->Visible(true);
        prompter_.boxes.clear();  // the main window's load found no options file
    }
    // Opened as the open-port window's "Send Command" opens it.
    frmCon& opened(int port) { return opened(std::to_string(port)); }
    frmCon& opened(const std::string& port) {
        companions().showTester("127.0.0.1", port);
        frmCon* tester = shown<frmCon>();
        EXPECT_NE(tester, nullptr);
        return *tester;
    }
    // Connect pressed, the server accepts, and the next tick finds the connection.
    void connected(frmCon& tester, LoopbackServer& server) {
        click(tester.cmdConnect);
        server.accept();
        ASSERT_TRUE(pumpUntil([&] { return tester.WS1.State() == forms::sckConnected; }));
        forms::advance(500);
        ASSERT_EQ(tester.tester().state(), State::Connected);
    }
    static std::string console() { return testerConsole(); }
    std::vector<std::string> messages() const {
        std::vector<std::string> out;
        for (const auto& b : prompter_.boxes) out.push_back(b.text);
        return out;
    }
};

TEST_F(TesterWindowTest, OpenedOnAHostAndPortItHidesTheMainWindowUntilExit) {
    LoopbackServer server;
    frmCon& tester = opened(server.port());
    EXPECT_EQ(tester.txtAddr.Text(), "127.0.0.1");
    EXPECT_EQ(tester.txtport.Text(), std::to_string(server.port()));
    EXPECT_FALSE(main_->Visible());
    EXPECT_EQ(&opened(server.port()), &tester) << "one tester";
    EXPECT_EQ(tester.txtSend.Text(), "");
    EXPECT_FALSE(tester.txtSend.Enabled());
    EXPECT_FALSE(tester.cmdSend.Enabled());
    EXPECT_FALSE(tester.cmdDisCon.Enabled());

    connected(tester, server);
    click(tester.cmdExit);
    EXPECT_EQ(LoadedWindow<frmCon>(), nullptr);
    EXPECT_FALSE(forms::IsLoaded<frmView>());
    EXPECT_TRUE(main_->Visible());
    EXPECT_EQ(server.receive(1 << 12, 200).find("GET http://127.0.0.1/ HTTP/1.0"), 0u);
    EXPECT_EQ(server.receive(1, 200), "") << "the connection was closed";
}

TEST_F(TesterWindowTest, TheEmulatedRequestGoesOutOnceAndIsEchoed) {
    LoopbackServer server;
    frmCon& tester = opened(server.port());
    click(tester.cmdConnect);
    expectEmulatedSession(server, tester.controls());
    EXPECT_TRUE(prompter_.boxes.empty());
}

TEST_F(TesterWindowTest, ATypedLineGoesOutWithALineFeed) {
    LoopbackServer server;
    frmCon& tester = opened(server.port());
    click(tester.chkEnable);
    EXPECT_EQ(tester.chkEnable.Value(), 0);
    EXPECT_FALSE(tester.fraOS.Enabled());
    connected(tester, server);
    EXPECT_TRUE(tester.txtSend.Enabled());
    click(tester.txtSend);
    typeKeys("abcd");
    click(tester.cmdSend);
    EXPECT_EQ(server.receive(5), "abcd\n");
    EXPECT_TRUE(console().ends_with("<<< ready to send/recv >>>\r\n// abcd \\\\"));
}

// At the 60th tick without a connection the attempt times out; Abort stops the timer, so no
// time-out follows it, and a new attempt has its own full 30 seconds.
TEST_F(TesterWindowTest, TimeOutAtTheSixtiethTickAbortAndANewAttempt) {
    LoopbackServer server(0);
    server.holdFurtherConnects();
    frmCon& tester = opened(server.port());
    click(tester.cmdConnect);
    forms::advance(29500);
    EXPECT_TRUE(prompter_.boxes.empty());
    forms::advance(500);
    ASSERT_EQ(messages(), std::vector<std::string>{"Connection timed out after 30 seconds..."});
    EXPECT_EQ(prompter_.boxes[0].title, "Connection Error");
    EXPECT_FALSE(forms::IsLoaded<frmView>());
    EXPECT_EQ(tester.cmdDisCon.Caption(), "&Abort");

    click(tester.cmdDisCon);
    EXPECT_EQ(tester.tester().state(), State::Idle);
    EXPECT_EQ(tester.WS1.State(), forms::sckClosed);
    click(tester.cmdConnect);
    forms::advance(10000);
    click(tester.cmdDisCon);
    forms::advance(60000);
    EXPECT_EQ(prompter_.boxes.size(), 1u) << "no time-out after an abort";

    click(tester.cmdConnect);
    forms::advance(29500);
    EXPECT_EQ(prompter_.boxes.size(), 1u);
    forms::advance(500);
    EXPECT_EQ(prompter_.boxes.size(), 2u);
}

TEST_F(TesterWindowTest, SendingWithoutAConnectionAndASocketErrorEndInIdle) {
    LoopbackServer server;
    frmCon& tester = opened(server.port());
    click(tester.chkEnable);
    connected(tester, server);
    server.closeClient();
    ASSERT_TRUE(pumpUntil([&] { return tester.WS1.State() == forms::sckClosing; }));
    click(tester.txtSend);
    typeKeys("abcd");
    click(tester.cmdSend);
    EXPECT_EQ(messages(), std::vector<std::string>{"Conection refused..."});
    EXPECT_EQ(prompter_.boxes[0].title, "Error Sending Data");
    EXPECT_EQ(tester.WS1.State(), forms::sckClosed);
    EXPECT_FALSE(tester.cmdSend.Enabled());

    LoopbackServer refusing;
    refusing.stopListening();
    tester.txtport.Text(std::to_string(refusing.port()));
    click(tester.cmdConnect);
    ASSERT_TRUE(pumpUntil([&] { return prompter_.boxes.size() == 2; }));
    EXPECT_EQ(messages().back(), "Conection refused...");
    EXPECT_EQ(tester.tester().state(), State::Idle);
    EXPECT_FALSE(forms::IsLoaded<frmView>());
    EXPECT_TRUE(tester.isButton2.Enabled());
}

TEST_F(TesterWindowTest, APortThatIsNoValidNumberIsRefused) {
    frmCon& tester = opened("");
    click(tester.txtport);
    typeKeys("65536");
    click(tester.cmdConnect);
    EXPECT_EQ(messages(), std::vector<std::string>{"Please enter a port number from 1 to 65535."});
    EXPECT_EQ(tester.WS1.State(), forms::sckClosed);
    EXPECT_FALSE(forms::IsLoaded<frmView>());
    EXPECT_EQ(tester.Label3.Caption(), "1 to 65535");
}

// CLOSE goes back to the open-port window; the program's end lets the tester go.
TEST_F(TesterWindowTest, CloseShowsTheOpenPortWindowAndTheEndUnloadsTheTester) {
    LoopbackServer server;
    {
        frmCon& tester = opened(server.port());
        RecordingCompanions recorded;
        click(tester.isButton2);
        EXPECT_EQ(recorded.asked, std::vector<std::string>{"frmport"});
        EXPECT_EQ(LoadedWindow<frmCon>(), nullptr);
        EXPECT_TRUE(main_->Visible());
    }
    setCompanions(&windows_);
    frmCon& tester = opened(server.port());
    connected(tester, server);
    windows_.unloadTester();
    EXPECT_EQ(LoadedWindow<frmCon>(), nullptr);
    EXPECT_FALSE(forms::IsLoaded<frmView>());
    windows_.unloadTester();  // none loaded: nothing happens
    EXPECT_EQ(LoadedWindow<frmCon>(), nullptr);
}

}  // namespace
}  // namespace qv::ui::testing
