// The filter pass on this computer's own TCP table, inside a sandbox of its own namespaces: the
// test is process 1 there, the connection belongs to a child it started, and loopback is the
// only network.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

#include <gtest/gtest.h>

#include "engine/connection_closer.h"
#include "engine/detached_main_window.h"
#include "engine/filter_pass.h"
#include "engine/filter_windows.h"
#include "engine/ui_hooks.h"
#include "platform/base/clock.h"
#include "platform/base/files.h"
#include "platform/host/linux/linux_host.h"
#include "tests/engine/temp_folder.h"
#include "tests/platform/host/linux/sandbox_children.h"

namespace qv::engine {
namespace {

using host::testing::ChildProcess;
using host::testing::Ports;
using host::testing::readPorts;

// A child holding a listener on loopback and one connection to it. It prints
// "<listen port> <client port>", then answers "recv" with the errno of a read on the client end
// (0 while the read would only block), and ends at any other line.
int connectionHolder(const ChildProcess::Channel& ch) {
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof a;
    int l = ::socket(AF_INET, SOCK_STREAM, 0);
    if (::bind(l, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 || ::listen(l, 4) != 0) return 2;
    ::getsockname(l, reinterpret_cast<sockaddr*>(&a), &len);
    int client = ::socket(AF_INET, SOCK_STREAM, 0);
    if (::connect(client, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0) return 2;
    int server = ::accept(l, nullptr, nullptr);
    if (server < 0) return 2;
    sockaddr_in c{};
    len = sizeof c;
    ::getsockname(client, reinterpret_cast<sockaddr*>(&c), &len);
    ch.writeLine(std::to_string(ntohs(a.sin_port)) + " " + std::to_string(ntohs(c.sin_port)));
    while (ch.readLine() == "recv") {
        char b;
        ssize_t n = ::recv(client, &b, 1, MSG_DONTWAIT);
        ch.writeLine(std::to_string(n < 0 && errno != EAGAIN ? errno : 0));
    }
    return 0;
}

struct FilterOnPort : FilterWindow {
    FilterLists lists;
    explicit FilterOnPort(uint16_t remotePort) { lists.add(kRemotePortList, {std::to_string(remotePort), "", true}); }
    bool Filtering() override { return true; }
    const FilterLists& lvwFilter() override { return lists; }
};

// The engine's view of the windows and the clock, for a filter on the remote port and the
// host of this computer.
class Engine {
public:
    explicit Engine(uint16_t remotePort) : filter_(remotePort) {
        window.logging = true;
        window.log[2] = 1;
        setMsgBoxHandler([this](const std::string& text, const std::string&, int) {
            messageBoxes.push_back(text);
            return kIdOk;
        });
    }
    ~Engine() { setMsgBoxHandler({}); }
    // The blocked-connection rows of the port log.
    std::vector<PortLogRow> blockedRows() const {
        std::vector<PortLogRow> rows;
        for (const auto& r : window.lvwLog)
            if (r.host != "ICMP") rows.push_back(r);
        return rows;
    }

    host::LinuxHost host;
    DetachedMainWindow window;
    std::vector<std::string> messageBoxes;
    test::TempProgramFolder dir;

private:
    host::ScopedHost useHost_{host};
    base::FakeClock clock_;
    base::ScopedClock useClock_{clock_};
    ScopedMainWindow useWindow_{window};
    FilterOnPort filter_;
    ScopedFilterWindow useFilter_{filter_};
};

TEST(FilterPassOnLinux, ARemotePortFilterClosesALoopbackConnectionWithinTwoTicks) {
    host::testing::inSandbox([] {
        ChildProcess child(connectionHolder);
        Ports p = readPorts(child);
        Engine engine(p.listen);
        for (int tick = 0; tick < 2 && engine.blockedRows().empty(); ++tick) FilterPass();

        child.writeLine("recv");
        EXPECT_EQ(child.readLine(), std::to_string(ECONNABORTED)) << "the child sees its connection fail";
        EXPECT_EQ(engine.blockedRows(), (std::vector<PortLogRow>{{"127.0.0.1", std::to_string(p.client),
                                                                  std::to_string(p.listen), "Blocked Remote Port",
                                                                  "3:04:05 PM"}}));
        EXPECT_TRUE(engine.messageBoxes.empty());
        child.writeLine("quit");
    });
}

TEST(FilterPassOnLinux, WithoutTheCapabilityNothingIsClosedOrLoggedAndTheProgramSaysSoOnce) {
    host::testing::inSandbox([] {
        ChildProcess child(connectionHolder);
        Ports p = readPorts(child);
        // The pass runs in a child that gave up the capability; it reports what it saw.
        ChildProcess weak([&](const ChildProcess::Channel& ch) {
            if (!host::testing::dropNetworkAdministration()) return 2;
            Engine engine(p.listen);
            base::makeDir(engine.dir / "Logs");
            FilterPass();
            FilterPass();
            filterState().rowCount = 0;  // walk the table once more
            FilterPass();
            auto log = base::readFile(engine.dir / "Logs/security_12_10_2026.log");
            ch.writeLine(std::to_string(engine.blockedRows().size()) + " " +
                         std::to_string(engine.messageBoxes.size()) + " " +
                         std::to_string(log && log->find(kCannotCloseMessage) != std::string::npos) + " " +
                         std::to_string(engine.host.canCloseConnections()));
            return 0;
        });
        EXPECT_EQ(weak.readLine(), "0 1 1 0") << "blocked rows, message boxes, log line, can close";
        EXPECT_EQ(weak.wait(), 0);
        child.writeLine("recv");
        EXPECT_EQ(child.readLine(), "0") << "the connection stays";
        child.writeLine("quit");
    });
}

}  // namespace
}  // namespace qv::engine
