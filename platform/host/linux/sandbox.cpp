#include "platform/host/linux/sandbox.h"

#include <fcntl.h>
#include <net/if.h>
#include <sched.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace qv::host {

namespace {

constexpr int kUnavailableExit = 77;

[[noreturn]] void giveUp(int reasonFd, const std::string& what) {
    std::string text = what + ": " + std::strerror(errno);
    ssize_t ignored = ::write(reasonFd, text.data(), text.size());
    (void)ignored;
    ::_exit(kUnavailableExit);
}

bool writeText(const char* path, const std::string& text) {
    int fd = ::open(path, O_WRONLY | O_CLOEXEC);
    if (fd < 0) return false;
    bool ok = ::write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    ::close(fd);
    return ok;
}

bool loopbackUp() {
    int s = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (s < 0) return false;
    ifreq req{};
    std::strncpy(req.ifr_name, "lo", IFNAMSIZ - 1);
    bool ok = ::ioctl(s, SIOCGIFFLAGS, &req) == 0;
    if (ok) {
        req.ifr_flags = static_cast<short>(req.ifr_flags | IFF_UP);
        ok = ::ioctl(s, SIOCSIFFLAGS, &req) == 0;
    }
    ::close(s);
    return ok;
}

int exitCodeOf(int status) {
    if (WIFEXITED(status)) return WEXITSTATUS(status);
    if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
    return -1;
}

// Process 1 of the new namespaces: its own /proc and /sys, loopback up, then the body.
[[noreturn]] void sandboxInit(int reasonFd, const std::function<int()>& body) {
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) giveUp(reasonFd, "making mounts private");
    if (::mount("proc", "/proc", "proc", MS_NOSUID | MS_NODEV | MS_NOEXEC, nullptr) != 0)
        giveUp(reasonFd, "mounting /proc");
    if (::mount("sysfs", "/sys", "sysfs", MS_NOSUID | MS_NODEV | MS_NOEXEC | MS_RDONLY, nullptr) != 0)
        giveUp(reasonFd, "mounting /sys");
    if (!loopbackUp()) giveUp(reasonFd, "bringing loopback up");
    ::close(reasonFd);
    int rc = body();
    std::fflush(nullptr);
    ::_exit(rc);
}

// The first child: makes the namespaces, then starts process 1 in them and waits for it.
[[noreturn]] void sandboxParent(int reasonFd, uid_t uid, gid_t gid, const std::function<int()>& body,
                                unsigned timeoutSeconds) {
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    bool ownUser = ::unshare(CLONE_NEWUSER | CLONE_NEWNET | CLONE_NEWPID | CLONE_NEWNS) == 0;
    if (!ownUser) {
        // Some systems allow no user namespaces; a privileged caller can do without one.
        if (::geteuid() != 0 || ::unshare(CLONE_NEWNET | CLONE_NEWPID | CLONE_NEWNS) != 0)
            giveUp(reasonFd, "creating user, network, process and mount namespaces");
    } else {
        writeText("/proc/self/setgroups", "deny");
        if (!writeText("/proc/self/uid_map", "0 " + std::to_string(uid) + " 1\n") ||
            !writeText("/proc/self/gid_map", "0 " + std::to_string(gid) + " 1\n"))
            giveUp(reasonFd, "mapping the user namespace");
    }
    pid_t init = ::fork();
    if (init < 0) giveUp(reasonFd, "starting the sandbox's first process");
    if (init == 0) sandboxInit(reasonFd, body);
    ::close(reasonFd);
    // A body that hangs must not hold the caller. The alarm ends this process, not the first
    // process of the namespace (which ignores such signals); its death signal then ends that one
    // and with it everything in the namespace.
    ::alarm(timeoutSeconds);
    int status = 0;
    while (::waitpid(init, &status, 0) < 0 && errno == EINTR) {
    }
    ::_exit(exitCodeOf(status));
}

}  // namespace

SandboxRun runInSandbox(const std::function<int()>& body, unsigned timeoutSeconds) {
    SandboxRun run;
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) {
        run.unavailable = std::string("pipe: ") + std::strerror(errno);
        return run;
    }
    uid_t uid = ::getuid();
    gid_t gid = ::getgid();
    std::fflush(nullptr);
    pid_t child = ::fork();
    if (child < 0) {
        run.unavailable = std::string("fork: ") + std::strerror(errno);
        ::close(fds[0]);
        ::close(fds[1]);
        return run;
    }
    if (child == 0) {
        ::close(fds[0]);
        sandboxParent(fds[1], uid, gid, body, timeoutSeconds);
    }
    ::close(fds[1]);
    std::string reason;
    char buf[256];
    for (;;) {
        ssize_t n = ::read(fds[0], buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        reason.append(buf, static_cast<size_t>(n));
    }
    ::close(fds[0]);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    int code = exitCodeOf(status);
    if (code == kUnavailableExit && !reason.empty()) {
        run.unavailable = reason;
        return run;
    }
    run.ran = true;
    run.exitCode = code;
    return run;
}

}  // namespace qv::host
