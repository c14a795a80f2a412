#pragma once
// Processes and threads as procfs shows them, and signals that reach exactly the process meant.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/host/processes.h"

namespace qv::host::procfs {

// What a process's stat line gives: its state letter and its start time (clock ticks after boot),
// which tells a process from a later one with the same id.
struct ProcessStat {
    char state = '?';
    uint32_t parentId = 0;
    uint64_t startTime = 0;
};
// Reads "pid (name) S ppid ..." (the name may hold blanks and parentheses); nullopt when the
// text does not read.
std::optional<ProcessStat> parseProcessStat(std::string_view statText);
std::optional<ProcessStat> processStat(uint32_t processId);

// The numeric folders of /proc, in the order the kernel lists them.
std::vector<uint32_t> listProcessIds();
// The executable path of a process; "" when it is gone, a kernel thread or not readable.
std::string executablePath(uint32_t processId);
// Every thread of every process.
std::vector<ThreadEntry> listThreads();
// The process a thread belongs to; nullopt when there is no such thread.
std::optional<uint32_t> threadOwner(uint32_t threadId);

// Sends a signal to the process when it is still the one that started at startTime. The process
// is held through a process file descriptor while it is checked, so a recycled id is never hit.
bool signalProcess(uint32_t processId, uint64_t startTime, int signal);

}  // namespace qv::host::procfs
