#pragma once
// Processes and threads as the host lists them.
#include <cstdint>

namespace qv::host {

struct ThreadEntry {
    uint32_t threadId = 0;
    uint32_t ownerProcessId = 0;
    bool operator==(const ThreadEntry&) const = default;
};

// What suspendThread and resumeThread return when they refuse or fail.
inline constexpr int kThreadCallFailed = -1;

}  // namespace qv::host
