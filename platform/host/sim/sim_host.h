#pragma once
// SimHost: a deterministic machine for tests and for the program's demonstration mode. It holds
// processes with paths and threads, connections with owners and states, counters, interfaces,
// names and file dates, all set by a scenario text or by calls; it records what the program did
// to it (suspend counts, terminated processes, deleted connections, refused calls).
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/host/host.h"

namespace qv::host {

class SimHost final : public Host {
public:
    // An empty machine: no process, no connection, zero counters, an empty interface table,
    // offline. The program's own process is 0 until setOwnProcess.
    SimHost() = default;
    // The machine of the shipped default scenario.
    static SimHost withDefaultScenario();
    static const char* defaultScenarioText();

    // Adds the items of a scenario text (format: see assets/host/default_scenario.txt). On an
    // error nothing of the text is added and error (when given) says "line N: ...".
    bool loadScenario(std::string_view text, std::string* error = nullptr);

    // --- building the machine ---
    void setOwnProcess(uint32_t processId, uint32_t parentId);
    // A process; re-adding a process id replaces its path and keeps its threads.
    void addProcess(uint32_t processId, std::string path, const std::vector<uint32_t>& threadIds = {});
    void addThread(uint32_t threadId, uint32_t processId);
    // Removes the process with its threads and its connections.
    void removeProcess(uint32_t processId);
    // Adds a connection owned by processId (0: no owner); a connection with the same endpoints
    // is replaced.
    void addConnection(const TcpRow& row, uint32_t processId);
    bool removeConnection(const TcpRow& row);  // by endpoints
    void setTcpStatistics(std::optional<TcpStats> s) { tcpStats_ = s; }
    void setIpStatistics(std::optional<IpStats> s) { ipStats_ = s; }
    void setUdpStatistics(std::optional<UdpStats> s) { udpStats_ = s; }
    void setIcmpStatistics(std::optional<IcmpStats> s) { icmpStats_ = s; }
    void setInterfaces(std::optional<std::vector<InterfaceRow>> rows) { interfaces_ = std::move(rows); }
    void setInternetState(InternetState s) { internet_ = s; }
    // A name with its address; the first address given for a name and the first name given for
    // an address are the ones the lookups answer.
    void addName(const std::string& name, uint32_t address);
    void setFileModified(const std::string& path, const base::DateTime& when);
    void setWindowsDirectory(std::string dir) { windowsDir_ = std::move(dir); }
    // false makes every connection delete fail, as without network-administration rights.
    void setCanDeleteConnections(bool can) { canDelete_ = can; }
    // Makes runNetstat fail the given way (kNone: works again).
    void setNetstatFailure(NetstatResult::Failure failure, uint32_t errorCode = 0);

    // --- reading back what the program did ---
    int suspendCount(uint32_t threadId) const;
    // True when any thread of the process is suspended.
    bool isSuspended(uint32_t processId) const;
    bool hasProcess(uint32_t processId) const { return processes_.count(processId) != 0; }
    struct Termination {
        uint32_t processId;
        uint32_t exitCode;
        bool operator==(const Termination&) const = default;
    };
    const std::vector<Termination>& terminated() const { return terminated_; }
    const std::vector<TcpRow>& deletedConnections() const { return deleted_; }
    // Process ids of suspend, resume and terminate calls refused for safety, in call order.
    const std::vector<uint32_t>& refusedProcessIds() const { return refused_; }
    const std::vector<OwnedConnection>& connections() const { return connections_; }

    // --- Host ---
    bool readTcpTable(std::vector<TcpRow>& rows) override;
    bool setTcpEntry(const TcpRow& row) override;
    bool canCloseConnections() override { return canDelete_; }
    std::optional<TcpStats> tcpStatistics() override { return tcpStats_; }
    std::optional<IpStats> ipStatistics() override { return ipStats_; }
    std::optional<UdpStats> udpStatistics() override { return udpStats_; }
    std::optional<IcmpStats> icmpStatistics() override { return icmpStats_; }
    std::optional<std::vector<InterfaceRow>> interfaceTable() override { return interfaces_; }
    InternetState internetState() override { return internet_; }
    std::vector<uint32_t> processIds() override;
    std::string processPath(uint32_t processId) override;
    std::vector<ThreadEntry> threadSnapshot() override { return threads_; }
    int suspendThread(uint32_t threadId) override;
    int resumeThread(uint32_t threadId) override;
    bool terminateProcess(uint32_t processId, uint32_t exitCode) override;
    bool mayControlProcess(uint32_t processId) const override;
    NetstatResult runNetstat() override;
    std::optional<uint32_t> hostByName(std::string_view name) override;
    std::optional<std::string> hostByAddress(uint32_t address) override;
    std::optional<base::DateTime> fileModified(std::string_view path) override;
    std::string windowsDirectory() override { return windowsDir_; }

private:
    // The owner of a thread, or nullopt.
    std::optional<uint32_t> ownerOf(uint32_t threadId) const;
    // The owner when the thread exists and may be controlled; records refusals.
    std::optional<uint32_t> controllableOwner(uint32_t threadId);

    uint32_t ownPid_ = 0;
    uint32_t parentPid_ = 0;
    std::vector<uint32_t> processOrder_;
    std::unordered_map<uint32_t, std::string> processes_;
    std::vector<ThreadEntry> threads_;
    std::unordered_map<uint32_t, int> suspendCounts_;
    std::vector<OwnedConnection> connections_;
    std::optional<TcpStats> tcpStats_ = TcpStats{};
    std::optional<IpStats> ipStats_ = IpStats{};
    std::optional<UdpStats> udpStats_ = UdpStats{};
    std::optional<IcmpStats> icmpStats_ = IcmpStats{};
    std::optional<std::vector<InterfaceRow>> interfaces_ = std::vector<InterfaceRow>{};
    InternetState internet_;
    std::map<std::string, uint32_t> namesToAddresses_;  // keys in lower case
    std::map<uint32_t, std::string> addressesToNames_;
    std::map<std::string, base::DateTime> fileDates_;  // keys in lower case
    std::string windowsDir_ = "C:\\WINDOWS\\";
    bool canDelete_ = true;
    NetstatResult::Failure netstatFailure_ = NetstatResult::kNone;
    uint32_t netstatError_ = 0;
    std::vector<Termination> terminated_;
    std::vector<TcpRow> deleted_;
    std::vector<uint32_t> refused_;
};

}  // namespace qv::host
