#include "tests/platform/host/linux/sandbox_children.h"

#include <linux/capability.h>
#include <signal.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include <gtest/gtest.h>

#include "platform/host/linux/process_info.h"
#include "platform/host/linux/sandbox.h"

namespace qv::host::testing {

std::string ChildProcess::Channel::readLine() const {
    std::string line;
    char c;
    while (::read(in, &c, 1) == 1 && c != '\n') line += c;
    return line;
}

void ChildProcess::Channel::writeLine(const std::string& line) const {
    std::string s = line + "\n";
    ssize_t ignored = ::write(out, s.data(), s.size());
    (void)ignored;
}

ChildProcess::ChildProcess(const std::function<int(const Channel&)>& body) {
    int toChild[2], fromChild[2];
    if (::pipe(toChild) != 0 || ::pipe(fromChild) != 0) std::abort();
    std::fflush(nullptr);
    pid_ = ::fork();
    if (pid_ < 0) std::abort();
    if (pid_ == 0) {
        ::close(toChild[1]);
        ::close(fromChild[0]);
        int rc = body(Channel{toChild[0], fromChild[1]});
        std::fflush(nullptr);
        ::_exit(rc);
    }
    ::close(toChild[0]);
    ::close(fromChild[1]);
    channel_ = Channel{fromChild[0], toChild[1]};
}

ChildProcess::~ChildProcess() {
    if (!reaped_ && pid_ > 0) {
        ::kill(pid_, SIGKILL);
        wait();
    }
    ::close(channel_.in);
    ::close(channel_.out);
}

int ChildProcess::wait() {
    int status = 0;
    while (::waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
    }
    reaped_ = true;
    return status;
}

Ports readPorts(const ChildProcess& child) {
    Ports p;
    std::sscanf(child.readLine().c_str(), "%hu %hu", &p.listen, &p.client);
    return p;
}

void inSandbox(const std::function<void()>& body) {
    SandboxRun run = runInSandbox([&] {
        body();
        return ::testing::Test::HasFailure() ? 1 : 0;
    });
    if (!run.ran) GTEST_SKIP() << "no namespaces for the LinuxHost tests: " << run.unavailable;
    EXPECT_EQ(run.exitCode, 0) << "the sandboxed part failed (its messages are above)";
}

bool dropNetworkAdministration() {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2]{};
    if (::syscall(SYS_capget, &header, data) != 0) return false;
    data[0].effective &= ~(1u << CAP_NET_ADMIN);
    data[0].permitted &= ~(1u << CAP_NET_ADMIN);
    return ::syscall(SYS_capset, &header, data) == 0;
}

bool nextProcessIdWillBe(pid_t pid) {
    FILE* f = std::fopen("/proc/sys/kernel/ns_last_pid", "w");
    if (!f) return false;
    const bool written = std::fprintf(f, "%d", static_cast<int>(pid - 1)) > 0;
    return std::fclose(f) == 0 && written;
}

char waitForState(pid_t pid, char want) {
    char state = '?';
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    do {
        if (auto s = procfs::processStat(static_cast<uint32_t>(pid))) state = s->state;
        if (state == want) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    } while (std::chrono::steady_clock::now() < deadline);
    return state;
}

}  // namespace qv::host::testing
