#pragma once
// The shell's "open" of a file, folder or address. The shell in use is the installed one (a
// test installs a RecordingShell with ScopedShell); the system shell hands the target to the
// desktop's opener, xdg-open, without waiting for it.
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "platform/gui/child_process.h"
#include "platform/gui/service.h"
#include "platform/gui/types.h"

namespace qv::gui {

inline constexpr int SW_HIDE = 0;
inline constexpr int SW_SHOWNORMAL = 1;

// Results: above 32 the shell started the job; these numbers say why it did not.
inline constexpr std::intptr_t SE_ERR_FNF = 2;           // file not found
inline constexpr std::intptr_t SE_ERR_PNF = 3;           // folder not found
inline constexpr std::intptr_t SE_ERR_NOASSOC = 31;      // no way to carry out the operation
inline constexpr std::intptr_t kShellStarted = 42;

struct ShellRequest {
    HWnd hwnd = 0;
    std::string operation;  // "open" ("" means the same)
    std::string file;
    std::string parameters;
    std::string directory;
    int show = SW_SHOWNORMAL;
    bool operator==(const ShellRequest&) const = default;
};

class Shell {
public:
    virtual ~Shell() = default;
    virtual std::intptr_t execute(const ShellRequest& request) = 0;
};

// Records every request and starts nothing (tests).
class RecordingShell : public Shell {
public:
    std::vector<ShellRequest> requests;
    std::intptr_t result = kShellStarted;
    std::intptr_t execute(const ShellRequest& request) override;
};

// What the opener is given for a request: an address ("scheme:" of two or more letters) as it
// stands, or the file as a native path (relative ones below `directory`) that must exist and
// never reads as an option; UTF-8. An error number for an empty or missing file, or control
// characters.
std::variant<std::string, std::intptr_t> shellOpenTarget(std::string_view file, std::string_view directory);

// Opens through xdg-open found on PATH. Operations other than "open" and a missing opener give
// SE_ERR_NOASSOC; parameters are not passed on (the opener takes none).
class SystemShell : public Shell {
public:
    std::intptr_t execute(const ShellRequest& request) override;

private:
    ChildProcesses children_;
};

Shell& shell();
using ScopedShell = ScopedService<Shell>;

// Asks the shell to carry out the operation on the file; a result above 32 means it started.
std::intptr_t ShellExecute(HWnd hwnd, std::string_view operation, std::string_view file,
                           std::string_view parameters, std::string_view directory, int show);

}  // namespace qv::gui
