#include "platform/settings/registry_hive.h"

#include <gtest/gtest.h>

using namespace std::string_literals;
using qv::settings::RegistryHive;
using qv::settings::RegValue;

namespace {

TEST(RegistryHiveTest, EveryTypeAndByteSurvivesTheStoredText) {
    const RegValue values[] = {
        {qv::settings::REG_SZ, "C:\\Program Files\\Q \"quoted\"\\q.exe"},
        {qv::settings::REG_SZ, "tab\there, CR LF\r\n, NUL\0 and \x7f\xe9"s},
        {qv::settings::REG_SZ, ""},
        {qv::settings::REG_EXPAND_SZ, "%HOME%\\x"},
        {qv::settings::REG_DWORD, "\x2a\0\0\x80"s},
        {qv::settings::REG_BINARY, "\x01\xff\0"s},
        {qv::settings::REG_DWORD, "\x01\x02"},  // a short dword is kept as bytes
        {7, ""},
    };
    RegistryHive hive;
    for (std::size_t i = 0; i < std::size(values); ++i)
        hive.setValue("Software\\Test", "v" + std::to_string(i) + " \"=\\", values[i]);
    hive.setValue("", "", RegValue{qv::settings::REG_SZ, "root default"});
    const std::string text = hive.text();
    EXPECT_NE(text.find("\"v4 \\\"=\\\\\"=dword:8000002a\r\n"), std::string::npos) << text;

    auto parsed = RegistryHive::parse(text);
    ASSERT_TRUE(parsed.hive) << "line " << parsed.badLine << " of\n" << text;
    for (std::size_t i = 0; i < std::size(values); ++i) {
        const RegValue* v = parsed.hive->value("software\\TEST", "V" + std::to_string(i) + " \"=\\");
        ASSERT_NE(v, nullptr) << i;
        EXPECT_EQ(*v, values[i]) << i;
    }
    ASSERT_NE(parsed.hive->value("", ""), nullptr);
    EXPECT_EQ(parsed.hive->text(), text);
}

TEST(RegistryHiveTest, AnUnreadableLineMakesTheWholeTextUnreadable) {
    struct Case {
        const char* text;
        std::size_t badLine;
    } cases[] = {
        {"\"a\"=sz:\"x\"\n", 1},                       // a value before any key
        {"[K]\n\"a\"=sz:\"x\n", 2},                    // unterminated
        {"[K]\n\"a\"=sz:\"x\"tail\n", 2},
        {"[K]\n\"a\"=sz:\"bad \\q escape\"\n", 2},
        {"[K]\n\"a\"=sz:\"cut \\x4\"\n", 2},
        {"; c\n[K]\n\"a\"=dword:123\n", 3},
        {"[K]\n\"a\"=dword:0000002g\n", 2},
        {"[K]\n\"a\"=hex(3):0\n", 2},
        {"[K]\n\"a\"=hex(3):01,\n", 2},
        {"[K]\n\"a\"=hex():01\n", 2},
        {"[K]\n\"a\"=hex(x):01\n", 2},
        {"[K]\n\"a\"=text:1\n", 2},
        {"[K]\n\"a\"\n", 2},
        {"[K]\nname=sz:\"x\"\n", 2},
        {"[K]\n\"a\\x01\"=sz:\"x\"\n", 2},             // a control character in a name
        {"[K\n", 1},
        {"[a\\\\b]\n", 1},                             // an empty key name
        {"[\\a]\n", 1},
    };
    for (const auto& c : cases) {
        auto parsed = RegistryHive::parse(c.text);
        EXPECT_FALSE(parsed.hive) << c.text;
        EXPECT_EQ(parsed.badLine, c.badLine) << c.text;
    }
    auto fine = RegistryHive::parse("; comment\r\n\r\n[K]\r\n\"a\"=hex(3):\r\n[K\\L]");
    ASSERT_TRUE(fine.hive);
    EXPECT_TRUE(fine.hive->hasKey("k\\l"));
}

TEST(RegistryHiveTest, KeysExistOnThePathOfACreatedKeyAndGoWithTheirSubtree) {
    RegistryHive hive;
    hive.createKey("Software\\App\\Sub");
    hive.setValue("Software\\AppX", "keep", RegValue{qv::settings::REG_SZ, "1"});
    EXPECT_TRUE(hive.hasKey(""));
    EXPECT_TRUE(hive.hasKey("SOFTWARE"));
    EXPECT_TRUE(hive.hasKey("software\\app"));
    EXPECT_FALSE(hive.hasKey("Software\\Ap"));
    EXPECT_FALSE(hive.hasKey("Software\\App\\Sub\\Deeper"));

    EXPECT_TRUE(hive.removeKey("Software\\APP"));
    EXPECT_FALSE(hive.hasKey("Software\\App\\Sub"));
    EXPECT_FALSE(hive.hasKey("Software\\App"));
    ASSERT_NE(hive.value("Software\\AppX", "KEEP"), nullptr);
    EXPECT_FALSE(hive.removeKey("Software\\App"));
    EXPECT_FALSE(hive.removeValue("Software\\AppX", "other"));
    EXPECT_TRUE(hive.removeValue("Software\\AppX", "Keep"));
}

}  // namespace
