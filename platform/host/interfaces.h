#pragma once
// The interface table: one row per network interface, ordered by interface index.
#include <cstdint>
#include <string>
#include <vector>

namespace qv::host {

// Interface types (MIB-II numbers).
enum InterfaceType : uint32_t {
    kIfOther = 1,
    kIfEthernet = 6,
    kIfTokenRing = 9,
    kIfFddi = 15,
    kIfPpp = 23,
    kIfLoopback = 24,
    kIfSlip = 28,
    kIfTunnel = 131,
    kIfWireless = 71,
};

// Operational status values.
enum InterfaceOperStatus : uint32_t {
    kIfOperNonOperational = 0,
    kIfOperUnreachable = 1,
    kIfOperDisconnected = 2,
    kIfOperConnecting = 3,
    kIfOperConnected = 4,
    kIfOperOperational = 5,
};

// Administrative status values.
enum InterfaceAdminStatus : uint32_t { kIfAdminUp = 1, kIfAdminDown = 2 };

struct InterfaceRow {
    std::string name;
    uint32_t index = 0;
    uint32_t type = kIfOther;
    uint32_t mtu = 0;
    uint32_t speed = 0;  // bits per second
    std::vector<uint8_t> physicalAddress;  // empty when the interface has none (loopback)
    uint32_t adminStatus = kIfAdminUp;
    uint32_t operStatus = kIfOperOperational;
    uint32_t inOctets = 0;
    uint32_t inUcastPkts = 0;
    uint32_t inNUcastPkts = 0;
    uint32_t inDiscards = 0;
    uint32_t inErrors = 0;
    uint32_t inUnknownProtos = 0;
    uint32_t outOctets = 0;
    uint32_t outUcastPkts = 0;
    uint32_t outNUcastPkts = 0;
    uint32_t outDiscards = 0;
    uint32_t outErrors = 0;
    uint32_t outQLen = 0;
    std::string description;
    bool operator==(const InterfaceRow&) const = default;
};

}  // namespace qv::host
