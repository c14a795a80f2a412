#pragma once
// Starting a program by its path, as the program's Shell statement does: the program runs on
// its own, nothing waits for it. The starter in use is the installed one (a test installs a
// RecordingProgramStarter with ScopedProgramStarter); the system one starts the file itself.
#include <string>
#include <string_view>
#include <vector>

#include "platform/gui/child_process.h"
#include "platform/gui/service.h"

namespace qv::gui {

class ProgramStarter {
public:
    virtual ~ProgramStarter() = default;
    // The new process's id; 0 when the program cannot be started.
    virtual int start(std::string_view path, int show) = 0;
};

// Records every path and starts nothing (tests).
class RecordingProgramStarter : public ProgramStarter {
public:
    std::vector<std::string> started;
    int result = 4242;
    int start(std::string_view path, int show) override;
};

// Starts an executable file (a Windows-1252 path, "\" or "/" separated) with no arguments.
class SystemProgramStarter : public ProgramStarter {
public:
    int start(std::string_view path, int show) override;

private:
    ChildProcesses children_;
};

ProgramStarter& programStarter();
using ScopedProgramStarter = ScopedService<ProgramStarter>;

// Starts the program; its process id, or 0 when it cannot be started.
int StartProgram(std::string_view path, int show);

}  // namespace qv::gui
