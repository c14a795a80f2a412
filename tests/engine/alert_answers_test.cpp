// What a connection alert's answers reach: the Tag read back whole, the alert's own process
// resumed once and ended only while it still runs the alert's path, and the alert's own
// connection closed, whatever the table holds at the Tag's index by then.
#include "engine/alert_answers.h"

#include <gtest/gtest.h>

#include "engine/alert_tag.h"
#include "engine/process_control.h"
#include "fake_alert_windows.h"

namespace qv::engine {
namespace {

using test::EngineTest;

TEST(AlertTagTest, SplitsIntoAtMostThreeFields) {
    struct Case {
        const char* tag;
        AlertTag want;
    } cases[] = {
        {"300,4,C:\\Apps\\mail.exe", {300, 4, "C:\\Apps\\mail.exe"}},
        {"300,4,C:\\Program Files\\a,b\\tool,x.exe", {300, 4, "C:\\Program Files\\a,b\\tool,x.exe"}},
        {"300,4,", {300, 4, ""}},
        {"300,4", {300, 4, ""}},
        {"300", {300, -1, ""}},
        {"", {0, -1, ""}},
        {",,/usr/bin/x", {0, -1, "/usr/bin/x"}},
        {"-3,x7,/usr/bin/x", {0, -1, "/usr/bin/x"}},
        {"2147483647,2147483648,/x", {2147483647, -1, "/x"}},
        {"99999999999,0,/x", {0, 0, "/x"}},
    };
    for (const Case& c : cases) EXPECT_EQ(SplitAlertTag(c.tag), c.want) << c.tag;
    EXPECT_EQ(AlertTagText(300, 4, "C:\\a,b.exe"), "300,4,C:\\a,b.exe");
    EXPECT_EQ(SplitAlertTag(AlertTagText(300, 4, "C:\\a,b.exe")), (AlertTag{300, 4, "C:\\a,b.exe"}));
}

class AlertAnswersTest : public EngineTest {
protected:
    const std::string mail = "C:\\Apps\\mail.exe";
    const std::string web = "C:\\Apps\\web.exe";

    // One pass that asks about mail (process 300, thread 301); its alert.
    const test::FakeConnectionAlert& askAboutMail() {
        addApp(300, mail);
        connect(300, 1044, 9, 110);
        PollConnections(true);
        EXPECT_EQ(windows.alerts.size(), 1u);
        return *windows.alerts.back();
    }
};

TEST_F(AlertAnswersTest, ResumeLetsTheAlertsProcessGoOnceAndOnlyWhileItRunsThePath) {
    struct Case {
        const char* name;
        bool pathChanged;  // the process ended and its id now runs another program
        int resumes;
        int suspendCount;  // of the process's thread afterwards
    } cases[] = {
        {"one resume", false, 1, 1},
        {"Allow and the close step", false, 2, 1},
        {"another program under the id", true, 1, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        startCase();
        const auto& alert = askAboutMail();
        ASSERT_EQ(sim.suspendCount(301), 1);
        SuspendProcess(300);  // held by someone else as well: one resume must leave it held
        if (c.pathChanged) sim.addProcess(300, web);

        AlertProcess process(SplitAlertTag(alert.tag));
        EXPECT_EQ(process.processId(), 300);
        EXPECT_EQ(process.appPath(), mail);
        for (int i = 0; i < c.resumes; ++i) process.Resume();
        EXPECT_EQ(sim.suspendCount(301), c.suspendCount);
    }
}

TEST_F(AlertAnswersTest, TerminateEndsTheTagsProcessNeverTheOwnerOfItsIndexNow) {
    struct Case {
        const char* name;
        bool pathChanged;
        std::vector<host::SimHost::Termination> ended;
    } cases[] = {
        {"the alert's process", false, {{300, 0}}},
        {"another program under the id", true, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        startCase();
        const auto& alert = askAboutMail();
        // The alert's connection ends; a pass rebuilds the table, whose record 0 is now web's.
        setRule(web, "2");
        addApp(400, web);
        sim.removeConnection(row(1044, 9, 110));
        connect(400, 1031, 80, 80);
        PollConnections(true);
        ASSERT_EQ(Connections()[0].ProcessId, 400);
        if (c.pathChanged) sim.addProcess(300, web);

        AlertProcess(SplitAlertTag(alert.tag)).Terminate();

        EXPECT_EQ(sim.terminated(), c.ended);
        EXPECT_TRUE(sim.hasProcess(400));
    }
}

TEST_F(AlertAnswersTest, BlockClosesTheAlertsOwnConnectionWhileItIsInTheTable) {
    enum class Then { Nothing, Moved, Ended };
    struct Case {
        const char* name;
        Then then;
        bool closes;
    } cases[] = {
        {"the table as it was", Then::Nothing, true},
        {"a pass moved it to another index", Then::Moved, true},
        {"it ended and another connection took its index", Then::Ended, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        startCase();
        base::removeFile(dir / "Logs/traffic_12_10_2026.log");
        setRule(web, "2");
        addApp(400, web);
        addApp(300, mail);
        connect(400, 1031, 80, 80);
        connect(300, 1043, 9, 25);  // asked about: record 1
        connect(300, 1044, 9, 110);
        PollConnections(true);
        ASSERT_EQ(windows.alerts.size(), 1u);
        const test::FakeConnectionAlert& alert = *windows.alerts[0];
        EXPECT_EQ(alert.endpoints, (ConnectionEndpoints{"192.168.1.10", "1043", "10.0.0.9", "25"}));
        const AlertTag tag = SplitAlertTag(alert.tag);
        ASSERT_EQ(tag.index, 1);
        // A pass after a connection before it ended, or after it ended itself: record 1 is now
        // another connection of mail, never asked about.
        if (c.then == Then::Moved) sim.removeConnection(row(1031, 80, 80));
        if (c.then == Then::Ended) sim.removeConnection(row(1043, 9, 25));
        if (c.then != Then::Nothing) {
            PollConnections(true);
            ASSERT_EQ(Connections()[1].LocalPort, "1044");
        }

        EXPECT_EQ(KillAlertConnection(tag.index, tag.appPath, alert.endpoints), c.closes);

        EXPECT_EQ(sim.deletedConnections(),
                  c.closes ? std::vector<host::TcpRow>{row(1043, 9, 25)} : std::vector<host::TcpRow>{});
        const std::string line =
            "Blocked - C:\\Apps\\mail.exe traffic was blocked. Remote Computer was 10.0.0.9 on port 25.";
        EXPECT_EQ(trafficLog().back() == line, c.closes);
    }
}

}  // namespace
}  // namespace qv::engine
