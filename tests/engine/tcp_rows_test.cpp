#include "engine/tcp_rows.h"

#include <gtest/gtest.h>

#include "platform/host/sim/sim_host.h"

namespace qv::engine {
namespace {

using host::rowAddress;
using host::rowPort;

ConnectionRecord rec(std::string la, std::string lp, std::string ra, std::string rp,
                     std::string state = "ESTABLISHED") {
    ConnectionRecord r;
    r.LocalAddress = std::move(la);
    r.LocalPort = std::move(lp);
    r.RemoteAddress = std::move(ra);
    r.RemotePort = std::move(rp);
    r.State = std::move(state);
    r.ProcessId = 7;
    return r;
}

class TcpRowsTest : public ::testing::Test {
protected:
    host::SimHost sim;
    host::ScopedHost useSim{sim};
    const uint32_t local = rowAddress(10, 0, 0, 5);
    const uint32_t remote = rowAddress(10, 0, 0, 9);
    // Rows in table order; the listener comes first, so the table index of a connection is not
    // its netstat index.
    std::vector<host::TcpRow> rows{
        {host::kTcpListen, local, rowPort(1044), 0, 0},
        {host::kTcpEstablished, local, rowPort(1045), remote, rowPort(110)},
        {host::kTcpTimeWait, local, rowPort(1044), remote, rowPort(110)},
        {host::kTcpEstablished, local, rowPort(1044), remote, rowPort(110)},
        {host::kTcpEstablished, local, rowPort(1044), remote, rowPort(995)},
    };
    void SetUp() override { sim.addName("mail.example.test", remote); }
};

TEST_F(TcpRowsTest, FindsTheRowWithTheRecordsEndpoints) {
    struct Case {
        const char* name;
        ConnectionRecord record;
        int wantRow;  // -1: none
    } cases[] = {
        {"dotted endpoints, state chooses among equal endpoints", rec("10.0.0.5", "1044", "10.0.0.9", "110"), 3},
        {"other state", rec("10.0.0.5", "1044", "10.0.0.9", "110", "TIME_WAIT"), 2},
        {"state not in the table: first row with the endpoints",
         rec("10.0.0.5", "1044", "10.0.0.9", "110", "CLOSING"), 2},
        {"remote given by its host name", rec("10.0.0.5", "1044", "mail.example.test", "995"), 4},
        {"other local port", rec("10.0.0.5", "1045", "10.0.0.9", "110"), 1},
        {"no such connection", rec("10.0.0.5", "1046", "10.0.0.9", "110"), -1},
        {"service name for a port", rec("10.0.0.5", "1044", "10.0.0.9", "pop3"), -1},
        {"unknown host name", rec("10.0.0.5", "1044", "nobody.test", "110"), -1},
        {"port out of range", rec("10.0.0.5", "66580", "10.0.0.9", "110"), -1},
        {"empty endpoint", rec("", "1044", "10.0.0.9", "110"), -1},
    };
    for (const Case& c : cases) {
        auto found = FindTcpRow(c.record, rows);
        if (c.wantRow < 0) {
            EXPECT_FALSE(found.has_value()) << c.name;
        } else {
            ASSERT_TRUE(found.has_value()) << c.name;
            EXPECT_EQ(*found, rows[static_cast<std::size_t>(c.wantRow)]) << c.name;
        }
    }
}

TEST_F(TcpRowsTest, BufferAndLookupFollowTheHostsTable) {
    for (const auto& r : rows) sim.addConnection(r, 7);
    EXPECT_EQ(FillTcpRowBuffer(), 4);  // the simulated machine keeps one row per endpoint pair
    auto found = TcpRowOf(rec("10.0.0.5", "1045", "10.0.0.9", "110"));
    ASSERT_TRUE(found.has_value());
    host::TcpRow close = *found;
    close.state = host::kTcpDeleteTcb;
    EXPECT_TRUE(sim.setTcpEntry(close));
    EXPECT_FALSE(TcpRowOf(rec("10.0.0.5", "1045", "10.0.0.9", "110")).has_value());
}

}  // namespace
}  // namespace qv::engine
