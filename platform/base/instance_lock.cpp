#include "platform/base/instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/base/files.h"

namespace qv::base {

namespace {

// Opens the lock file without changing it; creates it only when it is missing.
int openLockFile(const std::string& path, std::string& error) {
    for (int attempt = 0; attempt < 2; ++attempt) {
        int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
        if (fd >= 0 || errno != ENOENT) {
            if (fd < 0) error = std::strerror(errno);
            return fd;
        }
        fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0644);
        if (fd >= 0) return fd;
        if (errno != EEXIST) {  // made by another start meanwhile: open that one
            error = std::strerror(errno);
            return -1;
        }
    }
    error = "the lock file keeps changing";
    return -1;
}

}  // namespace

std::string FolderLock::lockFilePath(std::string_view folder) {
    return nativePath(joinPath(folder, "quarvelin.lock"));
}

FolderLock::FolderLock(std::string_view folder) {
    const std::string path = lockFilePath(folder);
    fd_ = openLockFile(path, error_);
    if (fd_ < 0) {
        error_ = "cannot open " + path + ": " + error_;
        return;
    }
    if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) {
        state_ = State::Held;
        return;
    }
    const int e = errno;
    ::close(fd_);
    fd_ = -1;
    if (e == EWOULDBLOCK) {
        state_ = State::HeldByAnother;
    } else {
        error_ = "cannot lock " + path + ": " + std::strerror(e);
    }
}

FolderLock::~FolderLock() {
    if (fd_ >= 0) ::close(fd_);
}

}  // namespace qv::base
