#pragma once
// Thread suspend counting on a system that can only stop whole processes: every thread keeps its
// own count as a thread would, and its process is stopped while any of its threads has a count
// above 0 (stopped at the first suspend, continued when the last one is resumed).
//
// A process is held by a handle from its first suspend until it is continued, ended or let go,
// and every signal to it goes through that handle: once it has ended, its id may belong to a
// newcomer, and the handle then reaches nobody instead of the newcomer.
#include <cstdint>
#include <functional>
#include <optional>
#include <unordered_map>
#include <utility>

namespace qv::host {

// What the counting needs of the machine; LinuxHost gives procfs and process file descriptors,
// tests a fake.
class ProcessAccess {
public:
    virtual ~ProcessAccess() = default;
    virtual std::optional<uint32_t> ownerOfThread(uint32_t threadId) = 0;
    // A handle on the running process that has the id now; nullopt when there is none.
    virtual std::optional<int> hold(uint32_t processId) = 0;
    // False once the held process has ended.
    virtual bool running(int handle) = 0;
    // Signals to the held process; false when it is gone.
    virtual bool stop(int handle) = 0;
    virtual bool resume(int handle) = 0;
    virtual bool kill(int handle) = 0;
    virtual void release(int handle) = 0;
};

class ThreadSuspender {
public:
    using Permission = std::function<bool(uint32_t processId)>;
    ThreadSuspender(ProcessAccess& access, Permission mayControl)
        : access_(access), mayControl_(std::move(mayControl)) {}
    // Lets go of the handles still held, without signals.
    ~ThreadSuspender();
    ThreadSuspender(const ThreadSuspender&) = delete;
    ThreadSuspender& operator=(const ThreadSuspender&) = delete;

    // Both return the thread's count before the call, or -1 when the thread is unknown, its
    // process is refused or gone, or the stop signal could not be sent. A thread held here whose
    // process has ended is dropped, and the call fails: its id may be another's by now.
    int suspend(uint32_t threadId);
    int resume(uint32_t threadId);
    int count(uint32_t threadId) const;
    // Ends a process held here through its handle and drops it; nullopt when it is not held.
    std::optional<bool> terminate(uint32_t processId);
    // Drops what is known of a process (it was terminated).
    void forget(uint32_t processId);
    // Continues every process still stopped here (the program is ending).
    void releaseAll();

private:
    struct Held {
        int handle = -1;
        int total = 0;                              // sum of the thread counts
        std::unordered_map<uint32_t, int> counts;  // thread id -> count (> 0)
    };
    using HeldMap = std::unordered_map<uint32_t, Held>;
    // The held process a thread is counted in.
    HeldMap::iterator heldThread(uint32_t threadId);
    // What is held under a process id, while that process runs; what was held for one that has
    // ended is dropped.
    HeldMap::iterator heldRunning(uint32_t processId);
    HeldMap::iterator drop(HeldMap::iterator it);

    ProcessAccess& access_;
    Permission mayControl_;
    HeldMap held_;  // process id -> its suspended threads
};

}  // namespace qv::host
