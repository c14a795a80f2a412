// Suspend counting over a fake machine that records the stop and continue signals it is asked
// to send.
#include <gtest/gtest.h>

#include <map>

#include "platform/host/linux/thread_suspender.h"
#include "platform/host/processes.h"

using namespace qv::host;

namespace {

class FakeMachine : public ProcessAccess {
public:
    std::map<uint32_t, uint32_t> threads;  // thread -> process
    std::map<uint32_t, uint64_t> started;  // process -> start time
    std::vector<std::string> signals;      // "STOP 200", "CONT 200"
    bool signalsWork = true;

    std::optional<uint32_t> ownerOfThread(uint32_t t) override {
        auto it = threads.find(t);
        if (it == threads.end()) return std::nullopt;
        return it->second;
    }
    std::optional<uint64_t> startTime(uint32_t p) override {
        auto it = started.find(p);
        if (it == started.end()) return std::nullopt;
        return it->second;
    }
    bool stop(uint32_t p, uint64_t) override { return record("STOP", p); }
    bool resume(uint32_t p, uint64_t) override { return record("CONT", p); }

private:
    bool record(const char* what, uint32_t p) {
        if (!signalsWork) return false;
        signals.push_back(std::string(what) + " " + std::to_string(p));
        return true;
    }
};

class Suspender : public ::testing::Test {
protected:
    void SetUp() override {
        machine.threads = {{201, 200}, {202, 200}, {301, 300}, {11, 10}};
        machine.started = {{200, 5000}, {300, 6000}, {10, 100}};
    }
    FakeMachine machine;
    ThreadSuspender suspender{machine, [](uint32_t pid) { return pid != 10; }};
};

}  // namespace

TEST_F(Suspender, StopsAtTheFirstSuspendAndContinuesAtTheLastResume) {
    EXPECT_EQ(suspender.suspend(201), 0);
    EXPECT_EQ(suspender.suspend(201), 1);
    EXPECT_EQ(suspender.suspend(202), 0);
    EXPECT_EQ(suspender.count(201), 2);
    EXPECT_EQ(machine.signals, (std::vector<std::string>{"STOP 200"}));

    EXPECT_EQ(suspender.resume(201), 2);
    EXPECT_EQ(suspender.resume(202), 1);
    EXPECT_EQ(machine.signals.size(), 1u) << "thread 201 is still held";
    EXPECT_EQ(suspender.resume(201), 1);
    EXPECT_EQ(machine.signals, (std::vector<std::string>{"STOP 200", "CONT 200"}));

    EXPECT_EQ(suspender.resume(201), 0) << "a running thread stays as it is";
    EXPECT_EQ(machine.signals.size(), 2u);
}

TEST_F(Suspender, RefusedUnknownAndUnsignalableThreadsFail) {
    EXPECT_EQ(suspender.suspend(11), kThreadCallFailed) << "refused process";
    EXPECT_EQ(suspender.resume(11), kThreadCallFailed);
    EXPECT_EQ(suspender.suspend(999), kThreadCallFailed) << "no such thread";
    machine.signalsWork = false;
    EXPECT_EQ(suspender.suspend(301), kThreadCallFailed);
    EXPECT_EQ(suspender.count(301), 0) << "nothing counted when the stop was not sent";
    EXPECT_TRUE(machine.signals.empty());
}

TEST_F(Suspender, AThreadThatEndedWhileHeldCanStillBeResumed) {
    EXPECT_EQ(suspender.suspend(202), 0);
    machine.threads.erase(202);
    EXPECT_EQ(suspender.resume(202), 1);
    EXPECT_EQ(machine.signals, (std::vector<std::string>{"STOP 200", "CONT 200"}));
}

TEST_F(Suspender, ARecycledProcessIdStartsFromNothing) {
    EXPECT_EQ(suspender.suspend(201), 0);
    machine.started[200] = 7777;  // process 200 ended; a new one has its id
    EXPECT_EQ(suspender.resume(201), 0) << "the new process was never stopped here";
    EXPECT_EQ(machine.signals, (std::vector<std::string>{"STOP 200"}));
    EXPECT_EQ(suspender.suspend(201), 0);
    EXPECT_EQ(machine.signals, (std::vector<std::string>{"STOP 200", "STOP 200"}));

    machine.started.erase(200);  // gone altogether
    EXPECT_EQ(suspender.resume(201), kThreadCallFailed);
    EXPECT_EQ(suspender.count(201), 0);
}

TEST_F(Suspender, ReleaseAllContinuesEveryHeldProcessOnce) {
    suspender.suspend(201);
    suspender.suspend(202);
    suspender.suspend(301);
    suspender.forget(300);
    suspender.releaseAll();
    EXPECT_EQ(machine.signals, (std::vector<std::string>{"STOP 200", "STOP 300", "CONT 200"}));
    EXPECT_EQ(suspender.count(201), 0);
}
