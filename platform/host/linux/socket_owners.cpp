#include "platform/host/linux/socket_owners.h"

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

namespace qv::host::procfs {

uint64_t socketInodeOfLink(const char* link, size_t length) {
    static const char prefix[] = "socket:[";
    const size_t n = sizeof prefix - 1;
    if (length < n + 2 || std::memcmp(link, prefix, n) != 0 || link[length - 1] != ']') return 0;
    uint64_t v = 0;
    for (size_t i = n; i + 1 < length; ++i) {
        char c = link[i];
        if (c < '0' || c > '9') return 0;
        v = v * 10 + static_cast<uint64_t>(c - '0');
    }
    return v;
}

namespace {

bool processIdOf(const char* name, uint32_t& pid) {
    if (!*name) return false;
    uint64_t v = 0;
    for (const char* p = name; *p; ++p) {
        if (*p < '0' || *p > '9') return false;
        v = v * 10 + static_cast<uint64_t>(*p - '0');
        if (v > 0xFFFFFFFFu) return false;
    }
    pid = static_cast<uint32_t>(v);
    return true;
}

// Scans one process's fd folder; returns how many inodes it resolved.
size_t scanProcess(int procFd, uint32_t pid,
                   std::unordered_map<uint64_t, uint32_t>& owners) {
    char path[32];
    std::snprintf(path, sizeof path, "%u/fd", pid);
    int fdDir = ::openat(procFd, path, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fdDir < 0) return 0;
    DIR* d = ::fdopendir(fdDir);
    if (!d) {
        ::close(fdDir);
        return 0;
    }
    size_t resolved = 0;
    char link[64];
    while (dirent* e = ::readdir(d)) {
        if (e->d_name[0] == '.') continue;
        ssize_t n = ::readlinkat(fdDir, e->d_name, link, sizeof link);
        if (n <= 0 || static_cast<size_t>(n) >= sizeof link) continue;
        uint64_t inode = socketInodeOfLink(link, static_cast<size_t>(n));
        if (!inode) continue;
        auto it = owners.find(inode);
        if (it != owners.end() && it->second == 0) {
            it->second = pid;
            ++resolved;
        }
    }
    ::closedir(d);
    return resolved;
}

}  // namespace

void findSocketOwners(const std::string& procRoot, std::unordered_map<uint64_t, uint32_t>& owners) {
    size_t missing = 0;
    for (const auto& [inode, pid] : owners)
        if (pid == 0) ++missing;
    if (missing == 0) return;
    int procFd = ::open(procRoot.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (procFd < 0) return;
    DIR* d = ::fdopendir(procFd);
    if (!d) {
        ::close(procFd);
        return;
    }
    while (missing > 0) {
        dirent* e = ::readdir(d);
        if (!e) break;
        uint32_t pid;
        if (!processIdOf(e->d_name, pid)) continue;
        size_t found = scanProcess(procFd, pid, owners);
        missing -= found < missing ? found : missing;
    }
    ::closedir(d);
}

}  // namespace qv::host::procfs
