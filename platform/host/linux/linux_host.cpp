#include "platform/host/linux/linux_host.h"

#include <ifaddrs.h>
#include <linux/capability.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <unordered_map>

#include "platform/base/files.h"
#include "platform/host/linux/net_interfaces.h"
#include "platform/host/linux/proc_files.h"
#include "platform/host/linux/proc_snmp.h"
#include "platform/host/linux/process_info.h"
#include "platform/host/linux/routes.h"
#include "platform/host/linux/sock_destroy.h"
#include "platform/host/linux/socket_owners.h"
#include "platform/host/linux/tcp_dump.h"
#include "platform/host/names.h"

namespace qv::host {

// Processes held by process file descriptors: a signal sent through one reaches the process it
// was opened on or, once that has ended, nobody.
class LinuxHost::Access final : public ProcessAccess {
public:
    std::optional<uint32_t> ownerOfThread(uint32_t threadId) override { return procfs::threadOwner(threadId); }
    std::optional<int> hold(uint32_t processId) override {
        if (processId == 0 || processId > 0x7FFFFFFFu) return std::nullopt;
        const int fd = static_cast<int>(::syscall(SYS_pidfd_open, static_cast<pid_t>(processId), 0));
        if (fd < 0) return std::nullopt;
        return fd;
    }
    bool running(int handle) override {
        // The descriptor becomes readable when the process has ended (a zombie included).
        pollfd p{handle, POLLIN, 0};
        int rc;
        do {
            rc = ::poll(&p, 1, 0);
        } while (rc < 0 && errno == EINTR);
        return rc == 0;
    }
    bool stop(int handle) override { return signal(handle, SIGSTOP); }
    bool resume(int handle) override { return signal(handle, SIGCONT); }
    bool kill(int handle) override { return signal(handle, SIGKILL); }
    void release(int handle) override { ::close(handle); }

private:
    static bool signal(int handle, int sig) { return ::syscall(SYS_pidfd_send_signal, handle, sig, nullptr, 0) == 0; }
};

LinuxHost::LinuxHost()
    : ownPid_(static_cast<uint32_t>(::getpid())),
      parentPid_(static_cast<uint32_t>(::getppid())),
      access_(std::make_unique<Access>()),
      suspender_(*access_, [this](uint32_t pid) { return mayControlProcess(pid); }) {}

LinuxHost::~LinuxHost() { suspender_.releaseAll(); }

// --- TCP table ---

bool LinuxHost::readTcpEntries(std::vector<procfs::TcpEntry>& entries) {
    if (sockdiag::dumpTcpSockets(entries, buffer_)) return true;
    // Without socket diagnostics in the kernel, the text lists of procfs give the same.
    entries.clear();
    if (!procfs::readWholeFile("/proc/net/tcp", buffer_)) return false;
    entries.reserve(buffer_.size() / 150 + 1);
    procfs::appendTcpEntries(buffer_, false, entries);
    // IPv4 connections of dual-stack sockets; a system without IPv6 has no such file. Producing
    // the list walks the kernel's whole connection hash, so it is skipped while no IPv6 TCP
    // socket is open.
    if (procfs::readWholeFile("/proc/net/sockstat6", buffer_) && procfs::socketsInUse(buffer_, "TCP6") == 0u)
        return true;
    if (procfs::readWholeFile("/proc/net/tcp6", buffer_)) procfs::appendTcpEntries(buffer_, true, entries);
    return true;
}

bool LinuxHost::readTcpTable(std::vector<TcpRow>& rows) {
    rows.clear();
    if (!readTcpEntries(entries_)) return false;
    rows.reserve(entries_.size());
    for (const auto& e : entries_) rows.push_back(e.row);
    return true;
}

bool LinuxHost::setTcpEntry(const TcpRow& row) {
    if (row.state != kTcpDeleteTcb) return false;
    sockdiag::DestroyResult result = sockdiag::destroyTcpConnection(row);
    if (result == sockdiag::DestroyResult::kNotPermitted) closeRefused_ = true;
    return result == sockdiag::DestroyResult::kDestroyed;
}

bool LinuxHost::canCloseConnections() {
    if (closeRefused_) return false;
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2]{};
    if (::syscall(SYS_capget, &header, data) != 0) return false;
    return (data[CAP_NET_ADMIN / 32].effective & (1u << (CAP_NET_ADMIN % 32))) != 0;
}

// --- statistics, interfaces, internet state ---

namespace {

procfs::SnmpCounters snmpCounters() {
    procfs::SnmpCounters c;
    if (auto t = procfs::readWholeFile(std::string("/proc/net/snmp"))) procfs::addSnmpCounters(*t, c);
    if (auto t = procfs::readWholeFile(std::string("/proc/net/netstat"))) procfs::addSnmpCounters(*t, c);
    return c;
}

uint32_t tableEntries(const char* path) {
    auto t = procfs::readWholeFile(std::string(path));
    return t ? procfs::countTableEntries(*t) : 0;
}

}  // namespace

std::optional<TcpStats> LinuxHost::tcpStatistics() { return procfs::tcpStatsFrom(snmpCounters()); }

std::optional<IpStats> LinuxHost::ipStatistics() {
    auto s = procfs::ipStatsFrom(snmpCounters());
    if (!s) return s;
    s->numRoutes = tableEntries("/proc/net/route");
    if (auto t = procfs::readWholeFile(std::string("/proc/net/dev"))) s->numIf = static_cast<uint32_t>(procfs::parseNetDev(*t).size());
    ifaddrs* list = nullptr;
    if (::getifaddrs(&list) == 0) {
        for (ifaddrs* a = list; a; a = a->ifa_next)
            if (a->ifa_addr && a->ifa_addr->sa_family == AF_INET) ++s->numAddr;
        ::freeifaddrs(list);
    }
    return s;
}

std::optional<UdpStats> LinuxHost::udpStatistics() {
    auto s = procfs::udpStatsFrom(snmpCounters());
    if (s) s->numAddrs = tableEntries("/proc/net/udp");
    return s;
}

std::optional<IcmpStats> LinuxHost::icmpStatistics() { return procfs::icmpStatsFrom(snmpCounters()); }

std::optional<std::vector<InterfaceRow>> LinuxHost::interfaceTable() {
    auto dev = procfs::readWholeFile(std::string("/proc/net/dev"));
    if (!dev) return std::nullopt;
    return procfs::readInterfaces("/sys/class/net", procfs::parseNetDev(*dev));
}

InternetState LinuxHost::internetState() {
    auto v4 = procfs::readWholeFile(std::string("/proc/net/route"));
    auto v6 = procfs::readWholeFile(std::string("/proc/net/ipv6_route"));
    bool online = (v4 && procfs::hasDefaultRoute4(*v4)) || (v6 && procfs::hasDefaultRoute6(*v6));
    if (!online) return {false, 0};
    return {true, kInternetLan | kInternetConfigured};
}

// --- processes and threads ---

std::vector<uint32_t> LinuxHost::processIds() { return procfs::listProcessIds(); }

std::string LinuxHost::processPath(uint32_t processId) { return procfs::executablePath(processId); }

std::vector<ThreadEntry> LinuxHost::threadSnapshot() { return procfs::listThreads(); }

int LinuxHost::suspendThread(uint32_t threadId) { return suspender_.suspend(threadId); }

int LinuxHost::resumeThread(uint32_t threadId) { return suspender_.resume(threadId); }

bool LinuxHost::terminateProcess(uint32_t processId, uint32_t /*exitCode*/) {
    if (!mayControlProcess(processId)) return false;
    // A process stopped here is ended through its handle: if it has ended already, the process
    // that now has its id is left alone.
    if (const auto held = suspender_.terminate(processId)) return *held;
    auto stat = procfs::processStat(processId);
    if (!stat || stat->state == 'Z' || stat->state == 'X') return false;
    return procfs::signalProcess(processId, stat->startTime, SIGKILL);
}

bool LinuxHost::mayControlProcess(uint32_t processId) const {
    return processId != 0 && processId != 1 && processId != ownPid_ && processId != parentPid_ &&
           processId != static_cast<uint32_t>(::getppid());
}

// --- the netstat command ---

bool LinuxHost::ownedConnections(std::vector<OwnedConnection>& connections) {
    connections.clear();
    if (!readTcpEntries(entries_)) return false;
    std::unordered_map<uint64_t, uint32_t> owners;
    owners.reserve(entries_.size());
    for (const auto& e : entries_)
        if (e.row.state != kTcpListen && e.inode != 0) owners.emplace(e.inode, 0);
    procfs::findSocketOwners("/proc", owners);
    connections.reserve(entries_.size());
    for (const auto& e : entries_) {
        auto it = e.inode ? owners.find(e.inode) : owners.end();
        connections.push_back({e.row, it == owners.end() ? 0u : it->second});
    }
    return true;
}

NetstatResult LinuxHost::runNetstat() {
    NetstatResult r;
    std::vector<OwnedConnection> connections;
    if (!ownedConnections(connections)) {
        r.failure = NetstatResult::kReadFailed;
        r.errorCode = static_cast<uint32_t>(errno);
        return r;
    }
    r.output = netstatText(connections);
    return r;
}

// --- names ---

std::optional<uint32_t> LinuxHost::hostByName(std::string_view name) {
    if (auto a = addressFromDotted(name)) return a;
    std::string n(name);
    if (n.empty() || n.find('\0') != std::string::npos) return std::nullopt;
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (::getaddrinfo(n.c_str(), nullptr, &hints, &found) != 0 || !found) return std::nullopt;
    std::optional<uint32_t> address;
    for (addrinfo* a = found; a && !address; a = a->ai_next) {
        if (a->ai_family != AF_INET) continue;
        sockaddr_in sin;
        std::memcpy(&sin, a->ai_addr, sizeof sin);
        address = static_cast<uint32_t>(sin.sin_addr.s_addr);
    }
    ::freeaddrinfo(found);
    return address;
}

std::optional<std::string> LinuxHost::hostByAddress(uint32_t address) {
    sockaddr_in sin{};
    sin.sin_family = AF_INET;
    sin.sin_addr.s_addr = address;
    char name[NI_MAXHOST];
    if (::getnameinfo(reinterpret_cast<sockaddr*>(&sin), sizeof sin, name, sizeof name, nullptr, 0, NI_NAMEREQD) != 0)
        return std::nullopt;
    return std::string(name);
}

// --- files ---

std::optional<base::DateTime> LinuxHost::fileModified(std::string_view path) { return base::fileModified(path); }

}  // namespace qv::host
