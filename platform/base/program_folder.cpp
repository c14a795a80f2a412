#include "platform/base/program_folder.h"

#include <unistd.h>

#include <climits>

#include "platform/base/files.h"

namespace qv::base {

namespace {
std::string& folderSlot() {
    static std::string folder;
    return folder;
}
}  // namespace

std::string executablePath() {
    char buf[PATH_MAX];
    ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return {};
    return std::string(buf, static_cast<std::size_t>(n));
}

std::string programFolder() {
    std::string& f = folderSlot();
    if (f.empty()) f = folderOf(executablePath());
    return f;
}

void setProgramFolder(std::string_view folder) {
    std::string f = nativePath(folder);
    while (f.size() > 1 && f.back() == '/') f.pop_back();
    folderSlot() = f;
}

std::string inProgramFolder(std::string_view relative) {
    return nativePath(joinPath(programFolder(), relative));
}

}  // namespace qv::base
