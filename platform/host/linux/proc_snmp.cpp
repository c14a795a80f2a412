#include "platform/host/linux/proc_snmp.h"

#include <vector>

#include "platform/host/linux/text_fields.h"

namespace qv::host::procfs {

namespace {

// A decimal counter, possibly negative, as its low 32 bits.
std::optional<uint32_t> counter(std::string_view s) {
    bool negative = !s.empty() && s[0] == '-';
    if (negative) s.remove_prefix(1);
    if (s.empty()) return std::nullopt;
    uint64_t v = 0;
    for (char ch : s) {
        if (ch < '0' || ch > '9') return std::nullopt;
        v = v * 10 + static_cast<uint64_t>(ch - '0');  // wraps like the 32-bit counters do
    }
    uint32_t low = static_cast<uint32_t>(v);
    return negative ? static_cast<uint32_t>(0u - low) : low;
}

template <typename Stats>
struct Field {
    const char* name;
    uint32_t Stats::*member;
};

bool hasGroup(const SnmpCounters& c, const std::string& prefix) {
    auto first = c.lower_bound(prefix);
    return first != c.end() && first->first.compare(0, prefix.size(), prefix) == 0;
}

template <typename Stats, size_t N>
std::optional<Stats> fill(const SnmpCounters& c, std::string_view group, const Field<Stats> (&fields)[N]) {
    std::string prefix(group);
    prefix += '.';
    if (!hasGroup(c, prefix)) return std::nullopt;
    Stats s{};
    for (const auto& f : fields) {
        auto it = c.find(prefix + f.name);
        if (it != c.end()) s.*f.member = it->second;
    }
    return s;
}

}  // namespace

void addSnmpCounters(std::string_view text, SnmpCounters& counters) {
    std::vector<std::string_view> lines;
    eachLine(text, [&](std::string_view line) { lines.push_back(line); });
    for (size_t i = 0; i + 1 < lines.size(); ++i) {
        auto names = fields(lines[i]);
        auto values = fields(lines[i + 1]);
        if (names.size() < 2 || values.empty() || names[0] != values[0] || names[0].back() != ':') continue;
        // A value line starts with a number; a name line with a name.
        if (values.size() < 2 || !counter(values[1])) continue;
        if (counter(names[1])) continue;
        std::string group(names[0].substr(0, names[0].size() - 1));
        for (size_t k = 1; k < names.size() && k < values.size(); ++k) {
            if (auto v = counter(values[k])) counters[group + "." + std::string(names[k])] = *v;
        }
        ++i;
    }
}

std::optional<TcpStats> tcpStatsFrom(const SnmpCounters& c) {
    static const Field<TcpStats> fields[] = {
        {"RtoAlgorithm", &TcpStats::rtoAlgorithm}, {"RtoMin", &TcpStats::rtoMin},
        {"RtoMax", &TcpStats::rtoMax},             {"MaxConn", &TcpStats::maxConn},
        {"ActiveOpens", &TcpStats::activeOpens},   {"PassiveOpens", &TcpStats::passiveOpens},
        {"AttemptFails", &TcpStats::attemptFails}, {"EstabResets", &TcpStats::estabResets},
        {"CurrEstab", &TcpStats::currEstab},       {"InSegs", &TcpStats::inSegs},
        {"OutSegs", &TcpStats::outSegs},           {"RetransSegs", &TcpStats::retransSegs},
        {"InErrs", &TcpStats::inErrs},             {"OutRsts", &TcpStats::outRsts},
    };
    return fill(c, "Tcp", fields);
}

std::optional<IpStats> ipStatsFrom(const SnmpCounters& c) {
    static const Field<IpStats> fields[] = {
        {"Forwarding", &IpStats::forwarding},         {"DefaultTTL", &IpStats::defaultTTL},
        {"InReceives", &IpStats::inReceives},         {"InHdrErrors", &IpStats::inHdrErrors},
        {"InAddrErrors", &IpStats::inAddrErrors},     {"ForwDatagrams", &IpStats::forwDatagrams},
        {"InUnknownProtos", &IpStats::inUnknownProtos}, {"InDiscards", &IpStats::inDiscards},
        {"InDelivers", &IpStats::inDelivers},         {"OutRequests", &IpStats::outRequests},
        {"OutDiscards", &IpStats::outDiscards},       {"OutNoRoutes", &IpStats::outNoRoutes},
        {"ReasmTimeout", &IpStats::reasmTimeout},     {"ReasmReqds", &IpStats::reasmReqds},
        {"ReasmOKs", &IpStats::reasmOks},             {"ReasmFails", &IpStats::reasmFails},
        {"FragOKs", &IpStats::fragOks},               {"FragFails", &IpStats::fragFails},
        {"FragCreates", &IpStats::fragCreates},
    };
    return fill(c, "Ip", fields);
}

std::optional<UdpStats> udpStatsFrom(const SnmpCounters& c) {
    static const Field<UdpStats> fields[] = {
        {"InDatagrams", &UdpStats::inDatagrams},
        {"NoPorts", &UdpStats::noPorts},
        {"InErrors", &UdpStats::inErrors},
        {"OutDatagrams", &UdpStats::outDatagrams},
    };
    return fill(c, "Udp", fields);
}

std::optional<IcmpStats> icmpStatsFrom(const SnmpCounters& c) {
    static const Field<IcmpCounts> fields[] = {
        {"Msgs", &IcmpCounts::msgs},
        {"Errors", &IcmpCounts::errors},
        {"DestUnreachs", &IcmpCounts::destUnreachs},
        {"TimeExcds", &IcmpCounts::timeExcds},
        {"ParmProbs", &IcmpCounts::parmProbs},
        {"SrcQuenchs", &IcmpCounts::srcQuenchs},
        {"Redirects", &IcmpCounts::redirects},
        {"Echos", &IcmpCounts::echos},
        {"EchoReps", &IcmpCounts::echoReps},
        {"Timestamps", &IcmpCounts::timestamps},
        {"TimestampReps", &IcmpCounts::timestampReps},
        {"AddrMasks", &IcmpCounts::addrMasks},
        {"AddrMaskReps", &IcmpCounts::addrMaskReps},
    };
    if (!hasGroup(c, "Icmp.")) return std::nullopt;
    IcmpStats s;
    for (const auto& f : fields) {
        std::string name(f.name);
        if (auto it = c.find("Icmp.In" + name); it != c.end()) s.in.*f.member = it->second;
        if (auto it = c.find("Icmp.Out" + name); it != c.end()) s.out.*f.member = it->second;
    }
    return s;
}

uint32_t countTableEntries(std::string_view text) {
    uint32_t lines = 0;
    eachLine(text, [&](std::string_view line) {
        if (line.find_first_not_of(" \t\r") != std::string_view::npos) ++lines;
    });
    return lines > 0 ? lines - 1 : 0;
}

}  // namespace qv::host::procfs
