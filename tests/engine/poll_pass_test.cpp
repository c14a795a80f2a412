#include "engine/poll_pass.h"

#include <gtest/gtest.h>

#include <optional>

#include "engine/block_all_notice.h"
#include "engine/tray_status.h"
#include "fake_alert_windows.h"
#include "version_block_builder.h"

namespace qv::engine {
namespace {

using test::EngineTest;

class PollPassTest : public EngineTest {};

TEST_F(PollPassTest, EachConnectionIsDecidedByThePermissionBoxesAndItsRule) {
    // The updater is the program folder's Updates\update.exe, named with either separator; the
    // same name in other letters is an application like any other.
    enum class App { Mail, Updater, UpdaterBackslashes, UpdaterOtherCase };
    struct Case {
        const char* name;
        int check1 = 0;
        int check2 = 0;
        bool blockAll = false;
        App app = App::Mail;
        std::optional<std::string> rule;  // nullopt: no rule stored
        // expected
        int trafficLines = 0;  // Outbound lines
        int blocked = 0;       // Blocked count
        bool closed = false;   // both connections closed
        bool terminated = false;
        bool asked = false;
        int messageBoxes = 0;
    };
    const Case cases[] = {
        {"allow all", 1, 0, false, App::Mail, "1", 1, 0, false, false, false, 0},
        {"allow all asks nobody", 1, 0, false, App::Mail, std::nullopt, 1, 0, false, false, false, 0},
        {"allow all ends nothing", 1, 0, false, App::Mail, "3", 1, 0, false, false, false, 0},
        {"block all", 0, 1, false, App::Mail, "2", 2, 2, true, false, false, 0},
        {"block all asks nobody", 0, 1, false, App::Mail, std::nullopt, 2, 2, true, false, false, 0},
        {"block all ends nothing", 0, 1, false, App::Mail, "3", 2, 2, true, false, false, 0},
        {"allow all wins over block all", 1, 1, false, App::Mail, "1", 1, 0, false, false, false, 0},
        {"no rule", 0, 0, false, App::Mail, std::nullopt, 2, 0, false, false, true, 0},
        {"ask", 0, 0, false, App::Mail, "0", 2, 0, false, false, true, 0},
        {"empty rule asks", 0, 0, false, App::Mail, "", 2, 0, false, false, true, 0},
        {"block", 0, 0, false, App::Mail, "1", 2, 2, true, false, false, 0},
        {"trust", 0, 0, false, App::Mail, "2", 2, 0, false, false, false, 0},
        {"terminate", 0, 0, false, App::Mail, "3", 2, 0, false, true, false, 0},
        {"other text trusts", 0, 0, false, App::Mail, "7", 2, 0, false, false, false, 0},
        {"block-all notice", 0, 0, true, App::Mail, std::nullopt, 2, 0, true, false, false, 0},
        {"notice leaves rules", 0, 0, true, App::Mail, "2", 2, 0, false, false, false, 0},
        {"notice before updater", 0, 0, true, App::Updater, std::nullopt, 2, 0, true, false, false, 0},
        {"updater", 0, 0, false, App::Updater, std::nullopt, 2, 0, false, false, false, 2},
        {"updater named with backslashes", 0, 0, false, App::UpdaterBackslashes, "0", 2, 0, false, false, false, 2},
        {"updater in other letters", 0, 0, false, App::UpdaterOtherCase, std::nullopt, 2, 0, false, false, true, 0},
        {"updater with rule", 0, 0, false, App::Updater, "2", 2, 0, false, false, false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        startCase();
        messageBoxes.clear();
        window.check1 = c.check1;
        window.check2 = c.check2;
        windows.blockAll = c.blockAll;
        std::string app = "C:\\Apps\\mail.exe";
        if (c.app == App::Updater) app = dir.path() + "/Updates/update.exe";
        if (c.app == App::UpdaterBackslashes) app = base::Replace(dir.path(), "/", "\\") + "\\Updates\\update.exe";
        if (c.app == App::UpdaterOtherCase) app = dir.path() + "/Updates/Update.exe";
        base::removeFile(dir / "Logs/traffic_12_10_2026.log");
        if (c.rule) setRule(app, *c.rule);
        addApp(300, app);
        connect(300, 1044, 9, 110);
        connect(300, 1045, 9, 995);

        PollConnections(false);

        auto lines = trafficLog();
        int outbound = 0, blockedLines = 0;
        for (const auto& l : lines) {
            outbound += l.starts_with("Outbound - ");
            blockedLines += l.starts_with("Blocked - ");
        }
        EXPECT_EQ(outbound, c.trafficLines);
        EXPECT_EQ(blockedLines, c.closed ? 2 : 0);
        EXPECT_EQ(pollState().counts, (TrafficCounts{0, c.trafficLines, c.blocked}));
        EXPECT_EQ(closed(row(1044, 9, 110)), c.closed);
        EXPECT_EQ(closed(row(1045, 9, 995)), c.closed);
        EXPECT_EQ(!sim.terminated().empty(), c.terminated);
        EXPECT_EQ(windows.alerts.size(), c.asked ? 1u : 0u);
        EXPECT_EQ(sim.isSuspended(300), c.asked);
        ASSERT_EQ(messageBoxes.size(), static_cast<std::size_t>(c.messageBoxes));
        for (const auto& m : messageBoxes) EXPECT_EQ(m, app);
        EXPECT_TRUE(window.timer2Enabled);
    }
}

TEST_F(PollPassTest, CountsAndTrafficLinesByDirection) {
    setRule("C:\\Apps\\web.exe", "2");
    setRule("C:\\Apps\\chat.exe", "2");
    addApp(300, "C:\\Apps\\web.exe");
    addApp(400, "C:\\Apps\\chat.exe");
    connect(300, 1031, 80, 80);
    connect(400, 6891, 41, 6891);  // equal ports: incoming
    sim.addProcess(500, "", {501});  // a process whose path cannot be read
    connect(500, 1050, 7, 25);

    PollConnections(false);

    EXPECT_EQ(trafficLog(), (std::vector<std::string>{
                                "Outbound - C:\\Apps\\web.exe sent traffic to 10.0.0.80 on port 80.",
                                "Incoming - C:\\Apps\\chat.exe allowed traffic from 10.0.0.41 on port 6891.",
                                "Outbound -  sent traffic to 10.0.0.7 on port 25.",
                            }));
    EXPECT_EQ(pollState().counts, (TrafficCounts{1, 2, 0}));
    // A record without a path is not asked about.
    EXPECT_TRUE(windows.alerts.empty());
}

TEST_F(PollPassTest, RecordWithoutPathIsNeverAskedOrListedButBlockAllClosesIt) {
    struct Case {
        const char* name;
        int check2;
        bool blockAll;
        bool closed;
    } cases[] = {{"plain", 0, false, false}, {"block all", 1, false, true}, {"block-all notice", 0, true, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        startCase();
        window.lvFirewall.clear();
        window.check2 = c.check2;
        windows.blockAll = c.blockAll;
        window.visible = true;
        sim.addProcess(500, "", {501});  // a process whose path cannot be read
        connect(500, 1050, 7, 25);

        PollConnections(false);

        EXPECT_TRUE(windows.alerts.empty());
        EXPECT_TRUE(window.lvFirewall.empty());
        EXPECT_FALSE(sim.isSuspended(500));
        EXPECT_EQ(closed(row(1050, 7, 25)), c.closed);
        EXPECT_EQ(pollState().counts.Blocked, c.check2);
    }
}

TEST_F(PollPassTest, PassRunsOnlyWhenTheRowCountMovesOrIsForced) {
    setRule("C:\\Apps\\web.exe", "2");
    addApp(300, "C:\\Apps\\web.exe");
    connect(300, 1031, 80, 80);

    PollConnections(false);
    EXPECT_EQ(trafficLog().size(), 1u);
    PollConnections(false);  // unchanged: nothing runs
    EXPECT_EQ(trafficLog().size(), 1u);
    PollConnections(true);
    EXPECT_EQ(trafficLog().size(), 2u);
    // One connection closing while another opens keeps the count: not seen.
    sim.removeConnection(row(1031, 80, 80));
    connect(300, 1032, 80, 443);
    PollConnections(false);
    EXPECT_EQ(trafficLog().size(), 2u);
    connect(300, 1033, 80, 443);
    PollConnections(false);
    EXPECT_EQ(trafficLog().size(), 4u);
    EXPECT_EQ(pollState().lastRowCount, 2);
}

TEST_F(PollPassTest, TrayTipAndIconFollowTheCounts) {
    struct Case {
        bool in, out, blocked;
        const char* tip;
        int image;
    };
    const Case rows[] = {
        {false, false, false, "Quarvelin - No Traffic", 13},
        {false, false, true, "Quarvelin - Block All Traffic", 11},
        {true, true, false, "Quarvelin - Allow All Traffic", 12},
        {false, true, true, "Quarvelin - Block out All Traffic", 15},
        {true, false, true, "Quarvelin - Block in All Traffic", 15},
        {false, true, false, "Quarvelin - Allow out All Traffic", 14},
        {true, false, false, "Quarvelin - Allow in All Traffic", 14},
    };
    for (const Case& c : rows) {
        auto s = TrayStatusFor(c.in, c.out, c.blocked);
        ASSERT_TRUE(s) << c.tip;
        EXPECT_EQ(s->tip, c.tip);
        EXPECT_EQ(s->image, c.image) << c.tip;
    }
    EXPECT_FALSE(TrayStatusFor(true, true, true));

    // Through passes: the first moves all three counts, so tip and icon stay as they were; a
    // second pass with the same counts shows no traffic.
    setRule("C:\\Apps\\web.exe", "2");
    setRule("C:\\Apps\\mail.exe", "1");
    addApp(300, "C:\\Apps\\web.exe");
    addApp(400, "C:\\Apps\\mail.exe");
    sim.setCanDeleteConnections(false);
    connect(300, 1031, 80, 80);
    connect(300, 6891, 41, 6891);
    connect(400, 1040, 25, 110);
    PollConnections(false);
    EXPECT_EQ(pollState().counts, (TrafficCounts{1, 2, 1}));
    EXPECT_EQ(window.trayTip, "Quarvelin - Status Normal");
    EXPECT_EQ(window.trayIcon, 10);
    PollConnections(true);
    EXPECT_EQ(window.trayTip, "Quarvelin - No Traffic");
    EXPECT_EQ(window.trayIcon, 13);
    // A second blocked connection moves the outbound and blocked counts.
    connect(400, 1041, 25, 110);
    PollConnections(false);
    EXPECT_EQ(pollState().counts, (TrafficCounts{1, 3, 2}));
    EXPECT_EQ(window.trayTip, "Quarvelin - Block out All Traffic");
    EXPECT_EQ(window.trayIcon, 15);
    // A second incoming connection moves the incoming count alone.
    connect(300, 6892, 42, 6892);
    PollConnections(false);
    EXPECT_EQ(pollState().counts, (TrafficCounts{2, 3, 2}));
    EXPECT_EQ(window.trayTip, "Quarvelin - Allow in All Traffic");
    EXPECT_EQ(window.trayIcon, 14);
}

TEST_F(PollPassTest, MainWindowViewsAreRefilledOnlyWhileItIsVisible) {
    const std::string mail = dir / "mail.exe";
    ASSERT_TRUE(base::writeFileAtomic(
        mail, test::executableHead() + test::wideBlock({{"FileDescription", "Pigeon Mail"}, {"FileVersion", "2.1"}})));
    sim.setFileModified(mail, base::DateTime{2026, 3, 4, 15, 6, 7, 0});
    setRule(mail, "2");
    setRule("C:\\Apps\\web.exe", "1");
    setRule("C:\\Apps\\kill.exe", "3");
    addApp(300, mail);
    addApp(400, "C:\\Apps\\web.exe");
    addApp(500, "C:\\Apps\\kill.exe");
    connect(300, 1040, 25, 110);
    connect(400, 1031, 80, 80);
    connect(500, 1060, 90, 8443);

    // Hidden: nothing of the window changes; Block is enforced once.
    window.lvFirewall.push_back(AppListItem{"old", "", "old", 0});
    PollConnections(false);
    EXPECT_EQ(window.lvFirewall.size(), 1u);
    EXPECT_EQ(window.lblIncoming, "");
    EXPECT_TRUE(savedSettings.empty());
    auto blockedLines = [&] {
        int n = 0;
        for (const auto& l : trafficLog()) n += l.starts_with("Blocked - C:\\Apps\\web.exe traffic was blocked.");
        return n;
    };
    EXPECT_EQ(blockedLines(), 1);
    EXPECT_EQ(sim.terminated().size(), 1u);

    // Visible: the list, the counters and the stored counts; Block and Terminate once more (a
    // connection closed by the first leaves the second nothing to close or log).
    addApp(500, "C:\\Apps\\kill.exe");
    connect(500, 1060, 90, 8443);
    connect(400, 1031, 80, 80);
    window.visible = true;
    PollConnections(true);
    EXPECT_EQ(blockedLines(), 2);
    ASSERT_EQ(window.lvFirewall.size(), 2u);
    EXPECT_EQ(window.lvFirewall[0], (AppListItem{"Pigeon Mail", "2.1", mail, 0}));
    EXPECT_EQ(window.lvFirewall[1], (AppListItem{"(No Application Name)", "", "C:\\Apps\\web.exe", 2}));
    EXPECT_EQ(sim.terminated().size(), 2u);
    EXPECT_EQ(window.lblIncoming, "0");
    EXPECT_EQ(window.lblOutgoing, "3");
    EXPECT_EQ(window.ucSlider1, "0");
    EXPECT_EQ(window.ucSlider2, "3");
    EXPECT_EQ(window.lblBlocked, "1");
    EXPECT_EQ(savedSettings, (std::vector<std::string>{"quarvelin/graph/out=3", "quarvelin/graph/in=0",
                                                       "quarvelin/graph/block=1"}));
    EXPECT_EQ(readStore(RuleStore(), "CRC32", mail), "3/4/2026 3:06:07 PM");
}

TEST_F(PollPassTest, ApplicationListHasOneRowPerProcessAndEveryRecordIsEnforced) {
    const std::string mail = "C:\\Apps\\mail.exe";
    const std::string web = "C:\\Apps\\web.exe";
    setRule(mail, "2");
    setRule(web, "2");
    addApp(300, mail);
    addApp(310, mail);  // a second process of the same application
    addApp(400, web);
    connect(300, 1040, 25, 110);
    connect(400, 1031, 80, 80);
    connect(300, 1041, 25, 995);
    connect(310, 1042, 26, 110);
    connect(300, 1043, 25, 143);
    connect(400, 1032, 80, 443);
    window.visible = true;
    // After the last connection is decided, a window stores Block for the mail application: the
    // list's refill enforces it on each of its records.
    setDoEventsHandler([&] {
        if (trafficLog().size() == 6) setRule(mail, "1");
    });

    PollConnections(false);

    EXPECT_EQ(window.lvFirewall, (std::vector<AppListItem>{{"(No Application Name)", "", mail, 0},
                                                           {"(No Application Name)", "", web, 1},
                                                           {"(No Application Name)", "", mail, 3}}));
    for (const host::TcpRow& r : {row(1040, 25, 110), row(1041, 25, 995), row(1042, 26, 110), row(1043, 25, 143)})
        EXPECT_TRUE(closed(r));
    EXPECT_FALSE(closed(row(1031, 80, 80)));
    EXPECT_FALSE(closed(row(1032, 80, 443)));

    // Terminate: each process ends and loses its row; later records of it add none.
    setDoEventsHandler({});
    setRule(mail, "3");
    setRule(web, "2");
    connect(300, 1044, 25, 110);
    connect(300, 1045, 25, 110);
    connect(310, 1046, 26, 110);
    PollConnections(false);
    EXPECT_EQ(window.lvFirewall, (std::vector<AppListItem>{{"(No Application Name)", "", web, 0}}));
    EXPECT_EQ(sim.terminated(), (std::vector<host::SimHost::Termination>{{300, 0}, {310, 0}}));
}

TEST_F(PollPassTest, KillConnectionClosesTheRecordsOwnConnectionOnly) {
    const std::string mail = "C:\\Apps\\mail.exe";
    const std::string web = "C:\\Apps\\web.exe";
    addApp(300, mail);
    addApp(400, web);
    // A listening row first: netstat leaves it out, so record and row indexes differ.
    sim.addConnection({host::kTcpListen, host::rowAddress(0, 0, 0, 0), host::rowPort(135), 0, 0}, 400);
    connect(400, 1031, 80, 80);
    connect(300, 1040, 25, 110);
    setRule(mail, "2");
    setRule(web, "2");
    PollConnections(false);
    ASSERT_EQ(Connections().count(), 2);
    const ConnectionEndpoints webEnds = EndpointsOf(Connections()[0]);
    const ConnectionEndpoints mailEnds = EndpointsOf(Connections()[1]);
    const std::string mailLine =
        "Blocked - C:\\Apps\\mail.exe traffic was blocked. Remote Computer was 10.0.0.25 on port 110.";

    // In order, on one table: each step's call, whether it closed, and the traffic log's new line.
    struct Step {
        const char* name;
        int index;
        std::string app;
        ConnectionEndpoints held;
        bool canDelete;
        bool closes;
        std::string line;  // "": none
    };
    const Step steps[] = {
        {"another application's record", 1, web, mailEnds, true, false, ""},
        {"no such record", 7, "", {}, true, false, ""},
        {"a record that took the index over", 1, mail, webEnds, true, false, ""},
        {"a close that fails", 0, web, webEnds, false, false, ""},
        {"the record's own connection", 1, mail, mailEnds, true, true, mailLine},
        {"a connection already gone", 1, mail, mailEnds, true, false, ""},
    };
    std::vector<host::TcpRow> deleted;
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        sim.setCanDeleteConnections(step.canDelete);
        const std::size_t linesBefore = trafficLog().size();
        EXPECT_EQ(KillConnection(step.index, step.app, step.held), step.closes);
        if (step.closes) deleted.push_back(row(1040, 25, 110));
        EXPECT_EQ(sim.deletedConnections(), deleted);
        const auto lines = trafficLog();
        ASSERT_EQ(lines.size(), linesBefore + (step.line.empty() ? 0 : 1));
        if (!step.line.empty()) {
            EXPECT_EQ(lines.back(), step.line);
        }
    }
    EXPECT_EQ(sim.connections().size(), 2u);  // the listener and the connection that could not be closed
}

TEST_F(PollPassTest, BlockRuleClosesEveryConnectionOfALargeTable) {
    // Far more rows than a fixed-size row buffer or record table would hold.
    constexpr int kConnections = 2101;
    setRule("C:\\Apps\\spray.exe", "1");
    addApp(300, "C:\\Apps\\spray.exe");
    connectMany(300, kConnections);

    PollConnections(false);

    EXPECT_EQ(Connections().count(), kConnections);
    EXPECT_EQ(pollState().counts, (TrafficCounts{0, kConnections, kConnections}));
    EXPECT_EQ(sim.deletedConnections().size(), static_cast<std::size_t>(kConnections));
    EXPECT_TRUE(sim.connections().empty());
}

TEST_F(PollPassTest, PassAskedForDuringAPassRunsOnceRightAfterIt) {
    addApp(300, "C:\\Apps\\web.exe");
    addApp(400, "C:\\Apps\\mail.exe");
    setRule("C:\\Apps\\web.exe", "2");
    setRule("C:\\Apps\\mail.exe", "2");
    connect(300, 1031, 80, 80);
    connect(400, 1040, 25, 110);

    int nestedCalls = 0;
    std::size_t linesInsideNested = 0;
    setDoEventsHandler([&] {
        // After the first connection is decided, a window changes a rule and forces a pass,
        // three times over: the requests make one pass.
        if (nestedCalls == 0 && trafficLog().size() == 1) {
            setRule("C:\\Apps\\mail.exe", "1");
            std::size_t before = trafficLog().size();
            for (; nestedCalls < 3; ++nestedCalls) PollConnections(true);
            linesInsideNested = trafficLog().size() - before;
            EXPECT_TRUE(pollState().running);
        }
    });
    PollConnections(false);

    EXPECT_EQ(nestedCalls, 3);
    EXPECT_EQ(linesInsideNested, 0u);
    EXPECT_FALSE(pollState().running);
    // The first pass goes on to its end with the new rule; the second sees the table without the
    // closed connection.
    EXPECT_EQ(trafficLog(), (std::vector<std::string>{
                                "Outbound - C:\\Apps\\web.exe sent traffic to 10.0.0.80 on port 80.",
                                "Outbound - C:\\Apps\\mail.exe sent traffic to 10.0.0.25 on port 110.",
                                "Blocked - C:\\Apps\\mail.exe traffic was blocked. Remote Computer was "
                                "10.0.0.25 on port 110.",
                                "Outbound - C:\\Apps\\web.exe sent traffic to 10.0.0.80 on port 80.",
                            }));
    EXPECT_TRUE(closed(row(1040, 25, 110)));
    EXPECT_EQ(pollState().counts, (TrafficCounts{0, 1, 0}));
    EXPECT_EQ(pollState().completed, pollState().counts);
    EXPECT_EQ(pollState().previous, (TrafficCounts{0, 2, 1}));
}

TEST_F(PollPassTest, EveryPassCompletesUnderARequestAtEveryPump) {
    // A main window that counts the passes reaching their end.
    struct CountingWindow : DetachedMainWindow {
        int passEnds = 0;
        void enableTimer2() override {
            ++passEnds;
            DetachedMainWindow::enableTimer2();
        }
    } counting;
    ScopedMainWindow useCounting{counting};
    const std::vector<std::string> passLines = {
        "Outbound - C:\\Apps\\web.exe sent traffic to 10.0.0.80 on port 80.",
        "Outbound - C:\\Apps\\mail.exe sent traffic to 10.0.0.25 on port 110.",
        "Incoming - C:\\Apps\\web.exe allowed traffic from 10.0.0.41 on port 6891.",
    };
    setRule("C:\\Apps\\web.exe", "2");
    setRule("C:\\Apps\\mail.exe", "2");
    addApp(300, "C:\\Apps\\web.exe");
    addApp(400, "C:\\Apps\\mail.exe");
    connect(300, 1031, 80, 80);
    connect(400, 1040, 25, 110);
    connect(300, 6891, 41, 6891);

    // The pumps of one quiet pass.
    int pumps = 0;
    setDoEventsHandler([&] { ++pumps; });
    PollConnections(true);
    const int pumpsPerPass = pumps;
    ASSERT_GT(pumpsPerPass, 3);
    ASSERT_EQ(counting.passEnds, 1);
    base::removeFile(dir / "Logs/traffic_12_10_2026.log");

    // A forced pass and a timer tick with a moved row count at each of 2,000 pumps.
    constexpr int kRequests = 2000;
    struct Case {
        const char* name;
        bool force;
    } cases[] = {{"forced", true}, {"timer tick", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        base::removeFile(dir / "Logs/traffic_12_10_2026.log");
        counting.passEnds = 0;
        pumps = 0;
        setDoEventsHandler([&] {
            if (++pumps > kRequests) return;
            if (!c.force) pollState().lastRowCount = -1;  // the table moved since the last test
            PollConnections(c.force);
        });
        PollConnections(true);

        // Requests during pass n make pass n + 1; the pass whose pumps all come after the last
        // request is the last.
        const int passes = (kRequests + pumpsPerPass - 1) / pumpsPerPass + 1;
        EXPECT_EQ(counting.passEnds, passes);
        const auto lines = trafficLog();
        ASSERT_EQ(lines.size(), passLines.size() * static_cast<std::size_t>(passes));
        for (std::size_t i = 0; i < lines.size(); ++i) EXPECT_EQ(lines[i], passLines[i % passLines.size()]) << i;
        EXPECT_EQ(pollState().completed, (TrafficCounts{1, 2, 0}));
        EXPECT_FALSE(pollState().running);
        EXPECT_FALSE(pollState().rerun);
    }
}

TEST_F(PollPassTest, RuleStoredWhileThePassRunsHoldsForTheRestOfIt) {
    addApp(300, "C:\\Apps\\mail.exe");
    setRule("C:\\Apps\\mail.exe", "2");
    connect(300, 1044, 9, 110);
    connect(300, 1045, 9, 995);
    // After the first connection a window stores Block without asking for a pass.
    setDoEventsHandler([&] {
        if (trafficLog().size() == 1) setRule("C:\\Apps\\mail.exe", "1");
    });
    PollConnections(false);
    EXPECT_FALSE(closed(row(1044, 9, 110)));
    EXPECT_TRUE(closed(row(1045, 9, 995)));
    EXPECT_EQ(pollState().counts, (TrafficCounts{0, 2, 1}));
}

TEST_F(PollPassTest, BlockAllNoticeRestoresTheTipItFound) {
    ASSERT_EQ(window.trayTip, "Quarvelin - Status Normal");
    std::string kept = BlockAllNoticeLoad();
    EXPECT_EQ(window.trayTip, "Quarvelin - Computer Normal");
    windows.blockAll = true;

    // A pass meanwhile changes the tip and cuts off the application without a rule.
    addApp(300, "C:\\Apps\\mail.exe");
    connect(300, 1040, 25, 110);
    PollConnections(false);
    EXPECT_EQ(window.trayTip, "Quarvelin - Allow out All Traffic");
    EXPECT_TRUE(closed(row(1040, 25, 110)));
    EXPECT_TRUE(windows.alerts.empty());

    windows.blockAll = false;
    BlockAllNoticeUnload(kept);
    EXPECT_EQ(window.trayTip, "Quarvelin - Status Normal");
}

}  // namespace
}  // namespace qv::engine
