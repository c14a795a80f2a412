// Suspend counting over a fake machine whose processes end and whose ids are given out again,
// recording the signals each process receives.
#include <gtest/gtest.h>

#include <map>

#include "platform/host/linux/thread_suspender.h"
#include "platform/host/processes.h"

using namespace qv::host;

namespace {

class FakeMachine : public ProcessAccess {
public:
    std::map<uint32_t, uint32_t> threads;  // thread -> process id
    std::vector<std::string> signals;      // "STOP 200", "CONT 200#2" (the second process of id 200)
    bool signalsWork = true;

    // Starts a process under an id whose earlier process (if any) has ended.
    void start(uint32_t pid, std::initializer_list<uint32_t> threadIds) {
        current_[pid] = ++generation_[pid];
        for (uint32_t t : threadIds) threads[t] = pid;
    }
    void end(uint32_t pid) {
        current_.erase(pid);
        std::erase_if(threads, [&](const auto& t) { return t.second == pid; });
    }
    int openHandles() const { return static_cast<int>(handles_.size()); }

    std::optional<uint32_t> ownerOfThread(uint32_t t) override {
        auto it = threads.find(t);
        if (it == threads.end()) return std::nullopt;
        return it->second;
    }
    std::optional<int> hold(uint32_t pid) override {
        auto it = current_.find(pid);
        if (it == current_.end()) return std::nullopt;
        handles_[nextHandle_] = {pid, it->second};
        return nextHandle_++;
    }
    bool running(int h) override {
        const auto& [pid, gen] = handles_.at(h);
        auto it = current_.find(pid);
        return it != current_.end() && it->second == gen;
    }
    bool stop(int h) override { return record("STOP", h); }
    bool resume(int h) override { return record("CONT", h); }
    bool kill(int h) override { return record("KILL", h); }
    void release(int h) override { EXPECT_EQ(handles_.erase(h), 1u) << "released twice"; }

private:
    bool record(const char* what, int h) {
        if (!signalsWork || !running(h)) return false;
        const auto& [pid, gen] = handles_.at(h);
        signals.push_back(std::string(what) + " " + std::to_string(pid) + (gen > 1 ? "#" + std::to_string(gen) : ""));
        return true;
    }
    std::map<uint32_t, int> current_;     // id -> generation of the process that has it
    std::map<uint32_t, int> generation_;  // id -> processes it has had
    std::map<int, std::pair<uint32_t, int>> handles_;
    int nextHandle_ = 3;
};

class Suspender : public ::testing::Test {
protected:
    void SetUp() override {
        machine.start(200, {201, 202});
        machine.start(300, {301});
        machine.start(10, {11});
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
    EXPECT_EQ(machine.openHandles(), 1);

    EXPECT_EQ(suspender.resume(201), 2);
    EXPECT_EQ(suspender.resume(202), 1);
    EXPECT_EQ(machine.signals.size(), 1u) << "thread 201 is still held";
    EXPECT_EQ(suspender.resume(201), 1);
    EXPECT_EQ(machine.signals, (std::vector<std::string>{"STOP 200", "CONT 200"}));
    EXPECT_EQ(machine.openHandles(), 0) << "let go once continued";

    EXPECT_EQ(suspender.resume(201), 0) << "a running thread stays as it is";
    EXPECT_EQ(machine.signals.size(), 2u);
}

TEST_F(Suspender, RefusedUnknownAndUnsignalableThreadsFail) {
    EXPECT_EQ(suspender.suspend(11), kThreadCallFailed) << "refused process";
    EXPECT_EQ(suspender.resume(11), kThreadCallFailed);
    EXPECT_EQ(suspender.suspend(999), kThreadCallFailed) << "no such thread";
    EXPECT_EQ(suspender.resume(999), kThreadCallFailed);
    machine.signalsWork = false;
    EXPECT_EQ(suspender.suspend(301), kThreadCallFailed);
    EXPECT_EQ(suspender.count(301), 0) << "nothing counted when the stop was not sent";
    EXPECT_TRUE(machine.signals.empty());
    EXPECT_EQ(machine.openHandles(), 0);
}

TEST_F(Suspender, AThreadThatEndedWhileHeldCanStillBeResumed) {
    EXPECT_EQ(suspender.suspend(202), 0);
    machine.threads.erase(202);
    EXPECT_EQ(suspender.resume(202), 1);
    EXPECT_EQ(machine.signals, (std::vector<std::string>{"STOP 200", "CONT 200"}));
}

// Process 200 ends while stopped here and a new process gets its id and thread ids. Nothing
// meant for the old one reaches it: a resume, a suspend, an end or the release of everything.
TEST_F(Suspender, ARecycledProcessIdIsNeverSignalled) {
    auto recycle = [&] {
        machine.end(200);
        machine.start(200, {201, 202});
    };
    ASSERT_EQ(suspender.suspend(201), 0);
    recycle();
    EXPECT_EQ(suspender.resume(201), kThreadCallFailed);
    EXPECT_EQ(suspender.count(201), 0) << "dropped";

    ASSERT_EQ(suspender.suspend(201), 0);  // the new process, held afresh
    EXPECT_EQ(suspender.suspend(201), 1);
    recycle();
    EXPECT_EQ(suspender.suspend(201), kThreadCallFailed) << "the held thread is gone, not suspended again";
    EXPECT_EQ(suspender.suspend(202), 0) << "a thread of the newcomer is held afresh";

    recycle();
    EXPECT_EQ(suspender.terminate(200), false);
    EXPECT_EQ(suspender.terminate(200), std::nullopt) << "dropped";

    ASSERT_EQ(suspender.suspend(201), 0);
    ASSERT_EQ(suspender.suspend(301), 0);
    recycle();
    suspender.releaseAll();
    EXPECT_EQ(machine.signals,
              (std::vector<std::string>{"STOP 200", "STOP 200#2", "STOP 200#3", "STOP 200#4", "STOP 300", "CONT 300"}));
    EXPECT_EQ(machine.openHandles(), 0);
}

TEST_F(Suspender, AHeldProcessIsEndedThroughItsHandle) {
    EXPECT_EQ(suspender.terminate(300), std::nullopt) << "not held here";
    ASSERT_EQ(suspender.suspend(301), 0);
    EXPECT_EQ(suspender.terminate(300), true);
    EXPECT_EQ(machine.signals, (std::vector<std::string>{"STOP 300", "KILL 300"}));
    EXPECT_EQ(suspender.count(301), 0);
    EXPECT_EQ(machine.openHandles(), 0);
}

TEST_F(Suspender, ReleaseAllContinuesEveryHeldProcessOnce) {
    suspender.suspend(201);
    suspender.suspend(202);
    suspender.suspend(301);
    suspender.forget(300);
    suspender.releaseAll();
    EXPECT_EQ(machine.signals, (std::vector<std::string>{"STOP 200", "STOP 300", "CONT 200"}));
    EXPECT_EQ(suspender.count(201), 0);
    EXPECT_EQ(machine.openHandles(), 0);
}

TEST_F(Suspender, HandlesStillHeldAreLetGoWithoutSignals) {
    {
        ThreadSuspender shortLived{machine, [](uint32_t) { return true; }};
        ASSERT_EQ(shortLived.suspend(301), 0);
        EXPECT_EQ(machine.openHandles(), 1);
    }
    EXPECT_EQ(machine.openHandles(), 0);
    EXPECT_EQ(machine.signals, (std::vector<std::string>{"STOP 300"}));
}
