#include "engine/process_control.h"

#include <gtest/gtest.h>

#include "platform/host/sim/sim_host.h"

namespace qv::engine {
namespace {

class ProcessControlTest : public ::testing::Test {
protected:
    host::SimHost sim;
    host::ScopedHost useSim{sim};
    void SetUp() override {
        sim.setOwnProcess(100, 99);
        sim.addProcess(1, "/sbin/init", {1});
        sim.addProcess(99, "C:\\shell.exe", {991});
        sim.addProcess(100, "C:\\quarvelin.exe", {1001});
        sim.addProcess(300, "C:\\mail.exe", {301, 302, 303});
        sim.addProcess(400, "C:\\web.exe", {401});
    }
};

TEST_F(ProcessControlTest, SuspendTwiceResumeOnceLeavesTheProcessSuspended) {
    SuspendProcess(300);
    SuspendProcess(300);
    ResumeProcess(300);
    EXPECT_TRUE(sim.isSuspended(300));
    for (uint32_t t : {301u, 302u, 303u}) EXPECT_EQ(sim.suspendCount(t), 1) << t;
    EXPECT_FALSE(sim.isSuspended(400));
    ResumeProcess(300);
    EXPECT_FALSE(sim.isSuspended(300));
    ResumeProcess(300);  // resuming a running process leaves it running
    EXPECT_EQ(sim.suspendCount(301), 0);
    SuspendProcess(300);
    EXPECT_TRUE(sim.isSuspended(300));
}

TEST_F(ProcessControlTest, ListsEveryThreadOfTheMachine) {
    std::vector<host::ThreadEntry> list;
    EXPECT_EQ(ListProcessThreads(list, 300), 6);
    host::SimHost empty;
    host::ScopedHost useEmpty{empty};
    EXPECT_EQ(ListProcessThreads(list, 300), -1);
    SuspendProcess(300);  // no threads: nothing happens
    EXPECT_TRUE(list.empty());
}

TEST_F(ProcessControlTest, KillEndsOnlyControllableProcesses) {
    KillProcess(400);
    EXPECT_EQ(sim.terminated(), (std::vector<host::SimHost::Termination>{{400, 0}}));
    KillProcess(400);  // gone already
    KillProcess(777);  // never existed
    EXPECT_EQ(sim.terminated().size(), 1u);
}

TEST_F(ProcessControlTest, RefusedProcessesAreNeverTouched) {
    for (int32_t pid : {0, 1, 100, 99, -5}) {
        SuspendProcess(pid);
        ResumeProcess(pid);
        KillProcess(pid);
    }
    EXPECT_TRUE(sim.terminated().empty());
    EXPECT_FALSE(sim.isSuspended(1));
    EXPECT_FALSE(sim.isSuspended(99));
    EXPECT_FALSE(sim.isSuspended(100));
    // The engine stops before the host has to refuse anything.
    EXPECT_TRUE(sim.refusedProcessIds().empty());
}

}  // namespace
}  // namespace qv::engine
