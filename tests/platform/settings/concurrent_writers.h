#pragma once
// Writers in processes of their own, all started before any is waited for, as two programs on
// one settings file would be.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <vector>

namespace qv::settings::testing {

// Runs body(w) for w = 0 .. writers - 1, each in a child process at the same time; every one
// must return true.
inline void runConcurrently(int writers, const std::function<bool(int)>& body) {
    std::vector<pid_t> children;
    for (int w = 0; w < writers; ++w) {
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) ::_exit(body(w) ? 0 : 1);
        children.push_back(pid);
    }
    for (pid_t pid : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    }
}

}  // namespace qv::settings::testing
