#include "platform/settings/profile.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "concurrent_writers.h"
#include "temp_folder.h"

using namespace std::string_literals;
using namespace std::string_view_literals;
using qv::settings::GetPrivateProfileString;
using qv::settings::WritePrivateProfileString;

namespace {

class ProfileTest : public qv::settings::testing::TempFolderTest {
protected:
    // The value as a caller with a buffer of size characters receives it.
    std::string get(const std::string& section, const std::string& key, const std::string& def = "-",
                    std::size_t size = 1024, const std::string& file = "a.ini") {
        std::string out = "junk";
        long n = GetPrivateProfileString(section, key, def, out, size, path(file));
        EXPECT_EQ(n, static_cast<long>(out.size()));
        return out;
    }
    std::string keyList(const std::string& section, std::size_t size = 255, const std::string& def = "") {
        std::string out;
        long n = GetPrivateProfileString(section, std::nullopt, def, out, size, path("a.ini"));
        EXPECT_EQ(n, static_cast<long>(out.size()));
        return out;
    }
    long put(const std::string& section, std::optional<std::string> key, const std::string& value,
             const std::string& file = "a.ini") {
        std::optional<std::string_view> k;
        if (key) k = *key;
        return WritePrivateProfileString(section, k, value, path(file));
    }
};

// A hand-written file: comments, LF and CR LF lines, blanks around names and values, a key before
// any section, "=" inside a value, and a last line without an end.
const std::string kSample =
    "; options\r\n"
    "stray=1\r\n"
    "[Level]\r\n"
    "Security = 2 \r\n"
    "\r\n"
    "[ Windows ]\n"
    "\tStartup\t=\t1\n"
    "; Sound=9\n"
    "Path=C:\\a=b\n"
    "Empty=\n"
    "[RULES]\r\n"
    "/usr/bin/ssh=2";

TEST_F(ProfileTest, ReadsTrimmedValuesWithoutRegardToCaseOrGivesTheDefault) {
    write("a.ini", kSample);
    struct Case {
        const char* section;
        const char* key;
        const char* expected;
    } cases[] = {
        {"Level", "Security", "2"},
        {"LEVEL", "security", "2"},
        {"Windows", "Startup", "1"},
        {"windows", "PATH", "C:\\a=b"},
        {"Windows", "Empty", ""},        // present but empty: not the default
        {"Windows", "Sound", "-"},       // commented out
        {"Windows", "Security", "-"},    // belongs to another section
        {"Level", "stray", "-"},         // before any section
        {"Nowhere", "Security", "-"},
        {"RULES", "/usr/bin/ssh", "2"},  // last line without an end
        {"RULES", "/usr/bin/sshd", "-"},
    };
    for (const auto& c : cases) EXPECT_EQ(get(c.section, c.key), c.expected) << c.section << "/" << c.key;
    EXPECT_EQ(get("Level", "Security", "-", 1024, "missing.ini"), "-");
    EXPECT_EQ(get("Level", "Security", "", 1024, "missing.ini"), "");
}

TEST_F(ProfileTest, QuotedValuesComeBackWithoutTheirQuotesAndTheDefaultWithoutTrailingBlanks) {
    write("a.ini",
          "[s]\r\n"
          "double=\"C:\\Program Files\\a.exe\"\r\n"
          "single= 'x y' \r\n"
          "inner=a \"b\" c\r\n"
          "open=\"abc\r\n"
          "mixed=\"abc'\r\n"
          "lone=\"\r\n"
          "empty=\"\"\r\n");
    struct Case {
        const char* key;
        const char* expected;
    } cases[] = {
        {"double", "C:\\Program Files\\a.exe"},
        {"single", "x y"},        // blanks go first, then the quotes
        {"inner", "a \"b\" c"},   // quotes inside stay
        {"open", "\"abc"},        // no closing quote
        {"mixed", "\"abc'"},      // quotes that do not match
        {"lone", "\""},
        {"empty", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(get("s", c.key), c.expected) << c.key;
    EXPECT_EQ(get("s", "absent", "  def  "), "  def");
    EXPECT_EQ(get("s", "absent", "   "), "");
    EXPECT_EQ(keyList("nowhere", 255, "none "), "none");
}

TEST_F(ProfileTest, ALoneCrEndsALineAsCrLfDoes) {
    write("a.ini", "[a]\rone=1\rtwo=2\r\n[b]\rthree=3");
    EXPECT_EQ(get("a", "one"), "1");
    EXPECT_EQ(get("a", "two"), "2");
    EXPECT_EQ(get("b", "three"), "3");
    EXPECT_EQ(keyList("a"), "one\0two\0"s);
    EXPECT_NE(put("a", "one"s, "9"), 0);
    EXPECT_EQ(read("a.ini"), "[a]\rone=9\rtwo=2\r\n[b]\rthree=3");
}

TEST_F(ProfileTest, LinesKeepTheFilesLineEnds) {
    struct Case {
        const char* what;
        std::string before;
        std::string after;
    } cases[] = {
        {"LF", "[s]\nk=1\n[t]\nx=1\n", "[s]\nk=2\nnew=3\n[t]\nx=1\n[u]\nv=4\n"},
        {"CR", "[s]\rk=1\r[t]\rx=1\r", "[s]\rk=2\rnew=3\r[t]\rx=1\r[u]\rv=4\r"},
        {"LF, last line without its end", "[s]\nk=1", "[s]\nk=2\nnew=3\n[u]\nv=4\n"},
        {"no line end at all", "[s]", "[s]\r\nk=2\r\nnew=3\r\n[u]\r\nv=4\r\n"},
    };
    for (const auto& c : cases) {
        write("a.ini", c.before);
        EXPECT_NE(put("s", "k"s, "2"), 0);
        EXPECT_NE(put("s", "new"s, "3"), 0);
        EXPECT_NE(put("u", "v"s, "4"), 0);
        EXPECT_EQ(read("a.ini"), c.after) << c.what;
    }
}

// Two processes write 200 keys each into one file at the same time: all 400 are there after.
TEST_F(ProfileTest, ConcurrentWritersLoseNothing) {
    constexpr int kKeys = 200;
    qv::settings::testing::runConcurrently(2, [&](int w) {
        bool ok = true;
        for (int k = 0; k < kKeys; ++k)
            ok = put("RULES", "/usr/bin/app" + std::to_string(w) + "_" + std::to_string(k), "2") != 0 && ok;
        return ok;
    });
    int found = 0;
    for (int w = 0; w < 2; ++w)
        for (int k = 0; k < kKeys; ++k)
            found += get("RULES", "/usr/bin/app" + std::to_string(w) + "_" + std::to_string(k)) == "2";
    EXPECT_EQ(found, 2 * kKeys);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_), {}), 1) << "no file but the store";
}

TEST_F(ProfileTest, ValueAndDefaultAreCutToOneLessThanTheBuffer) {
    write("a.ini", "[s]\r\nk=" + std::string(60, 'x') + "\r\nshort=abcdef\r\n");
    struct Case {
        const char* key;
        std::size_t size;
        std::string expected;
    } cases[] = {
        {"k", 50, std::string(49, 'x')},
        {"k", 61, std::string(60, 'x')},
        {"short", 7, "abcdef"},
        {"short", 6, "abcde"},
        {"short", 1, ""},
        {"short", 0, ""},
        {"absent", 3, "de"},  // the default "def" is cut the same way
    };
    for (const auto& c : cases) EXPECT_EQ(get("s", c.key, "def", c.size), c.expected) << c.key << " " << c.size;
}

TEST_F(ProfileTest, KeyListHasNulAfterEachNameAndIsCutToFitTheBuffer) {
    write("a.ini", "[RULES]\r\n/bin/a=1\r\n; /bin/c=1\r\n/bin/b=2\r\n[Empty]\r\n");
    EXPECT_EQ(keyList("rules"), "/bin/a\0/bin/b\0"s);
    EXPECT_EQ(keyList("Empty", 255, "none"), "none");
    EXPECT_EQ(keyList("Missing", 255, "none"), "none");
    EXPECT_EQ(keyList("Missing"), "");

    // Names of 9 characters take 10 with their NUL: 25 of them fill 250, one more of 3 gives 254.
    auto fill = [&](std::size_t lastLength) {
        std::string text = "[s]\r\n", expected;
        for (int i = 0; i < 25; ++i) {
            std::string name = "key" + std::to_string(100000 + i);
            text += name + "=1\r\n";
            expected += name + '\0';
        }
        std::string last(lastLength, 'z');
        write("a.ini", text + last + "=1\r\n");
        return expected + last + '\0';
    };
    std::string all = fill(3);  // 254 characters: fits with its final NUL in 255
    EXPECT_EQ(all.size(), 254u);
    EXPECT_EQ(keyList("s"), all);
    all = fill(4);  // 255: cut to 253, the last name partial and without its NUL
    std::string cut = keyList("s");
    EXPECT_EQ(cut.size(), 253u);
    EXPECT_EQ(cut, all.substr(0, 253));
    EXPECT_EQ(cut.substr(250), "zzz");
    EXPECT_EQ(keyList("s", 2), "");
    EXPECT_EQ(keyList("s", 0), "");
}

TEST_F(ProfileTest, NullSectionListsTheSections) {
    write("a.ini", kSample);
    std::string out;
    EXPECT_EQ(GetPrivateProfileString(std::nullopt, std::nullopt, "-", out, 255, path("a.ini")), 20);
    EXPECT_EQ(out, "Level\0Windows\0RULES\0"s);
    EXPECT_EQ(GetPrivateProfileString(std::nullopt, std::nullopt, "-", out, 255, path("none.ini")), 0);
    EXPECT_EQ(out, "");
}

TEST_F(ProfileTest, WriteCreatesFileSectionAndKeyWithCrLf) {
    EXPECT_NE(put("RULES", "/bin/a"s, "1"), 0);
    EXPECT_NE(put("RULES", "/bin/b"s, "2"), 0);
    EXPECT_NE(put("ALREADY", "/bin/a80"s, "YES"), 0);
    EXPECT_EQ(read("a.ini"), "[RULES]\r\n/bin/a=1\r\n/bin/b=2\r\n[ALREADY]\r\n/bin/a80=YES\r\n");
}

TEST_F(ProfileTest, WriteReplacesInPlaceAndKeepsEveryOtherByte) {
    write("a.ini", kSample);
    EXPECT_NE(put("level", "SECURITY"s, "3"), 0);  // the stored spelling of the key stays
    EXPECT_NE(put("Windows", "Sound"s, "1"), 0);    // new key after the section's last line
    EXPECT_NE(put("Level", "Update"s, "0"), 0);     // before the blank line that ends the section
    EXPECT_NE(put("RULES", "/usr/bin/ssh"s, "1"), 0);
    EXPECT_NE(put("RULES", "/bin/x"s, "3"), 0);
    EXPECT_EQ(read("a.ini"),
              "; options\r\n"
              "stray=1\r\n"
              "[Level]\r\n"
              "Security=3\r\n"
              "Update=0\r\n"
              "\r\n"
              "[ Windows ]\n"
              "\tStartup\t=\t1\n"
              "; Sound=9\n"
              "Path=C:\\a=b\n"
              "Empty=\n"
              "Sound=1\r\n"
              "[RULES]\r\n"
              "/usr/bin/ssh=1\r\n"
              "/bin/x=3\r\n");
    EXPECT_EQ(get("Windows", "Sound"), "1");
}

TEST_F(ProfileTest, EmptyValueKeepsTheKeyAndReadsEmpty) {
    write("a.ini", "[RULES]\r\n/bin/a=2\r\n/bin/b=1\r\n");
    EXPECT_NE(put("RULES", "/bin/a"s, ""), 0);
    EXPECT_EQ(read("a.ini"), "[RULES]\r\n/bin/a=\r\n/bin/b=1\r\n");
    EXPECT_EQ(get("RULES", "/bin/a", "-"), "");
    EXPECT_EQ(keyList("RULES"), "/bin/a\0/bin/b\0"s);
}

TEST_F(ProfileTest, NullKeyRemovesEverySectionOfThatNameWithItsLines) {
    write("a.ini",
          "[RULES]\r\n/bin/a=2\r\n"
          "[ALREADY]\r\n/bin/a80=YES\r\n; note\r\n\r\n"
          "[CRC32]\r\n/bin/a=12/10/2026\r\n"
          "[already]\r\n/bin/b80=YES\r\n");
    EXPECT_NE(put("ALREADY", std::nullopt, "0"), 0);
    EXPECT_EQ(read("a.ini"), "[RULES]\r\n/bin/a=2\r\n[CRC32]\r\n/bin/a=12/10/2026\r\n");
    EXPECT_EQ(get("ALREADY", "/bin/a80"), "-");
    EXPECT_EQ(get("ALREADY", "/bin/b80"), "-");
    EXPECT_EQ(keyList("ALREADY", 255, "-"), "-");

    // Removing what is not there succeeds and leaves the file, or its absence, as it was.
    EXPECT_NE(put("ALREADY", std::nullopt, "0"), 0);
    EXPECT_EQ(read("a.ini"), "[RULES]\r\n/bin/a=2\r\n[CRC32]\r\n/bin/a=12/10/2026\r\n");
    EXPECT_NE(put("ALREADY", std::nullopt, "0", "none.ini"), 0);
    EXPECT_FALSE(std::filesystem::exists(path("none.ini")));
}

TEST_F(ProfileTest, WriteIntoAMissingFolderReturnsZero) {
    EXPECT_EQ(put("RULES", "/bin/a"s, "1", "nofolder/a.ini"), 0);
    EXPECT_EQ(put("RULES", std::nullopt, "0", "nofolder/a.ini"), 0);
    EXPECT_FALSE(std::filesystem::exists(path("nofolder")));
}

TEST_F(ProfileTest, NamesAndValuesThatWouldReadBackAsOtherEntriesAreRefused) {
    const std::string before = "[RULES]\r\n/bin/a=1\r\n";
    struct Case {
        std::string section;
        std::string key;
        std::string value;
    } cases[] = {
        {"RULES", "/tmp/x\r\n/usr/bin/ssh", "2"},  // a path with a line break plants a rule
        {"RULES", "/tmp/x\n[RULES]", "2"},
        {"RULES", "/tmp/x\r", "2"},
        {"RULES", "/tmp/a=b", "2"},  // would read back as key "/tmp/a"
        {"RULES", "[RULES]", "2"},
        {"RULES", ";comment", "2"},
        {"RULES", " /bin/a", "2"},   // blanks around a name would merge it with /bin/a
        {"RULES", "/bin/a\t", "2"},
        {"RULES", "/bin/a\0b"s, "2"},
        {"RULES", "/tmp/x", "2\r\n/usr/bin/ssh=2"},
        {"RULES", "/tmp/x", "2\n"},
        {"RULES", "/tmp/x", "2\0"s},
        {"RU]LES", "/tmp/x", "2"},
        {"RULES\n", "/tmp/x", "2"},
        {" RULES", "/tmp/x", "2"},
    };
    for (const auto& c : cases) {
        write("a.ini", before);
        EXPECT_EQ(put(c.section, c.key, c.value), 0) << c.key << " = " << c.value;
        EXPECT_EQ(read("a.ini"), before) << c.key << " = " << c.value;
        EXPECT_EQ(put(c.section, c.key, c.value, "new.ini"), 0);
        EXPECT_FALSE(std::filesystem::exists(path("new.ini")));
    }
    EXPECT_EQ(put("RU]LES", std::nullopt, "0"), 0);
    // Blanks inside a name and "=" or brackets after its start are ordinary characters.
    EXPECT_NE(put("RULES", "/opt/my app/run[1];x", "2"), 0);
    EXPECT_EQ(get("RULES", "/opt/my app/run[1];x"), "2");
}

TEST_F(ProfileTest, ASecondReaderSeesEachWriteAtOnce) {
    for (const char* v : {"1", "2", "3"}) {
        ASSERT_NE(put("RULES", "/bin/a"s, v), 0);
        EXPECT_EQ(get("RULES", "/bin/a"), v);
    }
    // A change made behind the functions' back, same size and same time stamp, is seen too.
    auto stamp = std::filesystem::last_write_time(path("a.ini"));
    write("a.ini", "[RULES]\r\n/bin/a=9\r\n");
    std::filesystem::last_write_time(path("a.ini"), stamp);
    EXPECT_EQ(get("RULES", "/bin/a"), "9");
}

TEST_F(ProfileTest, WriteInterruptedBeforeItsRenameLeavesTheOldFileWhole) {
    write("a.ini", kSample);
    qv::base::setAtomicWriteHook([](const std::string&, const std::string&) { return false; });
    EXPECT_EQ(put("Level", "Security"s, "3"), 0);
    EXPECT_EQ(put("Level", std::nullopt, ""), 0);
    qv::base::setAtomicWriteHook(nullptr);
    EXPECT_EQ(read("a.ini"), kSample);
    EXPECT_EQ(get("Level", "Security"), "2");
}

TEST_F(ProfileTest, BackslashPathsReachTheSameFile) {
    std::filesystem::create_directories(dir_ / "Conf");
    std::string winPath = dir_.string() + "\\Conf\\config.ini";
    EXPECT_NE(WritePrivateProfileString("Level", "Security"sv, "1", winPath), 0);
    EXPECT_EQ(read("Conf/config.ini"), "[Level]\r\nSecurity=1\r\n");
    std::string out;
    EXPECT_EQ(GetPrivateProfileString("Level", "Security"sv, "", out, 50, winPath), 1);
    EXPECT_EQ(out, "1");
}

}  // namespace
