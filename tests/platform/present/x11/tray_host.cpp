#include "tests/platform/present/x11/tray_host.h"

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>

extern char** environ;

namespace qv::present::x11::testing {

TrayHost::TrayHost() {
    int fds[2];
    if (pipe(fds) != 0) return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    char* argv[] = {const_cast<char*>(QV_TRAY_HOST), nullptr};
    if (posix_spawn(&pid_, QV_TRAY_HOST, &actions, nullptr, argv, environ) != 0) pid_ = -1;
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    out_ = fds[0];
    // The host's first line names its tray window once it owns the selection.
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (tray_ == 0 && pid_ > 0 && std::chrono::steady_clock::now() < until) {
        pollfd p{out_, POLLIN, 0};
        if (poll(&p, 1, 50) > 0) read();
        for (const std::string& l : lines_)
            if (l.rfind("ready ", 0) == 0) tray_ = std::stoul(l.substr(6));
    }
}

TrayHost::~TrayHost() {
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
    }
    if (out_ >= 0) close(out_);
}

void TrayHost::read() {
    char buf[256];
    const ssize_t n = ::read(out_, buf, sizeof buf);
    if (n <= 0) return;
    pending_.append(buf, std::size_t(n));
    for (std::size_t at; (at = pending_.find('\n')) != std::string::npos;) {
        lines_.push_back(pending_.substr(0, at));
        pending_.erase(0, at + 1);
    }
}

bool TrayHost::waitFor(const std::string& word, unsigned long window, const std::function<void()>& pump) {
    const std::string line = word + " " + std::to_string(window);
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (std::chrono::steady_clock::now() < until) {
        if (std::find(lines_.begin(), lines_.end(), line) != lines_.end()) return true;
        pump();
        pollfd p{out_, POLLIN, 0};
        if (poll(&p, 1, 0) > 0) read();
    }
    return std::find(lines_.begin(), lines_.end(), line) != lines_.end();
}

}  // namespace qv::present::x11::testing
