#pragma once
// A sandbox for tests and benchmarks of LinuxHost: the body runs as process 1 of new user,
// network, process and mount namespaces, with a fresh /proc and /sys and only the loopback
// interface (up). Whatever it does to processes and connections stays inside; every process it
// starts ends when it returns.
#include <functional>
#include <string>

namespace qv::host {

struct SandboxRun {
    bool ran = false;         // false: the namespaces could not be made (see unavailable)
    std::string unavailable;  // why, when not ran
    int exitCode = -1;        // the body's result; 128 + signal when it was killed
};

// Runs body in the sandbox and waits for it; body's return value is its exit code. A body still
// running after timeoutSeconds (0: no limit) is killed with everything it started, and the exit code is then
// 128 + SIGALRM. Standard output is flushed before and after, so what the body prints appears in
// order.
SandboxRun runInSandbox(const std::function<int()>& body, unsigned timeoutSeconds = 120);

}  // namespace qv::host
