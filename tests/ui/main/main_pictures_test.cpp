// The splash and every page of the main window as the headless presenter draws them, compared
// with their reference pictures under fixtures/main.
#include <gtest/gtest.h>

#include "engine/cini.h"
#include "engine/logs.h"
#include "engine/port_log.h"
#include "engine/stores.h"
#include "platform/present/render.h"
#include "tests/engine/version_block_builder.h"
#include "tests/picture_check.h"
#include "tests/ui/input.h"
#include "tests/ui/program_fixture.h"

namespace qv::ui {
namespace {

using testing::ProgramTest;

struct Page {
    forms::XTab& (*tab)(frmMain&);
    int page;
    const char* name;
};

forms::XTab& status(frmMain& f) { return f.XTab3; }
forms::XTab& options(frmMain& f) { return f.XTab2; }
forms::XTab& logging(frmMain& f) { return f.XTab4; }
forms::XTab& statistic(frmMain& f) { return f.XTab5; }

// The shipped machine (its interfaces and counters), its four applications' programs real files
// with version blocks, each with a rule.
class MainPictures : public ProgramTest {
protected:
    MainPictures() {
        EXPECT_TRUE(sim.loadScenario(host::SimHost::defaultScenarioText()));
        struct App {
            std::uint32_t pid;
            const char* file;
            const char* description;
            const char* version;
            const char* rule;
        };
        const App apps[] = {{2412, "lantern.exe", "Lanternfish Browser", "4.2.1.0", "2"},
                            {2632, "pigeon.exe", "Courier Pigeon Mail", "2.0.7.0", "2"},
                            {2820, "palaver.exe", "Palaver Chat", "1.9.0.3", "2"},
                            {3116, "tidesync.exe", "Tidepool Sync", "3.1.0.0", "2"}};
        std::filesystem::create_directories(root_ / "apps");
        engine::cINI& r = engine::RuleStore();
        r.Path(engine::RuleStorePath());
        r.Section("RULES");
        for (const App& a : apps) {
            const std::string path = (root_ / "apps" / a.file).string();
            EXPECT_TRUE(base::writeFileAtomic(
                path, engine::test::executableHead() +
                          engine::test::wideBlock({{"FileDescription", a.description}, {"FileVersion", a.version}}) +
                          std::string(16, '\0')));
            sim.addProcess(a.pid, path);
            r.Key(path);
            r.Value(a.rule);
        }
        r.Key("C:\\WINDOWS\\desktop.exe");
        r.Value("2");
    }
    // The program started and shown, its timers run for a few seconds.
    frmMain& shownMain() {
        startProgram();
        frmMain& f = main();
        f.Visible(true);
        forms::advance(2500);
        return f;
    }
    void expectPages(frmMain& f, std::initializer_list<Page> pages) {
        for (const Page& p : pages) {
            SCOPED_TRACE(p.name);
            forms::XTab& tab = p.tab(f);
            testing::showPageOf(tab);
            tab.CurrTab(p.page);
            qv::testing::expectMatchesReference(present::renderForm(f), "main", p.name);
        }
    }
};

TEST_F(MainPictures, TheSplashHalfWay) {
    splash& s = forms::Default<splash>();
    s.Show();
    forms::advance(101 * 50);
    qv::testing::expectMatchesReference(present::renderForm(s), "main", "splash");
}

TEST_F(MainPictures, EveryPageAsANewUserFindsIt) {
    frmMain& f = shownMain();
    expectPages(f, {{status, 0, "status_windows"},
                    {status, 1, "status_security"},
                    {status, 2, "status_others"},
                    {options, 0, "settings_windows"},
                    {options, 1, "settings_traffic"},
                    {options, 2, "settings_security"},
                    {options, 3, "settings_logs"},
                    {logging, 0, "logging_traffic"},
                    {logging, 1, "logging_security"},
                    {logging, 2, "logging_port"},
                    {statistic, 0, "statistic_tcp"},
                    {statistic, 1, "statistic_ip"},
                    {statistic, 2, "statistic_udp"},
                    {statistic, 3, "statistic_icmp"}});
}

// A busy day: the logs the engine wrote since the morning, the port log of this run, and the
// counters of a machine that has been up for a while.
TEST_F(MainPictures, TheLoggingAndStatisticPagesWithData) {
    struct Line {
        int minutes;  // after the first line of its log
        const char* word;
        const char* text;
    };
    const Line traffic[] = {
        {0, "Outbound", "C:\\Apps\\lantern.exe sent traffic to 203.0.113.80 on port 443."},
        {7, "Incoming", "C:\\Apps\\palaver.exe allowed traffic from 192.0.2.41 on port 6891."},
        {31, "Blocked", "C:\\Apps\\palaver.exe traffic was blocked. Remote Computer was 192.0.2.40 on port 6667."},
        {95, "Outbound", "C:\\Apps\\pigeon.exe sent traffic to 198.51.100.25 on port 110."},
        {96, "Outbound", "C:\\Apps\\pigeon.exe sent traffic to 198.51.100.25 on port 25."},
    };
    const Line security[] = {
        {0, "Low", "- \"C:\\Apps\\tidesync.exe\" attempted access."},
        {37, "Moderate", "A potentially dangerous port 6891 allowed a connection from 192.0.2.41. This port is chat"},
        {38, "Low", "- \"C:\\Apps\\palaver.exe\" attempted access."},
    };
    auto write = [this](const base::DateTime& start, const auto& lines, void (*log)(std::string_view, std::string_view)) {
        clock_.setNow(start);
        int minutes = 0;
        for (const Line& l : lines) {
            clock_.advance(int64_t{60000} * (l.minutes - minutes));
            minutes = l.minutes;
            log(l.word, l.text);
        }
    };
    write(base::DateTime{2026, 12, 10, 9, 12, 40, 0}, traffic, engine::LogTraffic);
    write(base::DateTime{2026, 12, 10, 9, 14, 2, 0}, security, engine::LogSecurity);
    clock_.setNow(base::DateTime{2026, 12, 10, 15, 4, 5, 0});
    sim.setTcpStatistics(host::TcpStats{1, 200, 120000, 0xFFFFFFFFu, 25312, 4121, 871, 402, 61, 9823412, 8812344,
                                        40231, 12, 3011, 221});
    sim.setIpStatistics(host::IpStats{2, 128, 10234981, 3, 41, 0, 2, 118, 10234700, 9012233, 0, 14, 7, 0, 12, 12, 0,
                                      31, 0, 62, 3, 4, 17});
    sim.setUdpStatistics(host::UdpStats{2813344, 4102, 9, 2710081, 14});
    sim.setIcmpStatistics(host::IcmpStats{{3410, 12, 221, 94, 0, 0, 3, 1520, 1548, 0, 0, 0, 0},
                                          {3302, 0, 180, 0, 0, 0, 0, 1550, 1520, 0, 0, 0, 0}});

    frmMain& f = shownMain();
    const char* const rows[][4] = {{"203.0.113.80", "1031", "80", "Connected"},
                                   {"203.0.113.80", "1032", "443", "Connected"},
                                   {"0.0.0.0", "6891", "0", "Listening"},
                                   {"192.0.2.40", "1050", "6667", "Blocked"}};
    for (const auto& r : rows) engine::AddPortLog(r[0], r[1], r[2], r[3], "12/10/2026 3:04:07 PM", true);
    expectPages(f, {{logging, 0, "logging_traffic_data"},
                    {logging, 1, "logging_security_data"},
                    {logging, 2, "logging_port_data"},
                    {statistic, 0, "statistic_tcp_data"},
                    {statistic, 1, "statistic_ip_data"},
                    {statistic, 2, "statistic_udp_data"},
                    {statistic, 3, "statistic_icmp_data"}});
}

}  // namespace
}  // namespace qv::ui
