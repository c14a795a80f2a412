#include "engine/stores.h"

#include <gtest/gtest.h>

#include "engine/conf.h"
#include "engine/rule_action.h"
#include "platform/base/files.h"
#include "platform/host/sim/sim_host.h"
#include "temp_folder.h"

namespace qv::engine {
namespace {

class StoresTest : public ::testing::Test {
protected:
    test::TempProgramFolder dir;
    void SetUp() override {
        ASSERT_TRUE(base::makeDir(dir / "Data"));
        RuleStore().Path(RuleStorePath());
        GuardStore().Path(GuardStorePath());
    }
    std::string rule(const std::string& app) {
        RuleStore().Section("RULES");
        RuleStore().Key(app);
        RuleStore().Default("0");
        return RuleStore().Value();
    }
};

TEST_F(StoresTest, RulesDefaultToAskAndAnEmptyRuleActsAsAsk) {
    EXPECT_EQ(RuleActionOf(rule("C:\\new.exe")), RuleAction::Ask);
    ASSERT_TRUE(base::writeFileAtomic(dir / "Data/Firewall.qvl",
                                      "[RULES]\r\nC:\\empty.exe=\r\nC:\\b.exe=1\r\nC:\\t.exe=2\r\n"
                                      "C:\\k.exe=3\r\nC:\\odd.exe=7\r\n"));
    struct Case {
        const char* app;
        RuleAction want;
    } cases[] = {{"C:\\empty.exe", RuleAction::Ask},    {"C:\\b.exe", RuleAction::Block},
                 {"C:\\t.exe", RuleAction::Trust},      {"C:\\k.exe", RuleAction::Terminate},
                 {"C:\\odd.exe", RuleAction::Other},    {"C:\\absent.exe", RuleAction::Ask}};
    for (const Case& c : cases) EXPECT_EQ(RuleActionOf(rule(c.app)), c.want) << c.app;
}

TEST_F(StoresTest, AlreadyMarksEachConnectionOnceAndClearsAtStart) {
    ConnectionTable t;
    auto add = [&](std::string lp, std::string rp, std::string ra) {
        ConnectionRecord r;
        r.AppPath = "C:\\mail.exe";
        r.LocalPort = std::move(lp);
        r.RemotePort = std::move(rp);
        r.RemoteAddress = std::move(ra);
        r.ProcessId = 7;
        return t.add(r);
    };
    int first = add("1044", "110", "10.0.0.9");
    int same = add("1044", "110", "10.0.0.9");
    int otherPort = add("1045", "110", "10.0.0.9");
    int otherRemote = add("1044", "110", "10.0.0.8");
    int otherRemotePort = add("1044", "995", "10.0.0.9");

    EXPECT_FALSE(AlreadyAsked(t, first));
    EXPECT_TRUE(AlreadyAsked(t, same));
    EXPECT_FALSE(AlreadyAsked(t, otherPort));
    EXPECT_FALSE(AlreadyAsked(t, otherRemote));
    EXPECT_FALSE(AlreadyAsked(t, otherRemotePort));
    EXPECT_TRUE(AlreadyAsked(t, 99));

    // The start-up step clears the markers: every connection is asked about again.
    RuleStore().Section("ALREADY");
    RuleStore().DeleteSection();
    EXPECT_FALSE(AlreadyAsked(t, first));
    RuleStore().Key("C:\\mail.exe104411010.0.0.9");
    EXPECT_EQ(RuleStore().Value(), "YES");
}

TEST_F(StoresTest, OnlyUpperCaseTrustedCounts) {
    ASSERT_TRUE(base::writeFileAtomic(dir / "Data/Guard.qvl",
                                      "[NETWORKING]\r\n10.0.0.1=TRUSTED\r\n10.0.0.2=trusted\r\n"
                                      "10.0.0.3=BLOCKED\r\n"));
    EXPECT_TRUE(IsTrustedNetwork("10.0.0.1"));
    EXPECT_FALSE(IsTrustedNetwork("10.0.0.2"));
    EXPECT_FALSE(IsTrustedNetwork("10.0.0.3"));
    EXPECT_FALSE(IsTrustedNetwork("10.0.0.4"));
}

TEST_F(StoresTest, AppStampIsStoredOnceAndOnlyForAReadableFile) {
    host::SimHost sim;
    host::ScopedHost useSim{sim};
    sim.setFileModified("C:\\Apps\\mail.exe", base::DateTime{2026, 3, 4, 15, 6, 7, 0});
    auto stamp = [](const char* app) {
        RuleStore().Section("CRC32");
        RuleStore().Key(app);
        RuleStore().Default("-");
        return RuleStore().Value();
    };
    CheckAppStamp("C:\\Apps\\mail.exe");
    CheckAppStamp("C:\\Apps\\gone.exe");
    CheckAppStamp("");
    EXPECT_EQ(stamp("C:\\Apps\\mail.exe"), "3/4/2026 3:06:07 PM");
    EXPECT_EQ(stamp("C:\\Apps\\gone.exe"), "-");
    // A stamp once stored is kept when the file changes.
    sim.setFileModified("C:\\Apps\\mail.exe", base::DateTime{2026, 5, 1, 9, 0, 0, 0});
    CheckAppStamp("C:\\Apps\\mail.exe");
    EXPECT_EQ(stamp("C:\\Apps\\mail.exe"), "3/4/2026 3:06:07 PM");
}

TEST_F(StoresTest, ReadConfGivesEmptyForEmptyOrMissingValues) {
    ASSERT_TRUE(base::makeDir(dir / "Conf"));
    ASSERT_TRUE(base::writeFileAtomic(dir / "Conf/filter.ini", "[Log]\r\nBlocked=1\r\nICMP=\r\n"));
    EXPECT_EQ(ReadConf("Log", "Blocked", "filter.ini"), "1");
    EXPECT_EQ(ReadConf("Log", "ICMP", "filter.ini"), "Empty...");
    EXPECT_EQ(ReadConf("Log", "Listening", "filter.ini"), "Empty...");
    EXPECT_EQ(ReadConf("Log", "Blocked", "missing.ini"), "Empty...");
}

TEST_F(StoresTest, FileExistsOnlyForNormalFiles) {
    ASSERT_TRUE(base::writeFileAtomic(dir / "Data/x.txt", "x"));
    EXPECT_TRUE(FileExists(dir / "Data/x.txt"));
    EXPECT_TRUE(FileExists(dir.path() + "\\Data\\x.txt"));
    EXPECT_FALSE(FileExists(dir / "Data"));
    EXPECT_FALSE(FileExists(dir / "Data/none.txt"));
    EXPECT_FALSE(FileExists(""));
}

}  // namespace
}  // namespace qv::engine
