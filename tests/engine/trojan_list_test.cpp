#include "engine/trojan_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cipher/crypt_file.h"
#include "engine/stores.h"
#include "platform/base/files.h"
#include "temp_folder.h"

namespace qv::engine {
namespace {

class TrojanListTest : public ::testing::Test {
protected:
    test::TempProgramFolder dir;
    void SetUp() override { ASSERT_TRUE(base::makeDir(dir / "Data")); }
    static std::string shipped(const std::string& name) {
        auto text = base::readFile(std::string(QV_SOURCE_DIR) + "/assets/Data/" + name);
        EXPECT_TRUE(text) << name;
        return text.value_or("");
    }
    static std::string fixtureList() {
        return base::readFile(std::string(QV_FIXTURES) + "/engine/trojan_list.txt").value_or("");
    }
    void expectSealedOnly() {
        EXPECT_FALSE(base::pathExists(dir / "Data/trojan.dat"));
        EXPECT_EQ(cipher::DetectFileType(dir / "Data/trojan.exe"), 1);
    }
};

TEST_F(TrojanListTest, OnlyThePortPartOfAMarkedLineCounts) {
    const std::string list = "12345\x01remote control\r\n80 no mark here\r\n31337\x01" "a\x01" "b\n\r\n54320\x01last";
    struct Case {
        const char* port;
        bool listed;
    } cases[] = {{"12345", true}, {"1234", false}, {"123456", false}, {"80", false},
                 {"31337", true}, {"54320", true}, {"remote control", false}};
    for (const Case& c : cases) EXPECT_EQ(TrojanListHasPort(list, c.port), c.listed) << c.port;
}

TEST_F(TrojanListTest, ShippedListIsSealedWithTheDataKeyAndStaysSealedAfterEachLookup) {
    ASSERT_TRUE(base::writeFileAtomic(dir / "Data/trojan.exe", shipped("trojan.exe")));
    EXPECT_TRUE(IsTrojanPort("31337"));
    expectSealedOnly();
    EXPECT_FALSE(IsTrojanPort("443"));
    expectSealedOnly();

    // Its plain form is the list kept beside the tests; every line is a port, code 1, a text.
    // (To change the list: edit tests/fixtures/engine/trojan_list.txt, copy it to trojan.dat and
    // encrypt that in place with the data-file key; the result is trojan.exe.)
    std::string sealed = TrojanListPath();
    cipher::CryptFile(sealed, sealed, kDataFileKey, "");
    auto plain = base::readFile(TrojanListPlainPath());
    ASSERT_TRUE(plain);
    EXPECT_EQ(*plain, fixtureList());
    std::string_view rest = *plain;
    while (!rest.empty()) {
        std::size_t eol = rest.find("\r\n");
        ASSERT_NE(eol, std::string_view::npos);
        std::string_view line = rest.substr(0, eol);
        std::size_t mark = line.find('\x01');
        ASSERT_NE(mark, std::string_view::npos) << line;
        EXPECT_EQ(line.substr(0, mark).find_first_not_of("0123456789"), std::string_view::npos) << line;
        rest.remove_prefix(eol + 2);
    }
}

TEST_F(TrojanListTest, ALookupOfTheSealedListWritesNothing) {
    const std::string sealed = shipped("trojan.exe");
    ASSERT_TRUE(base::writeFileAtomic(dir / "Data/trojan.exe", sealed));
    std::vector<std::string> written;
    base::setAtomicWriteHook([&](const std::string& target, const std::string&) {
        written.push_back(target);
        return true;
    });
    EXPECT_TRUE(IsTrojanPort("31337"));
    EXPECT_FALSE(IsTrojanPort("443"));
    base::setAtomicWriteHook({});
    EXPECT_TRUE(written.empty());
    EXPECT_EQ(base::readFile(dir / "Data/trojan.exe"), sealed);
    EXPECT_FALSE(base::pathExists(dir / "Data/trojan.dat"));
}

TEST_F(TrojanListTest, PlainListWithoutSealedOneIsReadAndSealed) {
    ASSERT_TRUE(base::writeFileAtomic(dir / "Data/trojan.dat", "6711\x01x\r\n"));
    EXPECT_TRUE(IsTrojanPort("6711"));
    expectSealedOnly();
    EXPECT_TRUE(IsTrojanPort("6711"));
}

TEST_F(TrojanListTest, NoListAtAllListsNothingAndCreatesNothing) {
    EXPECT_FALSE(IsTrojanPort("31337"));
    EXPECT_FALSE(base::pathExists(dir / "Data/trojan.dat"));
    EXPECT_FALSE(base::pathExists(dir / "Data/trojan.exe"));
}

TEST_F(TrojanListTest, ShippedGuardStoreListsDangerousPortsInItsHackersSection) {
    ASSERT_TRUE(base::writeFileAtomic(dir / "Data/Guard.qvl", shipped("Guard.qvl")));
    GuardStore().Path(GuardStorePath());
    GuardStore().Section("HACKERS");
    GuardStore().Default("");
    std::string keys = GuardStore().INISection();
    ASSERT_FALSE(keys.empty());
    for (std::size_t start = 0, end; (end = keys.find('\0', start)) != std::string::npos; start = end + 1) {
        std::string port = keys.substr(start, end - start);
        EXPECT_EQ(port.find_first_not_of("0123456789"), std::string::npos) << port;
        GuardStore().Key(port);
        GuardStore().Default("-");
        std::string desc = GuardStore().Value();
        // The alert and the log add their own full stop after the description.
        EXPECT_NE(desc, "-");
        EXPECT_FALSE(desc.empty() || desc.back() == '.') << port;
        GuardStore().Default("");
    }
    EXPECT_NE(shipped("Guard.qvl").find("3389="), std::string::npos);
}

}  // namespace
}  // namespace qv::engine
