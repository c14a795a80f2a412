#pragma once
// Protocol statistics: TCP, IP, UDP and ICMP counters, each field in the order the statistics
// views list them. Counters are 32-bit and wrap; a value the machine does not keep is 0.
#include <cstdint>

namespace qv::host {

struct TcpStats {
    uint32_t rtoAlgorithm = 0;
    uint32_t rtoMin = 0;
    uint32_t rtoMax = 0;
    uint32_t maxConn = 0;  // 0xFFFFFFFF (-1) when the maximum is dynamic
    uint32_t activeOpens = 0;
    uint32_t passiveOpens = 0;
    uint32_t attemptFails = 0;
    uint32_t estabResets = 0;
    uint32_t currEstab = 0;
    uint32_t inSegs = 0;
    uint32_t outSegs = 0;
    uint32_t retransSegs = 0;
    uint32_t inErrs = 0;
    uint32_t outRsts = 0;
    uint32_t numConns = 0;
    bool operator==(const TcpStats&) const = default;
};

struct IpStats {
    uint32_t forwarding = 0;  // 1 forwarding, 2 not forwarding
    uint32_t defaultTTL = 0;
    uint32_t inReceives = 0;
    uint32_t inHdrErrors = 0;
    uint32_t inAddrErrors = 0;
    uint32_t forwDatagrams = 0;
    uint32_t inUnknownProtos = 0;
    uint32_t inDiscards = 0;
    uint32_t inDelivers = 0;
    uint32_t outRequests = 0;
    uint32_t routingDiscards = 0;
    uint32_t outDiscards = 0;
    uint32_t outNoRoutes = 0;
    uint32_t reasmTimeout = 0;
    uint32_t reasmReqds = 0;
    uint32_t reasmOks = 0;
    uint32_t reasmFails = 0;
    uint32_t fragOks = 0;
    uint32_t fragFails = 0;
    uint32_t fragCreates = 0;
    uint32_t numIf = 0;
    uint32_t numAddr = 0;
    uint32_t numRoutes = 0;
    bool operator==(const IpStats&) const = default;
};

struct UdpStats {
    uint32_t inDatagrams = 0;
    uint32_t noPorts = 0;
    uint32_t inErrors = 0;
    uint32_t outDatagrams = 0;
    uint32_t numAddrs = 0;
    bool operator==(const UdpStats&) const = default;
};

// One direction of the ICMP counters.
struct IcmpCounts {
    uint32_t msgs = 0;
    uint32_t errors = 0;
    uint32_t destUnreachs = 0;
    uint32_t timeExcds = 0;
    uint32_t parmProbs = 0;
    uint32_t srcQuenchs = 0;
    uint32_t redirects = 0;
    uint32_t echos = 0;
    uint32_t echoReps = 0;
    uint32_t timestamps = 0;
    uint32_t timestampReps = 0;
    uint32_t addrMasks = 0;
    uint32_t addrMaskReps = 0;
    bool operator==(const IcmpCounts&) const = default;
};

struct IcmpStats {
    IcmpCounts in;
    IcmpCounts out;
    bool operator==(const IcmpStats&) const = default;
};

}  // namespace qv::host
