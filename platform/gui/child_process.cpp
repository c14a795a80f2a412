#include "platform/gui/child_process.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>

#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/base/text.h"

extern char** environ;

namespace qv::gui {

std::optional<std::string> findProgram(std::string_view name, std::optional<std::string_view> pathList) {
    if (name.empty() || name.find('/') != std::string_view::npos) return std::nullopt;
    std::string list;
    if (pathList) {
        list = std::string(*pathList);
    } else if (const char* env = std::getenv("PATH")) {
        list = env;
    }
    for (const auto& folder : base::Split(list, ":")) {
        if (folder.empty()) continue;  // never the current folder
        const std::string candidate = folder + "/" + std::string(name);
        struct stat st {};
        if (::stat(candidate.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::access(candidate.c_str(), X_OK) == 0)
            return candidate;
    }
    return std::nullopt;
}

ChildProcesses::~ChildProcesses() { reap(); }

std::optional<pid_t> ChildProcesses::start(const std::vector<std::string>& argv) {
    reap();
    if (argv.empty()) return std::nullopt;
    std::vector<char*> args;
    for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    for (int fd : {0, 1, 2})
        posix_spawn_file_actions_addopen(&actions, fd, "/dev/null", fd == 0 ? O_RDONLY : O_WRONLY, 0);
    pid_t pid = 0;
    const int rc = ::posix_spawn(&pid, args[0], &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) return std::nullopt;
    pids_.push_back(pid);
    return pid;
}

void ChildProcesses::reap() {
    std::erase_if(pids_, [](pid_t pid) {
        int status = 0;
        const pid_t r = ::waitpid(pid, &status, WNOHANG);
        return r == pid || (r < 0 && errno == ECHILD);
    });
}

bool ChildProcesses::running(pid_t pid) {
    reap();
    return std::find(pids_.begin(), pids_.end(), pid) != pids_.end();
}

void ChildProcesses::stop(pid_t pid) {
    // Still listed means not yet collected, so the id cannot belong to another process.
    if (running(pid)) ::kill(pid, SIGTERM);
}

std::optional<int> ChildProcesses::wait(pid_t pid) {
    auto it = std::find(pids_.begin(), pids_.end(), pid);
    if (it == pids_.end()) return std::nullopt;
    pids_.erase(it);
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) return std::nullopt;
    }
    return status;
}

void ChildProcesses::waitAll() {
    while (!pids_.empty()) wait(pids_.front());
}

}  // namespace qv::gui
