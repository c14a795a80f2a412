#pragma once
// LinuxHost: this computer. Connections come from socket diagnostics (netlink) and procfs,
// counters from procfs and sysfs; connections are closed through netlink socket destruction
// (needs the network-administration capability), and processes are stopped, continued and ended
// with signals. Process 0, process 1, the program's own process and its parent are never
// signalled.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/host/host.h"
#include "platform/host/linux/proc_tcp.h"
#include "platform/host/linux/thread_suspender.h"

namespace qv::host {

class LinuxHost final : public Host {
public:
    LinuxHost();
    // Continues every process this host still holds stopped.
    ~LinuxHost() override;
    LinuxHost(const LinuxHost&) = delete;
    LinuxHost& operator=(const LinuxHost&) = delete;

    // The kernel's TCP sockets with their inodes, from a socket-diagnostics dump (procfs net/tcp
    // where the kernel has none); false (entries emptied, errno set) when neither can be read.
    bool readTcpEntries(std::vector<procfs::TcpEntry>& entries);
    // The netstat connections with the owners found by socket inode (0 where none is found).
    bool ownedConnections(std::vector<OwnedConnection>& connections);

    // --- Host ---
    bool readTcpTable(std::vector<TcpRow>& rows) override;
    bool setTcpEntry(const TcpRow& row) override;
    // The network-administration capability is held, and no close has been refused for want of it.
    bool canCloseConnections() override;
    std::optional<TcpStats> tcpStatistics() override;
    std::optional<IpStats> ipStatistics() override;
    std::optional<UdpStats> udpStatistics() override;
    std::optional<IcmpStats> icmpStatistics() override;
    std::optional<std::vector<InterfaceRow>> interfaceTable() override;
    InternetState internetState() override;
    std::vector<uint32_t> processIds() override;
    std::string processPath(uint32_t processId) override;
    std::vector<ThreadEntry> threadSnapshot() override;
    // Stops the owning process at a thread's first suspend, continues it when its last
    // suspended thread is resumed. A stopped process is held by a process file descriptor until
    // then, so no signal meant for it reaches a later process with its id.
    int suspendThread(uint32_t threadId) override;
    int resumeThread(uint32_t threadId) override;
    // SIGKILL (through the held descriptor for a process stopped here); the exit code cannot be
    // chosen on this system and is not used.
    bool terminateProcess(uint32_t processId, uint32_t exitCode) override;
    bool mayControlProcess(uint32_t processId) const override;
    NetstatResult runNetstat() override;
    std::optional<uint32_t> hostByName(std::string_view name) override;
    std::optional<std::string> hostByAddress(uint32_t address) override;
    std::optional<base::DateTime> fileModified(std::string_view path) override;
    std::string windowsDirectory() override { return "/"; }

private:
    class Access;

    uint32_t ownPid_;
    uint32_t parentPid_;  // the parent at start; the current parent is refused as well
    bool closeRefused_ = false;  // a close was refused for want of the capability
    std::string buffer_;  // reused for the TCP lists
    std::vector<procfs::TcpEntry> entries_;
    std::unique_ptr<ProcessAccess> access_;
    ThreadSuspender suspender_;
};

}  // namespace qv::host
