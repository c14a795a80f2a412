// The connection tester against a loopback server of the test's own, on the fake clock: the
// 500 ms ticks come only as the test moves time; the sockets move on in real time.
#include "ui/windows/connection_tester.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/base/clock.h"
#include "platform/forms/form.h"
#include "platform/forms/instances.h"
#include "platform/forms/msgbox.h"
#include "platform/forms/runtime.h"
#include "tests/platform/forms/loopback_server.h"
#include "tests/ui/windows/tester_session.h"
#include "ui/windows/frm_view.h"
#include "ui/windows/mod_headers.h"

namespace qv::ui::testing {
namespace {

using State = ConnectionTester::State;
using test::LoopbackServer;
using test::pumpUntil;

// The tester's controls on a plain form; command buttons stand in for the owner-drawn ones.
class frmTesterHost : public forms::Form {
public:
    frmTesterHost() : Form("frmTesterHost") {
        const char* captions[] = {"Windows 95", "Windows 98",   "Windows 2000",     "Windows XP",
                                  "IE 6.0 (web)", "Netscape 6.2 (web)", "Opera 5.01 (web)", "Mozilla 0.9.5 (web)"};
        for (int i = 0; i < 8; ++i) {
            forms::OptionButton& o = optEM.Load(i);
            o.Container(i < 4 ? &fraOS : &fraClient);
            o.Caption(captions[i]);
        }
        optEM(0).Value(true);
        optEM(4).Value(true);
        chkEnable.Value(1);
        tmrCon.Interval(500);
        tmrCon.Enabled(false);
    }
    forms::TextBox txtAddr{*this, "txtAddr"};
    forms::TextBox txtport{*this, "txtport"};
    forms::TextBox txtSend{*this, "txtSend"};
    forms::CommandButton cmdSend{*this, "cmdSend"};
    forms::CommandButton cmdDisCon{*this, "cmdDisCon"};
    forms::CommandButton isButton2{*this, "isButton2"};
    forms::CheckBox chkEnable{*this, "chkEnable"};
    forms::Frame fraOS{*this, "fraOS"};
    forms::Frame fraClient{*this, "fraClient"};
    forms::ControlArray<forms::OptionButton> optEM{*this, "optEM"};
    forms::Frame fraCon2{*this, "fraCon2"};
    forms::Timer tmrCon{*this, "tmrCon"};
    forms::Winsock WS1{*this, "WS1"};
};

// Records each message box with whether the attempt's timer was still running as it showed.
class BoxRecorder : public forms::ScriptedPrompter {
public:
    explicit BoxRecorder(const forms::Timer& timer) : timer_(timer) {}
    int messageBox(const forms::MessageBoxRequest& r) override {
        timerRan.push_back(timer_.running());
        return ScriptedPrompter::messageBox(r);
    }
    std::vector<bool> timerRan;

private:
    const forms::Timer& timer_;
};

class ConnectionTesterTest : public ::testing::Test {
protected:
    ConnectionTesterTest() {
        forms::setDesignFolder(QV_SOURCE_DIR "/assets/Forms");
        forms::setPrompter(&prompter_);
        forms::Load(host_);
        tester_.Load();
        host_.txtAddr.Text("127.0.0.1");
    }
    ~ConnectionTesterTest() override {
        forms::resetForms();
        forms::resetRuntime();
        forms::setPrompter(nullptr);
    }

    void connectTo(int port) {
        host_.txtport.Text(std::to_string(port));
        tester_.cmdConnect_Click();
    }
    // Connects to the server and lets the first tick find the connection.
    void connectAndTick(LoopbackServer& server) {
        connectTo(server.port());
        server.accept();
        ASSERT_TRUE(pumpUntil([&] { return host_.WS1.State() == forms::sckConnected; }));
        forms::advance(500);
        ASSERT_EQ(tester_.state(), State::Connected);
    }
    static std::string console() { return testerConsole(); }
    std::vector<std::string> messages() const {
        std::vector<std::string> out;
        for (const auto& b : prompter_.boxes) out.push_back(b.text);
        return out;
    }

    base::FakeClock clock_;
    base::ScopedClock useClock_{clock_};
    frmTesterHost host_;
    BoxRecorder prompter_{host_.tmrCon};
    const TesterControls controls_{host_.txtAddr,   host_.txtport, host_.txtSend, host_.cmdSend, host_.cmdDisCon,
                                   host_.isButton2, host_.chkEnable, host_.fraOS, host_.fraClient, host_.optEM,
                                   host_.fraCon2,   host_.tmrCon,  host_.WS1};
    ConnectionTester tester_{controls_};
};

TEST_F(ConnectionTesterTest, TheEmulatedRequestIsSentOnceAndEchoed) {
    LoopbackServer server;
    connectTo(server.port());
    EXPECT_EQ(tester_.state(), State::Connecting);
    expectEmulatedSession(server, controls_);
    EXPECT_EQ(tester_.state(), State::Connected);
    EXPECT_TRUE(prompter_.boxes.empty());
}

TEST_F(ConnectionTesterTest, ATypedLineGoesOutWithALineFeed) {
    host_.chkEnable.Value(0);
    host_.optEM(6).Value(true);
    EXPECT_FALSE(host_.fraClient.Enabled());
    LoopbackServer server;
    connectAndTick(server);
    EXPECT_TRUE(host_.txtSend.Enabled());
    EXPECT_EQ(host_.txtSend.BackColor(), 0xFFFFFFu);
    EXPECT_TRUE(host_.cmdSend.Enabled());

    host_.txtSend.Text("abcd");
    tester_.cmdSend_Click();
    EXPECT_EQ(server.receive(5), "abcd\n");
    EXPECT_TRUE(console().ends_with("<<< ready to send/recv >>>\r\n// abcd \\\\"));

    // Emulation back on names the options shown, not the designer's.
    host_.chkEnable.Value(1);
    EXPECT_EQ(tester_.clientIndex(), 6);
    EXPECT_EQ(tester_.systemIndex(), 0);
    EXPECT_EQ(host_.txtSend.Text(), "<Internal data to be sent>");
}

TEST_F(ConnectionTesterTest, AnAttemptTimesOutAtTheSixtiethTickWithItsTimerStopped) {
    LoopbackServer server(0);
    server.holdFurtherConnects();
    connectTo(server.port());
    forms::advance(29500);
    EXPECT_TRUE(prompter_.boxes.empty());
    EXPECT_EQ(tester_.ticks(), 59);
    forms::advance(500);
    ASSERT_EQ(messages(), std::vector<std::string>{"Connection timed out after 30 seconds..."});
    EXPECT_EQ(prompter_.boxes[0].title, "Connection Error");
    EXPECT_EQ(prompter_.boxes[0].style, forms::vbExclamation);
    EXPECT_EQ(prompter_.timerRan, std::vector<bool>{false}) << "no tick may come while the box is up";
    EXPECT_FALSE(forms::IsLoaded<frmView>());
    EXPECT_EQ(tester_.state(), State::Connecting) << "the attempt stays until the user aborts it";
    EXPECT_EQ(host_.cmdDisCon.Caption(), "&Abort");

    forms::advance(60000);
    EXPECT_EQ(prompter_.boxes.size(), 1u);

    // Connect only from idle: pressing it again changes nothing.
    tester_.cmdConnect_Click();
    EXPECT_EQ(prompter_.boxes.size(), 1u);
    EXPECT_FALSE(host_.tmrCon.running());

    // After Abort a new attempt has its own full 30 seconds.
    host_.cmdDisCon.Value(true);
    EXPECT_EQ(tester_.state(), State::Idle);
    EXPECT_TRUE(host_.isButton2.Enabled());
    EXPECT_EQ(host_.fraCon2.Caption(), "Connected to: <Not Connected>");
    connectTo(server.port());
    forms::advance(29500);
    EXPECT_EQ(prompter_.boxes.size(), 1u);
    forms::advance(500);
    EXPECT_EQ(prompter_.boxes.size(), 2u);
}

TEST_F(ConnectionTesterTest, AbortingStopsTheTimer) {
    LoopbackServer server(0);
    server.holdFurtherConnects();
    connectTo(server.port());
    forms::advance(10000);
    host_.cmdDisCon.Value(true);
    EXPECT_EQ(host_.WS1.State(), forms::sckClosed);
    EXPECT_FALSE(forms::IsLoaded<frmView>());
    EXPECT_FALSE(host_.cmdDisCon.Enabled());
    forms::advance(60000);
    EXPECT_TRUE(prompter_.boxes.empty()) << "no time-out after an abort";
}

TEST_F(ConnectionTesterTest, SendingWithoutAConnectionAndSocketErrorsEndInIdle) {
    host_.chkEnable.Value(0);
    LoopbackServer server;
    connectAndTick(server);
    server.closeClient();
    ASSERT_TRUE(pumpUntil([&] { return host_.WS1.State() == forms::sckClosing; }));
    host_.txtSend.Text("abcd");
    tester_.cmdSend_Click();
    EXPECT_EQ(messages(), std::vector<std::string>{"Conection refused..."});
    EXPECT_EQ(prompter_.boxes[0].title, "Error Sending Data");
    EXPECT_EQ(host_.WS1.State(), forms::sckClosed);
    EXPECT_EQ(tester_.state(), State::Idle);
    EXPECT_FALSE(host_.cmdSend.Enabled());

    // A port nobody listens on: the refusal comes as a socket error.
    LoopbackServer closed;
    closed.stopListening();
    connectTo(closed.port());
    ASSERT_TRUE(pumpUntil([&] { return prompter_.boxes.size() == 2; }));
    EXPECT_EQ(messages().back(), "Conection refused...");
    EXPECT_EQ(tester_.state(), State::Idle);
    EXPECT_FALSE(host_.tmrCon.running());
    EXPECT_FALSE(forms::IsLoaded<frmView>());
    EXPECT_TRUE(host_.isButton2.Enabled());
    EXPECT_EQ(host_.fraCon2.Caption(), "Connected to: <Not Connected>");
    forms::advance(60000);
    EXPECT_EQ(prompter_.boxes.size(), 2u);
}

TEST_F(ConnectionTesterTest, APortThatIsNoValidNumberIsRefusedBeforeConnecting) {
    for (const char* port : {"0", "65536", "-1", "http", "", "80.5"}) {
        SCOPED_TRACE(port);
        prompter_.boxes.clear();
        host_.txtport.Text(port);
        tester_.cmdConnect_Click();
        ASSERT_EQ(messages(), std::vector<std::string>{"Please enter a port number from 1 to 65535."});
        EXPECT_EQ(host_.WS1.State(), forms::sckClosed);
        EXPECT_EQ(tester_.state(), State::Idle);
        EXPECT_FALSE(forms::IsLoaded<frmView>());
        EXPECT_FALSE(host_.cmdDisCon.Enabled());
    }
}

TEST_F(ConnectionTesterTest, TheConsoleShowsControlBytesAndDropsDataOnceItIsClosed) {
    LoopbackServer server;
    connectAndTick(server);
    server.send(std::string("a\0b\x1b\tc", 6));
    ASSERT_TRUE(pumpUntil([&] { return console().ends_with("c"); }));
    EXPECT_TRUE(console().ends_with("\r\na\\x00b\\x1B\tc"));

    forms::Unload(forms::Default<frmView>());
    // Loopback data is readable as soon as send returns: the next pass reads it.
    server.send("late");
    for (int i = 0; i < 10; ++i) forms::DoEvents();
    EXPECT_EQ(host_.WS1.BytesReceived(), 0) << "the data was taken";
    EXPECT_FALSE(forms::IsLoaded<frmView>()) << "data after the console is gone is dropped";
}

TEST_F(ConnectionTesterTest, UnloadClosesTheSocketAndTheConsole) {
    LoopbackServer server;
    connectAndTick(server);
    tester_.Unload();
    EXPECT_EQ(host_.WS1.State(), forms::sckClosed);
    EXPECT_FALSE(forms::IsLoaded<frmView>());
}

TEST(ModHeaders, BuildHttpRequestTable) {
    struct Case {
        int system, client;
        const char* agent;
    };
    const Case cases[] = {
        {0, 4, "User-Agent: Mozilla/4.0 (compatible; MSIE 6.0; Windows 95; Quarvelin - www.quarvelin.example)"},
        {3, 7, "User-Agent: Mozilla/4.0 (compatible; Mozilla 0.9.5; Windows XP; Quarvelin - www.quarvelin.example)"},
        {2, 5, "User-Agent: Mozilla/4.0 (compatible; Netscape 6.2; Windows 2000; Quarvelin - www.quarvelin.example)"},
        {1, 6, "User-Agent: Mozilla/4.0 (compatible; Opera 5.01; Windows 98; Quarvelin - www.quarvelin.example)"},
        {4, 3, "User-Agent: Mozilla/4.0 (compatible; ; ; Quarvelin - www.quarvelin.example)"},
        {-1, 8, "User-Agent: Mozilla/4.0 (compatible; ; ; Quarvelin - www.quarvelin.example)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.agent);
        EXPECT_EQ(BuildHttpRequest(c.system, c.client, "10.0.0.7"),
                  std::string("GET http://10.0.0.7/ HTTP/1.0\r\n"
                              "Accept: image/gif, image/x-xbitmap, image/jpeg, image/pjpeg\r\n"
                              "Accept-Language: en-us\r\n"
                              "Content-Encoding: gzip, deflate\r\n") +
                      c.agent +
                      "\r\n"
                      "Host: 10.0.0.7\r\n"
                      "Connection: Close\r\n"
                      "\r\n");
    }
}

}  // namespace
}  // namespace qv::ui::testing
