#include "platform/host/linux/thread_suspender.h"

#include "platform/host/processes.h"

namespace qv::host {

std::optional<uint32_t> ThreadSuspender::ownerOf(uint32_t threadId) const {
    for (const auto& [pid, held] : held_)
        if (held.counts.count(threadId)) return pid;
    return access_.ownerOfThread(threadId);
}

int ThreadSuspender::count(uint32_t threadId) const {
    for (const auto& [pid, held] : held_)
        if (auto it = held.counts.find(threadId); it != held.counts.end()) return it->second;
    return 0;
}

std::optional<std::pair<uint32_t, uint64_t>> ThreadSuspender::liveOwner(uint32_t threadId) {
    auto owner = ownerOf(threadId);
    if (!owner || !mayControl_(*owner)) return std::nullopt;
    auto start = access_.startTime(*owner);
    if (!start) {
        held_.erase(*owner);
        return std::nullopt;
    }
    return std::pair{*owner, *start};
}

ThreadSuspender::HeldMap::iterator ThreadSuspender::heldFor(uint32_t processId, uint64_t startTime) {
    auto it = held_.find(processId);
    if (it != held_.end() && it->second.startTime != startTime) {
        held_.erase(it);  // an earlier process with the same id
        return held_.end();
    }
    return it;
}

int ThreadSuspender::suspend(uint32_t threadId) {
    auto live = liveOwner(threadId);
    if (!live) return kThreadCallFailed;
    const auto [owner, start] = *live;
    auto it = heldFor(owner, start);
    if (it == held_.end()) {
        if (!access_.stop(owner, start)) return kThreadCallFailed;
        it = held_.emplace(owner, Held{start, 0, {}}).first;
    }
    ++it->second.total;
    return it->second.counts[threadId]++;
}

int ThreadSuspender::resume(uint32_t threadId) {
    auto live = liveOwner(threadId);
    if (!live) return kThreadCallFailed;
    const auto [owner, start] = *live;
    auto it = heldFor(owner, start);
    if (it == held_.end()) return 0;
    Held& held = it->second;
    auto c = held.counts.find(threadId);
    if (c == held.counts.end()) return 0;  // a running thread: nothing to do
    int before = c->second;
    if (--c->second == 0) held.counts.erase(c);
    if (--held.total == 0) {
        access_.resume(owner, held.startTime);
        held_.erase(it);
    }
    return before;
}

void ThreadSuspender::forget(uint32_t processId) { held_.erase(processId); }

void ThreadSuspender::releaseAll() {
    for (const auto& [pid, held] : held_) access_.resume(pid, held.startTime);
    held_.clear();
}

}  // namespace qv::host
