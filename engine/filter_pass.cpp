#include "engine/filter_pass.h"

#include <string>
#include <vector>

#include "engine/address.h"
#include "engine/connection_closer.h"
#include "engine/filter_matcher.h"
#include "engine/filter_windows.h"
#include "engine/main_window.h"
#include "engine/port_log.h"
#include "engine/running_flag.h"
#include "engine/ui_hooks.h"
#include "platform/base/clock.h"
#include "platform/host/host.h"

namespace qv::engine {

namespace {

constexpr int kBlockedLog = 2;  // `chkLog(2)` "Blocked connections"

std::string portText(uint32_t rowPortValue) { return std::to_string(host::portOfRow(rowPortValue)); }

// The filter switch and lists as the windows hold them now, ready in matcher. False when
// filtering is off.
bool takeFilters(FilterMatcher& matcher) {
    FilterWindow& f = filterWindow();
    if (!f.Filtering()) return false;
    MainWindow& w = mainWindow();
    matcher.update(f.lvwFilter(), {w.chkAct(0) == 1, w.chkAct(1) == 1, w.chkAct(2) == 1});
    return true;
}

// Closes every row that matches, with a port-log row for each one closed.
void closeMatchingRows(const std::vector<host::TcpRow>& rows, FilterState& s) {
    static FilterMatcher matcher;
    if (!takeFilters(matcher)) return;
    for (const host::TcpRow& row : rows) {
        auto status = matcher.match(row);
        if (!status) continue;
        if (CloseTcpRow(row)) {
            s.closed = true;
            MainWindow& w = mainWindow();
            if (w.chkLog(kBlockedLog) == 1 && w.Logging())
                AddPortLog(IpToString(row.remoteAddress), portText(row.localPort), portText(row.remotePort), *status,
                           base::TimeNow(), true);
        }
        DoEvents();
        // The switch, the lists and the boxes may have moved meanwhile.
        if (!takeFilters(matcher)) return;
    }
}

void watchIcmp(FilterState& s) {
    auto icmp = host::currentHost().icmpStatistics();
    if (!icmp) {
        AddPortLog("ICMP", "ICMP failure", "", "", base::TimeNow(), false);
        return;
    }
    uint32_t requests = icmp->out.echos;
    uint32_t replies = icmp->out.echoReps;
    if (requests + replies == s.echoSum) return;
    AddPortLog("ICMP", "Echo Requests: " + std::to_string(requests), "Echo Replies: " + std::to_string(replies), "",
               base::TimeNow(), false);
    s.echoSum = requests + replies;
}

}  // namespace

FilterState& filterState() {
    static FilterState state;
    return state;
}

void FilterPass() {
    FilterState& s = filterState();
    if (s.running) return;
    RunningFlag running(s.running);
    s.closed = false;

    static std::vector<host::TcpRow> rows;
    if (!host::currentHost().readTcpTable(rows)) rows.clear();
    const int count = static_cast<int>(rows.size());
    if (count != s.rowCount) {
        portWindow().RefreshNS();
        closeMatchingRows(rows, s);
        s.rowCount = count;
    }
    watchIcmp(s);
    if (s.closed) portWindow().RefreshNS();
}

void ResetEchoSum() { filterState().echoSum = 0; }

}  // namespace qv::engine
