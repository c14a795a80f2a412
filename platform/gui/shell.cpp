#include "platform/gui/shell.h"

#include <algorithm>
#include <cctype>

#include "platform/base/cp1252.h"
#include "platform/base/files.h"
#include "platform/base/text.h"

namespace qv::gui {

namespace {

bool hasControl(std::string_view s) {
    return std::any_of(s.begin(), s.end(), [](char c) {
        const auto b = static_cast<unsigned char>(c);
        return b < 0x20 || b == 0x7F;
    });
}

// "http://...", "mailto:..." and the like; a drive letter ("C:") is too short for a scheme.
bool isAddress(std::string_view s) {
    const auto colon = s.find(':');
    if (colon == std::string_view::npos || colon < 2) return false;
    if (!std::isalpha(static_cast<unsigned char>(s[0]))) return false;
    return std::all_of(s.begin(), s.begin() + static_cast<std::ptrdiff_t>(colon), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '+' || c == '-' || c == '.';
    });
}

}  // namespace

std::intptr_t RecordingShell::execute(const ShellRequest& request) {
    requests.push_back(request);
    return result;
}

std::variant<std::string, std::intptr_t> shellOpenTarget(std::string_view file, std::string_view directory) {
    if (file.empty() || hasControl(file) || hasControl(directory)) return SE_ERR_FNF;
    if (isAddress(file)) return base::cp1252ToUtf8(file);
    std::string path = base::nativePath(file);
    if (path.front() != '/' && !directory.empty()) path = base::joinPath(base::nativePath(directory), path);
    if (!base::pathExists(path)) {
        const std::string folder = base::folderOf(path);
        return folder.empty() || base::dirExists(folder) ? SE_ERR_FNF : SE_ERR_PNF;
    }
    if (path.front() == '-') path = "./" + path;  // never an option of the opener
    return base::cp1252ToUtf8(path);
}

std::intptr_t SystemShell::execute(const ShellRequest& request) {
    if (!request.operation.empty() && !base::equalsNoCase(request.operation, "open")) return SE_ERR_NOASSOC;
    const auto target = shellOpenTarget(request.file, request.directory);
    if (const auto* error = std::get_if<std::intptr_t>(&target)) return *error;
    const auto opener = findProgram("xdg-open");
    if (!opener || !children_.start({*opener, std::get<std::string>(target)})) return SE_ERR_NOASSOC;
    return kShellStarted;
}

Shell& shell() {
    static SystemShell system;
    return Service<Shell>::get(system);
}

std::intptr_t ShellExecute(HWnd hwnd, std::string_view operation, std::string_view file,
                           std::string_view parameters, std::string_view directory, int show) {
    return shell().execute(ShellRequest{hwnd, std::string(operation), std::string(file), std::string(parameters),
                                        std::string(directory), show});
}

}  // namespace qv::gui
