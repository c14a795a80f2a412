#include "platform/settings/autostart.h"

#include <gtest/gtest.h>

#include "config_fixture.h"
#include "platform/base/files.h"
#include "platform/settings/registry.h"

using namespace std::string_literals;
using namespace qv::settings;

namespace {

const std::string kTitle = "Quarvelin - Personal firewall and monit";  // 39 characters

TEST(AutostartNamesTest, AValueNameGivesOneSafeFileNameWhateverItsCase) {
    struct Case {
        std::string name;
        std::optional<std::string> file;
    } cases[] = {
        {"Quarvelin - X", "quarvelin-quarvelin_20-_20x.desktop"},
        {"QUARVELIN - x", "quarvelin-quarvelin_20-_20x.desktop"},
        {"a.b-c_d", "quarvelin-a.b-c_5fd.desktop"},
        {"..hidden", "quarvelin-..hidden.desktop"},
        {"\xc9t\xe9", "quarvelin-_e9t_e9.desktop"},  // Windows-1252 É and é
        {"", std::nullopt},
        {".", std::nullopt},
        {"..", std::nullopt},
        {"../../.bashrc", std::nullopt},
        {"a/b", std::nullopt},
        {"a\\b", std::nullopt},
        {"a\nExec=evil", std::nullopt},
        {"tab\t", std::nullopt},
        {"nul\0"s, std::nullopt},
        {std::string(100, '%'), std::nullopt},  // too long for a file name once written out
    };
    for (const auto& c : cases) EXPECT_EQ(autostartFileName(c.name), c.file) << c.name;
}

TEST(AutostartExecTest, TheDataBecomesOneQuotedProgramPath) {
    struct Case {
        std::string data;
        std::optional<std::string> exec;
    } cases[] = {
        {"/opt/quarvelin/quarvelin", R"("/opt/quarvelin/quarvelin")"},
        {"/opt/My Apps/quarvelin\0"s, R"("/opt/My Apps/quarvelin")"},  // the NUL ends it
        // A backslash is a character of the name: escaped for the quotes, then for the string.
        {"/opt/a\\b/quarvelin", R"("/opt/a\\\\b/quarvelin")"},
        {"/a/$HOME`id`\"q\".sh", R"("/a/\\$HOME\\`id\\`\\"q\\".sh")"},
        {"/a/100%/%f", R"("/a/100%%/%%f")"},
        {"/home/jos\xc3\xa9/bin/quarvelin", "\"/home/jos\xc3\xa9/bin/quarvelin\""},  // UTF-8 as it is
        {"/opt/caf\xe9", std::nullopt},  // not UTF-8: no entry can name it
        {"", std::nullopt},
        {"\0"s, std::nullopt},
        {"/bin/true\n[Desktop Entry]", std::nullopt},
        {"/bin/x\rmore", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(autostartExec(c.data), c.exec) << c.data;
}

class AutostartTest : public qv::settings::testing::ConfigTest {
protected:
    HKey runKey(std::uint32_t access = 0x20006) {
        HKey k = 0;
        EXPECT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, std::string(kRunKeyPath), 0, access, k), ERROR_SUCCESS);
        return k;
    }
    std::string entryFile(const std::string& name) { return "autostart/" + *autostartFileName(name); }
};

TEST_F(AutostartTest, AnExeThatIsNotThereGivesWayToTheProgramBesideIt) {
    std::filesystem::create_directories(dir_ / "bin");
    write("bin/quarvelin", "#!/bin/sh\n");
    write("bin/tool.exe", "");
    EXPECT_EQ(autostartExec(path("bin/quarvelin.exe")), "\"" + path("bin/quarvelin") + "\"");
    EXPECT_EQ(autostartExec(path("bin/tool.exe")), "\"" + path("bin/tool.exe") + "\"");
    EXPECT_EQ(autostartExec(path("bin/none.exe")), "\"" + path("bin/none.exe") + "\"");
}

TEST_F(AutostartTest, TheRunValueIsMirroredAsAnEntryAndGoesWithIt) {
    std::filesystem::create_directories(dir_ / "bin");
    write("bin/quarvelin", "#!/bin/sh\n");
    const std::string data = path("bin/quarvelin.exe");
    HKey run = runKey();  // there from the start, opened for writing as the options do
    ASSERT_EQ(RegSetValueEx(run, kTitle, REG_SZ, data), ERROR_SUCCESS);
    EXPECT_EQ(read(entryFile(kTitle)), "[Desktop Entry]\nType=Application\nName=" + kTitle + "\nExec=\"" +
                                           path("bin/quarvelin") + "\"\n");
    std::string back;
    std::uint32_t size = 1024;
    ASSERT_EQ(RegQueryValueEx(runKey(KEY_READ), kTitle, nullptr, &back, &size), ERROR_SUCCESS);
    EXPECT_EQ(back, data);  // the registry keeps the data as given

    // Same value in another case: one entry, replaced.
    ASSERT_EQ(RegSetValueEx(run, "quarvelin - personal firewall and monit", REG_SZ, "/usr/bin/other"),
              ERROR_SUCCESS);
    EXPECT_NE(read(entryFile(kTitle)).find("Exec=\"/usr/bin/other\"\n"), std::string::npos);
    EXPECT_EQ(files(), (std::set<std::string>{"bin/quarvelin", "quarvelin/registry-current-user.txt", entryFile(kTitle)}));

    EXPECT_EQ(RegDeleteValue(run, kTitle), ERROR_SUCCESS);
    EXPECT_EQ(files(), (std::set<std::string>{"bin/quarvelin", "quarvelin/registry-current-user.txt"}));
    EXPECT_EQ(RegDeleteValue(run, kTitle), ERROR_FILE_NOT_FOUND);  // gone already: nothing changes
}

TEST_F(AutostartTest, OnlyStringValuesOfTheUsersRunKeyAreMirrored) {
    HKey run = runKey();
    ASSERT_EQ(RegSetValueEx(run, "App", REG_SZ, "/usr/bin/app"), ERROR_SUCCESS);
    ASSERT_TRUE(qv::base::fileExists(path(entryFile("App"))));
    ASSERT_EQ(RegSetValueEx(run, "App", REG_DWORD, "\1\0\0\0"s), ERROR_SUCCESS);  // no longer a program
    EXPECT_FALSE(qv::base::fileExists(path(entryFile("App"))));

    HKey machineRun = 0, below = 0;
    ASSERT_EQ(RegCreateKeyEx(HKEY_LOCAL_MACHINE, std::string(kRunKeyPath), KEY_ALL_ACCESS, machineRun), ERROR_SUCCESS);
    ASSERT_EQ(RegCreateKeyEx(HKEY_CURRENT_USER, std::string(kRunKeyPath) + "\\Sub", KEY_ALL_ACCESS, below),
              ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueEx(machineRun, "App", REG_SZ, "/usr/bin/app"), ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueEx(below, "App", REG_SZ, "/usr/bin/app"), ERROR_SUCCESS);
    EXPECT_FALSE(qv::base::pathExists(path("autostart/" + *autostartFileName("App"))));
}

TEST_F(AutostartTest, RunValuesThatCouldEscapeTheFolderOrTheEntryAreRefused) {
    HKey run = runKey();
    const std::pair<std::string, std::string> refused[] = {
        {"../../.profile", "/bin/true"}, {"a/b", "/bin/true"},  {"a\\b", "/bin/true"},
        {"", "/bin/true"},               {"..", "/bin/true"},   {"x\nExec=evil", "/bin/true"},
        {"App", "/bin/true\nExec=/bin/evil"}, {"App", ""},
    };
    for (const auto& [name, data] : refused)
        EXPECT_EQ(RegSetValueEx(run, name, REG_SZ, data), ERROR_INVALID_PARAMETER) << name << " = " << data;
    EXPECT_TRUE(files().empty());
}

TEST_F(AutostartTest, AnEntryThatCannotBeWrittenLeavesTheValueUnset) {
    write("autostart", "a file where the folder should be");
    EXPECT_EQ(RegSetValueEx(runKey(), "App", REG_SZ, "/usr/bin/app"), ERROR_WRITE_FAULT);
    std::uint32_t size = 0;
    EXPECT_EQ(RegQueryValueEx(runKey(KEY_READ), "App", nullptr, nullptr, &size), ERROR_FILE_NOT_FOUND);
}

TEST_F(AutostartTest, AStoreThatCannotBeWrittenTakesBackTheNewEntry) {
    HKey run = runKey();
    ASSERT_EQ(RegSetValueEx(run, "Old", REG_SZ, "/usr/bin/old"), ERROR_SUCCESS);
    const std::string oldEntry = read(entryFile("Old"));
    qv::base::setAtomicWriteHook([](const std::string& target, const std::string&) {
        return target.find("registry-") == std::string::npos;  // only the store's write fails
    });
    EXPECT_EQ(RegSetValueEx(run, "Old", REG_SZ, "/usr/bin/new"), ERROR_WRITE_FAULT);
    EXPECT_EQ(RegSetValueEx(run, "New", REG_SZ, "/usr/bin/new"), ERROR_WRITE_FAULT);
    qv::base::setAtomicWriteHook(nullptr);
    EXPECT_EQ(read(entryFile("Old")), oldEntry);
    EXPECT_FALSE(qv::base::fileExists(path(entryFile("New"))));
}

}  // namespace
