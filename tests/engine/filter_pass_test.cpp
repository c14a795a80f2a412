#include "engine/filter_pass.h"

#include <gtest/gtest.h>

#include "engine/connection_closer.h"
#include "engine/filter_matcher.h"
#include "engine/poll_pass.h"
#include "fake_filter_windows.h"
#include "platform/host/names.h"

namespace qv::engine {
namespace {

using test::FilterPassTest;

TEST_F(FilterPassTest, EachRowIsClosedByTheFirstActiveListThatHoldsIt) {
    const host::TcpRow onlyUnchecked = row(1044, 9, 110);
    const host::TcpRow addressAndPort = row(1045, 25, 80);
    const host::TcpRow localPort = row(1046, 30, 443);
    const host::TcpRow remotePort = row(1047, 31, 80);
    const host::TcpRow leadingZero = row(1048, 32, 8080);
    const host::TcpRow listening{host::kTcpListen, host::rowAddress(0, 0, 0, 0), host::rowPort(135), 0, 0};
    struct Case {
        const char* name;
        bool filtering = true;
        std::array<int, 3> act{1, 1, 1};
        int blockedLog = 1;
        bool logging = true;
        bool canClose = true;
        // expected: the closed rows with their statuses, in table order
        std::vector<std::pair<host::TcpRow, std::string_view>> closed;
    };
    const Case cases[] = {
        {"every list", true, {1, 1, 1}, 1, true, true,
         {{addressAndPort, kBlockedAddress}, {localPort, kBlockedLocalPort}, {remotePort, kBlockedRemotePort}}},
        {"filtering off", false, {1, 1, 1}, 1, true, true, {}},
        {"address list off", true, {0, 1, 1}, 1, true, true,
         {{addressAndPort, kBlockedRemotePort}, {localPort, kBlockedLocalPort}, {remotePort, kBlockedRemotePort}}},
        {"address box grayed", true, {2, 1, 1}, 1, true, true,
         {{addressAndPort, kBlockedRemotePort}, {localPort, kBlockedLocalPort}, {remotePort, kBlockedRemotePort}}},
        {"remote ports off", true, {1, 0, 1}, 1, true, true,
         {{addressAndPort, kBlockedAddress}, {localPort, kBlockedLocalPort}}},
        {"every list off", true, {0, 0, 0}, 1, true, true, {}},
        {"blocked connections not logged", true, {1, 1, 1}, 0, true, true,
         {{addressAndPort, kBlockedAddress}, {localPort, kBlockedLocalPort}, {remotePort, kBlockedRemotePort}}},
        {"main window still loading", true, {1, 1, 1}, 1, false, true,
         {{addressAndPort, kBlockedAddress}, {localPort, kBlockedLocalPort}, {remotePort, kBlockedRemotePort}}},
        {"close refused", true, {1, 1, 1}, 1, true, false, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        startRun();
        sim = host::SimHost();
        messageBoxes.clear();
        window.lvwLog.clear();
        port.refreshes = 0;
        filter.filtering = c.filtering;
        filter.lists = FilterLists();
        addEntry(kRemoteAddressList, "10.0.0.25");
        addEntry(kRemoteAddressList, "10.0.0.9", false);
        addEntry(kRemotePortList, "110", false);
        addEntry(kRemotePortList, "80");
        addEntry(kRemotePortList, "08080");
        addEntry(kLocalPortList, "135");
        addEntry(kLocalPortList, "1046");
        window.act = c.act;
        window.log[2] = c.blockedLog;
        window.logging = c.logging;
        sim.setCanDeleteConnections(c.canClose);
        for (const auto& r : {listening, onlyUnchecked, addressAndPort, localPort, remotePort, leadingZero})
            sim.addConnection(r, 300);

        FilterPass();

        std::vector<host::TcpRow> closedRows;
        std::vector<PortLogRow> logged;
        for (const auto& [r, status] : c.closed) {
            closedRows.push_back(r);
            logged.push_back(blockedRow(r, status));
        }
        EXPECT_EQ(sim.deletedConnections(), closedRows);
        EXPECT_EQ(window.lvwLog, c.blockedLog == 1 && c.logging ? logged : std::vector<PortLogRow>{});
        EXPECT_EQ(filterState().closed, !closedRows.empty());
        // Once for the moved row count, once more after closing.
        EXPECT_EQ(port.refreshes, closedRows.empty() ? 1 : 2);
        EXPECT_EQ(filterState().rowCount, 6);
        EXPECT_EQ(messageBoxes.size(), c.canClose ? 0u : 1u);
    }
}

TEST_F(FilterPassTest, TheTableIsWalkedOnlyWhenItsRowCountMoved) {
    addEntry(kRemotePortList, "80");
    connect(300, 1044, 9, 110);
    FilterPass();
    EXPECT_EQ(port.refreshes, 1);
    EXPECT_EQ(filterState().rowCount, 1);

    // One connection ending while a matching one opens keeps the count: not seen.
    sim.removeConnection(row(1044, 9, 110));
    connect(300, 1045, 9, 80);
    FilterPass();
    EXPECT_EQ(port.refreshes, 1);
    EXPECT_TRUE(sim.deletedConnections().empty());

    connect(300, 1046, 10, 80);
    FilterPass();
    EXPECT_EQ(sim.deletedConnections(), (std::vector<host::TcpRow>{row(1045, 9, 80), row(1046, 10, 80)}));
    EXPECT_EQ(port.refreshes, 3);
    // The closes moved the count again: the next run walks the (now empty) table once more.
    FilterPass();
    EXPECT_EQ(port.refreshes, 4);
    EXPECT_EQ(filterState().rowCount, 0);
    EXPECT_FALSE(filterState().closed);
}

TEST_F(FilterPassTest, AFailedCloseLogsNothingAndTheNoticeComesOnce) {
    addEntry(kRemotePortList, "80");
    sim.setCanDeleteConnections(false);
    connect(300, 1044, 9, 80);
    FilterPass();
    connect(300, 1045, 9, 80);
    FilterPass();
    EXPECT_TRUE(window.lvwLog.empty());
    EXPECT_EQ(sim.connections().size(), 2u);
    EXPECT_EQ(messageBoxes, (std::vector<std::string>{std::string(kCannotCloseMessage)}));
    EXPECT_EQ(securityLog(), (std::vector<std::string>{"High - " + std::string(kCannotCloseMessage)}));

    // A connection gone before the close is no lack of rights: no notice.
    startRun();
    messageBoxes.clear();
    sim.setCanDeleteConnections(true);
    sim.removeConnection(row(1044, 9, 80));
    EXPECT_FALSE(CloseTcpRow(row(1044, 9, 80)));
    EXPECT_TRUE(messageBoxes.empty());
    EXPECT_TRUE(CheckCloseRights());
}

TEST_F(FilterPassTest, PollPassClosesWithoutRightsGiveTheSameNotice) {
    setRule("C:\\Apps\\mail.exe", "1");
    addApp(300, "C:\\Apps\\mail.exe");
    sim.setCanDeleteConnections(false);
    connect(300, 1044, 9, 110);
    connect(300, 1045, 9, 995);
    PollConnections(false);
    EXPECT_EQ(messageBoxes, (std::vector<std::string>{std::string(kCannotCloseMessage)}));
    // Said once a run, whoever tried to close.
    addEntry(kRemotePortList, "110");
    FilterPass();
    EXPECT_EQ(messageBoxes.size(), 1u);
}

TEST_F(FilterPassTest, WhileMessagesRunThePassKeepsItsOwnRows) {
    addEntry(kRemotePortList, "80");
    connect(300, 1044, 9, 80);
    connect(300, 1045, 10, 80);
    connect(300, 1046, 11, 80);
    int events = 0;
    setDoEventsHandler([&] {
        if (++events != 1) return;
        // A poll pass refills the engine's shared row buffer, the second connection ends, a
        // new matching one opens, and the timer asks for another filter pass.
        connect(300, 1047, 12, 80);
        sim.removeConnection(row(1045, 10, 80));
        TcpTableChanged(true);
        FilterPass();
    });
    FilterPass();
    EXPECT_EQ(sim.deletedConnections(), (std::vector<host::TcpRow>{row(1044, 9, 80), row(1046, 11, 80)}));
    EXPECT_EQ(window.lvwLog, (std::vector<PortLogRow>{blockedRow(row(1044, 9, 80), kBlockedRemotePort),
                                                      blockedRow(row(1046, 11, 80), kBlockedRemotePort)}));
    EXPECT_EQ(filterState().rowCount, 3) << "the rows the pass walked";
    EXPECT_EQ(port.refreshes, 2) << "the nested run did nothing";
    EXPECT_FALSE(filterState().running);
}

TEST_F(FilterPassTest, ChangesMadeWhileMessagesRunHoldForTheRestOfThePass) {
    addEntry(kRemotePortList, "80");
    addEntry(kLocalPortList, "1046", false);
    connect(300, 1044, 9, 80);
    connect(300, 1045, 10, 80);
    connect(300, 1046, 11, 443);
    connect(300, 1047, 12, 80);
    int events = 0;
    setDoEventsHandler([&] {
        ++events;
        if (events == 1) {
            filter.lists.setChecked(kRemotePortList, 0, false);
            filter.lists.setChecked(kLocalPortList, 0, true);
        }
        if (events == 2) filter.filtering = false;
    });
    FilterPass();
    EXPECT_EQ(sim.deletedConnections(), (std::vector<host::TcpRow>{row(1044, 9, 80), row(1046, 11, 443)}));
}

TEST_F(FilterPassTest, EveryRowOfALargeTableIsWalked) {
    constexpr int kConnections = 2101;
    addEntry(kRemotePortList, "443");
    connectMany(300, kConnections);
    FilterPass();
    EXPECT_TRUE(sim.connections().empty());
    EXPECT_EQ(window.lvwLog.size(), static_cast<std::size_t>(kConnections));
}

TEST_F(FilterPassTest, IcmpRowsFollowTheOutgoingEchoCounters) {
    auto echo = [&](uint32_t requests, uint32_t replies) {
        host::IcmpStats s;
        s.out.echos = requests;
        s.out.echoReps = replies;
        s.in.echos = 99;  // incoming counts take no part
        sim.setIcmpStatistics(s);
    };
    auto icmpRow = [](const std::string& requests, const std::string& replies) {
        return PortLogRow{"ICMP", requests, replies, "", "3:04:05 PM"};
    };
    echo(3, 1);
    FilterPass();
    FilterPass();  // unchanged: no row
    EXPECT_EQ(window.lvwLog, (std::vector<PortLogRow>{icmpRow("Echo Requests: 3", "Echo Replies: 1")}));

    echo(3, 2);  // the same requests text stands already
    FilterPass();
    echo(4, 2);
    FilterPass();
    EXPECT_EQ(filterState().echoSum, 6u);
    sim.setIcmpStatistics(std::nullopt);
    FilterPass();
    FilterPass();  // at most one failure row stands
    EXPECT_EQ(window.lvwLog, (std::vector<PortLogRow>{icmpRow("Echo Requests: 3", "Echo Replies: 1"),
                                                      icmpRow("Echo Requests: 4", "Echo Replies: 2"),
                                                      icmpRow("ICMP failure", "")}));

    // The open-port window loads again: its first run adds a row for the counters as they are.
    window.lvwLog.clear();
    echo(4, 2);
    FilterPass();
    EXPECT_TRUE(window.lvwLog.empty());
    ResetEchoSum();
    FilterPass();
    EXPECT_EQ(window.lvwLog, (std::vector<PortLogRow>{icmpRow("Echo Requests: 4", "Echo Replies: 2")}));
}

}  // namespace
}  // namespace qv::engine
