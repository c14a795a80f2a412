#include "engine/cini.h"

#include <gtest/gtest.h>

#include "platform/base/files.h"
#include "temp_folder.h"

namespace qv::engine {
namespace {

class CiniTest : public ::testing::Test {
protected:
    test::TempProgramFolder dir;
    std::string file = dir / "store.ini";
    cINI ini;
    void SetUp() override {
        ini.Path(file);
        ini.Section("RULES");
    }
};

TEST_F(CiniTest, AbsentKeyOrFileReadsDefault) {
    ini.Key("C:\\a.exe");
    ini.Default("-");
    EXPECT_EQ(ini.Value(), "-");
    ini.Default("");
    EXPECT_EQ(ini.Value(), "");
}

TEST_F(CiniTest, PropertiesAreStickyAndTwoObjectsShareTheFile) {
    ini.Key("C:\\a.exe");
    ini.Value("2");
    EXPECT_NE(ini.LastReturnCode(), 0);
    cINI other;
    other.Path(file);
    other.Section("rules");  // sections match without regard to case
    other.Key("C:\\a.exe");
    other.Default("0");
    EXPECT_EQ(other.Value(), "2");
    other.Value("1");
    EXPECT_EQ(ini.Value(), "1");  // Path, Section and Key kept from before
}

TEST_F(CiniTest, DeleteValueKeepsTheKeyEmpty) {
    ini.Key("k");
    ini.Value("1");
    ini.DeleteValue();
    ini.Default("-");
    EXPECT_EQ(ini.Value(), "");
    EXPECT_NE(base::readFile(file).value_or("").find("k=\r\n"), std::string::npos);
}

TEST_F(CiniTest, ValueIsStoredWithoutCodeZeroCharacters) {
    ini.Key("k");
    ini.Value(std::string("a\0b\0\0c", 6));
    EXPECT_NE(ini.LastReturnCode(), 0);
    EXPECT_EQ(ini.Value(), "abc");
}

TEST_F(CiniTest, DeleteSectionRemovesEveryKey) {
    for (const char* k : {"a", "b"}) {
        ini.Key(k);
        ini.Value("YES");
    }
    ini.Section("OTHER");
    ini.Key("c");
    ini.Value("x");
    ini.Section("RULES");
    ini.DeleteSection();
    EXPECT_NE(ini.LastReturnCode(), 0);
    ini.Default("-");
    ini.Key("a");
    EXPECT_EQ(ini.Value(), "-");
    EXPECT_EQ(ini.INISection(), "-");
    ini.Section("OTHER");
    ini.Key("c");
    EXPECT_EQ(ini.Value(), "x");
}

TEST_F(CiniTest, SectionListHoldsOnlyTheLeadingNamesThatFit) {
    ini.Key("first");
    ini.Value("1");
    ini.Key("second");
    ini.Value("1");
    EXPECT_EQ(ini.INISection(), std::string("first\0second\0", 13));

    // 30 names of 10 characters need 330 characters: the list is cut to 253.
    for (int i = 0; i < 30; ++i) {
        ini.Key("name" + std::to_string(100000 + i));
        ini.Value("1");
    }
    std::string list = ini.INISection();
    EXPECT_EQ(list.size(), 253u);
    EXPECT_EQ(list.substr(0, 13), std::string("first\0second\0", 13));
}

TEST_F(CiniTest, WriteIntoAMissingFolderFails) {
    ini.Path(dir / "no such folder/store.ini");
    ini.Key("k");
    ini.Value("1");
    EXPECT_EQ(ini.LastReturnCode(), 0);
}

}  // namespace
}  // namespace qv::engine
