#pragma once
// An advisory lock on one stored file for the length of a read-modify-write, so that writers in
// other processes wait instead of writing over each other's changes. Writes replace a stored
// file by renaming a new one into place, so the lock is taken on the file the path names once
// it is held: a file replaced while the lock was awaited is let go and the new one locked.
// A missing file is made (empty) to be locked, and taken away again when the lock ends with
// nothing written to it. Locks are per object: one process must not lock one file twice.
#include <string>
#include <string_view>

namespace qv::base {

class FileLock {
public:
    // Waits until the file is locked; held() is false when it cannot be opened or made (a
    // missing folder, no access, not a regular file).
    explicit FileLock(std::string_view path);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    bool held() const { return fd_ >= 0; }

private:
    int fd_ = -1;
    bool made_ = false;  // the lock made the file
    std::string path_;
};

}  // namespace qv::base
