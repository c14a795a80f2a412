#include "platform/settings/app_settings.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "concurrent_writers.h"
#include "config_fixture.h"
#include "platform/settings/registry.h"

using namespace std::string_literals;
using namespace qv::settings;

namespace {

class AppSettingsTest : public qv::settings::testing::ConfigTest {};

TEST_F(AppSettingsTest, MissingSettingsGiveTheDefaultAndSavedOnesComeBack) {
    EXPECT_EQ(GetSetting("quarvelin", "graph", "out"), "");
    EXPECT_EQ(GetSetting("quarvelin", "graph", "out", "0"), "0");
    EXPECT_TRUE(files().empty());

    ASSERT_TRUE(SaveSetting("quarvelin", "graph", "out", "12"));
    ASSERT_TRUE(SaveSetting("quarvelin", "graph", "in", "3"));
    ASSERT_TRUE(SaveSetting("quarvelin", "Settings", "who", "1"));
    EXPECT_EQ(GetSetting("QUARVELIN", "Graph", "OUT", "0"), "12");
    EXPECT_EQ(GetSetting("quarvelin", "graph", "block", "0"), "0");
    EXPECT_EQ(GetSetting("other", "graph", "out", "0"), "0");
    ASSERT_TRUE(SaveSetting("quarvelin", "graph", "out", ""));
    EXPECT_EQ(GetSetting("quarvelin", "graph", "out", "0"), "");  // empty is a value, not missing

    // They live in the user's registry, where any reader finds them.
    HKey k = 0;
    ASSERT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, std::string(kAppSettingsKey) + "\\quarvelin\\graph", 0, KEY_READ, k),
              ERROR_SUCCESS);
    std::string data;
    std::uint32_t type = 0, size = 64;
    ASSERT_EQ(RegQueryValueEx(k, "in", &type, &data, &size), ERROR_SUCCESS);
    EXPECT_EQ(type, REG_SZ);
    EXPECT_EQ(data, "3");
}

TEST_F(AppSettingsTest, DeleteRemovesAKeyOrAWholeSection) {
    ASSERT_TRUE(SaveSetting("quarvelin", "graph", "out", "1"));
    ASSERT_TRUE(SaveSetting("quarvelin", "graph", "in", "2"));
    ASSERT_TRUE(SaveSetting("quarvelin", "Run", "alert", "0"));
    EXPECT_TRUE(DeleteSetting("quarvelin", "graph", "OUT"));
    EXPECT_EQ(GetSetting("quarvelin", "graph", "out", "-"), "-");
    EXPECT_EQ(GetSetting("quarvelin", "graph", "in", "-"), "2");
    EXPECT_FALSE(DeleteSetting("quarvelin", "graph", "out"));
    EXPECT_TRUE(DeleteSetting("quarvelin", "Graph"));
    EXPECT_EQ(GetSetting("quarvelin", "graph", "in", "-"), "-");
    EXPECT_EQ(GetSetting("quarvelin", "Run", "alert", "-"), "0");
    EXPECT_FALSE(DeleteSetting("quarvelin", "graph"));
}

TEST_F(AppSettingsTest, NamesThatWouldReachOtherKeysAreRefused) {
    struct Case {
        std::string app, section, key;
    } cases[] = {
        {"", "s", "k"}, {"a", "", "k"}, {"a\\..", "s", "k"}, {"a", "s\\t", "k"},
        {"a\n", "s", "k"}, {"a", "s\r", "k"}, {"a", "s", "k\0"s},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(SaveSetting(c.app, c.section, c.key, "v")) << c.app << "/" << c.section << "/" << c.key;
        EXPECT_EQ(GetSetting(c.app, c.section, c.key, "def"), "def");
        EXPECT_FALSE(DeleteSetting(c.app, c.section, c.key));
    }
    EXPECT_TRUE(files().empty());
}

// The folder comes from the environment unless a test sets one.
TEST(ConfigFolderTest, FollowsXdgConfigHomeThenHome) {
    const char* savedXdg = std::getenv("XDG_CONFIG_HOME");
    const char* savedHome = std::getenv("HOME");
    const std::string xdg = savedXdg ? savedXdg : "", home = savedHome ? savedHome : "";
    ::setenv("HOME", "/home/someone", 1);
    struct Case {
        const char* xdg;  // nullptr: unset
        const char* expected;
    } cases[] = {
        {"/xdg/conf", "/xdg/conf"},
        {"relative/conf", "/home/someone/.config"},  // not absolute: passed over
        {"", "/home/someone/.config"},
        {nullptr, "/home/someone/.config"},
    };
    for (const auto& c : cases) {
        if (c.xdg) ::setenv("XDG_CONFIG_HOME", c.xdg, 1); else ::unsetenv("XDG_CONFIG_HOME");
        EXPECT_EQ(configHome(), c.expected);
        EXPECT_EQ(programConfigFolder(), std::string(c.expected) + "/quarvelin");
        EXPECT_EQ(autostartFolder(), std::string(c.expected) + "/autostart");
    }
    {
        ScopedConfigHome temp("/tmp/elsewhere");
        EXPECT_EQ(programConfigFolder(), "/tmp/elsewhere/quarvelin");
    }
    EXPECT_EQ(configHome(), "/home/someone/.config");
    if (savedXdg) ::setenv("XDG_CONFIG_HOME", xdg.c_str(), 1); else ::unsetenv("XDG_CONFIG_HOME");
    if (savedHome) ::setenv("HOME", home.c_str(), 1); else ::unsetenv("HOME");
}

// Two processes write 100 values each into the user's registry at the same time, one through
// the settings calls and one through the registry calls: all 200 are there after.
TEST_F(AppSettingsTest, ConcurrentWritersLoseNothing) {
    constexpr int kValues = 100;
    qv::settings::testing::runConcurrently(2, [&](int w) {
        HKey key = 0;
        if (w == 1 && RegCreateKeyEx(HKEY_CURRENT_USER, "Software\\Other", KEY_ALL_ACCESS, key) != ERROR_SUCCESS)
            return false;
        bool ok = true;
        for (int k = 0; k < kValues; ++k) {
            const std::string name = "v" + std::to_string(k);
            ok = (w == 0 ? SaveSetting("quarvelin", "graph", name, "1")
                         : RegSetValueEx(key, name, REG_SZ, "1") == ERROR_SUCCESS) &&
                 ok;
        }
        return ok;
    });
    HKey other = 0;
    ASSERT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, "Software\\Other", 0, KEY_READ, other), ERROR_SUCCESS);
    int found = 0;
    for (int k = 0; k < kValues; ++k) {
        const std::string name = "v" + std::to_string(k);
        found += GetSetting("quarvelin", "graph", name) == "1";
        std::uint32_t size = 0;
        found += RegQueryValueEx(other, name, nullptr, nullptr, &size) == ERROR_SUCCESS;
    }
    EXPECT_EQ(found, 2 * kValues);
    EXPECT_EQ(files(), std::set<std::string>{"quarvelin/registry-current-user.txt"});
}

}  // namespace
