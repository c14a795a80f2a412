// The socket control against a loopback server that the test runs itself.
#include "platform/forms/common/winsock.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "platform/base/basic_error.h"
#include "platform/forms/form.h"
#include "platform/forms/instances.h"
#include "tests/platform/forms/loopback_server.h"

namespace qv::forms {
namespace {

using test::LoopbackServer;

class frmSock : public Form {
public:
    frmSock() : Form("frmSock") {
        Winsock1.Connected = [this] { events.push_back("Connect"); };
        Winsock1.DataArrival = [this](long n) {
            events.push_back("DataArrival " + std::to_string(n));
            std::string s;
            Winsock1.GetData(s);
            data += s;
        };
        Winsock1.Closed = [this] { events.push_back("Close"); };
        Winsock1.Error = [this](int number, const std::string&) { events.push_back("Error " + std::to_string(number)); };
    }
    Winsock Winsock1{*this, "Winsock1"};
    std::vector<std::string> events;
    std::string data;
};

using test::pumpUntil;

class WinsockTest : public ::testing::Test {
protected:
    void SetUp() override { Load(form); }
    void TearDown() override { resetForms(); }
    frmSock form;
    Winsock& ws = form.Winsock1;
};

TEST_F(WinsockTest, ConnectSendReceiveAndServerClose) {
    LoopbackServer server;
    ws.Connect("127.0.0.1", server.port());
    EXPECT_EQ(ws.State(), sckConnecting) << "Connect must not wait for the connection";
    server.accept();
    ASSERT_TRUE(pumpUntil([&] { return ws.State() == sckConnected; }));
    EXPECT_EQ(form.events, (std::vector<std::string>{"Connect"}));
    EXPECT_GT(ws.LocalPort(), 0);

    ws.SendData("GET / HTTP/1.0\r\n\r\n");
    EXPECT_EQ(server.receive(18), "GET / HTTP/1.0\r\n\r\n");

    server.send("hello");
    ASSERT_TRUE(pumpUntil([&] { return form.data == "hello"; }));
    EXPECT_EQ(form.events.back(), "DataArrival 5");

    server.send("bye");
    server.closeClient();
    ASSERT_TRUE(pumpUntil([&] { return ws.State() == sckClosing; }));
    EXPECT_EQ(form.data, "hellobye") << "data sent before the close still arrives";
    EXPECT_EQ(form.events.back(), "Close");
    EXPECT_THROW(ws.SendData("x"), base::BasicError) << "no sending once the peer has closed";
    ws.Close();
    EXPECT_EQ(ws.State(), sckClosed);
}

TEST_F(WinsockTest, AHostNameIsLookedUpWithoutBlockingConnect) {
    LoopbackServer server;
    ws.Connect("localhost", server.port());
    EXPECT_EQ(ws.State(), sckResolvingHost) << "Connect returns while the name is looked up";
    ASSERT_TRUE(pumpUntil([&] { return ws.State() != sckResolvingHost; }));
    server.accept();
    ASSERT_TRUE(pumpUntil([&] { return ws.State() == sckConnected; }));
    EXPECT_EQ(form.events, (std::vector<std::string>{"Connect"}));
    EXPECT_EQ(ws.RemoteHost(), "localhost");
    ws.Close();

    // Closed while the lookup runs: nothing is heard of it afterwards.
    form.events.clear();
    ws.Connect("localhost", server.port());
    ws.Close();
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    for (int i = 0; i < 5; ++i) DoEvents();
    EXPECT_TRUE(form.events.empty());
    EXPECT_EQ(ws.State(), sckClosed);

    // No host at all, and a name under the reserved ".invalid" domain, are hosts not found at
    // once, without a lookup, reported from the loop.
    for (const char* host : {"", "stats.quarvelin.invalid", "INVALID", "a.b.Invalid."}) {
        SCOPED_TRACE(host);
        ws.Close();
        form.events.clear();
        ws.RemoteHost("");
        ws.Connect(host, server.port());
        EXPECT_EQ(ws.State(), sckError) << "no lookup started";
        EXPECT_TRUE(form.events.empty());
        ASSERT_TRUE(pumpUntil([&] { return !form.events.empty(); }));
        EXPECT_EQ(form.events, (std::vector<std::string>{"Error 11001"}));
        EXPECT_EQ(ws.State(), sckError);
    }
}

TEST_F(WinsockTest, RefusedConnectionRaisesError) {
    int port;
    {
        LoopbackServer server;
        port = server.port();
        server.stopListening();
    }
    ws.Connect("127.0.0.1", port);
    ASSERT_TRUE(pumpUntil([&] { return ws.State() == sckError; }));
    EXPECT_EQ(form.events, (std::vector<std::string>{"Error 10061"}));
    ws.Close();
    // After Close the control can connect again.
    LoopbackServer server;
    ws.Connect("127.0.0.1", server.port());
    server.accept();
    EXPECT_TRUE(pumpUntil([&] { return ws.State() == sckConnected; }));
}

TEST_F(WinsockTest, OperationsTheStateDoesNotAllowThrowTheControlsError) {
    auto number = [](const std::function<void()>& f) {
        try {
            f();
        } catch (const base::BasicError& e) {
            return e.number();
        }
        return 0;
    };
    std::string s;
    EXPECT_EQ(number([&] { ws.SendData("x"); }), sckBadState);
    EXPECT_EQ(number([&] { ws.GetData(s); }), sckBadState);
    EXPECT_EQ(number([&] { ws.Connect("127.0.0.1", 0); }), sckInvalidArg);
    LoopbackServer server;
    ws.Connect("127.0.0.1", server.port());
    EXPECT_EQ(number([&] { ws.Connect("127.0.0.1", server.port()); }), sckInvalidOp);
    EXPECT_EQ(ws.State(), sckConnecting) << "a refused operation changes nothing";
    ws.Close();
    ws.Close();  // closing a closed control is allowed
    EXPECT_EQ(ws.State(), sckClosed);
}

TEST_F(WinsockTest, SendingToAVanishedPeerNeverRaisesSigpipe) {
    // With the default disposition a broken pipe's signal would end the test program.
    struct sigaction dflt {}, old {};
    dflt.sa_handler = SIG_DFL;
    ::sigaction(SIGPIPE, &dflt, &old);
    LoopbackServer server;
    ws.Connect("127.0.0.1", server.port());
    server.accept();
    ASSERT_TRUE(pumpUntil([&] { return ws.State() == sckConnected; }));
    server.closeClient();
    // Before the loop has seen the close the control still counts as connected; the sends hit a
    // closed peer (the second one a broken pipe), which must come back as an event.
    std::string big(1 << 16, 'x');
    for (int i = 0; i < 4 && ws.State() == sckConnected; ++i) {
        ws.SendData(big);
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    ASSERT_TRUE(pumpUntil([&] { return ws.State() != sckConnected; }));
    EXPECT_TRUE(ws.State() == sckClosing || ws.State() == sckError);
    ::sigaction(SIGPIPE, &old, nullptr);
}

}  // namespace
}  // namespace qv::forms
