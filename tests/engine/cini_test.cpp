#include "engine/cini.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/detached_main_window.h"
#include "engine/logs.h"
#include "engine/ui_hooks.h"
#include "platform/base/clock.h"
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

// The whole key list, whatever its length, each key as it was written.
TEST_F(CiniTest, SectionKeysListsEveryKeyHoweverLong) {
    EXPECT_TRUE(ini.SectionKeys().empty());
    std::vector<std::string> written;
    // 150 paths of some 40 characters: more than one section read holds, and more than the
    // first buffer.
    for (int i = 0; i < 150; ++i) {
        written.push_back("C:\\Program Files\\Vendor " + std::to_string(i) + "\\tool=" + std::to_string(i) + ".exe");
        ini.Key(written.back());
        ini.Value(i % 2 == 0 ? "1" : "");
    }
    EXPECT_EQ(ini.SectionKeys(), written) << "in file order, the one holding = decoded, empty values too";
    ini.Section("OTHER");
    EXPECT_TRUE(ini.SectionKeys().empty());
}

// Every path can hold a rule: keys the file could not hold as they are go in encoded and come
// back as they were, and an ordinary path is stored as it always was.
TEST_F(CiniTest, AnyPathIsAKeyAndOrdinaryOnesAreStoredAsTheyStand) {
    struct Case {
        std::string key;
        std::string line;  // how the file holds it
    } cases[] = {
        {"/usr/bin/ssh", "/usr/bin/ssh=1"},
        {"C:\\Program Files\\a b\\x.exe", "C:\\Program Files\\a b\\x.exe=1"},
        {"/opt/run[1];x y", "/opt/run[1];x y=1"},  // "[" and ";" inside, blanks inside
        {"/opt/a=b/tool", "/opt/a|3Db/tool=1"},
        {"/tmp/x\r\n/usr/bin/ssh", "/tmp/x|0D|0A/usr/bin/ssh=1"},
        {" /bin/lead", "|20/bin/lead=1"},
        {"/bin/trail\t", "/bin/trail|09=1"},
        {"  two ", "|20 two|20=1"},
        {"[RULES]", "|5BRULES]=1"},
        {";comment", "|3Bcomment=1"},
        {"/opt/pipe|3D", "/opt/pipe|7C3D=1"},  // the escape itself, so nothing decodes wrongly
    };
    for (const auto& c : cases) {
        ini.Key(c.key);
        ini.Value("1");
        EXPECT_NE(ini.LastReturnCode(), 0) << c.key;
    }
    const std::string text = base::readFile(file).value_or("");
    std::string list;
    for (const auto& c : cases) {
        EXPECT_NE(text.find("\r\n" + c.line + "\r\n"), std::string::npos) << c.line;
        cINI reader;
        reader.Path(file);
        reader.Section("RULES");
        reader.Key(c.key);
        reader.Default("-");
        EXPECT_EQ(reader.Value(), "1") << c.key;
        list += c.key + '\0';
    }
    EXPECT_EQ(ini.INISection(), list);
    ini.Key("/opt/a=b/tool");
    ini.DeleteValue();
    ini.Key("/opt/a");  // the part before the "=" is another key
    ini.Default("-");
    EXPECT_EQ(ini.Value(), "-");
    ini.Key("/opt/a=b/tool");
    EXPECT_EQ(ini.Value(), "");
}

// A write that fails is reported: a security-log line each time, a message box once a run.
class CiniFailureTest : public CiniTest {
protected:
    void SetUp() override {
        CiniTest::SetUp();
        cINI::ResetWriteFailureNotice();
        setMsgBoxHandler([this](const std::string& text, const std::string& title, int style) {
            boxes.push_back(text + "|" + title + "|" + std::to_string(style));
            return kIdOk;
        });
    }
    void TearDown() override {
        setMsgBoxHandler(nullptr);
        cINI::ResetWriteFailureNotice();
    }
    base::FakeClock clock{base::DateTime{2026, 12, 10, 15, 4, 5, 0}};
    base::ScopedClock useClock{clock};
    DetachedMainWindow window;
    ScopedMainWindow useWindow{window};
    std::vector<std::string> boxes;
};

TEST_F(CiniFailureTest, AFailedWriteIsLoggedAndShownOnceARun) {
    const std::string lost = dir / "no such folder/store.ini";
    ini.Path(lost);
    ini.Key("/usr/bin/a\nx");
    ini.Value("1");
    EXPECT_EQ(ini.LastReturnCode(), 0);
    ini.DeleteSection();
    EXPECT_EQ(ini.LastReturnCode(), 0);
    ini.Path(file);
    ini.Value("2");  // succeeds: nothing more to report
    EXPECT_NE(ini.LastReturnCode(), 0);

    EXPECT_EQ(boxes, std::vector<std::string>{"A change could not be saved to " + lost + ".||48"});
    EXPECT_EQ(base::readFile(dir / "Logs/security_12_10_2026.log"),
              "[3:04:05 PM] High - Could not save [RULES] /usr/bin/a|0Ax in " + lost + ".\r\n"
              "[3:04:05 PM] High - Could not save [RULES] in " + lost + ".\r\n");
}

}  // namespace
}  // namespace qv::engine
