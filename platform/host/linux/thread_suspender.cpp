#include "platform/host/linux/thread_suspender.h"

#include "platform/host/processes.h"

namespace qv::host {

ThreadSuspender::~ThreadSuspender() {
    for (const auto& [pid, held] : held_) access_.release(held.handle);
}

ThreadSuspender::HeldMap::iterator ThreadSuspender::heldThread(uint32_t threadId) {
    for (auto it = held_.begin(); it != held_.end(); ++it)
        if (it->second.counts.count(threadId)) return it;
    return held_.end();
}

ThreadSuspender::HeldMap::iterator ThreadSuspender::heldRunning(uint32_t processId) {
    auto it = held_.find(processId);
    if (it == held_.end() || access_.running(it->second.handle)) return it;
    drop(it);
    return held_.end();
}

ThreadSuspender::HeldMap::iterator ThreadSuspender::drop(HeldMap::iterator it) {
    access_.release(it->second.handle);
    return held_.erase(it);
}

int ThreadSuspender::count(uint32_t threadId) const {
    for (const auto& [pid, held] : held_)
        if (auto it = held.counts.find(threadId); it != held.counts.end()) return it->second;
    return 0;
}

int ThreadSuspender::suspend(uint32_t threadId) {
    if (auto it = heldThread(threadId); it != held_.end()) {
        if (!mayControl_(it->first)) return kThreadCallFailed;
        if (!access_.running(it->second.handle)) {
            drop(it);
            return kThreadCallFailed;
        }
        ++it->second.total;
        return it->second.counts[threadId]++;
    }
    const auto owner = access_.ownerOfThread(threadId);
    if (!owner || !mayControl_(*owner)) return kThreadCallFailed;
    if (auto it = heldRunning(*owner); it != held_.end()) {
        // Another thread of a process stopped here already: only counted.
        ++it->second.total;
        return it->second.counts[threadId]++;
    }
    const auto handle = access_.hold(*owner);
    if (!handle) return kThreadCallFailed;
    // The thread must still be the held process's: the id may have changed hands before the
    // handle was taken.
    if (access_.ownerOfThread(threadId) != owner || !access_.running(*handle) || !access_.stop(*handle)) {
        access_.release(*handle);
        return kThreadCallFailed;
    }
    held_.emplace(*owner, Held{*handle, 1, {{threadId, 1}}});
    return 0;
}

int ThreadSuspender::resume(uint32_t threadId) {
    auto it = heldThread(threadId);
    if (it == held_.end()) {
        // A running thread: nothing to do, when it is there to be controlled at all.
        const auto owner = access_.ownerOfThread(threadId);
        if (!owner || !mayControl_(*owner)) return kThreadCallFailed;
        heldRunning(*owner);  // what was held for an ended process of that id goes
        return 0;
    }
    if (!mayControl_(it->first)) return kThreadCallFailed;
    if (!access_.running(it->second.handle)) {
        drop(it);
        return kThreadCallFailed;
    }
    Held& held = it->second;
    auto c = held.counts.find(threadId);
    const int before = c->second;
    if (--c->second == 0) held.counts.erase(c);
    if (--held.total == 0) {
        access_.resume(held.handle);
        drop(it);
    }
    return before;
}

std::optional<bool> ThreadSuspender::terminate(uint32_t processId) {
    auto it = held_.find(processId);
    if (it == held_.end()) return std::nullopt;
    const bool ended = access_.running(it->second.handle) && access_.kill(it->second.handle);
    drop(it);
    return ended;
}

void ThreadSuspender::forget(uint32_t processId) {
    if (auto it = held_.find(processId); it != held_.end()) drop(it);
}

void ThreadSuspender::releaseAll() {
    for (auto it = held_.begin(); it != held_.end();) {
        access_.resume(it->second.handle);  // a process that has ended is reached no more
        it = drop(it);
    }
}

}  // namespace qv::host
