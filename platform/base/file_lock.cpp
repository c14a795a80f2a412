#include "platform/base/file_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/base/files.h"

namespace qv::base {

namespace {
bool sameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }
}  // namespace

FileLock::FileLock(std::string_view path) : path_(linkTarget(path)) {
    if (path_.empty()) return;
    for (;;) {
        bool made = false;
        int fd = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0 && errno == ENOENT) {
            fd = ::open(path_.c_str(), O_RDONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
            if (fd < 0 && errno == EEXIST) continue;  // another writer made it first
            made = fd >= 0;
        }
        if (fd < 0) return;
        struct stat locked{};
        if (::fstat(fd, &locked) != 0 || !S_ISREG(locked.st_mode)) {
            ::close(fd);
            return;
        }
        int rc;
        do {
            rc = ::flock(fd, LOCK_EX);
        } while (rc != 0 && errno == EINTR);
        struct stat named{};
        if (rc == 0 && ::stat(path_.c_str(), &named) == 0 && sameFile(locked, named)) {
            fd_ = fd;
            made_ = made;
            return;
        }
        ::close(fd);
        if (rc != 0) return;
        // Replaced or removed while we waited: lock what the path names now.
    }
}

FileLock::~FileLock() {
    if (fd_ < 0) return;
    struct stat locked{}, named{};
    // A file made for a write that never came is taken away again, unless something has
    // replaced it since.
    if (made_ && ::fstat(fd_, &locked) == 0 && locked.st_size == 0 && ::stat(path_.c_str(), &named) == 0 &&
        sameFile(locked, named))
        ::unlink(path_.c_str());
    ::close(fd_);
}

}  // namespace qv::base
