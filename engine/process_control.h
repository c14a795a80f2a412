#pragma once
// Holding an application still while the user is asked about it, letting it go again, and ending
// it. Processes the host refuses to touch (0, 1, the program's own and its parent) are left alone.
#include <cstdint>
#include <vector>

#include "platform/host/processes.h"

namespace qv::engine {

// Fills list with every thread of a system-wide snapshot and returns its last index, or -1 when
// the snapshot is empty. (The process id does not narrow a thread snapshot.)
int32_t ListProcessThreads(std::vector<host::ThreadEntry>& list, int32_t processId);

// Suspend or resume one thread once; failures are ignored.
void SuspendThreadById(int32_t threadId);
void ResumeThreadById(int32_t threadId);

// Every thread of the process once. Suspending counts: a process suspended twice needs two
// resumes; resuming a running process leaves it running.
void SuspendProcess(int32_t processId);
void ResumeProcess(int32_t processId);

// Ends the process with exit code 0; failures are ignored.
void KillProcess(int32_t processId);

// The thread list of the last SuspendProcess or ResumeProcess.
const std::vector<host::ThreadEntry>& ThreadList();

}  // namespace qv::engine
