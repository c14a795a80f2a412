#include "ui/main/statistics_rows.h"

namespace qv::ui {

const std::array<std::string_view, 15> kTcpRowLabels = {
    "Timeout algorithm", "Minimum timeout", "Maximum timeout", "Maximum connections", "Active opens",
    "Passive opens", "Failed attempts", "Establised connections reset", "Established connections",
    "Segments received", "Segment sent", "Segments retransmitted", "Incoming errors", "Outgoing resets",
    "Cumulative connections"};

const std::array<std::string_view, 23> kIpRowLabels = {
    "IP forwarding enabled or disabled", "Default time-to-live", "Datagrams received", "Received header errors",
    "Received address errors", "datagrams forwarded", "datagrams with unknown protocol",
    "received datagrams discarded", "received datagrams delivered", "outgoing datagrams requested",
    "outgoing datagrams discarded", "sent datagrams discarded", "datagrams for which no route",
    "datagrams for which all frags didn't arrive", "datagrams requiring reassembly", "successful reassemblies",
    "failed reassemblies", "successful fragmentations", "failed fragmentations", "datagrams fragmented",
    "number of interfaces on computer", "number of IP address on computer", "number of routes in routing table"};

const std::array<std::string_view, 5> kUdpRowLabels = {
    "received datagrams", "datagrams for which no port", "errors on received datagrams", "sent datagrams",
    "number of entries in UDP listener table"};

const std::array<std::string_view, 13> kIcmpRowLabels = {
    "number of messages", "number of errors", "destination unreachable messages", "time-to-live exceeded messages",
    "parameter problem messages", "source quench messages", "redirection messages", "echo requests",
    "echo replies", "timestamp requests", "timestamp replies", "address mask requests", "address mask replies"};

std::array<uint32_t, 15> rowValues(const host::TcpStats& s) {
    return {s.rtoAlgorithm, s.rtoMin,  s.rtoMax,      s.maxConn, s.activeOpens, s.passiveOpens, s.attemptFails,
            s.estabResets,  s.currEstab, s.inSegs,    s.outSegs, s.retransSegs, s.inErrs,       s.outRsts,
            s.numConns};
}

std::array<uint32_t, 23> rowValues(const host::IpStats& s) {
    return {s.forwarding,  s.defaultTTL,      s.inReceives, s.inHdrErrors, s.inAddrErrors, s.forwDatagrams,
            s.inUnknownProtos, s.inDiscards,  s.inDelivers, s.outRequests, s.routingDiscards, s.outDiscards,
            s.outNoRoutes, s.reasmTimeout,    s.reasmReqds, s.reasmOks,    s.reasmFails,   s.fragOks,
            s.fragFails,   s.fragCreates,     s.numIf,      s.numAddr,     s.numRoutes};
}

std::array<uint32_t, 5> rowValues(const host::UdpStats& s) {
    return {s.inDatagrams, s.noPorts, s.inErrors, s.outDatagrams, s.numAddrs};
}

std::array<uint32_t, 13> rowValues(const host::IcmpCounts& s) {
    return {s.msgs,    s.errors,   s.destUnreachs, s.timeExcds,     s.parmProbs, s.srcQuenchs, s.redirects,
            s.echos,   s.echoReps, s.timestamps,   s.timestampReps, s.addrMasks, s.addrMaskReps};
}

std::string counterText(uint32_t value, bool maximumConnectionsRow) {
    if (maximumConnectionsRow && value == 0xFFFFFFFFu) return "-1";
    return std::to_string(value);
}

}  // namespace qv::ui
