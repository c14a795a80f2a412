// Procfs texts of any shape through every reader of LinuxHost: each keeps only what it can read.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/host/linux/net_interfaces.h"
#include "platform/host/linux/proc_snmp.h"
#include "platform/host/linux/proc_tcp.h"
#include "platform/host/linux/process_info.h"
#include "platform/host/linux/routes.h"
#include "platform/host/linux/socket_owners.h"

using namespace qv::host;
using namespace qv::host::procfs;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    for (bool ipv6 : {false, true}) {
        std::vector<TcpEntry> entries;
        size_t added = appendTcpEntries(text, ipv6, entries);
        if (added != entries.size()) std::abort();
        for (const auto& e : entries)
            if (e.row.state < kTcpClosed || e.row.state > kTcpTimeWait || e.row.localPort > 0xFFFF ||
                e.row.remotePort > 0xFFFF)
                std::abort();
    }
    socketsInUse(text, "TCP6");
    SnmpCounters counters;
    addSnmpCounters(text, counters);
    tcpStatsFrom(counters);
    ipStatsFrom(counters);
    udpStatsFrom(counters);
    icmpStatsFrom(counters);
    countTableEntries(text);
    parseNetDev(text);
    hasDefaultRoute4(text);
    hasDefaultRoute6(text);
    parseProcessStat(text);
    socketInodeOfLink(text.data(), text.size());
    return 0;
}
