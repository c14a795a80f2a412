#include "engine/netstat_runner.h"

#include <gtest/gtest.h>

#include "engine/netstat_parser.h"
#include "platform/host/sim/sim_host.h"

namespace qv::engine {
namespace {

using host::rowAddress;
using host::rowPort;

host::TcpRow row(uint8_t last, uint16_t lport, uint16_t rport, uint32_t state = host::kTcpEstablished) {
    return {state, rowAddress(10, 0, 0, 5), rowPort(lport), rowAddress(10, 0, 0, last), rowPort(rport)};
}

class NetstatRunnerTest : public ::testing::Test {
protected:
    host::SimHost sim;
    host::ScopedHost useSim{sim};
};

TEST_F(NetstatRunnerTest, EveryRecordOfAProcessGetsItsPath) {
    sim.addProcess(300, "C:\\Apps\\mail.exe", {301});
    sim.addProcess(400, "C:\\Apps\\web.exe", {401});
    sim.addProcess(500, "", {501});  // a process whose path cannot be read
    sim.addConnection(row(9, 1044, 110), 300);
    sim.addConnection(row(8, 1045, 80), 400);
    sim.addConnection(row(9, 1046, 995), 300);
    sim.addConnection(row(7, 1047, 25), 500);
    sim.addConnection(row(9, 1048, 143), 300);
    sim.addConnection(row(6, 1049, 21), 0);            // owner unknown: not listed
    sim.addConnection(row(0, 1050, 0, host::kTcpListen), 300);  // listening: not listed

    ConnectionTable t;
    ParseNetstat(RunNetstat(), t);
    FillAppPaths(t);
    ASSERT_EQ(t.count(), 5);
    const char* want[] = {"C:\\Apps\\mail.exe", "C:\\Apps\\web.exe", "C:\\Apps\\mail.exe", "",
                          "C:\\Apps\\mail.exe"};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(t[i].AppPath, want[i]) << i;
    EXPECT_EQ(t[1].LocalPort, "1045");
    EXPECT_EQ(t[1].RemoteAddress, "10.0.0.8");
}

TEST_F(NetstatRunnerTest, ProcessGoneBeforeItsPathIsReadLeavesNoPath) {
    sim.addProcess(300, "C:\\Apps\\mail.exe", {301});
    sim.addConnection(row(9, 1044, 110), 300);
    ConnectionTable t;
    ParseNetstat(RunNetstat(), t);
    sim.removeProcess(300);
    FillAppPaths(t);
    ASSERT_EQ(t.count(), 1);
    EXPECT_EQ(t[0].AppPath, "");
}

TEST_F(NetstatRunnerTest, FailuresGiveErrorTextsThatParseToNothing) {
    struct Case {
        host::NetstatResult::Failure failure;
        const char* text;
    } cases[] = {{host::NetstatResult::kStartFailed, "Error: CreateProcess failed. 2"},
                 {host::NetstatResult::kReadFailed, "Error: ReadFile failed. 2"}};
    sim.addProcess(300, "C:\\a.exe", {301});
    sim.addConnection(row(9, 1044, 110), 300);
    for (const Case& c : cases) {
        sim.setNetstatFailure(c.failure, 2);
        std::string text = RunNetstat();
        EXPECT_EQ(text, c.text);
        ConnectionTable t;
        ParseNetstat(text, t);
        EXPECT_EQ(t.count(), 0);
    }
}

TEST_F(NetstatRunnerTest, WindowsDirectoryEndsInASeparator) {
    EXPECT_EQ(WindowsDirectory(), "C:\\WINDOWS\\");
    sim.setWindowsDirectory("D:\\WIN");
    EXPECT_EQ(WindowsDirectory(), "D:\\WIN\\");
    sim.setWindowsDirectory("/");
    EXPECT_EQ(WindowsDirectory(), "/");
}

}  // namespace
}  // namespace qv::engine
