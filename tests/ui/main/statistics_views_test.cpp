// The statistics lists, the interface status and the bandwidth figure over a simulated
// machine's counters.
#include <gtest/gtest.h>

#include "tests/ui/main/views_fixture.h"
#include "ui/main/interface_status.h"
#include "ui/main/statistics_rows.h"
#include "ui/main/statistics_views.h"

namespace qv::ui::testing {
namespace {

using StatisticsViewsTest = ViewsTest;

host::InterfaceRow iface(uint32_t type, uint32_t in, uint32_t out) {
    host::InterfaceRow r;
    r.index = 1;
    r.type = type;
    r.inOctets = in;
    r.outOctets = out;
    return r;
}

TEST_F(StatisticsViewsTest, LogstatBuildsTheFourListsWithTheirLabelsAndValues) {
    host::TcpStats tcp;
    tcp.rtoAlgorithm = 1;
    tcp.maxConn = 0xFFFFFFFFu;  // a dynamic maximum
    tcp.inSegs = 0x80000000u;   // past the signed range
    sim.setTcpStatistics(tcp);
    host::IcmpStats icmp;
    icmp.in.msgs = 52;
    icmp.out.msgs = 61;
    sim.setIcmpStatistics(icmp);
    StatisticsViews views(form.ListView1, form.ListView2, form.ListView3, form.ListView4);
    views.logstat();

    EXPECT_EQ(rows(form.ListView1),
              (std::vector<std::string>{"Timeout algorithm=1", "Minimum timeout=0", "Maximum timeout=0",
                                        "Maximum connections=-1", "Active opens=0", "Passive opens=0",
                                        "Failed attempts=0", "Establised connections reset=0",
                                        "Established connections=0", "Segments received=2147483648",
                                        "Segment sent=0", "Segments retransmitted=0", "Incoming errors=0",
                                        "Outgoing resets=0", "Cumulative connections=0"}));
    std::vector<std::string> ip;
    for (auto l : kIpRowLabels) ip.push_back(std::string(l) + "=0");
    EXPECT_EQ(rows(form.ListView2), ip);
    EXPECT_EQ(ip.front(), "IP forwarding enabled or disabled=0");
    EXPECT_EQ(ip[13], "datagrams for which all frags didn't arrive=0");
    EXPECT_EQ(ip.back(), "number of routes in routing table=0");
    EXPECT_EQ(rows(form.ListView3),
              (std::vector<std::string>{"received datagrams=0", "datagrams for which no port=0",
                                        "errors on received datagrams=0", "sent datagrams=0",
                                        "number of entries in UDP listener table=0"}));
    ASSERT_EQ(form.ListView4.ListItems().Count(), 13);
    EXPECT_EQ(rows(form.ListView4).front(), "number of messages=52") << "the incoming half";
    EXPECT_EQ(rows(form.ListView4).back(), "address mask replies=0");
    EXPECT_EQ(form.ListView4.ListItems()(3).Text(), "destination unreachable messages");
    EXPECT_EQ(form.ListView4.ListItems()(8).Text(), "echo requests");
}

TEST_F(StatisticsViewsTest, ARefreshRewritesOnlyTheRowsThatChanged) {
    host::TcpStats tcp;
    tcp.activeOpens = 10;
    tcp.currEstab = 3;
    sim.setTcpStatistics(tcp);
    StatisticsViews views(form.ListView1, form.ListView2, form.ListView3, form.ListView4);
    views.logstat();
    // Marks in every row show which ones the refreshes write.
    auto mark = [&] {
        for (int i = 1; i <= 15; ++i) form.ListView1.ListItems()(i).SubItems(1, "x");
    };
    mark();
    views.RefreshTcpStats();
    EXPECT_EQ(rows(form.ListView1)[4], "Active opens=x") << "unchanged figures leave every row untouched";

    tcp.activeOpens = 11;
    tcp.numConns = 0x80000001u;
    sim.setTcpStatistics(tcp);
    views.RefreshTcpStats();
    int written = 0;
    for (const auto& r : rows(form.ListView1)) written += r.back() != 'x';
    EXPECT_EQ(written, 2);
    EXPECT_EQ(rows(form.ListView1)[4], "Active opens=11");
    EXPECT_EQ(rows(form.ListView1)[14], "Cumulative connections=2147483649");

    sim.setTcpStatistics(std::nullopt);
    mark();
    views.RefreshTcpStats();
    EXPECT_EQ(rows(form.ListView1)[4], "Active opens=x") << "a failing call leaves the rows as they are";
}

TEST_F(StatisticsViewsTest, TheInterfaceStatusShowsTypeTotalsAndWhichTotalGrew) {
    engine::CIpHelper helper;
    AddActivityPictures(form.ImageList1);
    ASSERT_EQ(form.ImageList1.Count(), 4);
    InterfaceStatus status(helper, {form.lblType, form.lblRecv, form.lblSent, form.Image1, form.ImageList1});
    form.lblType.Caption("before");
    struct Tick {
        uint32_t type, in, out;
        const char *typeText, *recv, *sent;
        int picture;
    } ticks[] = {
        {6, 1234567, 0, "Ethernet", "1,234,567", "", 2},  // a sent total of 0 prints nothing
        {71, 1234567, 0, "Ethernet", "1,234,567", "", 1}, // a type not named leaves the label
        {24, 1234567, 10, "Loopback", "1,234,567", "10", 3},
        {23, 2000000, 20, "PPP", "2,000,000", "20", 4},
        {28, 2000000, 20, "SLIP", "2,000,000", "20", 1},
    };
    for (const Tick& t : ticks) {
        sim.setInterfaces(std::vector<host::InterfaceRow>{iface(t.type, t.in, t.out)});
        status.ShowInterfaceStatus();
        EXPECT_EQ(form.lblType.Caption(), t.typeText) << t.type;
        EXPECT_EQ(form.lblRecv.Caption(), t.recv);
        EXPECT_EQ(form.lblSent.Caption(), t.sent);
        EXPECT_EQ(form.Image1.Picture(), form.ImageList1(t.picture).Picture) << t.type;
    }

    // Counters past the signed range and a second interface: the sums are 64-bit.
    sim.setInterfaces(std::vector<host::InterfaceRow>{iface(6, 0xFFFFFFF0u, 0), iface(24, 0xFFFFFFF0u, 0)});
    status.ShowInterfaceStatus();
    EXPECT_EQ(form.lblRecv.Caption(), "8,589,934,560");

    // No interface at all: everything stays; a machine without an interface table says so once.
    sim.setInterfaces(std::vector<host::InterfaceRow>{});
    status.ShowInterfaceStatus();
    EXPECT_EQ(form.lblType.Caption(), "Ethernet");
    EXPECT_EQ(form.lblRecv.Caption(), "8,589,934,560");
    sim.setInterfaces(std::nullopt);
    for (int i = 0; i < 100; ++i) status.ShowInterfaceStatus();
    EXPECT_EQ(boxes, std::vector<std::string>{"IP Helper is not supported by this system."});
}

TEST(InterfaceViews, TypeNamesActivityPicturesAndTotals) {
    const std::pair<int32_t, const char*> types[] = {{1, "Other"}, {6, "Ethernet"}, {9, "TokenRing"}, {15, "FDDI"},
                                                     {23, "PPP"},  {24, "Loopback"}, {28, "SLIP"}};
    for (auto [type, text] : types) EXPECT_EQ(InterfaceTypeText(type), text);
    EXPECT_EQ(InterfaceTypeText(71), std::nullopt);
    EXPECT_EQ(InterfaceTypeText(0), std::nullopt);
    EXPECT_EQ(ActivityPicture(false, false), 1);
    EXPECT_EQ(ActivityPicture(true, false), 2);
    EXPECT_EQ(ActivityPicture(false, true), 3);
    EXPECT_EQ(ActivityPicture(true, true), 4);
    EXPECT_EQ(ByteTotalText(0), "");
    EXPECT_EQ(ByteTotalText(999), "999");
    EXPECT_EQ(ByteTotalText(1234567), "1,234,567");
}

TEST_F(StatisticsViewsTest, TheBandwidthFigureIsTheDifferenceOfTheLastSecondAndSurvivesAWrap) {
    engine::CIpHelper helper;
    Bandwidth bandwidth(helper, {form.Label16, form.Label14, form.Label15, form.Label12});
    struct Tick {
        uint32_t in;
        const char *current, *previous, *difference, *kbs;
    } ticks[] = {
        {0, "0", "0", "0", "0"},
        {999, "999", "0", "999", "0.999"},
        {13344, "13344", "999", "12345", "12.345"},
        {13344, "13344", "13344", "0", "0"},
        {0xFFFFFC18u, "4294966296", "13344", "4294952952", "4294952.952"},
        // The counter wrapped past 2^32: 1,000 bytes before the wrap and 3,000 after it.
        {3000, "3000", "4294966296", "4000", "4"},
    };
    for (const Tick& t : ticks) {
        sim.setInterfaces(std::vector<host::InterfaceRow>{iface(6, t.in, 0)});
        bandwidth.ShowBandwidth();
        EXPECT_EQ(form.Label16.Caption(), t.current);
        EXPECT_EQ(form.Label14.Caption(), t.previous);
        EXPECT_EQ(form.Label15.Caption(), t.difference);
        EXPECT_EQ(form.Label12.Caption(), t.kbs) << t.in;
    }
    EXPECT_EQ(ReceivedDifference(5, 10), 4294967291);
    EXPECT_EQ(ReceivedDifference(int64_t(1) << 33, 0), int64_t(1) << 33) << "a growth is never cut";
}

}  // namespace
}  // namespace qv::ui::testing
