// The sandbox itself: where its namespaces cannot be made, it runs nothing and says why (the
// LinuxHost tests then skip with that reason).
#include <sched.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>

#include <gtest/gtest.h>

#include "platform/host/linux/sandbox.h"

using namespace qv::host;

TEST(Sandbox, SaysWhyWhenItsNamespacesCannotBeMade) {
    // A process whose user has no mapping in its own user namespace may make no namespace below
    // it; the check runs in a child so that this process keeps its rights.
    std::fflush(nullptr);
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::unshare(CLONE_NEWUSER) != 0) ::_exit(77);
        bool bodyRan = false;
        SandboxRun run = runInSandbox([&] {
            bodyRan = true;
            return 0;
        });
        std::printf("unavailable: %s\n", run.unavailable.c_str());
        bool ok = !run.ran && !bodyRan && run.unavailable.find("namespaces") != std::string::npos;
        std::fflush(nullptr);
        ::_exit(ok ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == 77) GTEST_SKIP() << "no user namespace for the check itself";
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

TEST(Sandbox, RunsTheBodyAsFirstProcessAndGivesItsExitCode) {
    SandboxRun run = runInSandbox([] { return ::getpid() == 1 ? 5 : 6; });
    if (!run.ran) GTEST_SKIP() << "no namespaces: " << run.unavailable;
    EXPECT_EQ(run.exitCode, 5);
}

TEST(Sandbox, ABodyThatHangsIsEndedAtItsTimeout) {
    auto start = std::chrono::steady_clock::now();
    SandboxRun run = runInSandbox(
        [] {
            for (;;) ::pause();
            return 0;
        },
        1);
    if (!run.ran) GTEST_SKIP() << "no namespaces: " << run.unavailable;
    EXPECT_EQ(run.exitCode, 128 + SIGALRM);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(30));
}
