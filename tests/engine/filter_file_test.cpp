#include "engine/filter_file.h"

#include <gtest/gtest.h>

#include "platform/base/files.h"
#include "temp_folder.h"

namespace qv::engine {
namespace {

class FilterFileTest : public ::testing::Test {
protected:
    test::TempProgramFolder dir;
    void SetUp() override { ASSERT_TRUE(base::makeDir(dir / "Conf")); }
    void TearDown() override { base::setAtomicWriteHook({}); }

    std::string path() const { return dir / "Conf/filter.ini"; }
    static FilterFile loaded() {
        FilterFile f;
        LoadFilter(f);
        return f;
    }
    static void add(FilterFile& f, int list, std::string text, std::string key, bool checked) {
        ASSERT_TRUE(f.lists.add(list, FilterEntry{std::move(text), std::move(key), checked}));
    }
    static void expectSame(const FilterFile& a, const FilterFile& b) {
        EXPECT_EQ(a.Filtering, b.Filtering);
        EXPECT_EQ(a.Logging, b.Logging);
        EXPECT_EQ(a.chkAct, b.chkAct);
        EXPECT_EQ(a.chkLog, b.chkLog);
        for (int k = 0; k < kFilterListCount; ++k) EXPECT_EQ(a.lists.entries(k), b.lists.entries(k)) << "list " << k;
    }
};

TEST_F(FilterFileTest, SaveWritesTheWholeFileLineByLine) {
    FilterFile f;
    f.Filtering = true;
    f.chkAct = {1, 0, 1};
    f.chkLog = {0, 1, 1, 2};
    add(f, kRemoteAddressList, "mail.test", "10.0.0.25", true);
    add(f, kRemoteAddressList, "10.0.0.9", "10.0.0.9", false);
    add(f, kRemotePortList, "80", "", true);
    ASSERT_TRUE(SaveFilter(f));
    EXPECT_EQ(base::readFile(path()),
              "[Main]\r\nFilter=True\r\nLog=False\r\n\r\n"
              "[Address]\r\nActivate=1\r\nAddrCnt=2\r\n"
              "Addr_1=mail.test\r\nip_1=10.0.0.25\r\nchk_1=True\r\n"
              "Addr_2=10.0.0.9\r\nip_2=10.0.0.9\r\nchk_2=False\r\n\r\n"
              "[RemP]\r\nActivate=0\r\nRemPcnt=1\r\nRemP_1=80\r\nchk_1=True\r\n\r\n"
              "[LocP]\r\nActivate=1\r\nLocPcnt=0\r\n\r\n"
              "[Log]\r\nListening=0\r\nConnected=1\r\nBlocked=1\r\nICMP=2\r\n\r\n");
}

TEST_F(FilterFileTest, SaveThenLoadGivesTheSameListsAndTheSameBytes) {
    FilterFile empty;
    FilterFile full;
    full.Filtering = true;
    full.Logging = true;
    full.chkAct = {0, 1, 1};
    full.chkLog = {2, 0, 1, 0};
    for (int i = 1; i <= 12; ++i) {
        std::string last = std::to_string(i);
        add(full, kRemoteAddressList, "host" + last + ".test", "10.0.1." + last, i % 3 != 0);
        add(full, kLocalPortList, std::to_string(1000 + i), "", i % 2 == 0);
    }
    add(full, kRemoteAddressList, "caf\xE9.test", "10.0.2.1", true);  // Windows-1252 text
    add(full, kRemotePortList, "443", "", true);
    add(full, kRemotePortList, "443", "", false);  // the block dialog may list a port twice

    for (const FilterFile* f : {&empty, &full}) {
        SCOPED_TRACE(f == &empty ? "empty lists" : "full lists");
        ASSERT_TRUE(SaveFilter(*f));
        auto saved = base::readFile(path());
        ASSERT_TRUE(saved);
        FilterFile back = loaded();
        expectSame(back, *f);
        ASSERT_TRUE(SaveFilter(back));
        EXPECT_EQ(base::readFile(path()), saved);
    }
    EXPECT_NE(FilterFileText(empty).find("AddrCnt=0\r\n\r\n[RemP]"), std::string::npos);
}

TEST_F(FilterFileTest, DamagedFilesLoadWhatTheyHoldAndNoMore) {
    struct Case {
        const char* name;
        std::string text;
        std::vector<FilterEntry> addresses;
        std::vector<FilterEntry> remotePorts;
    };
    const Case cases[] = {
        {"missing chk_i, or any text but True",
         "[Address]\nAddrCnt=3\nAddr_1=a\nip_1=1.1.1.1\nAddr_2=b\nip_2=2.2.2.2\nchk_2=true\n"
         "Addr_3=c\nip_3=3.3.3.3\nchk_3=-1\n",
         {{"a", "1.1.1.1", false}, {"b", "2.2.2.2", false}, {"c", "3.3.3.3", false}},
         {}},
        {"duplicate ip_i: the later entry is passed over with its own check",
         "[Address]\nAddrCnt=3\nAddr_1=a\nip_1=1.1.1.1\nchk_1=False\nAddr_2=b\nip_2=1.1.1.1\nchk_2=True\n"
         "Addr_3=c\nip_3=3.3.3.3\nchk_3=False\n",
         {{"a", "1.1.1.1", false}, {"c", "3.3.3.3", false}},
         {}},
        {"missing or empty keys",
         "[Address]\nAddrCnt=4\nip_1=1.1.1.1\nchk_1=True\nAddr_2=b\nip_2=\nchk_2=True\nAddr_3=\nip_3=3.3.3.3\n"
         "Addr_4=d\nip_4=4.4.4.4\nchk_4=True\n[RemP]\nRemPcnt=3\nRemP_1=\nchk_1=True\nchk_2=True\nRemP_3=25\n",
         {{"d", "4.4.4.4", true}},
         {{"25", "", false}}},
        {"a count far larger than the entries",
         "[Address]\nAddrCnt=1000000\nAddr_1=a\nip_1=1.1.1.1\nchk_1=True\n[RemP]\nRemPcnt=1e300\nRemP_1=80\n",
         {{"a", "1.1.1.1", true}},
         {{"80", "", false}}},
        {"a count smaller than the entries, not a number, or below 0",
         "[Address]\nAddrCnt=1.4\nAddr_1=a\nip_1=1.1.1.1\nAddr_2=b\nip_2=2.2.2.2\n[RemP]\nRemPcnt=x\nRemP_1=80\n"
         "[LocP]\nLocPcnt=-3\nLocP_1=80\n",
         {{"a", "1.1.1.1", false}},
         {}},
        {"control characters",
         "[Address]\nAddrCnt=2\nAddr_1=a\tb\nip_1=1.1.1.1\nAddr_2=c\nip_2=2.2.2.2\x01\n[RemP]\nRemPcnt=1\nRemP_1=8\x7f" "0\n",
         {},
         {}},
        {"no file at all", "", {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        base::removeFile(path());
        if (!c.text.empty()) {
            ASSERT_TRUE(base::writeFileAtomic(path(), c.text));
        }
        FilterFile f = loaded();
        EXPECT_EQ(f.lists.entries(kRemoteAddressList), c.addresses);
        EXPECT_EQ(f.lists.entries(kRemotePortList), c.remotePorts);
        EXPECT_TRUE(f.lists.entries(kLocalPortList).empty());
    }
}

TEST_F(FilterFileTest, SwitchesAndBoxesReadOnlyWhatTheyCanBe) {
    struct Case {
        const char* filter;  // nullptr: no key
        const char* activate;
        const char* logValue;
        bool filtering;
        int act;
        int log;  // the box held 1 before the load
    };
    const Case cases[] = {
        {"True", "1", "0", true, 1, 0},     {"TRUE", "2", "2", true, 0, 2},   {"-1", "0", " 1 ", true, 0, 1},
        {"False", "yes", "5", false, 0, 1}, {"0", "", "x", false, 0, 1},       {"yes", nullptr, nullptr, false, 0, 1},
        {"", "1", "-1", false, 1, 1},       {nullptr, "1", "1.6", false, 1, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("Filter=") + (c.filter ? c.filter : "(none)"));
        std::string text = "[Main]\r\n";
        if (c.filter) text += std::string("Filter=") + c.filter + "\r\nLog=" + c.filter + "\r\n";
        text += "[Address]\r\n";
        if (c.activate) text += std::string("Activate=") + c.activate + "\r\n";
        text += "[Log]\r\n";
        if (c.logValue) text += std::string("Blocked=") + c.logValue + "\r\n";
        ASSERT_TRUE(base::writeFileAtomic(path(), text));
        FilterFile f;
        f.chkAct = {1, 1, 1};
        f.chkLog = {1, 1, 1, 1};
        LoadFilter(f);
        EXPECT_EQ(f.Filtering, c.filtering);
        EXPECT_EQ(f.Logging, c.filtering);
        EXPECT_EQ(f.chkAct, (std::array<int, 3>{c.act, 0, 0}));
        EXPECT_EQ(f.chkLog, (std::array<int, 4>{1, 1, c.log, 1}));
    }
}

TEST_F(FilterFileTest, LoadingAddsToTheListsItFinds) {
    ASSERT_TRUE(base::writeFileAtomic(path(), "[Address]\nAddrCnt=2\nAddr_1=a\nip_1=1.1.1.1\nAddr_2=b\nip_2=2.2.2.2\n"));
    FilterFile f;
    add(f, kRemoteAddressList, "x", "2.2.2.2", true);
    LoadFilter(f);
    EXPECT_EQ(f.lists.entries(kRemoteAddressList),
              (std::vector<FilterEntry>{{"x", "2.2.2.2", true}, {"a", "1.1.1.1", false}}));
}

TEST_F(FilterFileTest, AFailedSaveSaysSoAndLeavesTheOldFile) {
    FilterFile f;
    f.Filtering = true;
    ASSERT_TRUE(base::removeDir(dir / "Conf"));
    EXPECT_FALSE(SaveFilter(f)) << "no Conf folder";

    ASSERT_TRUE(base::makeDir(dir / "Conf"));
    ASSERT_TRUE(base::writeFileAtomic(path(), "old"));
    base::setAtomicWriteHook([](const std::string&, const std::string&) { return false; });
    EXPECT_FALSE(SaveFilter(f));
    EXPECT_EQ(base::readFile(path()), "old");
}

}  // namespace
}  // namespace qv::engine
