// The open-port window worked by a person: what it lists, its menu on a listed connection (close
// it, test it, block it), its refresh and close buttons, and the filter pass its timer drives.
#include <gtest/gtest.h>

#include <functional>

#include "engine/connection_closer.h"
#include "engine/filter_matcher.h"
#include "engine/filter_pass.h"
#include "tests/ui/windows/filter_windows_fixture.h"

namespace qv::ui::testing {
namespace {

using OpenPorts = FilterWindowsTest;

host::TcpRow listening(uint16_t port) { return {host::kTcpListen, 0, host::rowPort(port), 0, 0}; }

// An item as "address | local port | remote port | status | time".
std::string itemLine(const forms::ListItem& item) {
    std::string line = item.Text();
    for (int c = 1; c <= 4; ++c) line += " | " + item.SubItems(c);
    return line;
}
std::vector<std::string> itemLines(const forms::ListView& list) {
    std::vector<std::string> out;
    for (int i = 1; i <= list.ListItems().Count(); ++i) out.push_back(itemLine(list.ListItems()(i)));
    return out;
}

TEST_F(OpenPorts, ListsEveryConnectionThatIsNotListeningInTableOrderWithPortsInHostOrder) {
    sim.addConnection(listening(135), 4);
    connect(300, 1051, 9, 80);  // row value 0x5000 for port 80
    sim.addConnection({host::kTcpTimeWait, host::rowAddress(192, 168, 1, 10), host::rowPort(1044),
                       host::rowAddress(203, 0, 113, 80), host::rowPort(8080)},
                      0);
    sim.addConnection(listening(445), 4);
    connect(300, 1050, 9, 443);
    sim.addConnection({host::kTcpCloseWait, host::rowAddress(127, 0, 0, 1), host::rowPort(5432),
                       host::rowAddress(127, 0, 0, 1), host::rowPort(51000)},
                      0);
    ASSERT_EQ(host::rowPort(80), 0x5000u);

    frmport& ports = showPorts();
    const std::vector<std::string> expected = {
        "127.0.0.1 | 5432 | 51000 | CLOSE_WAIT | 3:04:05 PM",
        "203.0.113.80 | 1044 | 8080 | TIME_WAIT | 3:04:05 PM",
        "10.0.0.9 | 1050 | 443 | ESTABLISHED | 3:04:05 PM",
        "10.0.0.9 | 1051 | 80 | ESTABLISHED | 3:04:05 PM",
    };
    EXPECT_EQ(itemLines(ports.lvwCon), expected);

    // Refresh reads the table again: a new connection shows, a closed one goes, with the time of
    // the refresh.
    connect(400, 1060, 25, 110);
    sim.removeConnection(row(1050, 9, 443));
    clock_.advance(2000);
    click(ports.PictureButton2);
    EXPECT_EQ(itemLines(ports.lvwCon), (std::vector<std::string>{
                                           "127.0.0.1 | 5432 | 51000 | CLOSE_WAIT | 3:04:07 PM",
                                           "203.0.113.80 | 1044 | 8080 | TIME_WAIT | 3:04:07 PM",
                                           "10.0.0.9 | 1051 | 80 | ESTABLISHED | 3:04:07 PM",
                                           "10.0.0.25 | 1060 | 110 | ESTABLISHED | 3:04:07 PM",
                                       }));
}

TEST_F(OpenPorts, TerminateClosesThePickedConnectionFoundByItsEndpointsAndNothingElse) {
    const host::TcpRow first = row(1050, 9, 443), picked = row(1051, 9, 80), third = row(1052, 25, 110);
    struct Case {
        const char* name;
        // While the menu is open.
        std::function<void(host::SimHost&)> meanwhile;
        bool canClose = true;
        std::vector<host::TcpRow> closed;
        std::vector<std::string> messages;
    };
    const Case cases[] = {
        {"nothing moved", {}, true, {picked}, {}},
        // The rows shift: the picked connection is now the first row, the third sits where it was.
        {"the row before it closed", [&](host::SimHost& s) { s.removeConnection(first); }, true, {picked}, {}},
        {"a row came before it",
         [&](host::SimHost& s) {
             s.removeConnection(first);
             s.addConnection(row(1049, 7, 21), 300);
             s.addConnection(first, 300);
         },
         true, {picked}, {}},
        // The filter pass's tick fills the list again, and the item picked is gone from it.
        {"the list was filled again",
         [&](host::SimHost& s) {
             s.removeConnection(first);
             forms::advance(1);
             const forms::ListView& list = filterWindows_.ports().lvwCon;
             EXPECT_EQ(list.ListItems().Count(), 2);
             EXPECT_EQ(list.SelectedItem(), nullptr);
         },
         true, {picked}, {}},
        {"it closed itself", [&](host::SimHost& s) { s.removeConnection(picked); }, true, {}, {}},
        {"the close is refused", {}, false, {},
         {std::string(engine::kCannotCloseMessage), kTerminateFailed}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        sim = host::SimHost();
        engine::ResetCloseRightsNotice();
        prompter_.boxes.clear();
        for (const auto& r : {first, picked, third}) sim.addConnection(r, 300);
        sim.setCanDeleteConnections(c.canClose);
        frmport& ports = showPorts();
        click(ports.PictureButton2);
        ASSERT_EQ(ports.lvwCon.ListItems()(2).SubItems(1), "1051");

        actOnItem(ports, 2, "mnukill", [&] {
            if (c.meanwhile) c.meanwhile(sim);
        });
        EXPECT_EQ(sim.deletedConnections(), c.closed);
        EXPECT_EQ(messages(), c.messages);
    }
}

TEST_F(OpenPorts, WithoutAPickedItemTheMenusActionsDoNothingAndAnEmptyListOpensNoMenu) {
    frmport& ports = showPorts();
    {
        PopupAnswers popups;
        clickItem(ports.lvwCon, 1, forms::kRightButton);
        EXPECT_TRUE(popups.opened.empty());
    }
    connect(300, 1050, 9, 443);
    click(ports.PictureButton2);
    ASSERT_EQ(ports.lvwCon.SelectedItem(), nullptr);
    // A right click below the last item opens the menu on no item.
    for (const char* entry : {"mnukill", "mnuHello", "mnuBlock"}) {
        SCOPED_TRACE(entry);
        actOnItem(ports, 3, entry);
    }
    EXPECT_TRUE(sim.deletedConnections().empty());
    EXPECT_TRUE(companions_.asked.empty());
    EXPECT_EQ(filterWindows_.loadedBlock(), nullptr);
    EXPECT_EQ(messages(), std::vector<std::string>{});
}

TEST_F(OpenPorts, SendCommandOpensTheTesterAndBlockThisPortTheBlockDialogOnThePickedConnection) {
    connect(300, 1050, 9, 443);
    connect(400, 1060, 25, 110);
    frmport& ports = showPorts();
    // A left click on an item opens the menu too.
    {
        PopupAnswers popups;
        popups.choose = "mnuHello";
        clickItem(ports.lvwCon, 2);
        EXPECT_EQ(popups.opened, std::vector<std::string>{"mnuKport"});
    }
    EXPECT_EQ(companions_.asked, std::vector<std::string>{"frmCon 10.0.0.25 110"});

    actOnItem(ports, 1, "mnuBlock");
    frmBlock* block = filterWindows_.loadedBlock();
    ASSERT_NE(block, nullptr);
    EXPECT_TRUE(block->Visible());
    EXPECT_EQ(block->txtAddr.Text(), "10.0.0.9");
    EXPECT_EQ(block->txtRemP.Text(), "443");
    EXPECT_EQ(block->txtLocP.Text(), "1050");
    EXPECT_TRUE(block->optB(0).Value());
    // Remove port does nothing, and shows that it does not.
    EXPECT_FALSE(ports.mnuRem.Enabled());
}

TEST_F(OpenPorts, ClosedItOnlyHidesAndItsTimerGoesOnFilteringWithTheEditorsLists) {
    writeFilterFile(
        "[Main]\r\nFilter=True\r\nLog=False\r\n\r\n[Address]\r\nActivate=1\r\nAddrCnt=0\r\n\r\n[RemP]\r\n"
        "Activate=1\r\nRemPcnt=1\r\nRemP_1=6667\r\nchk_1=True\r\n\r\n[LocP]\r\nActivate=0\r\nLocPcnt=0\r\n\r\n"
        "[Log]\r\nListening=0\r\nConnected=0\r\nBlocked=1\r\nICMP=0\r\n\r\n");
    connect(300, 1050, 9, 443);
    frmport& ports = showPorts();
    click(ports.PictureButton1);
    EXPECT_FALSE(ports.Visible());
    EXPECT_EQ(filterWindows_.loadedPorts(), &ports);
    // The pass's first touch loads the editor hidden, and so reads its file.
    forms::advance(1);
    ASSERT_NE(filterWindows_.loadedFilter(), nullptr);
    EXPECT_FALSE(filterWindows_.loadedFilter()->Visible());
    EXPECT_EQ(main_->chkLog(2).Value(), 1);

    const host::TcpRow irc = row(1051, 9, 6667);
    connect(300, 1051, 9, 6667);
    forms::advance(2);
    EXPECT_EQ(sim.deletedConnections(), std::vector<host::TcpRow>{irc});
    const forms::ListItem& logged = main_->lvwLog.ListItems()(main_->lvwLog.ListItems().Count());
    EXPECT_EQ(logged.Text(), "10.0.0.9");
    EXPECT_EQ(logged.SubItems(1), "1051");
    EXPECT_EQ(logged.SubItems(2), "6667");
    EXPECT_EQ(logged.SubItems(3), engine::kBlockedRemotePort);
    // The list, refreshed after the close, shows what is left.
    EXPECT_EQ(itemLines(ports.lvwCon), std::vector<std::string>{"10.0.0.9 | 1050 | 443 | ESTABLISHED | 3:04:05 PM"});
}

TEST_F(OpenPorts, LoadingStartsTheIcmpWatchAfresh) {
    host::IcmpStats icmp{};
    icmp.out.echos = 3;
    icmp.out.echoReps = 4;
    sim.setIcmpStatistics(icmp);
    engine::filterState().echoSum = 7;  // what a pass before saw
    showPorts();
    forms::advance(1);
    ASSERT_GE(main_->lvwLog.ListItems().Count(), 1);
    const forms::ListItem& row = main_->lvwLog.ListItems()(1);
    EXPECT_EQ(itemLine(row), "ICMP | Echo Requests: 3 | Echo Replies: 4 |  | 3:04:05 PM");
}

}  // namespace
}  // namespace qv::ui::testing
