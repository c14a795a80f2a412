#include <gtest/gtest.h>

#include "platform/host/names.h"
#include "platform/host/sim/sim_host.h"

using namespace qv::host;

namespace {

const uint32_t kLan = rowAddress(192, 168, 1, 10);
const uint32_t kWeb = rowAddress(203, 0, 113, 80);

TcpRow established(uint16_t localPort, uint32_t remote, uint16_t remotePort) {
    return {kTcpEstablished, kLan, rowPort(localPort), remote, rowPort(remotePort)};
}

// A small machine: the program (100, parent 90), a browser with two threads and two
// connections, a mail client with one thread.
class SimMachine : public ::testing::Test {
protected:
    void SetUp() override {
        host.setOwnProcess(100, 90);
        host.addProcess(90, "C:\\WINDOWS\\desktop.exe", {91});
        host.addProcess(100, "C:\\Quarvelin\\quarvelin.exe", {101});
        host.addProcess(200, "C:\\Apps\\browser.exe", {201, 202});
        host.addProcess(300, "C:\\Apps\\mail.exe", {301});
        host.addConnection(established(1031, kWeb, 80), 200);
        host.addConnection(established(1032, kWeb, 443), 200);
        host.addConnection({kTcpListen, 0, rowPort(25), 0, 0}, 300);
    }
    SimHost host;
};

}  // namespace

TEST_F(SimMachine, ProcessesPathsAndThreads) {
    EXPECT_EQ(host.processIds(), (std::vector<uint32_t>{90, 100, 200, 300}));
    EXPECT_EQ(host.processPath(200), "C:\\Apps\\browser.exe");
    EXPECT_EQ(host.processPath(999), "");
    std::vector<ThreadEntry> expected = {{91, 90}, {101, 100}, {201, 200}, {202, 200}, {301, 300}};
    EXPECT_EQ(host.threadSnapshot(), expected);

    host.removeProcess(200);
    EXPECT_EQ(host.processIds(), (std::vector<uint32_t>{90, 100, 300}));
    EXPECT_EQ(host.threadSnapshot().size(), 3u);
    EXPECT_EQ(host.tcpTable().size(), 1u) << "a removed process takes its connections along";
}

TEST_F(SimMachine, SuspendCountsAsWindowsDoes) {
    EXPECT_EQ(host.suspendThread(201), 0);
    EXPECT_EQ(host.suspendThread(201), 1);
    EXPECT_EQ(host.resumeThread(201), 2);
    EXPECT_EQ(host.suspendCount(201), 1);
    EXPECT_TRUE(host.isSuspended(200)) << "suspended twice, resumed once: still held";
    EXPECT_EQ(host.resumeThread(201), 1);
    EXPECT_FALSE(host.isSuspended(200));

    // Resuming a running thread does nothing and never goes below zero.
    EXPECT_EQ(host.resumeThread(202), 0);
    EXPECT_EQ(host.resumeThread(202), 0);
    EXPECT_EQ(host.suspendCount(202), 0);
    EXPECT_EQ(host.suspendThread(202), 0);
    EXPECT_TRUE(host.isSuspended(200));

    EXPECT_EQ(host.suspendThread(9999), kThreadCallFailed);
    EXPECT_EQ(host.resumeThread(9999), kThreadCallFailed);
}

TEST_F(SimMachine, RefusesProcessZeroOneOwnAndParent) {
    host.addProcess(0, "", {2});
    host.addProcess(1, "C:\\WINDOWS\\init.exe", {3});
    struct Case {
        uint32_t pid;
        uint32_t thread;
    } cases[] = {{0, 2}, {1, 3}, {100, 101}, {90, 91}};
    for (const auto& c : cases) {
        EXPECT_FALSE(host.mayControlProcess(c.pid)) << c.pid;
        EXPECT_EQ(host.suspendThread(c.thread), kThreadCallFailed) << c.pid;
        EXPECT_EQ(host.resumeThread(c.thread), kThreadCallFailed) << c.pid;
        EXPECT_FALSE(host.terminateProcess(c.pid, 0)) << c.pid;
        EXPECT_EQ(host.suspendCount(c.thread), 0) << c.pid;
        EXPECT_TRUE(host.hasProcess(c.pid)) << c.pid;
    }
    EXPECT_TRUE(host.terminated().empty());
    EXPECT_EQ(host.refusedProcessIds(),
              (std::vector<uint32_t>{0, 0, 0, 1, 1, 1, 100, 100, 100, 90, 90, 90}));
    EXPECT_TRUE(host.mayControlProcess(200));
}

TEST_F(SimMachine, TerminateEndsProcessWithItsExitCode) {
    host.suspendThread(201);
    EXPECT_TRUE(host.terminateProcess(200, 7));
    EXPECT_FALSE(host.hasProcess(200));
    EXPECT_EQ(host.suspendCount(201), 0);
    EXPECT_EQ(host.terminated(), (std::vector<SimHost::Termination>{{200, 7}}));
    EXPECT_FALSE(host.terminateProcess(200, 0)) << "already gone";
    EXPECT_EQ(host.terminated().size(), 1u);
    for (const auto& r : host.tcpTable()) EXPECT_EQ(r.state, kTcpListen);
}

TEST_F(SimMachine, DeletingARowClosesExactlyThatConnection) {
    TcpRow victim = established(1032, kWeb, 443);
    TcpRow wrongState = victim;
    wrongState.state = kTcpClosed;
    EXPECT_FALSE(host.setTcpEntry(wrongState)) << "only the delete state closes";
    TcpRow unknown = established(1033, kWeb, 443);
    unknown.state = kTcpDeleteTcb;
    EXPECT_FALSE(host.setTcpEntry(unknown));
    EXPECT_EQ(host.tcpTable().size(), 3u);

    victim.state = kTcpDeleteTcb;
    EXPECT_TRUE(host.setTcpEntry(victim));
    std::vector<TcpRow> rows;
    ASSERT_TRUE(host.readTcpTable(rows));
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0], established(1031, kWeb, 80));
    EXPECT_EQ(host.deletedConnections(), (std::vector<TcpRow>{established(1032, kWeb, 443)}));
    EXPECT_FALSE(host.setTcpEntry(victim)) << "already closed";
}

TEST_F(SimMachine, DeletingWithoutAdministrationRightsFails) {
    host.setCanDeleteConnections(false);
    TcpRow r = established(1031, kWeb, 80);
    r.state = kTcpDeleteTcb;
    EXPECT_FALSE(host.setTcpEntry(r));
    EXPECT_EQ(host.tcpTable().size(), 3u);
    EXPECT_TRUE(host.deletedConnections().empty());
}

TEST_F(SimMachine, NetstatListsOwnersAndFollowsTheTable) {
    NetstatResult r = host.runNetstat();
    EXPECT_EQ(r.failure, NetstatResult::kNone);
    EXPECT_EQ(r.output,
              "Active Connections\r\n\r\n"
              "  Proto  Local Address          Foreign Address        State           PID\r\n"
              "  TCP    192.168.1.10:1031      203.0.113.80:80        ESTABLISHED     200\r\n"
              "  TCP    192.168.1.10:1032      203.0.113.80:443       ESTABLISHED     200\r\n");
    host.removeConnection(established(1031, kWeb, 80));
    EXPECT_EQ(host.runNetstat().output.find("1031"), std::string::npos);

    host.setNetstatFailure(NetstatResult::kStartFailed, 2);
    r = host.runNetstat();
    EXPECT_EQ(r.failure, NetstatResult::kStartFailed);
    EXPECT_EQ(r.errorCode, 2u);
    EXPECT_EQ(r.output, "");
}

TEST_F(SimMachine, TableAndNetstatHaveNoRowLimit) {
    for (uint16_t p = 2000; p < 2400; ++p) host.addConnection(established(p, kWeb, 80), 300);
    std::vector<TcpRow> rows;
    ASSERT_TRUE(host.readTcpTable(rows));
    ASSERT_EQ(rows.size(), 403u);
    EXPECT_EQ(rows.back(), established(2399, kWeb, 80));
    std::string out = host.runNetstat().output;
    EXPECT_GT(out.size(), 10240u);
    EXPECT_NE(out.find("192.168.1.10:2399 "), std::string::npos);
    EXPECT_EQ(out.substr(out.size() - 2), "\r\n");
}

TEST(SimHostNames, LookupsAnswerFromTheTableOnly) {
    SimHost h;
    h.addName("Mail.Example.Test", rowAddress(198, 51, 100, 25));
    h.addName("mail.example.test", rowAddress(198, 51, 100, 26));
    h.addName("smtp.example.test", rowAddress(198, 51, 100, 25));
    EXPECT_EQ(h.hostByName("MAIL.example.test"), rowAddress(198, 51, 100, 25));
    EXPECT_EQ(h.hostByName("198.51.100.9"), rowAddress(198, 51, 100, 9));
    EXPECT_EQ(h.hostByName("unknown.example.test"), std::nullopt);
    EXPECT_EQ(h.hostByAddress(rowAddress(198, 51, 100, 25)), "Mail.Example.Test");
    EXPECT_EQ(h.hostByAddress(rowAddress(198, 51, 100, 26)), "mail.example.test");
    EXPECT_EQ(h.hostByAddress(rowAddress(198, 51, 100, 27)), std::nullopt);
}

TEST(SimHostMachine, FilesFoldersStatisticsAndCurrentHost) {
    SimHost h;
    EXPECT_EQ(h.windowsDirectory(), "C:\\WINDOWS\\");
    qv::base::DateTime when{2026, 3, 14, 9, 26, 53};
    h.setFileModified("C:\\Apps\\Browser.exe", when);
    EXPECT_EQ(h.fileModified("c:\\apps\\browser.exe"), when);
    EXPECT_EQ(h.fileModified("C:\\Apps\\none.exe"), std::nullopt);

    EXPECT_EQ(h.tcpStatistics(), TcpStats{});
    h.setTcpStatistics(std::nullopt);
    EXPECT_EQ(h.tcpStatistics(), std::nullopt);
    EXPECT_EQ(h.interfaceTable(), std::vector<InterfaceRow>{});
    EXPECT_EQ(h.internetState(), InternetState{});

    Host& before = currentHost();
    {
        ScopedHost use(h);
        EXPECT_EQ(&currentHost(), &h);
    }
    EXPECT_EQ(&currentHost(), &before);
}
