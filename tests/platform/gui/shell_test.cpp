#include "platform/gui/shell.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <unistd.h>

#include "platform/base/files.h"
#include "temp_dir.h"

namespace qv::gui::testing {
namespace {

TEST(ShellTest, RequestsReachTheInstalledShellAsGiven) {
    RecordingShell rec;
    ScopedShell use(rec);
    EXPECT_EQ(ShellExecute(0x10010, "open", "C:\\q\\Updates\\Update.exe", "", "", SW_SHOWNORMAL), kShellStarted);
    rec.result = SE_ERR_FNF;
    EXPECT_EQ(ShellExecute(0, "open", "http://example.com/", "-x", "/tmp", SW_HIDE), SE_ERR_FNF);
    EXPECT_EQ(rec.requests,
              (std::vector<ShellRequest>{{0x10010, "open", "C:\\q\\Updates\\Update.exe", "", "", SW_SHOWNORMAL},
                                         {0, "open", "http://example.com/", "-x", "/tmp", SW_HIDE}}));
}

TEST(ShellTest, TheOpenerGetsAnAddressAsItStandsOrAnExistingFileThatCannotReadAsAnOption) {
    TempDir dir;
    std::filesystem::create_directories(dir / "Updates");
    ASSERT_TRUE(base::writeFileAtomic(dir / "Updates/Update.exe", ""));
    ASSERT_TRUE(base::writeFileAtomic(dir / "caf\xe9.htm", ""));
    ASSERT_TRUE(base::writeFileAtomic(dir / "-rf", ""));
    using Target = std::variant<std::string, std::intptr_t>;
    struct Case {
        std::string file, directory;
        Target expected;
    } cases[] = {
        {"http://example.com/a?b=1&c", "", Target("http://example.com/a?b=1&c")},
        {"mailto:someone@example.com", "", Target("mailto:someone@example.com")},
        {dir.str() + "\\Updates\\Update.exe", "", Target(dir / "Updates/Update.exe")},
        {"Updates\\Update.exe", dir.str(), Target(dir / "Updates/Update.exe")},
        {dir / "caf\xe9.htm", "", Target(dir / "caf\xc3\xa9.htm")},
        {"-rf", "", Target(std::string("./-rf"))},            // relative to the current folder
        {dir / "Updates/Missing.exe", "", Target(SE_ERR_FNF)},
        {dir / "NoFolder/Update.exe", "", Target(SE_ERR_PNF)},
        {"C:\\Windows\\notepad.exe", "", Target(SE_ERR_PNF)}, // a drive letter is no address
        {"", "", Target(SE_ERR_FNF)},
        {"http://example.com/\nX-Header: 1", "", Target(SE_ERR_FNF)},
    };
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(dir.str());
    for (const auto& c : cases) EXPECT_EQ(shellOpenTarget(c.file, c.directory), c.expected) << c.file;
    std::filesystem::current_path(previous);
}

TEST(ShellTest, TheSystemShellRefusesWhatItCannotOpenBeforeStartingAnything) {
    TempDir dir;
    ASSERT_TRUE(base::writeFileAtomic(dir / "page.htm", ""));
    SystemShell system;
    EXPECT_EQ(system.execute({0, "print", dir / "page.htm", "", "", SW_SHOWNORMAL}), SE_ERR_NOASSOC);
    EXPECT_EQ(system.execute({0, "open", dir / "none.htm", "", "", SW_SHOWNORMAL}), SE_ERR_FNF);
    EXPECT_EQ(system.execute({0, "", "", "", "", SW_SHOWNORMAL}), SE_ERR_FNF);
}

}  // namespace
}  // namespace qv::gui::testing
