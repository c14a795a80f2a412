#include "engine/netstat_parser.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/tcp_state_names.h"
#include "engine/ui_hooks.h"
#include "platform/base/files.h"

namespace qv::engine {
namespace {

std::string fixture(const std::string& name) {
    auto text = base::readFile(std::string(QV_FIXTURES) + "/engine/netstat/" + name);
    EXPECT_TRUE(text.has_value()) << name;
    return text.value_or("");
}

ConnectionRecord rec(std::string la, std::string lp, std::string ra, std::string rp, std::string st,
                     int32_t pid) {
    ConnectionRecord r;
    r.LocalAddress = std::move(la);
    r.LocalPort = std::move(lp);
    r.RemoteAddress = std::move(ra);
    r.RemotePort = std::move(rp);
    r.State = std::move(st);
    r.ProcessId = pid;
    return r;
}

TEST(ParseNetstat, KeepsConnectionLinesWithNamesAndDropsHeadersAndProcessZero) {
    ConnectionTable t;
    ParseNetstat(fixture("mixed.txt"), t);
    std::vector<ConnectionRecord> want{
        rec("127.0.0.1", "1031", "127.0.0.1", "1032", "ESTABLISHED", 4321),
        rec("workstation", "1043", "www.example.test", "http", "ESTABLISHED", 1880),
        rec("10.0.0.5", "1044", "10.0.0.9", "445", "CLOSE_WAIT", 1880),
    };
    EXPECT_EQ(t.records(), want);
}

TEST(ParseNetstat, CutLastLineIsKeptOnlyWhenItsProcessIdStillConverts) {
    struct Case {
        const char* file;
        int count;
        int32_t lastPid;
    } cases[] = {{"cut_in_pid.txt", 2, 43}, {"cut_in_state.txt", 1, 4321}};
    for (const Case& c : cases) {
        ConnectionTable t;
        ParseNetstat(fixture(c.file), t);
        ASSERT_EQ(t.count(), c.count) << c.file;
        EXPECT_EQ(t[t.count() - 1].ProcessId, c.lastPid) << c.file;
    }
}

TEST(ParseNetstat, KeepsEveryConnectionOfOutputFarLargerThanOnePipeRead) {
    std::string text = fixture("large.txt");
    ASSERT_GT(text.size(), 4u * 10240u);
    ConnectionTable t;
    ParseNetstat(text, t);
    ASSERT_EQ(t.count(), 600);
    EXPECT_EQ(t[599], rec("192.168.1.100", "20599", "10.1.2.100", "443", "ESTABLISHED", 1000 + 599 % 37));
}

TEST(ParseNetstat, SingleLines) {
    struct Case {
        const char* line;
        bool kept;
        ConnectionRecord want;
    } cases[] = {
        // An endpoint without ":" is all port.
        {" TCP localonly 1.2.3.4:80 SYN_SENT 7", true, rec("", "localonly", "1.2.3.4", "80", "SYN_SENT", 7)},
        // Only the first ":" splits.
        {" TCP [::1]:5 [::1]:6 ESTABLISHED 8", true, rec("[", ":1]:5", "[", ":1]:6", "ESTABLISHED", 8)},
        // Blanks after the process id leave it the sixth field.
        {"   TCP   a:1   b:2   ESTABLISHED   9   ", true, rec("a", "1", "b", "2", "ESTABLISHED", 9)},
        {" TCP a:1 b:2 ESTABLISHED 12abc", false, {}},
        {" TCP a:1 b:2 ESTABLISHED 99999999999", false, {}},
        {" TCP a:1 b:2 ESTABLISHED", false, {}},
        {"", false, {}},
    };
    for (const Case& c : cases) {
        ConnectionTable t;
        ParseNetstat(c.line, t);
        ASSERT_EQ(t.count(), c.kept ? 1 : 0) << c.line;
        if (c.kept) {
            EXPECT_EQ(t[0], c.want) << c.line;
        }
    }
}

TEST(ParseNetstat, RefillsTheTableAndReportsEachKeptIndexWithItsRecordInPlace) {
    ConnectionTable t;
    ParseNetstat(fixture("large.txt"), t);
    std::vector<std::string> seen;
    ParseNetstat(fixture("mixed.txt"), t, [&](int index) {
        ASSERT_EQ(index, t.count() - 1);
        seen.push_back(t[index].RemotePort);
    });
    EXPECT_EQ(t.count(), 3);
    EXPECT_EQ(seen, (std::vector<std::string>{"1032", "http", "445"}));
}

TEST(ParseNetstat, SurvivesAPassNestedThroughPendingMessages) {
    // A window event may run a forced pass on the same table while a parse lets messages run.
    ConnectionTable t;
    int nested = 0;
    const std::string inner = fixture("mixed.txt");
    setDoEventsHandler([&] {
        if (nested++ == 5) ParseNetstat(inner, t);
    });
    ParseNetstat(fixture("large.txt"), t);
    setDoEventsHandler({});
    EXPECT_GT(nested, 600);
    EXPECT_GE(t.count(), 3);
}

TEST(CollapseBlanks, EveryRunBecomesOneBlank) {
    EXPECT_EQ(CollapseBlanks("  a   b \t  c    "), " a b \t c ");
    EXPECT_EQ(CollapseBlanks(""), "");
}

TEST(TcpStateNames, NamedByTableNumberAndEmptyOutsideIt) {
    InitTcpStateNames();
    EXPECT_EQ(TcpStateName(0), "UNKNOWN");
    EXPECT_EQ(TcpStateName(5), "ESTABLISHED");
    EXPECT_EQ(TcpStateName(12), "DELETE_TCB");
    EXPECT_EQ(TcpStateName(13), "");
    EXPECT_EQ(TcpStateName(-1), "");
}

}  // namespace
}  // namespace qv::engine
