#include <gtest/gtest.h>

#include "platform/host/names.h"
#include "platform/host/netstat.h"

using namespace qv::host;

namespace {
TcpRow row(uint32_t state, uint32_t la, uint16_t lp, uint32_t ra, uint16_t rp) {
    return {state, la, rowPort(lp), ra, rowPort(rp)};
}
}  // namespace

TEST(NetstatText, HeadingThenOneLinePerConnectionThatIsNotListening) {
    const uint32_t lo = rowAddress(127, 0, 0, 1);
    const uint32_t any = 0;
    const uint32_t far = rowAddress(255, 255, 255, 255);
    std::vector<OwnedConnection> c = {
        {row(kTcpListen, any, 135, any, 0), 4},
        {row(kTcpEstablished, lo, 1031, lo, 1032), 4321},
        {row(kTcpTimeWait, rowAddress(192, 168, 1, 10), 1029, rowAddress(10, 0, 0, 1), 80), 0},
        {row(kTcpSynReceived, far, 65535, far, 65535), 7},
    };
    EXPECT_EQ(netstatText(c),
              "Active Connections\r\n"
              "\r\n"
              "  Proto  Local Address          Foreign Address        State           PID\r\n"
              "  TCP    127.0.0.1:1031         127.0.0.1:1032         ESTABLISHED     4321\r\n"
              "  TCP    192.168.1.10:1029      10.0.0.1:80            TIME_WAIT       0\r\n"
              "  TCP    255.255.255.255:65535  255.255.255.255:65535  SYN_RECEIVED    7\r\n");
    EXPECT_EQ(netstatText({}),
              "Active Connections\r\n\r\n"
              "  Proto  Local Address          Foreign Address        State           PID\r\n");
}

TEST(NetstatText, StateWordsForEveryRowState) {
    const char* expected[] = {"UNKNOWN",    "CLOSED",     "LISTENING",  "SYN_SENT",  "SYN_RECEIVED",
                              "ESTABLISHED", "FIN_WAIT_1", "FIN_WAIT_2", "CLOSE_WAIT", "CLOSING",
                              "LAST_ACK",   "TIME_WAIT",  "DELETE_TCB", "UNKNOWN"};
    for (uint32_t s = 0; s < 14; ++s) EXPECT_STREQ(netstatStateWord(s), expected[s]) << s;
}

TEST(RowForms, AddressesAndPortsInNetworkByteOrder) {
    // As the row reads on a little-endian machine: first byte of the address lowest.
    EXPECT_EQ(rowAddress(127, 0, 0, 1), 0x0100007Fu);
    EXPECT_EQ(rowPort(80), 0x5000u);
    EXPECT_EQ(rowPort(1031), 0x0704u);
    EXPECT_EQ(portOfRow(0x5000u), 80);
    EXPECT_EQ(portOfRow(0xFFFF5000u), 80);  // only the low 16 bits count
    EXPECT_EQ(dottedFromAddress(0x0100007Fu), "127.0.0.1");
    EXPECT_EQ(dottedFromAddress(0xFFFFFFFFu), "255.255.255.255");
    EXPECT_EQ(dottedFromAddress(0), "0.0.0.0");
}

TEST(RowForms, DottedTextToAddress) {
    struct Case {
        const char* text;
        std::optional<uint32_t> value;
    } cases[] = {
        {"127.0.0.1", rowAddress(127, 0, 0, 1)},
        {"192.168.1.10", rowAddress(192, 168, 1, 10)},
        {"255.255.255.255", 0xFFFFFFFFu},
        {"0.0.0.0", 0u},
        {"", std::nullopt},
        {"localhost", std::nullopt},
        {"1.2.3.256", std::nullopt},
        {"1.2.3.4.5", std::nullopt},
        {"1.2.3.-4", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(addressFromDotted(c.text), c.value) << c.text;
    EXPECT_EQ(addressFromDotted(std::string_view("1.2.3.4\0junk", 12)), std::nullopt);
}
