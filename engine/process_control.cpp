#include "engine/process_control.h"

#include "platform/host/host.h"

namespace qv::engine {

namespace {

std::vector<host::ThreadEntry>& threadList() {
    static std::vector<host::ThreadEntry> list;
    return list;
}

bool mayControl(int32_t processId) {
    return processId > 0 && host::currentHost().mayControlProcess(static_cast<uint32_t>(processId));
}

template <typename Action>
void forEachThreadOf(int32_t processId, Action action) {
    if (!mayControl(processId)) return;
    auto& list = threadList();
    int32_t last = ListProcessThreads(list, processId);
    for (int32_t i = 0; i <= last; ++i) {
        const host::ThreadEntry& t = list[static_cast<std::size_t>(i)];
        if (t.ownerProcessId == static_cast<uint32_t>(processId)) action(static_cast<int32_t>(t.threadId));
    }
}

}  // namespace

int32_t ListProcessThreads(std::vector<host::ThreadEntry>& list, int32_t /*processId*/) {
    list = host::currentHost().threadSnapshot();
    return static_cast<int32_t>(list.size()) - 1;
}

void SuspendThreadById(int32_t threadId) { host::currentHost().suspendThread(static_cast<uint32_t>(threadId)); }
void ResumeThreadById(int32_t threadId) { host::currentHost().resumeThread(static_cast<uint32_t>(threadId)); }

void SuspendProcess(int32_t processId) {
    if (!mayControl(processId)) return;
    forEachThreadOf(processId, SuspendThreadById);
    ++SuspendedProcesses()[processId];
}

void ResumeProcess(int32_t processId) {
    forEachThreadOf(processId, ResumeThreadById);
    auto& held = SuspendedProcesses();
    auto it = held.find(processId);
    if (it != held.end() && --it->second <= 0) held.erase(it);
}

void KillProcess(int32_t processId) {
    if (!mayControl(processId)) return;
    host::currentHost().terminateProcess(static_cast<uint32_t>(processId), 0);
    SuspendedProcesses().erase(processId);
}

std::map<int32_t, int>& SuspendedProcesses() {
    static std::map<int32_t, int> held;
    return held;
}

void ResumeSuspendedProcesses() {
    const std::map<int32_t, int> held = SuspendedProcesses();
    for (const auto& [processId, times] : held)
        for (int i = 0; i < times; ++i) ResumeProcess(processId);
}

const std::vector<host::ThreadEntry>& ThreadList() { return threadList(); }

}  // namespace qv::engine
