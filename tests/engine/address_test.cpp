#include "engine/address.h"

#include <gtest/gtest.h>

#include "engine/ui_hooks.h"
#include "platform/host/sim/sim_host.h"

namespace qv::engine {
namespace {

using host::rowAddress;

class AddressTest : public ::testing::Test {
protected:
    host::SimHost sim;
    host::ScopedHost useSim{sim};
    std::vector<std::string> boxes;
    int events = 0;
    void SetUp() override {
        sim.addName("mail.example.test", rowAddress(10, 0, 0, 9));
        sim.addName("mail.example.test", rowAddress(10, 0, 0, 10));
        sim.addName("", rowAddress(10, 0, 0, 11));
        setMsgBoxHandler([this](const std::string& text, const std::string&, int) {
            boxes.push_back(text);
            return kIdOk;
        });
        setDoEventsHandler([this] { ++events; });
    }
    void TearDown() override {
        setMsgBoxHandler({});
        setDoEventsHandler({});
    }
};

TEST_F(AddressTest, IpToStringReadsNetworkByteOrder) {
    EXPECT_EQ(IpToString(rowAddress(127, 0, 0, 1)), "127.0.0.1");
    EXPECT_EQ(IpToString(rowAddress(192, 168, 10, 254)), "192.168.10.254");
    EXPECT_EQ(IpToString(0), "0.0.0.0");
}

TEST_F(AddressTest, ResolveAddress) {
    struct Case {
        const char* name;
        uint32_t want;
    } cases[] = {{"10.0.0.7", rowAddress(10, 0, 0, 7)},
                 {"mail.example.test", rowAddress(10, 0, 0, 9)},  // the first address
                 {"MAIL.example.test", rowAddress(10, 0, 0, 9)},
                 {"nobody.test", kNoAddress}};
    for (const Case& c : cases) EXPECT_EQ(ResolveAddress(c.name), c.want) << c.name;
}

TEST_F(AddressTest, HostNameFromIp) {
    struct Case {
        const char* ip;
        const char* want;
    } cases[] = {{"10.0.0.9", "mail.example.test"},
                 {"10.0.0.10", "mail.example.test"},
                 {"10.0.0.11", ""},           // a registered empty name
                 {"10.0.0.99", "10.0.0.99"},  // no name: the address itself
                 {"mail.example.test", "Invalid IP."},
                 {"", "Invalid IP."}};
    for (const Case& c : cases) EXPECT_EQ(HostNameFromIp(c.ip), c.want) << c.ip;
    EXPECT_GE(events, 8);  // before and after each lookup
    EXPECT_TRUE(boxes.empty());
}

TEST_F(AddressTest, TheBroadcastAddressIsNoAddressAndIsNotLookedUp) {
    sim.addName("everyone.test", rowAddress(255, 255, 255, 255));
    for (const char* ip : {"255.255.255.255", "0xffffffff", "4294967295"}) {
        events = 0;
        EXPECT_EQ(HostNameFromIp(ip), "Invalid IP.") << ip;
        EXPECT_EQ(events, 0) << ip;  // no lookup, so no messages run around one
    }
    EXPECT_EQ(HostNameFromIp("255.255.255.254"), "255.255.255.254");
    EXPECT_EQ(events, 2);
}

TEST_F(AddressTest, CleanupWithoutStartShowsTheSocketsError) {
    ASSERT_TRUE(SocketsInitialize());
    SocketsCleanup();
    EXPECT_TRUE(boxes.empty());
    // Earlier "Invalid IP." answers leave the layer started, as the lookup does; drain them.
    while (boxes.empty()) SocketsCleanup();
    EXPECT_EQ(boxes, (std::vector<std::string>{"Windows Sockets error occurred in Cleanup."}));
}

}  // namespace
}  // namespace qv::engine
