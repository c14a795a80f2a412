#pragma once
// The interface table from sysfs class/net (one folder per interface) and the counters of
// procfs net/dev.
#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/host/interfaces.h"

namespace qv::host::procfs {

// The 16 counters of one net/dev line: receive bytes, packets, errs, drop, fifo, frame,
// compressed, multicast, then transmit bytes, packets, errs, drop, fifo, colls, carrier,
// compressed.
using NetDevCounters = std::array<uint64_t, 16>;
enum NetDevField : size_t {
    kRxBytes = 0, kRxPackets = 1, kRxErrs = 2, kRxDrop = 3, kRxMulticast = 7,
    kTxBytes = 8, kTxPackets = 9, kTxErrs = 10, kTxDrop = 11,
};

// The counters by interface name; lines that do not read are left out.
std::map<std::string, NetDevCounters, std::less<>> parseNetDev(std::string_view text);

// The interface type number for a kernel hardware type (ARPHRD_*).
uint32_t interfaceTypeFromHardware(unsigned hardwareType, bool wireless);
// The operational status from the kernel's operstate word, whether the interface is up and
// whether it has a carrier.
uint32_t operStatusFrom(std::string_view operstate, bool adminUp, bool carrier);

// One row per interface folder under classNet, ordered by interface index, with the counters of
// netDev (32-bit, wrapping). Interfaces whose folder cannot be read are left out.
std::vector<InterfaceRow> readInterfaces(const std::string& classNet,
                                         const std::map<std::string, NetDevCounters, std::less<>>& netDev);

}  // namespace qv::host::procfs
