// The procfs and sysfs readers on fixture texts taken from real machines (with damaged lines
// added).
#include <cstring>

#include <gtest/gtest.h>

#include "platform/host/linux/net_interfaces.h"
#include "platform/host/linux/proc_files.h"
#include "platform/host/linux/proc_snmp.h"
#include "platform/host/linux/proc_tcp.h"
#include "platform/host/linux/process_info.h"
#include "platform/host/linux/routes.h"
#include "platform/host/linux/socket_owners.h"

using namespace qv::host;
using namespace qv::host::procfs;

namespace {

std::string fixture(const std::string& name) {
    auto text = readWholeFile(std::string(QV_FIXTURES) + "/host/procfs/" + name);
    EXPECT_TRUE(text) << name;
    return text.value_or("");
}

const uint32_t kLan = rowAddress(192, 168, 1, 10);
const uint32_t kWeb = rowAddress(93, 184, 216, 34);
const uint32_t kLoopback = rowAddress(127, 0, 0, 1);

}  // namespace

TEST(ProcTcp, KernelStatesMapToTheTableNumbers) {
    const std::pair<unsigned, uint32_t> cases[] = {
        {1, kTcpEstablished}, {2, kTcpSynSent},  {3, kTcpSynReceived}, {4, kTcpFinWait1},
        {5, kTcpFinWait2},    {6, kTcpTimeWait}, {7, kTcpClosed},      {8, kTcpCloseWait},
        {9, kTcpLastAck},     {10, kTcpListen},  {11, kTcpClosing},    {12, kTcpSynReceived},
        {0, 0},               {13, 0},           {255, 0},
    };
    for (auto [kernel, row] : cases) EXPECT_EQ(rowStateFromKernel(kernel), row) << kernel;
}

TEST(ProcTcp, ReadsRowsAndInodesAndLeavesDamagedLinesOut) {
    std::vector<TcpEntry> entries;
    EXPECT_EQ(appendTcpEntries(fixture("net_tcp.txt"), false, entries), 12u);
    ASSERT_EQ(entries.size(), 12u);
    struct Expected {
        TcpRow row;
        uint64_t inode;
    } expected[] = {
        {{kTcpListen, 0, rowPort(22), 0, 0}, 17131},
        {{kTcpListen, kLoopback, rowPort(631), 0, 0}, 20391},
        {{kTcpEstablished, kLan, rowPort(50000), kWeb, rowPort(443)}, 884213},
        {{kTcpTimeWait, kLan, rowPort(50002), kWeb, rowPort(80)}, 0},
        {{kTcpSynSent, kLan, rowPort(50004), kWeb, rowPort(80)}, 884300},
        {{kTcpSynReceived, kLoopback, rowPort(8080), kLoopback, rowPort(40960)}, 0},
    };
    for (size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_EQ(entries[i].row, expected[i].row) << i;
        EXPECT_EQ(entries[i].inode, expected[i].inode) << i;
        EXPECT_FALSE(entries[i].mapped);
    }
    const uint32_t laterStates[] = {kTcpFinWait1, kTcpFinWait2, kTcpClosed, kTcpCloseWait, kTcpLastAck, kTcpClosing};
    for (size_t i = 0; i < std::size(laterStates); ++i) EXPECT_EQ(entries[6 + i].row.state, laterStates[i]);
}

TEST(ProcTcp, TakesOnlyIpv4MappedSocketsFromTheIpv6List) {
    std::vector<TcpEntry> entries;
    EXPECT_EQ(appendTcpEntries(fixture("net_tcp6.txt"), true, entries), 2u);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].row, (TcpRow{kTcpListen, kLoopback, rowPort(8080), 0, 0}));
    EXPECT_EQ(entries[1].row, (TcpRow{kTcpEstablished, kLoopback, rowPort(8080), kLoopback, rowPort(40000)}));
    EXPECT_EQ(entries[1].inode, 52002u);
    EXPECT_TRUE(entries[1].mapped);
}

TEST(ProcTcp, EmptyAndHeadingOnlyTextsGiveNoRows) {
    std::vector<TcpEntry> entries;
    for (const char* text : {"", "\n\n", "  sl  local_address rem_address   st tx_queue\n", "   0:\n"})
        EXPECT_EQ(appendTcpEntries(text, false, entries), 0u) << text;
    EXPECT_TRUE(entries.empty());
}

TEST(ProcTcp, SocketsInUseFromSockstat) {
    const char* text = "sockets: used 20\nTCP: inuse 7 orphan 0 tw 2 alloc 9 mem 258\nTCP6: inuse 0\n";
    EXPECT_EQ(socketsInUse(text, "TCP"), 7u);
    EXPECT_EQ(socketsInUse(text, "TCP6"), 0u);
    EXPECT_EQ(socketsInUse(text, "UDP"), std::nullopt);
    EXPECT_EQ(socketsInUse("TCP6: used 3\n", "TCP6"), std::nullopt);
    EXPECT_EQ(socketsInUse("TCP6: inuse x\n", "TCP6"), std::nullopt);
}

TEST(ProcSnmp, CountersFillTheStatisticsByName) {
    SnmpCounters c;
    addSnmpCounters(fixture("snmp.txt"), c);
    auto tcp = tcpStatsFrom(c);
    ASSERT_TRUE(tcp);
    EXPECT_EQ(*tcp, (TcpStats{1, 200, 120000, 0xFFFFFFFFu, 1520, 31, 96, 54, 12, 815662, 777230, 1423, 7, 3310, 0}));

    auto ip = ipStatsFrom(c);
    ASSERT_TRUE(ip);
    EXPECT_EQ(ip->forwarding, 2u);
    EXPECT_EQ(ip->inReceives, 5u) << "64-bit counters keep their low 32 bits";
    EXPECT_EQ(ip->routingDiscards, 0u) << "not counted by the kernel";
    EXPECT_EQ(ip->outDiscards, 8u);
    EXPECT_EQ(ip->fragCreates, 16u);

    EXPECT_EQ(udpStatsFrom(c), (UdpStats{60455, 41, 0, 60990, 0}));

    auto icmp = icmpStatsFrom(c);
    ASSERT_TRUE(icmp);
    EXPECT_EQ(icmp->in.msgs, 45u);
    EXPECT_EQ(icmp->in.destUnreachs, 40u);
    EXPECT_EQ(icmp->in.echos, 3u);
    EXPECT_EQ(icmp->out.msgs, 44u);
    EXPECT_EQ(icmp->out.echoReps, 3u);
}

TEST(ProcSnmp, MissingGroupsAndMismatchedLinesGiveNothing) {
    SnmpCounters c;
    addSnmpCounters("Tcp: RtoAlgorithm RtoMin\nUdp: 1 2\nIp: 1 2\nIp: Forwarding\n", c);
    EXPECT_TRUE(c.empty());
    EXPECT_FALSE(tcpStatsFrom(c));
    EXPECT_FALSE(ipStatsFrom(c));
    EXPECT_FALSE(udpStatsFrom(c));
    EXPECT_FALSE(icmpStatsFrom(c));

    // Fewer values than names: what lines up is taken.
    addSnmpCounters("Tcp: RtoAlgorithm RtoMin RtoMax\nTcp: 1 200\n", c);
    auto tcp = tcpStatsFrom(c);
    ASSERT_TRUE(tcp);
    EXPECT_EQ(tcp->rtoMin, 200u);
    EXPECT_EQ(tcp->rtoMax, 0u);
}

TEST(ProcSnmp, CountsTableEntriesBelowTheHeading) {
    EXPECT_EQ(countTableEntries(fixture("route.txt")), 2u);
    EXPECT_EQ(countTableEntries("heading only\n"), 0u);
    EXPECT_EQ(countTableEntries(""), 0u);
}

TEST(NetInterfaces, NetDevCountersByName) {
    auto dev = parseNetDev(fixture("net_dev.txt"));
    ASSERT_EQ(dev.size(), 3u) << "the damaged line is left out";
    EXPECT_EQ(dev["lo"][kRxBytes], 5203311u);
    EXPECT_EQ(dev["enp3s0"][kRxBytes], 4295067296u);
    EXPECT_EQ(dev["enp3s0"][kRxMulticast], 1200u);
    EXPECT_EQ(dev["enp3s0"][kTxDrop], 3u);
}

TEST(NetInterfaces, RowsFromSysfsOrderedByIndex) {
    auto rows = readInterfaces(std::string(QV_FIXTURES) + "/host/procfs/sys/class/net", parseNetDev(fixture("net_dev.txt")));
    ASSERT_EQ(rows.size(), 4u) << "a folder without an index is no interface";
    EXPECT_EQ(rows[0].name, "lo");
    EXPECT_EQ(rows[0].type, uint32_t{kIfLoopback});
    EXPECT_TRUE(rows[0].physicalAddress.empty());
    EXPECT_EQ(rows[0].operStatus, uint32_t{kIfOperOperational});
    EXPECT_EQ(rows[0].inOctets, 5203311u);

    const InterfaceRow& eth = rows[1];
    EXPECT_EQ(eth.name, "enp3s0");
    EXPECT_EQ(eth.description, "enp3s0");
    EXPECT_EQ(eth.index, 2u);
    EXPECT_EQ(eth.type, uint32_t{kIfEthernet});
    EXPECT_EQ(eth.mtu, 1500u);
    EXPECT_EQ(eth.speed, 0xFFFFFFFFu) << "10 Gbit/s does not fit: the largest value";
    EXPECT_EQ(eth.physicalAddress, (std::vector<uint8_t>{0x00, 0x0C, 0x29, 0xAB, 0x01, 0xFF}));
    EXPECT_EQ(eth.adminStatus, uint32_t{kIfAdminUp});
    EXPECT_EQ(eth.operStatus, uint32_t{kIfOperOperational});
    EXPECT_EQ(eth.inOctets, 100000u) << "wraps as a 32-bit counter";
    EXPECT_EQ(eth.inUcastPkts, 3000000u - 1200u);
    EXPECT_EQ(eth.inNUcastPkts, 1200u);
    EXPECT_EQ(eth.inDiscards, 7u);
    EXPECT_EQ(eth.inErrors, 2u);
    EXPECT_EQ(eth.outOctets, 98765432u);
    EXPECT_EQ(eth.outUcastPkts, 650000u);
    EXPECT_EQ(eth.outErrors, 1u);
    EXPECT_EQ(eth.outDiscards, 3u);

    EXPECT_EQ(rows[2].name, "wlan0");
    EXPECT_EQ(rows[2].type, uint32_t{kIfWireless});
    EXPECT_EQ(rows[2].speed, 0u) << "unknown speed";
    EXPECT_EQ(rows[2].adminStatus, uint32_t{kIfAdminDown});
    EXPECT_EQ(rows[2].operStatus, uint32_t{kIfOperNonOperational});

    EXPECT_EQ(rows[3].name, "wg0");
    EXPECT_EQ(rows[3].index, 5u);
    EXPECT_EQ(rows[3].type, uint32_t{kIfTunnel});
    EXPECT_TRUE(rows[3].physicalAddress.empty());
    EXPECT_EQ(rows[3].inOctets, 0u) << "no counters line";

    EXPECT_TRUE(readInterfaces("/no/such/folder", {}).empty());
}

TEST(NetInterfaces, HardwareTypesAndOperationalStates) {
    const struct {
        unsigned hardware;
        bool wireless;
        uint32_t type;
    } types[] = {{1, false, kIfEthernet}, {1, true, kIfWireless}, {772, false, kIfLoopback}, {512, false, kIfPpp},
                 {256, false, kIfSlip},   {774, false, kIfFddi},  {800, false, kIfTokenRing}, {776, false, kIfTunnel},
                 {65534, false, kIfTunnel}, {824, false, kIfOther}};
    for (const auto& t : types) EXPECT_EQ(interfaceTypeFromHardware(t.hardware, t.wireless), t.type) << t.hardware;

    const struct {
        const char* operstate;
        bool up, carrier;
        uint32_t status;
    } states[] = {{"up", true, true, kIfOperOperational},       {"unknown", true, true, kIfOperOperational},
                  {"unknown", true, false, kIfOperDisconnected}, {"down", true, false, kIfOperDisconnected},
                  {"down", false, false, kIfOperNonOperational}, {"dormant", true, true, kIfOperConnecting},
                  {"", false, false, kIfOperNonOperational}};
    for (const auto& s : states)
        EXPECT_EQ(operStatusFrom(s.operstate, s.up, s.carrier), s.status) << s.operstate << s.up << s.carrier;
}

TEST(Routes, DefaultRouteMeansOnline) {
    EXPECT_TRUE(hasDefaultRoute4(fixture("route.txt")));
    EXPECT_FALSE(hasDefaultRoute4(fixture("route_no_default.txt"))) << "a default route that is not up";
    EXPECT_FALSE(hasDefaultRoute4(""));
    EXPECT_TRUE(hasDefaultRoute6(fixture("ipv6_route.txt")));
    EXPECT_FALSE(hasDefaultRoute6(fixture("ipv6_route_reject_only.txt"))) << "the loopback reject route";
    EXPECT_FALSE(hasDefaultRoute6(""));
}

TEST(ProcessStat, ReadsStateParentAndStartTimePastOddNames) {
    auto s = parseProcessStat(fixture("stat_odd_name.txt"));
    ASSERT_TRUE(s);
    EXPECT_EQ(s->state, 'S');
    EXPECT_EQ(s->parentId, 1200u);
    EXPECT_EQ(s->startTime, 987654u);
    for (const char* bad : {"", "4321 (name", "4321 (x) S 1", "4321 (x) SS 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19"})
        EXPECT_FALSE(parseProcessStat(bad)) << bad;
}

TEST(SocketOwners, OnlySocketLinksGiveAnInode) {
    const struct {
        const char* link;
        uint64_t inode;
    } cases[] = {{"socket:[884213]", 884213}, {"socket:[]", 0},        {"socket:[12a]", 0},
                 {"pipe:[884213]", 0},        {"/dev/null", 0},        {"socket:[884213", 0},
                 {"anon_inode:[eventfd]", 0}};
    for (const auto& c : cases) EXPECT_EQ(socketInodeOfLink(c.link, std::strlen(c.link)), c.inode) << c.link;
}
