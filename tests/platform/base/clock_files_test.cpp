#include <gtest/gtest.h>

#include <filesystem>

#include "platform/base/clock.h"
#include "platform/base/files.h"
#include "platform/base/program_folder.h"

using namespace qv::base;

TEST(Clock, UsDesktopTextForms) {
    struct Case {
        DateTime t;
        const char* time;
        const char* date;
    } cases[] = {{{2026, 12, 10, 15, 4, 5}, "3:04:05 PM", "12/10/2026"},
                 {{2026, 1, 5, 0, 0, 9}, "12:00:09 AM", "1/5/2026"},
                 {{2026, 7, 4, 12, 30, 0}, "12:30:00 PM", "7/4/2026"},
                 {{1999, 12, 31, 11, 59, 59}, "11:59:59 AM", "12/31/1999"}};
    for (const auto& c : cases) {
        EXPECT_EQ(TimeText(c.t), c.time);
        EXPECT_EQ(DateText(c.t), c.date);
    }
    EXPECT_EQ(DateTimeText({2026, 12, 10, 15, 4, 5}), "12/10/2026 3:04:05 PM");
}

TEST(Clock, FakeClockMovesTimeOfDayAndTickAcrossMidnight) {
    FakeClock fake(DateTime{2026, 12, 31, 23, 59, 59, 500});
    ScopedClock use(fake);
    int64_t t0 = GetTickCount();
    fake.advance(1000);
    EXPECT_EQ(GetTickCount() - t0, 1000);
    EXPECT_EQ(DateNow(), "1/1/2027");
    EXPECT_EQ(TimeNow(), "12:00:00 AM");
    EXPECT_DOUBLE_EQ(Timer(), 0.5);
}

class FilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("qv_files_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override {
        setAtomicWriteHook(nullptr);
        std::filesystem::remove_all(dir_);
    }
    std::string path(const char* name) const { return (dir_ / name).string(); }
    std::filesystem::path dir_;
};

TEST_F(FilesTest, BackslashPathsAndNameSplitting) {
    EXPECT_TRUE(makeDir(path("Logs")));
    EXPECT_FALSE(makeDir(path("Logs")));  // exists already
    std::string p = dir_.string() + "\\Logs\\a.log";
    EXPECT_TRUE(appendLine(p, "one"));
    EXPECT_TRUE(appendLine(p, "two"));
    EXPECT_EQ(*readFile(p), "one\r\ntwo\r\n");
    EXPECT_EQ(*fileLength(p), 10u);
    EXPECT_EQ(fileNameOf("C:\\x\\y/z.exe"), "z.exe");
    EXPECT_EQ(folderOf("C:\\x\\y.exe"), "C:\\x");
    EXPECT_EQ(joinPath("a/", "\\b"), "a\\b");
    EXPECT_FALSE(fileExists(path("Logs")));
    EXPECT_TRUE(dirExists(path("Logs")));
    EXPECT_FALSE(FileDateTimeText(p).empty());
    EXPECT_EQ(FileDateTimeText(path("none")), "");
}

TEST_F(FilesTest, AtomicWriteInterruptedBeforeRenameKeepsTheOldFile) {
    std::string p = path("store.ini");
    ASSERT_TRUE(writeFileAtomic(p, "old"));
    setAtomicWriteHook([](const std::string&, const std::string&) { return false; });
    EXPECT_FALSE(writeFileAtomic(p, "new content"));
    EXPECT_EQ(*readFile(p), "old");
    setAtomicWriteHook(nullptr);
    EXPECT_TRUE(writeFileAtomic(p, "new content"));
    EXPECT_EQ(*readFile(p), "new content");
    EXPECT_FALSE(writeFileAtomic(path("missing/folder.ini"), "x"));
}

TEST_F(FilesTest, ProgramFolderJoinsRelativePaths) {
    setProgramFolder(dir_.string() + "/");
    EXPECT_EQ(inProgramFolder("Conf\\config.ini"), dir_.string() + "/Conf/config.ini");
    EXPECT_FALSE(executablePath().empty());
}
