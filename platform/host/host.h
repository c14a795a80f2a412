#pragma once
// The machine as the program sees it. The engine and the windows reach the computer only through
// this interface; SimHost (a scripted machine) and LinuxHost (this computer) implement it. The
// program has one current host: the default-scenario SimHost unless another is installed.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/base/datetime.h"
#include "platform/host/interfaces.h"
#include "platform/host/internet.h"
#include "platform/host/netstat.h"
#include "platform/host/processes.h"
#include "platform/host/stats.h"
#include "platform/host/tcp_table.h"

namespace qv::host {

class Host {
public:
    virtual ~Host() = default;

    // --- TCP table ---
    // Fills rows with every IPv4 TCP connection and listener there is (no row limit); false
    // (rows emptied) when the table cannot be read.
    virtual bool readTcpTable(std::vector<TcpRow>& rows) = 0;
    // A row whose state is kTcpDeleteTcb closes the connection with the row's endpoints; true when
    // it was closed. Any other state, an unknown connection or too little privilege give false.
    virtual bool setTcpEntry(const TcpRow& row) = 0;
    // False when the program lacks the rights to close connections (on Linux the
    // network-administration capability): every setTcpEntry then fails.
    virtual bool canCloseConnections() { return true; }

    // --- statistics, interfaces, internet state ---
    virtual std::optional<TcpStats> tcpStatistics() = 0;
    virtual std::optional<IpStats> ipStatistics() = 0;
    virtual std::optional<UdpStats> udpStatistics() = 0;
    virtual std::optional<IcmpStats> icmpStatistics() = 0;
    // nullopt when the machine has no interface table.
    virtual std::optional<std::vector<InterfaceRow>> interfaceTable() = 0;
    virtual InternetState internetState() = 0;

    // --- processes and threads ---
    virtual std::vector<uint32_t> processIds() = 0;
    // The executable's full path; "" when the process is gone or cannot be read.
    virtual std::string processPath(uint32_t processId) = 0;
    // Every thread of the machine with its owning process.
    virtual std::vector<ThreadEntry> threadSnapshot() = 0;
    // Suspend counting: each suspend adds one, each resume takes one (never below 0); a thread
    // runs while its count is 0. Both return the count before the call, or kThreadCallFailed
    // when the thread is unknown or belongs to a process the host refuses to touch.
    virtual int suspendThread(uint32_t threadId) = 0;
    virtual int resumeThread(uint32_t threadId) = 0;
    // Ends the process; false when it is unknown or refused.
    virtual bool terminateProcess(uint32_t processId, uint32_t exitCode) = 0;
    // False for process 0, process 1, the program's own process and its parent: no suspend,
    // resume or terminate ever reaches them.
    virtual bool mayControlProcess(uint32_t processId) const = 0;

    // --- the netstat command ---
    // Runs "Netstat -o" with its output on a pipe and gives the whole text.
    virtual NetstatResult runNetstat() = 0;

    // --- names ---
    // The first IPv4 address registered for a host name.
    virtual std::optional<uint32_t> hostByName(std::string_view name) = 0;
    // The host name registered for an address; nullopt when there is none.
    virtual std::optional<std::string> hostByAddress(uint32_t address) = 0;

    // --- files and folders ---
    virtual std::optional<base::DateTime> fileModified(std::string_view path) = 0;
    // The Windows folder, ending in its separator.
    virtual std::string windowsDirectory() = 0;

    // Convenience over readTcpTable.
    std::vector<TcpRow> tcpTable() {
        std::vector<TcpRow> rows;
        readTcpTable(rows);
        return rows;
    }
};

// The current host.
Host& currentHost();
// Makes h the current host for good (the program's start-up choice); nullptr goes back to the
// default SimHost.
void setCurrentHost(Host* h);
// Installs a host as the current one for the object's lifetime.
class ScopedHost {
public:
    explicit ScopedHost(Host& h);
    ~ScopedHost();
    ScopedHost(const ScopedHost&) = delete;
    ScopedHost& operator=(const ScopedHost&) = delete;

private:
    Host* previous_;
};

}  // namespace qv::host
