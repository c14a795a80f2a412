#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <set>

#include "platform/base/clock.h"
#include "platform/base/file_lock.h"
#include "platform/base/files.h"
#include "platform/base/program_folder.h"
#include "platform/base/temp_files.h"
#include "platform/host/linux/sandbox.h"
#include "tests/platform/host/linux/sandbox_children.h"

using namespace qv::base;
using qv::host::testing::ChildProcess;

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
    // Basic leaves out the time of an exact midnight.
    EXPECT_EQ(DateTimeText({2026, 12, 10, 0, 0, 0}), "12/10/2026");
    EXPECT_EQ(DateTimeText({2026, 12, 10, 0, 0, 1}), "12/10/2026 12:00:01 AM");
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
    // The names in the folder, hidden ones included.
    std::set<std::string> names() const {
        std::set<std::string> out;
        for (const auto& e : std::filesystem::directory_iterator(dir_)) out.insert(e.path().filename().string());
        return out;
    }
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

TEST_F(FilesTest, WritingThroughALinkReplacesItsTargetAndKeepsTheLink) {
    namespace fs = std::filesystem;
    fs::create_directories(dir_ / "real");
    ASSERT_TRUE(writeFileAtomic(path("real/store.ini"), "old"));
    fs::create_symlink("real/store.ini", dir_ / "relative.ini");
    fs::create_symlink(dir_ / "relative.ini", dir_ / "chain.ini");  // a link to a link
    fs::create_symlink("real/new.ini", dir_ / "dangling.ini");
    struct Case {
        const char* link;
        const char* target;
    } cases[] = {{"relative.ini", "real/store.ini"}, {"chain.ini", "real/store.ini"}, {"dangling.ini", "real/new.ini"}};
    for (const auto& c : cases) {
        const std::string content = std::string("through ") + c.link;
        ASSERT_TRUE(writeFileAtomic(path(c.link), content)) << c.link;
        EXPECT_TRUE(fs::is_symlink(dir_ / c.link)) << c.link;
        EXPECT_EQ(readFile(path(c.target)), content) << c.link;
        EXPECT_EQ(readFile(path(c.link)), content) << c.link;
    }
    EXPECT_EQ(names(), (std::set<std::string>{"chain.ini", "dangling.ini", "real", "relative.ini"}));
    fs::create_symlink("loop.ini", dir_ / "loop.ini");
    EXPECT_FALSE(writeFileAtomic(path("loop.ini"), "x"));
    EXPECT_TRUE(fs::is_symlink(dir_ / "loop.ini"));
}

TEST_F(FilesTest, TemporaryFilesAreKnownByTheirNames) {
    struct Case {
        const char* name;
        bool temp;
    } cases[] = {
        {".Firewall.qvl.qvtmp0123456789abcdef", true},
        {".config.ini.tmp4242_0", true},  // the form earlier versions used
        {".a.tmp1_22", true},
        {"Firewall.qvl.qvtmp0123456789abcdef", false},  // not hidden
        {".Firewall.qvl.qvtmp0123456789abcdeF", false},
        {".Firewall.qvl.qvtmp0123456789abcde", false},
        {".qvtmp0123456789abcdef", false},
        {".config.ini.tmp4242", false},
        {".config.ini.tmp_1", false},
        {".profile", false},
        {"Firewall.qvl", false},
    };
    for (const auto& c : cases) EXPECT_EQ(isTempFileName(c.name), c.temp) << c.name;
}

TEST_F(FilesTest, ALeftoverInUseStaysAndOneWhoseWriterIsGoneIsRemoved) {
    ASSERT_TRUE(writeFileAtomic(path("store.ini"), "old"));
    const std::string inUse = path(".store.ini.qvtmp00000000000000aa");
    const std::string abandoned = path(".store.ini.qvtmp00000000000000bb");
    const std::string earlierRecent = path(".store.ini.tmp7_0");
    const std::string earlierOld = path(".store.ini.tmp8_0");
    for (const auto& p : {inUse, abandoned, earlierRecent, earlierOld}) {
        const int fd = ::open(p.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
        ASSERT_EQ(::write(fd, "part", 4), 4);
        ::close(fd);
    }
    std::filesystem::last_write_time(earlierOld, std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
    std::filesystem::create_directory(path(".dir.qvtmp00000000000000cc"));
    const int held = ::open(inUse.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);  // as a writer that is still at work holds it

    ASSERT_TRUE(writeFileAtomic(path("store.ini"), "new"));
    EXPECT_EQ(names(), (std::set<std::string>{"store.ini", ".store.ini.qvtmp00000000000000aa", ".store.ini.tmp7_0",
                                               ".dir.qvtmp00000000000000cc"}));
    ::close(held);
    ASSERT_TRUE(writeFileAtomic(path("other.ini"), "x"));  // any write to the folder cleans up
    EXPECT_FALSE(std::filesystem::exists(inUse));
    EXPECT_EQ(*readFile(path("store.ini")), "new");
}

// Writers killed with SIGKILL in the middle of a write (their temporary file complete, the
// rename not yet done), then a writer that got the first one's process id: it writes, and no
// temporary file is left.
TEST_F(FilesTest, WritersKilledMidWriteLeaveNothingBehindTheNextWrite) {
    const std::string file = path("Firewall.qvl");
    ASSERT_TRUE(writeFileAtomic(file, "[RULES]\r\n"));
    const auto run = qv::host::runInSandbox([&] {
        pid_t first = 0;
        int failures = 0;
        for (int k = 0; k < 5; ++k) {
            ChildProcess writer([&](const ChildProcess::Channel& ch) {
                setAtomicWriteHook([&](const std::string&, const std::string&) {
                    ch.writeLine("writing");
                    for (;;) ::pause();
                    return true;
                });
                return writeFileAtomic(file, std::string(1 << 20, 'x')) ? 0 : 1;
            });
            if (writer.readLine() != "writing") ++failures;
            ::kill(writer.pid(), SIGKILL);
            writer.wait();
            if (k == 0) first = writer.pid();
        }
        // Each writer cleared what the one before it left; only the last one's file is there.
        int leftovers = 0;
        for (const auto& e : std::filesystem::directory_iterator(dir_))
            leftovers += isTempFileName(e.path().filename().string());
        if (leftovers != 1) {
            std::fprintf(stderr, "%d temporary files left by the killed writers\n", leftovers);
            ++failures;
        }
        if (!qv::host::testing::nextProcessIdWillBe(first)) return 100;
        ChildProcess again([&](const ChildProcess::Channel&) {
            if (::getpid() != first) return 3;
            return writeFileAtomic(file, "[RULES]\r\n/usr/bin/ssh=2\r\n") ? 0 : 1;
        });
        const int status = again.wait();
        return failures + (WIFEXITED(status) ? WEXITSTATUS(status) : 50);
    });
    if (!run.ran) GTEST_SKIP() << "no namespaces: " << run.unavailable;
    ASSERT_NE(run.exitCode, 100) << "the process namespace does not let the test choose a process id";
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(names(), std::set<std::string>{"Firewall.qvl"});
    EXPECT_EQ(*readFile(file), "[RULES]\r\n/usr/bin/ssh=2\r\n");
}

TEST_F(FilesTest, AFileLockKeepsASecondWriterWaitingUntilItEnds) {
    const std::string file = path("store.ini");
    {
        FileLock lock(file);  // a file that is not there is made to be locked
        ASSERT_TRUE(lock.held());
        EXPECT_TRUE(fileExists(file));
    }
    EXPECT_FALSE(pathExists(file)) << "nothing was written: the file goes again";

    ASSERT_TRUE(writeFileAtomic(file, "0"));
    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        // Waits for the parent's lock, then adds its digit to what it finds.
        char go;
        if (::read(fds[0], &go, 1) != 1) ::_exit(2);
        FileLock lock(file);
        const std::string now = readFile(file).value_or("?");
        ::_exit(lock.held() && writeFileAtomic(file, now + "2") ? 0 : 1);
    }
    {
        FileLock lock(file);
        ASSERT_TRUE(lock.held());
        ASSERT_EQ(::write(fds[1], "g", 1), 1);
        ::usleep(100 * 1000);  // the child is waiting now
        // A replacement while locked: the waiting writer must lock the new file, not the old.
        ASSERT_TRUE(writeFileAtomic(file, *readFile(file) + "1"));
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_EQ(*readFile(file), "012");
    ::close(fds[0]);
    ::close(fds[1]);
    EXPECT_FALSE(FileLock(path("no/folder.ini")).held());
}
