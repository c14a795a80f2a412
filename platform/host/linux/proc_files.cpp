#include "platform/host/linux/proc_files.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace qv::host::procfs {

bool readWholeFile(const char* path, std::string& out) {
    out.clear();
    int fd = ::open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    size_t used = 0;
    out.resize(out.capacity() < 4096 ? 4096 : out.capacity());
    for (;;) {
        if (used == out.size()) out.resize(out.size() * 2);
        ssize_t n = ::read(fd, out.data() + used, out.size() - used);
        if (n < 0) {
            if (errno == EINTR) continue;
            int saved = errno;
            ::close(fd);
            out.clear();
            errno = saved;
            return false;
        }
        if (n == 0) break;
        used += static_cast<size_t>(n);
    }
    ::close(fd);
    out.resize(used);
    return true;
}

std::optional<std::string> readWholeFile(const std::string& path) {
    std::string s;
    if (!readWholeFile(path.c_str(), s)) return std::nullopt;
    return s;
}

std::optional<std::string> readAttribute(const std::string& path) {
    auto s = readWholeFile(path);
    if (!s) return std::nullopt;
    size_t end = s->find('\n');
    if (end != std::string::npos) s->resize(end);
    return s;
}

}  // namespace qv::host::procfs
