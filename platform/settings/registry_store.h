#pragma once
// Loading and saving one registry root's file, shared by the registry calls and the
// application settings kept in the registry.
#include <optional>

#include "platform/base/file_lock.h"
#include "platform/settings/registry.h"

namespace qv::settings {

// Holds a root's file locked for one read-modify-write (its folder is made first), so that
// writers in other processes wait for each other instead of losing changes.
class HiveLock {
public:
    explicit HiveLock(HKey root);
    bool held() const { return lock_ && lock_->held(); }

private:
    std::optional<base::FileLock> lock_;
};

// ERROR_SUCCESS with the root's keys (a missing file gives only the keys every desktop has),
// ERROR_BADDB for a file that cannot be read whole, ERROR_INVALID_HANDLE for no root.
long loadHive(HKey root, RegistryHive& hive);
// ERROR_SUCCESS, or ERROR_WRITE_FAULT when the file cannot be written (the old one stays).
long saveHive(HKey root, const RegistryHive& hive);

}  // namespace qv::settings
