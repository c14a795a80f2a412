#include "engine/logs.h"

#include <gtest/gtest.h>

#include "engine/detached_main_window.h"
#include "engine/port_log.h"
#include "platform/base/clock.h"
#include "platform/base/files.h"
#include "temp_folder.h"

namespace qv::engine {
namespace {

class LogsTest : public ::testing::Test {
protected:
    test::TempProgramFolder dir;
    base::FakeClock clock{base::DateTime{2026, 12, 10, 15, 4, 5, 0}};
    base::ScopedClock useClock{clock};
    DetachedMainWindow window;
    ScopedMainWindow useWindow{window};
};

TEST_F(LogsTest, LinesGoToTheDaysFileOfTheirLog) {
    LogSecurity("Low", "- \"C:\\Apps\\mail.exe\" attempted access.");
    LogTraffic("Outbound", "C:\\Apps\\mail.exe sent traffic to 10.0.0.9 on port 445.");
    clock.advance(2 * 1000);
    LogTraffic("Blocked", "x");

    EXPECT_EQ(base::readFile(dir / "Logs/security_12_10_2026.log"),
              "[3:04:05 PM] Low - - \"C:\\Apps\\mail.exe\" attempted access.\r\n");
    EXPECT_EQ(base::readFile(dir / "Logs/traffic_12_10_2026.log"),
              "[3:04:05 PM] Outbound - C:\\Apps\\mail.exe sent traffic to 10.0.0.9 on port 445.\r\n"
              "[3:04:07 PM] Blocked - x\r\n");
}

TEST_F(LogsTest, LoggingOffMakesTheFolderButNoFile) {
    window.check8 = 0;
    LogSecurity("Moderate", "text");
    LogTraffic("Incoming", "text");
    EXPECT_TRUE(base::dirExists(dir / "Logs"));
    EXPECT_FALSE(base::pathExists(dir / "Logs/security_12_10_2026.log"));
    EXPECT_FALSE(base::pathExists(dir / "Logs/traffic_12_10_2026.log"));
}

TEST_F(LogsTest, TwoDaysGiveTwoFiles) {
    clock.setNow(base::DateTime{2026, 12, 31, 23, 59, 59, 0});
    LogSecurity("Low", "before midnight");
    clock.advance(2000);
    LogSecurity("Low", "after midnight");
    EXPECT_EQ(DateStamp(), "1_1_2027");
    EXPECT_EQ(base::readFile(dir / "Logs/security_12_31_2026.log"), "[11:59:59 PM] Low - before midnight\r\n");
    EXPECT_EQ(base::readFile(dir / "Logs/security_1_1_2027.log"), "[12:00:01 AM] Low - after midnight\r\n");
}

TEST_F(LogsTest, UnwritableLogIsPassedOver) {
    // A file where the Logs folder should be: nothing can be written, nothing is thrown.
    ASSERT_TRUE(base::writeFileAtomic(dir / "Logs", "not a folder"));
    LogSecurity("Low", "lost");
    EXPECT_EQ(base::readFile(dir / "Logs"), "not a folder");
}

TEST_F(LogsTest, HeldFilesShowEachLineAtOnceAndFollowTheDate) {
    {
        LogFilesHeld held;
        LogTraffic("Outbound", "one");
        EXPECT_EQ(base::readFile(dir / "Logs/traffic_12_10_2026.log"), "[3:04:05 PM] Outbound - one\r\n");
        clock.setNow(base::DateTime{2026, 12, 11, 0, 0, 1, 0});
        LogTraffic("Outbound", "two");
        LogSecurity("Low", "three");
        EXPECT_EQ(base::readFile(dir / "Logs/traffic_12_11_2026.log"), "[12:00:01 AM] Outbound - two\r\n");
        EXPECT_EQ(base::readFile(dir / "Logs/security_12_11_2026.log"), "[12:00:01 AM] Low - three\r\n");
        // Logging switched off while held: nothing more is written.
        window.check8 = 0;
        LogTraffic("Outbound", "lost");
    }
    window.check8 = 1;
    LogTraffic("Outbound", "four");
    EXPECT_EQ(base::readFile(dir / "Logs/traffic_12_11_2026.log"),
              "[12:00:01 AM] Outbound - two\r\n[12:00:01 AM] Outbound - four\r\n");
    EXPECT_EQ(base::readFile(dir / "Logs/traffic_12_10_2026.log"), "[3:04:05 PM] Outbound - one\r\n");
}

TEST_F(LogsTest, HeldFileThatCannotBeOpenedLosesOnlyItsLines) {
    ASSERT_TRUE(base::writeFileAtomic(dir / "Logs", "not a folder"));
    {
        LogFilesHeld held;
        LogSecurity("Low", "lost");
        LogSecurity("Low", "lost too");
    }
    EXPECT_EQ(base::readFile(dir / "Logs"), "not a folder");
    ASSERT_TRUE(base::removeFile(dir / "Logs"));
    LogFilesHeld held;
    LogSecurity("Low", "kept");
    EXPECT_EQ(base::readFile(dir / "Logs/security_12_10_2026.log"), "[3:04:05 PM] Low - kept\r\n");
}

TEST_F(LogsTest, PortLogSkipsARowWithTheSameHostLocalPortAndStatus) {
    AddPortLog("10.0.0.9", "445", "1044", "Blocked Address", "3:04:05 PM", false);
    AddPortLog("10.0.0.9", "445", "2000", "Blocked Address", "3:05:00 PM", false);   // same key
    AddPortLog("10.0.0.9", "445", "1044", "Blocked Local Port", "3:05:00 PM", false); // other status
    AddPortLog("10.0.0.9", "446", "1044", "Blocked Address", "3:05:00 PM", false);    // other port
    AddPortLog("10.0.0.9", "445", "1044", "Blocked Address", "3:06:00 PM", true);     // always
    ASSERT_EQ(window.lvwLog.size(), 4u);
    EXPECT_EQ(window.lvwLog[0], (PortLogRow{"10.0.0.9", "445", "1044", "Blocked Address", "3:04:05 PM"}));
    EXPECT_EQ(window.lvwLog[1].status, "Blocked Local Port");
    EXPECT_EQ(window.lvwLog[2].localPort, "446");
    EXPECT_EQ(window.lvwLog[3].timeStamp, "3:06:00 PM");
}

}  // namespace
}  // namespace qv::engine
