#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>

#include <ctime>
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

TEST_F(FilesTest, LastModifiedDateAndTimeAsTheDesktopShowsThem) {
    const std::string p = path("Firewall.qvl");
    ASSERT_TRUE(writeFileAtomic(p, "[RULES]\r\n"));
    // Stamp the file with a known local time: 10 December 2026, 3:04:05 PM.
    std::tm tm{};
    tm.tm_year = 2026 - 1900;
    tm.tm_mon = 11;
    tm.tm_mday = 10;
    tm.tm_hour = 15;
    tm.tm_min = 4;
    tm.tm_sec = 5;
    tm.tm_isdst = -1;
    const timespec times[2] = {{std::mktime(&tm), 0}, {std::mktime(&tm), 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, p.c_str(), times, 0), 0);
    EXPECT_EQ(FileDateTimeText(p), "12/10/2026 3:04:05 PM");
    const std::string winPath = dir_.string() + "\\Firewall.qvl";
    EXPECT_EQ(FileDateTimeText(winPath), "12/10/2026 3:04:05 PM");
    EXPECT_EQ(fileModified(p), (DateTime{2026, 12, 10, 15, 4, 5, 0}));
    EXPECT_FALSE(fileModified(path("none")).has_value());
}

TEST_F(FilesTest, FoldersAndFilesAreMadeAndRemoved) {
    EXPECT_FALSE(makeDir(path("a/b")));  // one level only
    EXPECT_TRUE(makeDirs(path("a\\b\\c")));
    EXPECT_TRUE(dirExists(path("a/b/c")));
    EXPECT_TRUE(makeDirs(path("a/b/c")));  // all there already
    ASSERT_TRUE(writeFileAtomic(path("a/b/c/f.txt"), "x"));
    EXPECT_FALSE(removeDir(path("a/b/c")));   // not empty
    EXPECT_FALSE(removeFile(path("a/b/c")));  // a folder is not a file
    EXPECT_TRUE(removeFile(path("a\\b\\c\\f.txt")));
    EXPECT_FALSE(removeFile(path("a/b/c/f.txt")));
    EXPECT_TRUE(removeDir(path("a/b/c")));
    EXPECT_FALSE(dirExists(path("a/b/c")));
    EXPECT_FALSE(readFile(path("a/b/c/f.txt")).has_value());
    EXPECT_FALSE(fileLength(path("a/b")).has_value());  // a folder has no length
    EXPECT_FALSE(readFile(path("a")).has_value());
    // A whole-file write replaces what was there and leaves no temporary file beside it.
    ASSERT_TRUE(writeFileAtomic(path("a/s.ini"), "first, longer content"));
    ASSERT_TRUE(writeFileAtomic(path("a/s.ini"), "second"));
    EXPECT_EQ(*readFile(path("a/s.ini")), "second");
    int entries = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir_ / "a")) ++entries;
    EXPECT_EQ(entries, 2);  // b and s.ini
    EXPECT_TRUE(renameFile(path("a/s.ini"), path("a/t.ini")));
    EXPECT_TRUE(fileExists(path("a/t.ini")));
    EXPECT_FALSE(pathExists(path("a/s.ini")));
}

TEST_F(FilesTest, ProgramFolderJoinsRelativePaths) {
    setProgramFolder(dir_.string() + "/");
    EXPECT_EQ(inProgramFolder("Conf\\config.ini"), dir_.string() + "/Conf/config.ini");
    EXPECT_FALSE(executablePath().empty());
}
