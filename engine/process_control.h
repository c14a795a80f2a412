#pragma once
// Holding an application still while the user is asked about it, letting it go again, and ending
// it. Processes the host refuses to touch (0, 1, the program's own and its parent) are left alone.
#include <cstdint>
#include <map>
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

// The processes this run suspended and has not let go yet (an open alert holds each), with how
// often each was suspended. ResumeProcess takes one off, KillProcess forgets the process.
std::map<int32_t, int>& SuspendedProcesses();
// Lets every one of them go, as often as it was suspended: the program's end leaves no process
// of the machine frozen.
void ResumeSuspendedProcesses();

// The thread list of the last SuspendProcess or ResumeProcess.
const std::vector<host::ThreadEntry>& ThreadList();

}  // namespace qv::engine
