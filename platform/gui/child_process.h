#pragma once
// Programs that the window services start (a sound player, the desktop's opener): found on
// PATH, started with no terminal input or output, and waited for only when asked, so the
// caller never blocks. Only processes started here are ever waited for or stopped.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <sys/types.h>

namespace qv::gui {

// The full path of the first executable file called `name` in the ":"-separated folders of
// pathList (the PATH variable when nullopt).
std::optional<std::string> findProgram(std::string_view name,
                                       std::optional<std::string_view> pathList = std::nullopt);

// The processes one service started.
class ChildProcesses {
public:
    ChildProcesses() = default;
    ~ChildProcesses();
    ChildProcesses(const ChildProcesses&) = delete;
    ChildProcesses& operator=(const ChildProcesses&) = delete;

    // Starts argv[0] (a full path) with argv; its standard input, output and error are
    // /dev/null. Returns the process id, or nullopt when it cannot start.
    std::optional<pid_t> start(const std::vector<std::string>& argv);
    // Collects the ones that have ended; true when pid (one of ours) still runs.
    bool running(pid_t pid);
    // Asks one of ours that still runs to end (SIGTERM).
    void stop(pid_t pid);
    // Waits for every one of ours to end.
    void waitAll();
    // Waits for one of ours; its exit status, or nullopt when it is not ours.
    std::optional<int> wait(pid_t pid);

private:
    void reap();
    std::vector<pid_t> pids_;
};

}  // namespace qv::gui
