#pragma once
// The built program started as a person starts it, in a process of its own with its output on
// pipes: the test can wait for a line, send it a signal and wait for its end.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <map>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace qv::app::testing {

class ProgramProcess {
public:
    // env: variables to set ("" as value removes the variable).
    ProgramProcess(const std::vector<std::string>& args, const std::map<std::string, std::string>& env) {
        int out[2], err[2];
        if (::pipe2(out, O_CLOEXEC) != 0 || ::pipe2(err, O_CLOEXEC) != 0) return;
        pid_ = ::fork();
        if (pid_ == 0) {
            ::dup2(out[1], 1);
            ::dup2(err[1], 2);
            for (const auto& [k, v] : env) {
                if (v.empty()) ::unsetenv(k.c_str());
                else ::setenv(k.c_str(), v.c_str(), 1);
            }
            std::vector<char*> argv{const_cast<char*>(QV_PROGRAM)};
            for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
            argv.push_back(nullptr);
            ::execv(QV_PROGRAM, argv.data());
            ::_exit(127);
        }
        ::close(out[1]);
        ::close(err[1]);
        out_ = out[0];
        err_ = err[0];
        ::fcntl(out_, F_SETFL, O_NONBLOCK);
        ::fcntl(err_, F_SETFL, O_NONBLOCK);
    }
    ~ProgramProcess() {
        if (pid_ > 0 && !status_) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
        if (out_ >= 0) ::close(out_);
        if (err_ >= 0) ::close(err_);
    }
    ProgramProcess(const ProgramProcess&) = delete;
    ProgramProcess& operator=(const ProgramProcess&) = delete;

    pid_t pid() const { return pid_; }
    void signal(int sig) { ::kill(pid_, sig); }

    // The exit code once it ended, within the time; nothing when it still runs (or was killed).
    std::optional<int> waitExit(std::chrono::milliseconds within) {
        const auto until = std::chrono::steady_clock::now() + within;
        while (!status_) {
            drain();
            int st = 0;
            const pid_t r = ::waitpid(pid_, &st, WNOHANG);
            if (r == pid_) {
                status_ = st;
                break;
            }
            if (std::chrono::steady_clock::now() >= until) return std::nullopt;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        drain();
        if (!WIFEXITED(*status_)) return std::nullopt;
        return WEXITSTATUS(*status_);
    }
    // Waits until the standard error holds text; false when the time runs out first.
    bool waitForError(const std::string& text, std::chrono::milliseconds within) {
        const auto until = std::chrono::steady_clock::now() + within;
        while (stderr_.find(text) == std::string::npos) {
            if (std::chrono::steady_clock::now() >= until) return false;
            pollfd p{err_, POLLIN, 0};
            ::poll(&p, 1, 20);
            drain();
        }
        return true;
    }
    const std::string& out() {
        drain();
        return stdout_;
    }
    const std::string& err() {
        drain();
        return stderr_;
    }

private:
    static void readAll(int fd, std::string& into) {
        char buf[4096];
        for (;;) {
            const ssize_t n = ::read(fd, buf, sizeof buf);
            if (n <= 0) return;
            into.append(buf, static_cast<std::size_t>(n));
        }
    }
    void drain() {
        if (out_ >= 0) readAll(out_, stdout_);
        if (err_ >= 0) readAll(err_, stderr_);
    }

    pid_t pid_ = -1;
    int out_ = -1;
    int err_ = -1;
    std::optional<int> status_;
    std::string stdout_;
    std::string stderr_;
};

}  // namespace qv::app::testing
