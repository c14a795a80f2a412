#pragma once
// One running copy per program folder: an exclusive lock on the file "quarvelin.lock" in the
// folder, held while the object lives. Taking the lock reads and writes nothing else in the
// folder; a start that finds the lock held by another process changes nothing at all (the lock
// file is only created when it is missing).
#include <string>
#include <string_view>

namespace qv::base {

class FolderLock {
public:
    enum class State { Held, HeldByAnother, Failed };

    explicit FolderLock(std::string_view folder);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    State state() const { return state_; }
    // What went wrong, for Failed.
    const std::string& error() const { return error_; }
    static std::string lockFilePath(std::string_view folder);

private:
    int fd_ = -1;
    State state_ = State::Failed;
    std::string error_;
};

}  // namespace qv::base
