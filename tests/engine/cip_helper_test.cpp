#include "engine/cip_helper.h"

#include <gtest/gtest.h>

#include "engine/ui_hooks.h"
#include "platform/host/sim/sim_host.h"

namespace qv::engine {
namespace {

host::InterfaceRow ethernet(uint32_t in, uint32_t out) {
    host::InterfaceRow r;
    r.name = "eth0";
    r.description = "Ethernet adapter";
    r.index = 2;
    r.type = host::kIfEthernet;
    r.mtu = 1500;
    r.speed = 100000000;
    r.physicalAddress = {0, 80, 86, 192, 0, 8};
    r.inOctets = in;
    r.outOctets = out;
    r.inErrors = 3;
    r.outQLen = 4;
    return r;
}

host::InterfaceRow loopback(uint32_t in, uint32_t out) {
    host::InterfaceRow r;
    r.name = "lo";
    r.description = "Loopback";
    r.index = 1;
    r.type = host::kIfLoopback;
    r.inOctets = in;
    r.outOctets = out;
    return r;
}

class CIpHelperTest : public ::testing::Test {
protected:
    host::SimHost sim;
    host::ScopedHost useSim{sim};
    std::vector<std::string> boxes;
    void SetUp() override {
        setMsgBoxHandler([this](const std::string& text, const std::string&, int) {
            boxes.push_back(text);
            return kIdOk;
        });
    }
    void TearDown() override { setMsgBoxHandler({}); }
};

TEST(AdapterAddressText, HexWithoutLeadingZeroAndZeroAsDoubleZero) {
    struct Case {
        std::vector<uint8_t> bytes;
        const char* want;
    } cases[] = {{{0, 80, 86, 192, 0, 8}, "00-50-56-C0-00-8"},
                 {{0, 12, 41, 171}, "00-C-29-AB"},
                 {{}, ""},
                 {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, "1-2-3-4-5-6-7-8"}};
    for (const Case& c : cases) EXPECT_EQ(AdapterAddressText(c.bytes), c.want) << c.want;
}

TEST_F(CIpHelperTest, EachReadGivesAFreshCollectionAndSums) {
    CIpHelper helper;
    EXPECT_EQ(helper.BytesReceived(), 0);
    sim.setInterfaces(std::vector<host::InterfaceRow>{loopback(100, 100), ethernet(5000, 700)});
    auto first = helper.Interfaces();
    ASSERT_EQ(first->Count(), 2);
    EXPECT_EQ(first->Item(1)->InterfaceType(), host::kIfLoopback);
    EXPECT_EQ(first->Item(1)->AdapterAddress(), "");
    auto eth = first->Item(2);
    EXPECT_EQ(eth->AdapterAddress(), "00-50-56-C0-00-8");
    EXPECT_EQ(eth->InterfaceDescription(), "Ethernet adapter");
    EXPECT_EQ(eth->InterfaceName(), "eth0");
    EXPECT_EQ(eth->MaximumTransmissionUnit(), 1500);
    EXPECT_EQ(eth->IncomingErrors(), 3);
    EXPECT_EQ(eth->OutputQueueLength(), 4);
    EXPECT_EQ(eth->LastChange(), base::DateTime{});
    EXPECT_EQ(helper.BytesReceived(), 5100);
    EXPECT_EQ(helper.BytesSent(), 800);

    sim.setInterfaces(std::vector<host::InterfaceRow>{loopback(200, 100)});
    auto second = helper.Interfaces();
    EXPECT_NE(first, second);
    EXPECT_EQ(first->Count(), 2);
    EXPECT_EQ(second->Count(), 1);
    EXPECT_EQ(helper.BytesReceived(), 200);
}

TEST_F(CIpHelperTest, SumsPastTheSignedRangeStayPositive) {
    CIpHelper helper;
    sim.setInterfaces(std::vector<host::InterfaceRow>{ethernet(0xFFFFFFF0u, 0x80000000u),
                                                      loopback(0xFFFFFFF0u, 0x80000000u)});
    auto list = helper.Interfaces();
    EXPECT_EQ(helper.BytesReceived(), 2 * int64_t{0xFFFFFFF0u});
    EXPECT_EQ(helper.BytesSent(), int64_t{0x100000000});
    // Each interface's own counter is shown as the signed 32-bit value it always was.
    EXPECT_EQ(list->Item(1)->OctetsReceived(), -16);
}

TEST_F(CIpHelperTest, NoInterfaceTableSaysSoOnceAndGivesAnEmptyCollection) {
    CIpHelper helper;
    sim.setInterfaces(std::nullopt);
    EXPECT_EQ(helper.Interfaces()->Count(), 0);
    EXPECT_EQ(helper.Interfaces()->Item(1), nullptr);
    EXPECT_EQ(boxes, (std::vector<std::string>{"IP Helper is not supported by this system."}));
    EXPECT_EQ(helper.BytesReceived(), 0);
}

TEST(CInterfaces, AddItemRemoveAndWalk) {
    CInterfaces c;
    auto a = c.Add(std::make_shared<CInterface>());
    a->InterfaceIndex(1);
    c.Add(std::make_shared<CInterface>())->InterfaceIndex(2);
    c.Add(std::make_shared<CInterface>())->InterfaceIndex(3);
    c.Remove(2);
    c.Remove(0);
    c.Remove(9);
    std::vector<int> seen;
    for (const auto& m : c) seen.push_back(m->InterfaceIndex());
    EXPECT_EQ(seen, (std::vector<int>{1, 3}));
    EXPECT_EQ(c.Item(1), a);
    EXPECT_EQ(c.Item(3), nullptr);
}

}  // namespace
}  // namespace qv::engine
