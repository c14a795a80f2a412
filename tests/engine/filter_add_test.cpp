#include "engine/filter_add.h"

#include <gtest/gtest.h>

#include "platform/host/sim/sim_host.h"

namespace qv::engine {
namespace {

using From = FilterAddFrom;

TEST(FilterAddTest, EntriesAreCheckedResolvedAndRefusedAsTheyShouldBe) {
    host::SimHost sim;
    host::ScopedHost useSim{sim};
    sim.addName("mail.test", host::rowAddress(10, 0, 0, 25));
    sim.addName("alias.test", host::rowAddress(10, 0, 0, 25));
    sim.addName("web.test", host::rowAddress(10, 0, 0, 80));
    FilterLists start;
    ASSERT_TRUE(start.add(kRemoteAddressList, {"mail.test", "10.0.0.25", false}));
    ASSERT_TRUE(start.add(kRemotePortList, {"80", "", false}));

    const std::string longPort(300, '1');
    struct Case {
        From from;
        int list;
        std::string typed;
        std::string_view message;  // "" with added: added; "" without: nothing happened
        bool added = false;
        FilterEntry entry{};       // the entry added
    };
    const Case cases[] = {
        {From::Editor, kRemoteAddressList, "web.test", "", true, {"web.test", "10.0.0.80", true}},
        {From::Editor, kRemoteAddressList, " 10.0.0.7 ", "", true, {"10.0.0.7", "10.0.0.7", true}},
        {From::Editor, kRemoteAddressList, "mail.test", kItemExists},
        {From::Editor, kRemoteAddressList, "alias.test", kIpExists},
        {From::Editor, kRemoteAddressList, "10.0.0.25", kIpExists},
        {From::Editor, kRemoteAddressList, "no-such.test", kCannotResolve},
        {From::Editor, kRemoteAddressList, "255.255.255.255", kCannotResolve},
        {From::Editor, kRemoteAddressList, "web.test\r\n", kCannotResolve},
        {From::Editor, kRemoteAddressList, "", ""},
        {From::Editor, kRemoteAddressList, "   ", ""},
        {From::Editor, kRemotePortList, "443", "", true, {"443", "", true}},
        {From::Editor, kRemotePortList, "80", kItemExists},
        {From::Editor, kLocalPortList, "80", "", true, {"80", "", true}},
        {From::Editor, kRemotePortList, "-1", kNotANumber},
        {From::Editor, kRemotePortList, " 80", kNotANumber},
        {From::Editor, kRemotePortList, "8o", kNotANumber},
        {From::Editor, kRemotePortList, longPort, kNotANumber},
        {From::Editor, kRemotePortList, "", ""},
        {From::BlockDialog, kRemoteAddressList, "web.test", "", true, {"web.test", "10.0.0.80", true}},
        {From::BlockDialog, kRemoteAddressList, "mail.test", kItemExists},
        {From::BlockDialog, kRemoteAddressList, "alias.test", kIpExists},
        {From::BlockDialog, kRemoteAddressList, "no-such.test", kCannotResolve},
        {From::BlockDialog, kRemoteAddressList, "", kCannotResolve},
        {From::BlockDialog, kRemotePortList, "80", "", true, {"80", "", true}},
        {From::BlockDialog, kRemotePortList, "x", kNotANumber},
        {From::BlockDialog, kLocalPortList, "", kNotANumber},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE((c.from == From::Editor ? "editor, list " : "block dialog, list ") + std::to_string(c.list) +
                     ", \"" + c.typed + "\"");
        FilterLists lists = start;
        FilterAddResult r = AddFilterEntry(lists, c.list, c.typed, c.from);
        EXPECT_EQ(r.added, c.added);
        EXPECT_EQ(r.message, c.message);
        ASSERT_EQ(lists.count(c.list), start.count(c.list) + (c.added ? 1 : 0));
        if (c.added) {
            EXPECT_EQ(lists.entries(c.list).back(), c.entry);
        }
    }
}

}  // namespace
}  // namespace qv::engine
