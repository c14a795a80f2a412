#pragma once
// What the connection tester's tests check of a session with a loopback server, on the tester's
// window or on a host form of its controls.
#include <gtest/gtest.h>

#include <string>

#include "platform/forms/instances.h"
#include "tests/platform/forms/loopback_server.h"
#include "ui/windows/connection_tester.h"
#include "ui/windows/frm_view.h"
#include "ui/windows/mod_headers.h"

namespace qv::ui::testing {

inline std::string testerConsole() {
    return forms::IsLoaded<frmView>() ? forms::Default<frmView>().txtConView.Text() : "<no console>";
}

// The attempt Connect began, with emulation on, to the server on 127.0.0.1: it shows as an
// attempt; once the server accepts, the next tick finds the connection; the request naming
// "MSIE 6.0" and "Windows 95" goes out once, unasked, echoed between "<<< " and " >>>"; the
// server's answer lands in the console.
inline void expectEmulatedSession(test::LoopbackServer& server, const TesterControls& c) {
    const std::string peer = "127.0.0.1:" + std::to_string(server.port());
    EXPECT_EQ(c.cmdDisCon.Caption(), "&Abort");
    EXPECT_FALSE(c.isButton2.Enabled());
    EXPECT_EQ(testerConsole(), "<<< Trying to connect to: " + peer + " >>>");

    server.accept();
    ASSERT_TRUE(test::pumpUntil([&] { return c.WS1.State() == forms::sckConnected; }));
    forms::advance(500);
    const std::string request = BuildHttpRequest(0, 4, "127.0.0.1");
    EXPECT_NE(request.find("(compatible; MSIE 6.0; Windows 95; "), std::string::npos);
    EXPECT_EQ(server.receive(request.size()), request);
    EXPECT_EQ(testerConsole(), "<<< Trying to connect to: " + peer + " >>>\r\n<<< ready to send/recv >>>\r\n<<< " +
                                   request + " >>>");
    EXPECT_EQ(c.fraCon2.Caption(), "Connected to: " + peer);
    EXPECT_EQ(c.cmdDisCon.Caption(), "Disconnect");
    EXPECT_TRUE(c.isButton2.Enabled());
    EXPECT_FALSE(c.tmrCon.running());
    EXPECT_FALSE(c.txtSend.Enabled()) << "the request goes unasked; nothing is typed";

    forms::advance(5000);
    EXPECT_EQ(server.receive(1, 50), "") << "sent once";
    server.send("HTTP/1.0 200 OK");
    EXPECT_TRUE(test::pumpUntil([&] { return testerConsole().ends_with("\r\nHTTP/1.0 200 OK"); }));
}

}  // namespace qv::ui::testing
