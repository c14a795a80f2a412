#include <gtest/gtest.h>

#include "platform/host/sim/sim_host.h"

using namespace qv::host;

TEST(Scenario, DefaultScenarioIsTheDefaultHost) {
    SimHost h;
    std::string error;
    ASSERT_TRUE(h.loadScenario(SimHost::defaultScenarioText(), &error)) << error;

    Host& current = currentHost();
    EXPECT_EQ(current.processIds(), h.processIds());
    EXPECT_EQ(current.runNetstat().output, h.runNetstat().output);

    // A handful of applications, each with connections the netstat text names by owner.
    std::string out = h.runNetstat().output;
    int withPath = 0;
    for (uint32_t pid : h.processIds()) {
        std::string path = h.processPath(pid);
        if (path.empty() || !h.mayControlProcess(pid)) continue;
        ++withPath;
        EXPECT_NE(out.find(" " + std::to_string(pid) + "\r\n"), std::string::npos) << path;
        EXPECT_TRUE(h.fileModified(path).has_value()) << path;
    }
    EXPECT_GE(withPath, 4);
    EXPECT_FALSE(h.mayControlProcess(2300)) << "the program's own process";
    auto ifs = h.interfaceTable();
    ASSERT_TRUE(ifs.has_value());
    ASSERT_EQ(ifs->size(), 2u);
    EXPECT_EQ((*ifs)[0].type, kIfLoopback);
    EXPECT_TRUE((*ifs)[0].physicalAddress.empty());
    EXPECT_EQ((*ifs)[1].physicalAddress, (std::vector<uint8_t>{0, 0x50, 0x56, 0xC0, 0, 8}));
    EXPECT_EQ(h.internetState(), (InternetState{true, kInternetLan | kInternetConfigured}));
    EXPECT_EQ(h.tcpStatistics()->maxConn, 0xFFFFFFFFu);
    EXPECT_EQ(h.hostByName("localhost"), rowAddress(127, 0, 0, 1));
}

TEST(Scenario, ItemsOfEveryKind) {
    SimHost h;
    std::string error;
    ASSERT_TRUE(h.loadScenario("# comment\r\n"
                               "self 10 9\r\n"
                               "process 20 C:\\Program Files\\Two Words\\app.exe  \r\n"
                               "\tthread 21 20\n"
                               "tcp 5 10.1.2.3:1025 10.9.8.7:80 20\n"
                               "tcp time_wait 10.1.2.3:1026 10.9.8.7:80 0\n"
                               "file 1/2/2026 13:04:05 C:\\Program Files\\Two Words\\app.exe\n"
                               "interface 3 6 1500 1000 00-C-29-AB 5 6 Ethernet 2\n"
                               "internet offline 32\n"
                               "udpstats 1 2 3 4 -1\n"
                               "icmpout 1 2 3 4 5 6 7 8 9 10 11 12 13\n"
                               "name host.test 10.9.8.7",
                               &error))
        << error;
    EXPECT_FALSE(h.mayControlProcess(10));
    EXPECT_FALSE(h.mayControlProcess(9));
    EXPECT_EQ(h.processPath(20), "C:\\Program Files\\Two Words\\app.exe");
    EXPECT_EQ(h.threadSnapshot(), (std::vector<ThreadEntry>{{21, 20}}));
    auto rows = h.tcpTable();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0], (TcpRow{kTcpEstablished, rowAddress(10, 1, 2, 3), rowPort(1025),
                               rowAddress(10, 9, 8, 7), rowPort(80)}));
    EXPECT_EQ(rows[1].state, kTcpTimeWait);
    EXPECT_EQ(h.fileModified("C:\\Program Files\\Two Words\\app.exe"),
              (qv::base::DateTime{2026, 1, 2, 13, 4, 5}));
    auto ifs = h.interfaceTable();
    ASSERT_EQ(ifs->size(), 1u);
    EXPECT_EQ((*ifs)[0].name, "Ethernet 2");
    EXPECT_EQ((*ifs)[0].physicalAddress, (std::vector<uint8_t>{0, 0x0C, 0x29, 0xAB}));
    EXPECT_EQ((*ifs)[0].inOctets, 5u);
    EXPECT_EQ(h.internetState(), (InternetState{false, kInternetOffline}));
    EXPECT_EQ(h.udpStatistics(), (UdpStats{1, 2, 3, 4, 0xFFFFFFFFu}));
    EXPECT_EQ(h.icmpStatistics()->out.echos, 8u);
    EXPECT_EQ(h.icmpStatistics()->in, IcmpCounts{});
    EXPECT_EQ(h.hostByAddress(rowAddress(10, 9, 8, 7)), "host.test");
}

TEST(Scenario, ABadLineNamesItsLineAndAddsNothing) {
    struct Case {
        const char* line;
        const char* error;
    } cases[] = {
        {"bogus 1", "line 2: unknown item: bogus"},
        {"self 1", "line 2: self takes 2 fields, not 1"},
        {"thread 5 77", "line 2: thread of an unknown process"},
        {"tcp OPEN 1.2.3.4:1 1.2.3.4:2 1", "line 2: no such state: OPEN"},
        {"tcp 13 1.2.3.4:1 1.2.3.4:2 1", "line 2: no such state: 13"},
        {"tcp 5 1.2.3.4 1.2.3.4:2 1", "line 2: not address:port: 1.2.3.4"},
        {"tcp 5 1.2.3.4:65536 1.2.3.4:2 1", "line 2: port out of range: 1.2.3.4:65536"},
        {"tcp 5 1.2.3.400:1 1.2.3.4:2 1", "line 2: not an address: 1.2.3.400"},
        {"process x C:\\a.exe", "line 2: not a number: x"},
        {"udpstats 1 2 3", "line 2: udpstats takes 5 fields, not 3"},
        {"tcpstats 1 2 3 4 5 6 7 8 9 10 11 12 13 14 99999999999", "line 2: not a number: 99999999999"},
        {"interface 1 6 1500 0 00-GG 0 0 eth", "line 2: not a physical address: 00-GG"},
        {"interface 1 6 1500 0 1-2-3-4-5-6-7-8-9 0 0 eth", "line 2: physical address longer than 8 bytes"},
        {"file 13/1/2026 1:00:00 C:\\a", "line 2: date or time out of range"},
        {"file 1/1/2026 C:\\a", "line 2: file takes a date, a time and a path"},
        {"internet maybe 2", "line 2: internet is online or offline"},
    };
    for (const auto& c : cases) {
        SimHost h;
        std::string error;
        EXPECT_FALSE(h.loadScenario(std::string("process 50 C:\\x.exe\n") + c.line, &error)) << c.line;
        EXPECT_EQ(error, c.error);
        EXPECT_TRUE(h.processIds().empty()) << "nothing of a bad text is added: " << c.line;
    }
}
