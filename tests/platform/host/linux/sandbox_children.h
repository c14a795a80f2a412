#pragma once
// Child processes for the LinuxHost tests, started inside the sandbox: each runs a function and
// talks to the test over a pair of pipes, one line at a time.
#include <sys/types.h>

#include <cstdint>
#include <functional>
#include <string>

namespace qv::host::testing {

class ChildProcess {
public:
    // Forks; the child runs body(channel) and ends with its result as exit code.
    struct Channel {
        int in;   // lines from the test
        int out;  // lines to the test
        std::string readLine() const;
        void writeLine(const std::string& line) const;
    };
    explicit ChildProcess(const std::function<int(const Channel&)>& body);
    ~ChildProcess();  // kills and reaps a child still running
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    pid_t pid() const { return pid_; }
    std::string readLine() const { return channel_.readLine(); }
    void writeLine(const std::string& line) const { channel_.writeLine(line); }
    // Waits for the end; the wait status.
    int wait();

private:
    pid_t pid_ = -1;
    bool reaped_ = false;
    Channel channel_{-1, -1};
};

// The first line of a child that holds a loopback connection: "<listen port> <client port>".
struct Ports {
    uint16_t listen = 0, client = 0;
};
Ports readPorts(const ChildProcess& child);

// Runs body in a sandbox of its own namespaces (platform/host/linux/sandbox.h); failures
// reported there fail the calling test, and where no sandbox can be made the test is skipped.
void inSandbox(const std::function<void()>& body);

// Gives up the network-administration capability of the calling process; false when it cannot.
bool dropNetworkAdministration();

// Inside a sandbox's process namespace: makes the next process started get the id pid (an id
// that is free), as a recycled id would. False when the namespace does not allow it.
bool nextProcessIdWillBe(pid_t pid);

// The process state letter procfs shows ('S', 'R', 'T', ...); waits up to a few seconds for
// the state to become `want` and returns the last state seen.
char waitForState(pid_t pid, char want);

}  // namespace qv::host::testing
