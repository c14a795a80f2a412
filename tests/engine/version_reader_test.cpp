#include "engine/version_reader.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "engine/version_text.h"
#include "platform/base/files.h"
#include "temp_folder.h"
#include "version_block_builder.h"

namespace qv::engine {
namespace {

using test::Entries;

const Entries kEntries{{"CompanyName", "Example Works"},
                       {"FileDescription", "Mail Checker"},
                       {"FileVersion", "2.1.0.7"},
                       {"InternalName", "mailchk"}};

struct Case {
    const char* name;
    std::string bytes;
    std::string description;
    std::string version;
};

std::vector<Case> cases() {
    using namespace test;
    const std::string head = executableHead();
    return {
        {"wide block", head + wideBlock(kEntries) + std::string(16, '\0'), "Mail Checker", "2.1.0.7"},
        {"narrow block", head + narrowBlock(kEntries) + std::string(16, '\0'), "Mail Checker", "2.1.0.7"},
        // "Mail Check" leaves no run of three zeros before the next entry's key, so the value
        // would run into "FileVersion" and is cut at its first control character instead.
        {"narrow description running into FileVersion",
         head + narrowBlock({{"FileDescription", "Mail Check"}, {"FileVersion", "3.0"}, {"InternalName", "m"}}) +
             std::string(8, '\0'),
         "Mail Check", "3.0"},
        {"no version block", head + std::string(300, 'x'), "", ""},
        {"wide block without a description",
         head + wideBlock({{"FileVersion", "1.0"}}) + std::string(8, '\0'), "", "1.0"},
        // The key is the last thing in the file: the value would start past its end.
        {"key at the end of the file", head + wide("StringFileInfo") + wide("FileDescription"), "", ""},
        // No zeros after the value at all: the value ends at the file's end.
        {"value without an end", head + "FileDescription" + std::string(1, '\0') + "Tail Text", "Tail Text", ""},
        {"empty file", "", "", ""},
    };
}

TEST(VersionReaders, FindDescriptionAndVersionInWrittenExecutables) {
    test::TempProgramFolder dir;
    int n = 0;
    for (const Case& c : cases()) {
        std::string path = dir / ("app" + std::to_string(n++) + ".exe");
        ASSERT_TRUE(base::writeFileAtomic(path, c.bytes));
        EXPECT_EQ(GetFileDescription(path), c.description) << c.name;
        EXPECT_EQ(GetFileVersion(path), c.version) << c.name;
        EXPECT_EQ(FileDescriptionFromBytes(c.bytes), c.description) << c.name;
    }
}

TEST(VersionReaders, MissingFileGivesEmptyTexts) {
    test::TempProgramFolder dir;
    EXPECT_EQ(GetFileDescription(dir / "gone.exe"), "");
    EXPECT_EQ(GetFileVersion(dir / "gone.exe"), "");
}

TEST(VersionReaders, KeptAnswerIsRenewedWhenSizeOrTimeChanges) {
    test::TempProgramFolder dir;
    const std::string path = dir / "tool.exe";
    auto write = [&](const std::string& desc) {
        ASSERT_TRUE(base::writeFileAtomic(
            path, test::executableHead() + test::wideBlock({{"FileDescription", desc}}) + std::string(8, '\0')));
    };
    write("First");
    EXPECT_EQ(GetFileDescription(path), "First");

    write("Second, longer");  // another size
    EXPECT_EQ(GetFileDescription(path), "Second, longer");

    // Same size, same time: the kept answer stands (the file is not read again).
    const auto stamp = std::filesystem::last_write_time(path);
    write("Third, longer!");
    std::filesystem::last_write_time(path, stamp);
    EXPECT_EQ(GetFileDescription(path), "Second, longer");

    // Same size, another time: read again.
    std::filesystem::last_write_time(path, stamp + std::chrono::seconds(3));
    EXPECT_EQ(GetFileDescription(path), "Third, longer!");
}

TEST(VersionText, WideFormAndRepeatedReplacing) {
    EXPECT_EQ(ToWideText("Ab"), std::string("A\0b\0", 4));
    EXPECT_EQ(ToWideText(""), "");
    EXPECT_EQ(ReplaceText(std::string("M\0a\0i\0l\0", 8), std::string(1, '\0'), ""), "Mail");
    // Joins made by a replacement are replaced again.
    EXPECT_EQ(ReplaceText("aabb", "ab", ""), "");
    // A replacement that holds the find text is made once, not forever.
    EXPECT_EQ(ReplaceText("xax", "a", "aa"), "xaax");
    EXPECT_EQ(ReplaceText("abc", "", "z"), "abc");
}

}  // namespace
}  // namespace qv::engine
