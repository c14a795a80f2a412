// LinuxHost on real sockets and processes, each test inside a sandbox of its own namespaces:
// the test is process 1 there, its children are the only other processes, and loopback is the
// only network.
#include <arpa/inet.h>
#include <net/route.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <memory>
#include <thread>
#include <tuple>

#include <gtest/gtest.h>

#include "platform/host/linux/linux_host.h"
#include "platform/host/linux/proc_files.h"
#include "platform/host/linux/process_info.h"
#include "platform/host/linux/sandbox.h"
#include "platform/host/linux/tcp_dump.h"
#include "platform/host/names.h"
#include "tests/platform/host/linux/sandbox_children.h"

using namespace qv::host;
using qv::host::testing::ChildProcess;
using qv::host::testing::Ports;
using qv::host::testing::readPorts;
using qv::host::testing::dropNetworkAdministration;
using qv::host::testing::inSandbox;
using qv::host::testing::nextProcessIdWillBe;
using qv::host::testing::waitForState;

namespace {

const uint32_t kLoopback = rowAddress(127, 0, 0, 1);

uint16_t boundPort(int s) {
    sockaddr_in a{};
    socklen_t len = sizeof a;
    ::getsockname(s, reinterpret_cast<sockaddr*>(&a), &len);
    return ntohs(a.sin_port);
}

int listenOnLoopback() {
    int l = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::bind(l, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 || ::listen(l, 16) != 0) return -1;
    return l;
}

// A socket that is only bound, neither listening nor connected.
int boundOnly() {
    int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0) return -1;
    return s;
}

int connectTo(uint16_t port) {
    int c = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = htons(port);
    if (::connect(c, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0) return -1;
    return c;
}

// A child holding a listener and one connection to it (both ends). It prints
// "<listen port> <client port>", then answers commands: "recv" gives the errno of a read on the
// client end (0 when the read would only block), "close" closes the client end first and then
// the server end (leaving the client's side in TIME_WAIT), "quit" ends it.
int connectionHolder(const ChildProcess::Channel& ch) {
    int l = listenOnLoopback();
    uint16_t port = boundPort(l);
    int client = connectTo(port);
    int server = ::accept(l, nullptr, nullptr);
    if (l < 0 || client < 0 || server < 0) return 2;
    ch.writeLine(std::to_string(port) + " " + std::to_string(boundPort(client)));
    for (;;) {
        std::string cmd = ch.readLine();
        if (cmd == "recv") {
            char b;
            ssize_t n = ::recv(client, &b, 1, MSG_DONTWAIT);
            ch.writeLine(std::to_string(n < 0 && errno != EAGAIN ? errno : 0));
        } else if (cmd == "close") {
            ::close(client);
            ::usleep(20000);
            ::close(server);
            ch.writeLine("closed");
        } else {
            return 0;
        }
    }
}

TcpRow row(uint32_t state, uint16_t localPort, uint16_t remotePort) {
    return {state, kLoopback, rowPort(localPort), remotePort ? kLoopback : 0, rowPort(remotePort)};
}

bool hasRow(const std::vector<TcpRow>& rows, const TcpRow& r) {
    return std::find(rows.begin(), rows.end(), r) != rows.end();
}

// The netstat line for one connection, in the command's columns.
std::string netstatLine(uint16_t localPort, uint16_t remotePort, const std::string& state, pid_t pid) {
    auto pad = [](std::string s, size_t width) {
        s.append(s.size() < width ? width - s.size() : 1, ' ');
        return s;
    };
    return "  " + pad("TCP", 7) + pad("127.0.0.1:" + std::to_string(localPort), 23) +
           pad("127.0.0.1:" + std::to_string(remotePort), 23) + pad(state, 16) + std::to_string(pid) + "\r\n";
}

}  // namespace

TEST(LinuxHostSandbox, TcpTableListsTheChildsListenerAndBothEnds) {
    inSandbox([] {
        ChildProcess child(connectionHolder);
        Ports p = readPorts(child);
        // A socket that is only bound is no connection and no listener: no row, no owner.
        const int bound = boundOnly();
        ASSERT_GE(bound, 0);
        LinuxHost host;
        std::vector<TcpRow> rows;
        ASSERT_TRUE(host.readTcpTable(rows));
        EXPECT_EQ(rows.size(), 3u);
        EXPECT_FALSE(hasRow(rows, row(kTcpClosed, boundPort(bound), 0)));
        EXPECT_EQ(host.runNetstat().output.find(std::to_string(::getpid()) + "\r\n"), std::string::npos);
        EXPECT_TRUE(hasRow(rows, row(kTcpListen, p.listen, 0)));
        EXPECT_TRUE(hasRow(rows, row(kTcpEstablished, p.client, p.listen)));
        EXPECT_TRUE(hasRow(rows, row(kTcpEstablished, p.listen, p.client)));
        child.writeLine("quit");
    });
}

TEST(LinuxHostSandbox, TableAndNetstatHoldEveryConnection) {
    inSandbox([] {
        // Far more connections than a fixed table of 101 rows would hold.
        constexpr int kConnections = 150;
        ChildProcess child([](const ChildProcess::Channel& ch) {
            int l = listenOnLoopback();
            uint16_t port = boundPort(l);
            for (int i = 0; i < kConnections; ++i)
                if (connectTo(port) < 0 || ::accept(l, nullptr, nullptr) < 0) return 2;
            ch.writeLine(std::to_string(port));
            ch.readLine();
            return 0;
        });
        ASSERT_FALSE(child.readLine().empty());
        LinuxHost host;
        std::vector<TcpRow> rows;
        ASSERT_TRUE(host.readTcpTable(rows));
        EXPECT_EQ(rows.size(), 2u * kConnections + 1);
        std::string out = host.runNetstat().output;
        std::string owner = " " + std::to_string(child.pid()) + "\r\n";
        size_t owned = 0;
        for (size_t at = out.find(owner); at != std::string::npos; at = out.find(owner, at + 1)) ++owned;
        EXPECT_EQ(owned, 2u * kConnections) << "every end, each with its owner";
        child.writeLine("quit");
    });
}

TEST(LinuxHostSandbox, NetstatTextNamesTheOwnersAndZeroForNone) {
    inSandbox([] {
        ChildProcess child(connectionHolder);
        Ports p = readPorts(child);
        LinuxHost host;
        NetstatResult r = host.runNetstat();
        ASSERT_EQ(r.failure, NetstatResult::kNone);
        std::string expected = "Active Connections\r\n\r\n"
                               "  Proto  Local Address          Foreign Address        State           PID\r\n";
        EXPECT_EQ(r.output.substr(0, expected.size()), expected);
        EXPECT_NE(r.output.find(netstatLine(p.client, p.listen, "ESTABLISHED", child.pid())), std::string::npos)
            << r.output;
        EXPECT_NE(r.output.find(netstatLine(p.listen, p.client, "ESTABLISHED", child.pid())), std::string::npos)
            << r.output;
        EXPECT_EQ(r.output.find("LISTENING"), std::string::npos) << "listeners are not listed";
        EXPECT_EQ(std::count(r.output.begin(), r.output.end(), '\n'), 5);

        // Once closed, the client's end lingers in TIME_WAIT with no process holding it.
        child.writeLine("close");
        ASSERT_EQ(child.readLine(), "closed");
        r = host.runNetstat();
        EXPECT_NE(r.output.find(netstatLine(p.client, p.listen, "TIME_WAIT", 0)), std::string::npos) << r.output;
        child.writeLine("quit");
    });
}

TEST(LinuxHostSandbox, DeletingARowClosesExactlyThatConnection) {
    inSandbox([] {
        ChildProcess child(connectionHolder);
        Ports p = readPorts(child);
        LinuxHost host;
        // Not the delete state, or endpoints of no connection (a listener on the local port must
        // not be taken instead): nothing happens.
        EXPECT_FALSE(host.setTcpEntry(row(kTcpEstablished, p.client, p.listen)));
        EXPECT_FALSE(host.setTcpEntry(row(kTcpDeleteTcb, p.listen, static_cast<uint16_t>(p.client + 1))));
        EXPECT_EQ(host.tcpTable().size(), 3u);

        // Without the network-administration capability the call fails and the connection stays.
        ChildProcess unprivileged([&](const ChildProcess::Channel&) {
            if (!dropNetworkAdministration()) return 2;
            LinuxHost weak;
            return weak.setTcpEntry(row(kTcpDeleteTcb, p.client, p.listen)) ? 1 : 0;
        });
        int status = unprivileged.wait();
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
        child.writeLine("recv");
        EXPECT_EQ(child.readLine(), "0");

        EXPECT_TRUE(host.setTcpEntry(row(kTcpDeleteTcb, p.client, p.listen)));
        child.writeLine("recv");
        EXPECT_EQ(child.readLine(), std::to_string(ECONNABORTED)) << "the child sees its connection fail";
        std::vector<TcpRow> rows = host.tcpTable();
        EXPECT_TRUE(hasRow(rows, row(kTcpListen, p.listen, 0)));
        EXPECT_FALSE(hasRow(rows, row(kTcpEstablished, p.client, p.listen)));
        child.writeLine("quit");
    });
}

TEST(LinuxHostSandbox, IpvFourConnectionsOfDualStackSocketsAreRowsToo) {
    inSandbox([] {
        // An IPv6 listener on "::" accepts an IPv4 client: its end is an IPv4-mapped socket.
        ChildProcess child([](const ChildProcess::Channel& ch) {
            int l = ::socket(AF_INET6, SOCK_STREAM, 0);
            int off = 0;
            ::setsockopt(l, IPPROTO_IPV6, IPV6_V6ONLY, &off, sizeof off);
            sockaddr_in6 a{};
            a.sin6_family = AF_INET6;
            a.sin6_addr = in6addr_any;
            socklen_t len = sizeof a;
            if (::bind(l, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 || ::listen(l, 4) != 0) return 2;
            ::getsockname(l, reinterpret_cast<sockaddr*>(&a), &len);
            uint16_t port = ntohs(a.sin6_port);
            int client = connectTo(port);
            int server = ::accept(l, nullptr, nullptr);
            if (client < 0 || server < 0) return 2;
            ch.writeLine(std::to_string(port) + " " + std::to_string(boundPort(client)));
            ch.readLine();
            return 0;
        });
        Ports p = readPorts(child);
        LinuxHost host;
        std::vector<TcpRow> rows = host.tcpTable();
        EXPECT_EQ(rows.size(), 2u) << "the IPv6 listener is no IPv4 row";
        EXPECT_TRUE(hasRow(rows, row(kTcpEstablished, p.client, p.listen)));
        EXPECT_TRUE(hasRow(rows, row(kTcpEstablished, p.listen, p.client)));
        EXPECT_NE(host.runNetstat().output.find(netstatLine(p.listen, p.client, "ESTABLISHED", child.pid())),
                  std::string::npos);
        EXPECT_TRUE(host.setTcpEntry(row(kTcpDeleteTcb, p.listen, p.client)));
        EXPECT_FALSE(hasRow(host.tcpTable(), row(kTcpEstablished, p.listen, p.client)));
        child.writeLine("quit");
    });
}

TEST(LinuxHostSandbox, SocketDumpGivesWhatTheProcfsListsGive) {
    inSandbox([] {
        // Listener, both ends of a connection, a time-wait end, a dual-stack listener with an
        // IPv4 connection, and (where IPv6 works) a connection over the IPv6 loopback.
        ChildProcess closed(connectionHolder);
        readPorts(closed);
        closed.writeLine("close");
        ASSERT_EQ(closed.readLine(), "closed");
        ChildProcess open(connectionHolder);
        readPorts(open);
        int l6 = ::socket(AF_INET6, SOCK_STREAM, 0);
        int off = 0;
        ::setsockopt(l6, IPPROTO_IPV6, IPV6_V6ONLY, &off, sizeof off);
        sockaddr_in6 a{};
        a.sin6_family = AF_INET6;
        socklen_t len = sizeof a;
        ASSERT_EQ(::bind(l6, reinterpret_cast<sockaddr*>(&a), sizeof a), 0);
        ASSERT_EQ(::listen(l6, 4), 0);
        ::getsockname(l6, reinterpret_cast<sockaddr*>(&a), &len);
        int mappedClient = connectTo(ntohs(a.sin6_port));
        ASSERT_GE(mappedClient, 0);
        int v6Client = ::socket(AF_INET6, SOCK_STREAM, 0);
        a.sin6_addr = in6addr_loopback;
        bool v6 = ::connect(v6Client, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0;
        ASSERT_GE(boundOnly(), 0);  // neither list holds it

        auto key = [](const procfs::TcpEntry& e) {
            return std::tuple(e.row.state, e.row.localAddress, e.row.localPort, e.row.remoteAddress,
                              e.row.remotePort, e.inode, e.mapped);
        };
        auto sorted = [&](const std::vector<procfs::TcpEntry>& entries) {
            std::vector<decltype(key(entries[0]))> keys;
            for (const auto& e : entries) keys.push_back(key(e));
            std::sort(keys.begin(), keys.end());
            return keys;
        };
        std::vector<procfs::TcpEntry> dumped, listed;
        std::string buffer;
        ASSERT_TRUE(sockdiag::dumpTcpSockets(dumped, buffer)) << std::strerror(errno);
        for (auto [path, ipv6] : {std::pair{"/proc/net/tcp", false}, std::pair{"/proc/net/tcp6", true}})
            if (auto text = procfs::readWholeFile(std::string(path))) procfs::appendTcpEntries(*text, ipv6, listed);
        EXPECT_EQ(sorted(dumped), sorted(listed));
        // 2 + 3 rows of the children (the closed one keeps its listener and the end in
        // time-wait), the IPv4 client of the dual-stack listener and the mapped end it reached;
        // neither the listener on "::" nor the IPv6 connection is a row.
        EXPECT_EQ(dumped.size(), 7u) << (v6 ? "with" : "without") << " an IPv6 connection";
        EXPECT_EQ(std::count_if(dumped.begin(), dumped.end(), [](const procfs::TcpEntry& e) { return e.mapped; }), 1);
        EXPECT_EQ(std::count_if(dumped.begin(), dumped.end(),
                                [](const procfs::TcpEntry& e) { return e.row.state == kTcpTimeWait && e.inode == 0; }),
                  1);
        open.writeLine("quit");
        closed.writeLine("quit");
    });
}

TEST(LinuxHostSandbox, SuspendCountsPerThreadAndStopsTheProcessWhileAnyIsHeld) {
    inSandbox([] {
        ChildProcess child([](const ChildProcess::Channel& ch) {
            std::thread worker([&] {
                ch.writeLine(std::to_string(::gettid()));
                for (;;) ::pause();
            });
            worker.detach();
            ch.readLine();
            return 0;
        });
        uint32_t mainThread = static_cast<uint32_t>(child.pid());
        uint32_t worker = static_cast<uint32_t>(std::stoul(child.readLine()));
        LinuxHost host;
        auto threads = host.threadSnapshot();
        EXPECT_NE(std::find(threads.begin(), threads.end(), ThreadEntry{mainThread, mainThread}), threads.end());
        EXPECT_NE(std::find(threads.begin(), threads.end(), ThreadEntry{worker, mainThread}), threads.end());

        EXPECT_EQ(host.resumeThread(worker), 0) << "resuming a running thread does nothing";
        EXPECT_EQ(waitForState(child.pid(), 'S'), 'S');

        EXPECT_EQ(host.suspendThread(mainThread), 0);
        EXPECT_EQ(host.suspendThread(mainThread), 1);
        EXPECT_EQ(host.suspendThread(worker), 0);
        EXPECT_EQ(waitForState(child.pid(), 'T'), 'T');
        EXPECT_EQ(host.resumeThread(mainThread), 2);
        EXPECT_EQ(host.resumeThread(mainThread), 1);
        EXPECT_EQ(waitForState(child.pid(), 'T'), 'T') << "the worker is still suspended";
        EXPECT_EQ(host.resumeThread(worker), 1);
        EXPECT_EQ(waitForState(child.pid(), 'S'), 'S');
        EXPECT_EQ(host.resumeThread(mainThread), 0);

        EXPECT_EQ(host.suspendThread(999999), kThreadCallFailed);

        // A host that goes away lets go of what it holds.
        {
            LinuxHost shortLived;
            EXPECT_EQ(shortLived.suspendThread(worker), 0);
            EXPECT_EQ(waitForState(child.pid(), 'T'), 'T');
        }
        EXPECT_EQ(waitForState(child.pid(), 'S'), 'S');
        child.writeLine("quit");
    });
}

namespace {

// A child that waits for a line.
int waitsForALine(const ChildProcess::Channel& ch) {
    ch.readLine();
    return 0;
}

// A process the host has suspended ends (killed and reaped by someone else), and a newcomer
// gets its id: returned with the id and whether both started in the same clock tick, which a
// check of start times cannot tell apart.
struct Recycled {
    std::unique_ptr<ChildProcess> newcomer;
    pid_t id = 0;
    bool sameTick = false;
};
Recycled recycleAfterSuspend(LinuxHost& host) {
    Recycled r;
    uint64_t started = 0;
    {
        ChildProcess held(waitsForALine);
        r.id = held.pid();
        if (auto s = procfs::processStat(static_cast<uint32_t>(r.id))) started = s->startTime;
        EXPECT_EQ(host.suspendThread(static_cast<uint32_t>(r.id)), 0);
        ::kill(r.id, SIGKILL);
        held.wait();
    }
    EXPECT_TRUE(nextProcessIdWillBe(r.id)) << "the namespace does not let the test choose an id";
    r.newcomer = std::make_unique<ChildProcess>(waitsForALine);
    EXPECT_EQ(r.newcomer->pid(), r.id);
    if (auto s = procfs::processStat(static_cast<uint32_t>(r.id))) r.sameTick = s->startTime == started;
    return r;
}

char stateOf(pid_t pid) {
    auto s = procfs::processStat(static_cast<uint32_t>(pid));
    return s ? s->state : '?';
}

}  // namespace

// Whatever the host would still do to the process it held must not reach the newcomer: it is
// neither continued (after the test stopped it), nor counted as suspended, nor killed.
TEST(LinuxHostSandbox, ARecycledProcessIdIsNeverSignalled) {
    inSandbox([] {
        int sameTick = 0, rounds = 0;
        for (; rounds < 10; ++rounds) {
            {
                LinuxHost host;
                Recycled r = recycleAfterSuspend(host);
                sameTick += r.sameTick;
                ::kill(r.id, SIGSTOP);
                ASSERT_EQ(waitForState(r.id, 'T'), 'T');
                EXPECT_EQ(host.resumeThread(static_cast<uint32_t>(r.id)), kThreadCallFailed);
                ::usleep(2000);
                EXPECT_EQ(stateOf(r.id), 'T') << "the newcomer was continued";
                ::kill(r.id, SIGCONT);
            }
            {
                LinuxHost host;
                Recycled r = recycleAfterSuspend(host);
                EXPECT_EQ(host.suspendThread(static_cast<uint32_t>(r.id)), kThreadCallFailed)
                    << "a suspend of the held thread's id reported as done";
                EXPECT_EQ(waitForState(r.id, 'S'), 'S');
            }
            {
                LinuxHost host;
                Recycled r = recycleAfterSuspend(host);
                EXPECT_FALSE(host.terminateProcess(static_cast<uint32_t>(r.id), 0));
                EXPECT_EQ(waitForState(r.id, 'S'), 'S') << "the newcomer was killed";
            }
            {
                std::unique_ptr<ChildProcess> newcomer;
                pid_t id = 0;
                {
                    LinuxHost host;
                    Recycled r = recycleAfterSuspend(host);
                    newcomer = std::move(r.newcomer);
                    id = r.id;
                    ::kill(id, SIGSTOP);
                    ASSERT_EQ(waitForState(id, 'T'), 'T');
                }  // the host ends and lets go of what it holds
                ::usleep(2000);
                EXPECT_EQ(stateOf(id), 'T') << "the newcomer was continued by the host's end";
                ::kill(id, SIGCONT);
            }
            if (::testing::Test::HasFailure() || sameTick >= 3) break;
        }
        std::printf("%d of %d rounds had the newcomer start in the held process's clock tick\n", sameTick,
                    rounds + 1);
    });
}

TEST(LinuxHostSandbox, TerminateKillsTheChild) {
    inSandbox([] {
        ChildProcess child([](const ChildProcess::Channel& ch) {
            ch.readLine();
            return 0;
        });
        LinuxHost host;
        EXPECT_EQ(host.suspendThread(static_cast<uint32_t>(child.pid())), 0);
        EXPECT_TRUE(host.terminateProcess(static_cast<uint32_t>(child.pid()), 0));
        int status = child.wait();
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << status;
        EXPECT_FALSE(host.terminateProcess(static_cast<uint32_t>(child.pid()), 0)) << "gone";
        EXPECT_EQ(host.resumeThread(static_cast<uint32_t>(child.pid())), kThreadCallFailed);
    });
}

TEST(LinuxHostSandbox, NeverTouchesProcessZeroOneItselfOrItsParent) {
    inSandbox([] {
        // A host in a grandchild: its own process and its parent are then neither 0 nor 1.
        ChildProcess parent([](const ChildProcess::Channel& ch) {
            pid_t parentPid = ::getpid();
            ChildProcess self([&](const ChildProcess::Channel&) {
                LinuxHost host;
                int faults = 0;
                for (uint32_t pid : {0u, 1u, static_cast<uint32_t>(parentPid), static_cast<uint32_t>(::getpid())}) {
                    faults += host.mayControlProcess(pid);
                    faults += host.terminateProcess(pid, 0);
                    faults += host.suspendThread(pid) != kThreadCallFailed;
                    faults += host.resumeThread(pid) != kThreadCallFailed;
                }
                // Any other thread of the program's own process is refused as well.
                std::atomic<uint32_t> worker{0};
                std::atomic<bool> stop{false};
                std::thread t([&] {
                    worker = static_cast<uint32_t>(::gettid());
                    while (!stop) ::usleep(1000);
                });
                while (worker == 0) ::usleep(1000);
                faults += host.suspendThread(worker) != kThreadCallFailed;
                faults += host.resumeThread(worker) != kThreadCallFailed;
                stop = true;
                t.join();
                return faults;
            });
            int status = self.wait();
            ch.writeLine(WIFEXITED(status) ? std::to_string(WEXITSTATUS(status)) : "killed");
            ch.readLine();
            return 0;
        });
        EXPECT_EQ(parent.readLine(), "0");
        EXPECT_EQ(waitForState(parent.pid(), 'S'), 'S') << "the parent was neither stopped nor killed";
        LinuxHost host;
        EXPECT_FALSE(host.mayControlProcess(1));
        EXPECT_TRUE(host.mayControlProcess(static_cast<uint32_t>(parent.pid())));
        parent.writeLine("quit");
    });
}

TEST(LinuxHostSandbox, ProcessesAndPaths) {
    inSandbox([] {
        ChildProcess child([](const ChildProcess::Channel& ch) {
            ch.readLine();
            return 0;
        });
        LinuxHost host;
        auto ids = host.processIds();
        EXPECT_NE(std::find(ids.begin(), ids.end(), 1u), ids.end());
        EXPECT_NE(std::find(ids.begin(), ids.end(), static_cast<uint32_t>(child.pid())), ids.end());
        char self[4096];
        ssize_t n = ::readlink("/proc/self/exe", self, sizeof self - 1);
        ASSERT_GT(n, 0);
        EXPECT_EQ(host.processPath(static_cast<uint32_t>(child.pid())), std::string(self, static_cast<size_t>(n)));
        EXPECT_EQ(host.processPath(999999), "");
        child.writeLine("quit");
    });
}

TEST(LinuxHostSandbox, CountersOfAFreshNetworkNamespace) {
    inSandbox([] {
        ChildProcess child(connectionHolder);
        readPorts(child);
        LinuxHost host;
        auto tcp = host.tcpStatistics();
        ASSERT_TRUE(tcp);
        EXPECT_EQ(tcp->maxConn, 0xFFFFFFFFu) << "dynamic maximum";
        EXPECT_EQ(tcp->activeOpens, 1u);
        EXPECT_EQ(tcp->passiveOpens, 1u);
        EXPECT_EQ(tcp->currEstab, 2u);
        auto ip = host.ipStatistics();
        ASSERT_TRUE(ip);
        EXPECT_EQ(ip->defaultTTL, 64u);
        EXPECT_GT(ip->inReceives, 0u);
        EXPECT_EQ(ip->numIf, 1u);
        EXPECT_EQ(ip->numAddr, 1u);
        EXPECT_TRUE(host.udpStatistics());
        EXPECT_TRUE(host.icmpStatistics());

        auto interfaces = host.interfaceTable();
        ASSERT_TRUE(interfaces);
        ASSERT_EQ(interfaces->size(), 1u);
        const InterfaceRow& lo = interfaces->front();
        EXPECT_EQ(lo.name, "lo");
        EXPECT_EQ(lo.index, 1u);
        EXPECT_EQ(lo.type, uint32_t{kIfLoopback});
        EXPECT_EQ(lo.mtu, 65536u);
        EXPECT_TRUE(lo.physicalAddress.empty());
        EXPECT_EQ(lo.adminStatus, uint32_t{kIfAdminUp});
        EXPECT_EQ(lo.operStatus, uint32_t{kIfOperOperational});
        EXPECT_GT(lo.inOctets, 0u);
        EXPECT_EQ(lo.inOctets, lo.outOctets) << "loopback receives what it sends";
        child.writeLine("quit");
    });
}

TEST(LinuxHostSandbox, OnlineOnlyWithADefaultRoute) {
    inSandbox([] {
        LinuxHost host;
        EXPECT_EQ(host.internetState(), (InternetState{false, 0}));
        rtentry route{};
        auto* any = reinterpret_cast<sockaddr_in*>(&route.rt_dst);
        any->sin_family = AF_INET;
        reinterpret_cast<sockaddr_in*>(&route.rt_genmask)->sin_family = AF_INET;
        route.rt_flags = RTF_UP;
        char dev[] = "lo";
        route.rt_dev = dev;
        int s = ::socket(AF_INET, SOCK_DGRAM, 0);
        ASSERT_EQ(::ioctl(s, SIOCADDRT, &route), 0) << std::strerror(errno);
        ::close(s);
        EXPECT_EQ(host.internetState(), (InternetState{true, kInternetLan | kInternetConfigured}));
    });
}

TEST(LinuxHostSandbox, NamesAndFolders) {
    inSandbox([] {
        // Only loopback exists here, so no lookup can leave the machine.
        LinuxHost host;
        EXPECT_EQ(host.hostByName("127.0.0.1"), kLoopback);
        EXPECT_EQ(host.hostByName("no-such-host.invalid"), std::nullopt);
        EXPECT_EQ(host.hostByName(""), std::nullopt);
        EXPECT_EQ(host.hostByAddress(rowAddress(192, 0, 2, 199)), std::nullopt) << "an address without a name";
        EXPECT_EQ(host.windowsDirectory(), "/");
        auto stamp = host.fileModified(QV_SOURCE_DIR "/CMakeLists.txt");
        ASSERT_TRUE(stamp);
        EXPECT_GE(stamp->year, 2020);
        EXPECT_EQ(host.fileModified("/no/such/file"), std::nullopt);
    });
}
