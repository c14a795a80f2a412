#pragma once
// The kernel's protocol counters (procfs net/snmp, and net/netstat in the same layout) read into
// the statistics the program shows.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "platform/host/stats.h"

namespace qv::host::procfs {

// Counters by "Group.Name" ("Tcp.ActiveOpens"), each kept as the low 32 bits of its value
// (negative values such as MaxConn -1 become their two's complement).
using SnmpCounters = std::map<std::string, uint32_t, std::less<>>;

// Adds the counters of a text made of line pairs "Group: Name1 Name2 ..." / "Group: v1 v2 ...".
// A pair whose lines do not match up (other group, fewer values) adds only what lines up.
void addSnmpCounters(std::string_view text, SnmpCounters& counters);

// The statistics from the counters; nullopt when the group ("Tcp", "Ip", "Udp", "Icmp") is not
// there. Fields the kernel does not count stay 0.
std::optional<TcpStats> tcpStatsFrom(const SnmpCounters& c);
std::optional<IpStats> ipStatsFrom(const SnmpCounters& c);
std::optional<UdpStats> udpStatsFrom(const SnmpCounters& c);
std::optional<IcmpStats> icmpStatsFrom(const SnmpCounters& c);

// Number of entries of a procfs table with one heading line (net/udp, net/route).
uint32_t countTableEntries(std::string_view text);

}  // namespace qv::host::procfs
