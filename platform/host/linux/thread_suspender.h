#pragma once
// Thread suspend counting on a system that can only stop whole processes: every thread keeps its
// own count as a thread would, and its process is stopped while any of its threads has a count
// above 0 (stopped at the first suspend, continued when the last one is resumed).
#include <cstdint>
#include <functional>
#include <optional>
#include <unordered_map>
#include <utility>

namespace qv::host {

// What the counting needs of the machine; LinuxHost gives procfs and signals, tests a fake.
class ProcessAccess {
public:
    virtual ~ProcessAccess() = default;
    virtual std::optional<uint32_t> ownerOfThread(uint32_t threadId) = 0;
    // The start time that tells this process from a later one with the same id; nullopt: gone.
    virtual std::optional<uint64_t> startTime(uint32_t processId) = 0;
    virtual bool stop(uint32_t processId, uint64_t startTime) = 0;
    virtual bool resume(uint32_t processId, uint64_t startTime) = 0;
};

class ThreadSuspender {
public:
    using Permission = std::function<bool(uint32_t processId)>;
    ThreadSuspender(ProcessAccess& access, Permission mayControl)
        : access_(access), mayControl_(std::move(mayControl)) {}

    // Both return the thread's count before the call, or -1 when the thread is unknown, its
    // process is refused or gone, or the stop signal could not be sent.
    int suspend(uint32_t threadId);
    int resume(uint32_t threadId);
    int count(uint32_t threadId) const;
    // Drops what is known of a process (it was terminated).
    void forget(uint32_t processId);
    // Continues every process still stopped here (the program is ending).
    void releaseAll();

private:
    struct Held {
        uint64_t startTime = 0;
        int total = 0;                              // sum of the thread counts
        std::unordered_map<uint32_t, int> counts;  // thread id -> count (> 0)
    };
    using HeldMap = std::unordered_map<uint32_t, Held>;
    // The owning process of a thread: the one holding it here, else what the machine says.
    std::optional<uint32_t> ownerOf(uint32_t threadId) const;
    // The owner and its start time when it may be controlled and still runs; what was held
    // for an owner that is gone is dropped.
    std::optional<std::pair<uint32_t, uint64_t>> liveOwner(uint32_t threadId);
    // What is held for this very process; what was held for an earlier one with its id is dropped.
    HeldMap::iterator heldFor(uint32_t processId, uint64_t startTime);

    ProcessAccess& access_;
    Permission mayControl_;
    HeldMap held_;  // process id -> its suspended threads
};

}  // namespace qv::host
