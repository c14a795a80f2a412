// Today's log files split into list rows, and the port log file's exact bytes.
#include <gtest/gtest.h>

#include "engine/logs.h"
#include "platform/base/files.h"
#include "platform/base/program_folder.h"
#include "tests/ui/main/views_fixture.h"
#include "ui/main/log_views.h"
#include "ui/main/port_log_file.h"

namespace qv::ui::testing {
namespace {

using LogViewsTest = ViewsTest;

TEST(LogLines, SplitIntoTimeWordAndDescription) {
    struct Case {
        const char* line;
        std::optional<LogRow> row;
    } cases[] = {
        {"[10:15:02 AM] Incoming - lantern.exe connected to 203.0.113.80:80.",
         LogRow{"10:15:02 AM", "Incoming", "lantern.exe connected to 203.0.113.80:80."}},
        // An asked application's text begins with "- ": the split is at the first "- ".
        {"[3:04:05 PM] Low - - \"C:\\Apps\\chat.exe\" was asked about",
         LogRow{"3:04:05 PM", "Low", "- \"C:\\Apps\\chat.exe\" was asked about"}},
        {"[1:00:00 AM]  - empty word", LogRow{"1:00:00 AM", "", "empty word"}},
        {"no bracket - here", std::nullopt},
        {"]x - starts with the bracket", std::nullopt},
        {"[1:00:00 AM] word without a dash", std::nullopt},
        {"[a - b] Blocked- x", std::nullopt},  // the first " -" comes before the "]"
        {"", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(SplitLogLine(c.line), c.row) << c.line;
}

TEST_F(LogViewsTest, TodaysLogsLoadInFileOrderUpToALineThatDoesNotSplit) {
    base::makeDir(base::inProgramFolder("Logs"));
    ASSERT_TRUE(base::writeFileAtomic(engine::TrafficLogPath(),
                                      "[10:15:02 AM] Incoming - first.\r\n[10:15:03 AM] Outbound - second.\r\n"
                                      "a line without a bracket\r\n[10:15:04 AM] Blocked - never read.\r\n"));
    ASSERT_TRUE(base::writeFileAtomic(engine::SecurityLogPath(), ""));
    LogTrafficx(form.lvLog);
    LogSecurityx(form.lvSec);
    ASSERT_EQ(form.lvLog.ListItems().Count(), 2);
    EXPECT_EQ(form.lvLog.ListItems()(2).Text(), "10:15:03 AM");
    EXPECT_EQ(form.lvLog.ListItems()(2).SubItems(1), "Outbound");
    EXPECT_EQ(form.lvLog.ListItems()(2).SubItems(2), "second.");
    EXPECT_EQ(form.lvSec.ListItems().Count(), 0) << "an empty log";

    ASSERT_TRUE(base::removeFile(engine::TrafficLogPath()));
    LogTrafficx(form.lvLog);
    EXPECT_EQ(form.lvLog.ListItems().Count(), 2) << "a missing file adds nothing; the list is not cleared";
}

TEST_F(LogViewsTest, ThePortLogStartsWithItsHeaderAndGetsOneSessionBlockPerCall) {
    const std::string path = base::inProgramFolder("Logs/Port.Log");
    ASSERT_TRUE(portlog(form.lvwLog, ""));
    EXPECT_EQ(base::readFile(path),
              "<<<New Log Started: 12/10/2026 3:04:05 PM>>>\r\n"
              "[Host address/IP address], [Local Port], [Remote Port], [Connection Status]\r\n"
              "\r\n"
              "<Session :: Start:  End: 12/10/2026 3:04:05 PM>\r\n"
              "\r\n");

    forms::ListItem& row = form.lvwLog.ListItems().Add(-1, "", "203.0.113.80");
    for (int i = 1; i <= 4; ++i) row.SubItems(i, std::vector<std::string>{"1031", "80", "Connected", "3:04:05 PM"}[i - 1]);
    form.lvwLog.ListItems().Add(-1, "", "0.0.0.0").SubItems(3, "Listening");
    clock_.advance(61000);
    ASSERT_TRUE(portlog(form.lvwLog, "12/10/2026 3:04:05 PM"));
    EXPECT_EQ(base::readFile(path),
              "<<<New Log Started: 12/10/2026 3:04:05 PM>>>\r\n"
              "[Host address/IP address], [Local Port], [Remote Port], [Connection Status]\r\n"
              "\r\n"
              "<Session :: Start:  End: 12/10/2026 3:04:05 PM>\r\n"
              "\r\n"
              "\r\n"
              "<Session :: Start: 12/10/2026 3:04:05 PM End: 12/10/2026 3:05:06 PM>\r\n"
              "203.0.113.80 1031 80 Connected 3:04:05 PM\r\n"
              "0.0.0.0   Listening \r\n"
              "\r\n");
}

TEST_F(LogViewsTest, APortLogThatCannotBeWrittenLeavesTheOldFileWhole) {
    base::makeDir(base::inProgramFolder("Logs"));
    const std::string path = base::inProgramFolder("Logs/Port.Log");
    ASSERT_TRUE(base::writeFileAtomic(path, "old\r\n"));
    base::setAtomicWriteHook([](const std::string&, const std::string&) { return false; });
    EXPECT_FALSE(portlog(form.lvwLog, ""));
    base::setAtomicWriteHook({});
    EXPECT_EQ(base::readFile(path), "old\r\n");
}

}  // namespace
}  // namespace qv::ui::testing
