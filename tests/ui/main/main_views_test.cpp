// The statistics, interface and log views on the running main window's own controls: what its
// load fills in, and what its timers keep up to date.
#include <gtest/gtest.h>

#include <functional>

#include "engine/logs.h"
#include "tests/ui/program_fixture.h"

namespace qv::ui {
namespace {

using testing::ProgramTest;

class MainViews : public ProgramTest {
protected:
    static host::InterfaceRow ethernet(uint32_t in, uint32_t out) {
        host::InterfaceRow r;
        r.index = 1;
        r.type = host::kIfEthernet;
        r.inOctets = in;
        r.outOctets = out;
        return r;
    }
    static std::string row(const forms::ListView& list, int i) {
        const forms::ListItem& item = list.ListItems()(i);
        return item.Text() + "=" + item.SubItems(1);
    }
    // The ImageList1 picture the activity image shows, 0 for none of them.
    int activityPicture() {
        frmMain& f = main();
        for (int i = 1; i <= f.ImageList1.Count(); ++i)
            if (f.Image1.Picture() == f.ImageList1(i).Picture) return i;
        return 0;
    }
};

TEST_F(MainViews, TheLoadShowsTodaysLogLines) {
    clock_.setNow(base::DateTime{2026, 12, 10, 9, 30, 0, 0});
    engine::LogTraffic("Outbound", "C:\\Apps\\a.exe sent traffic to 10.0.0.9 on port 443.");
    engine::LogSecurity("Low", "- \"C:\\Apps\\a.exe\" attempted access.");
    clock_.setNow(base::DateTime{2026, 12, 10, 15, 4, 5, 0});
    addApp(300, "C:\\Apps\\b.exe");
    connect(300, 1050, 9, 443);
    startProgram();
    forms::advance(1000);  // passes write lines of their own, to the files only

    const forms::ListItemList& traffic = main().lvLog.ListItems();
    ASSERT_EQ(traffic.Count(), 1);
    EXPECT_EQ(traffic(1).Text(), "9:30:00 AM");
    EXPECT_EQ(traffic(1).SubItems(1), "Outbound");
    EXPECT_EQ(traffic(1).SubItems(2), "C:\\Apps\\a.exe sent traffic to 10.0.0.9 on port 443.");
    const forms::ListItemList& security = main().lvSec.ListItems();
    ASSERT_EQ(security.Count(), 1);
    EXPECT_EQ(security(1).SubItems(1), "Low");
    EXPECT_EQ(security(1).SubItems(2), "- \"C:\\Apps\\a.exe\" attempted access.");
}

TEST_F(MainViews, TheTimersKeepTheFiguresUpToDate) {
    sim.setInterfaces(std::vector<host::InterfaceRow>{ethernet(1000, 500)});
    host::TcpStats tcp;
    tcp.activeOpens = 3;
    sim.setTcpStatistics(tcp);
    host::IpStats ip;
    ip.defaultTTL = 128;
    sim.setIpStatistics(ip);
    startProgram();
    frmMain& f = main();
    struct Step {
        const char* what;
        std::function<void()> change;
        int64_t ms;  // since the step before
        std::function<void()> check;
    };
    const Step steps[] = {
        {"loaded: the four lists built, the activity pictures in place", [] {}, 0,
         [&] {
             EXPECT_EQ(f.ListView1.ListItems().Count(), 15);
             EXPECT_EQ(f.ListView2.ListItems().Count(), 23);
             EXPECT_EQ(f.ListView3.ListItems().Count(), 5);
             EXPECT_EQ(f.ListView4.ListItems().Count(), 13);
             EXPECT_EQ(row(f.ListView1, 5), "Active opens=3");
             EXPECT_EQ(row(f.ListView2, 2), "Default time-to-live=128");
             EXPECT_EQ(f.ImageList1.Count(), 4);
             EXPECT_EQ(f.lblType.Caption(), "");
         }},
        {"Timer3's first tick: both totals grew from nothing", [] {}, 10,
         [&] {
             EXPECT_EQ(f.lblType.Caption(), "Ethernet");
             EXPECT_EQ(f.lblRecv.Caption(), "1,000");
             EXPECT_EQ(f.lblSent.Caption(), "500");
             EXPECT_EQ(activityPicture(), 4);
         }},
        {"nothing moved", [] {}, 10, [&] { EXPECT_EQ(activityPicture(), 1); }},
        {"bytes came in", [&] { sim.setInterfaces(std::vector<host::InterfaceRow>{ethernet(3000, 500)}); }, 10,
         [&] {
             EXPECT_EQ(f.lblRecv.Caption(), "3,000");
             EXPECT_EQ(activityPicture(), 2);
         }},
        {"Timer6 rewrites a TCP row that changed",
         [&] {
             tcp.activeOpens = 4;
             sim.setTcpStatistics(tcp);
         },
         220, [&] { EXPECT_EQ(row(f.ListView1, 5), "Active opens=4"); }},
        {"Timer4's first tick: the whole total counts as the last second's", [] {}, 750,
         [&] {
             EXPECT_EQ(f.Label16.Caption(), "3000");
             EXPECT_EQ(f.Label14.Caption(), "0");
             EXPECT_EQ(f.Label15.Caption(), "3000");
             EXPECT_EQ(f.Label12.Caption(), "3");
         }},
        {"Timer4 a second later",
         [&] { sim.setInterfaces(std::vector<host::InterfaceRow>{ethernet(15345, 500)}); }, 1000,
         [&] {
             EXPECT_EQ(f.Label14.Caption(), "3000");
             EXPECT_EQ(f.Label12.Caption(), "12.345");
         }},
        {"the IP, UDP and ICMP lists keep what the load showed",
         [&] {
             ip.defaultTTL = 64;
             sim.setIpStatistics(ip);
         },
         10000, [&] { EXPECT_EQ(row(f.ListView2, 2), "Default time-to-live=128"); }},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.what);
        s.change();
        forms::advance(s.ms);
        s.check();
    }
}

}  // namespace
}  // namespace qv::ui
