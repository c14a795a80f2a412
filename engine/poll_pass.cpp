#include "engine/poll_pass.h"

#include <string>
#include <unordered_map>
#include <unordered_set>

#include "engine/alert_windows.h"
#include "engine/connection_closer.h"
#include "engine/engine_alerts.h"
#include "engine/logs.h"
#include "engine/main_window.h"
#include "engine/netstat_parser.h"
#include "engine/netstat_runner.h"
#include "engine/pass_rules.h"
#include "engine/process_control.h"
#include "engine/rule_action.h"
#include "engine/running_flag.h"
#include "engine/stores.h"
#include "engine/tcp_rows.h"
#include "engine/tray_status.h"
#include "engine/ui_hooks.h"
#include "engine/user_settings.h"
#include "engine/version_reader.h"
#include "platform/base/files.h"
#include "platform/base/program_folder.h"

namespace qv::engine {

namespace {

// The program's own updater, in the form paths are compared in: exact, except that "\" and "/"
// name the same separator.
std::string updaterPath() { return base::nativePath(base::programFolder() + "\\Updates\\update.exe"); }

void logAndCount(const ConnectionRecord& r, TrafficCounts& counts) {
    if (r.RemotePort != r.LocalPort || r.LocalPort.empty()) {
        LogTraffic("Outbound", r.AppPath + " sent traffic to " + r.RemoteAddress + " on port " + r.RemotePort + ".");
        ++counts.Outbound;
    } else {
        LogTraffic("Incoming",
                   r.AppPath + " allowed traffic from " + r.RemoteAddress + " on port " + r.LocalPort + ".");
        ++counts.Incoming;
    }
}

// Decides one connection by the permission boxes and its rule. False when the pass leaves its
// loop here ("Allow all for connection").
bool decide(int i, const ConnectionRecord& r, TrafficCounts& counts, const std::string& updater, PassRules& rules) {
    MainWindow& w = mainWindow();
    logAndCount(r, counts);
    if (w.Check1() == 1) return false;
    if (w.Check2() == 1) {
        ++counts.Blocked;
        KillConnection(i, r.AppPath, EndpointsOf(r));
        return true;
    }
    switch (RuleActionOf(rules.rule(r.AppPath))) {
        case RuleAction::Ask:
            if (alertWindows().blockAllVisible()) {
                KillConnection(i, r.AppPath, EndpointsOf(r));
            } else if (base::nativePath(r.AppPath) == updater) {
                MsgBox(r.AppPath, kMbOk);
            } else {
                AskUser(r.AppPath, i, r.ProcessId);
            }
            break;
        case RuleAction::Block:
            ++counts.Blocked;
            KillConnection(i, r.AppPath, EndpointsOf(r));
            break;
        case RuleAction::Terminate:
            KillProcess(r.ProcessId);
            break;
        case RuleAction::Trust:
        case RuleAction::Other:
            break;
    }
    return true;
}

void showTrayStatus(const TrafficCounts& now, const TrafficCounts& before) {
    auto status = TrayStatusFor(now.Incoming != before.Incoming, now.Outbound != before.Outbound,
                                now.Blocked != before.Blocked);
    if (!status) return;
    mainWindow().setTrayIcon(status->image);
    mainWindow().setTrayTip(status->tip);
}

// The application list and counters of the visible main window: one row per process, the row of
// its first record. Block and Terminate rules are enforced once more on every record.
void refillMainWindow(const TrafficCounts& counts, PassRules& rules) {
    MainWindow& w = mainWindow();
    w.lvFirewallClear();
    w.setLblIncoming(std::to_string(counts.Incoming));
    w.setLblOutgoing(std::to_string(counts.Outbound));
    w.setUcSlider1Value(std::to_string(counts.Incoming));
    w.setUcSlider2Value(std::to_string(counts.Outbound));
    w.setLblBlocked(std::to_string(counts.Blocked));
    SaveSetting(kSettingsApp, "graph", "out", std::to_string(counts.Outbound));
    SaveSetting(kSettingsApp, "graph", "in", std::to_string(counts.Incoming));
    SaveSetting(kSettingsApp, "graph", "block", std::to_string(counts.Blocked));

    // Stamps and version texts by application: the same for every connection of it in one refill.
    std::unordered_map<std::string, AppListItem> seen;
    std::unordered_set<int32_t> listedProcesses;
    for (int i = 0; i < Connections().count(); ++i) {
        const ConnectionRecord r = Connections()[i];
        auto known = seen.find(r.AppPath);
        if (known == seen.end()) {
            CheckAppStamp(r.AppPath);
            AppListItem first;
            if (!r.AppPath.empty()) {
                first.description = GetFileDescription(r.AppPath);
                if (first.description.empty()) first.description = "(No Application Name)";
                first.version = GetFileVersion(r.AppPath);
                first.path = r.AppPath;
            }
            known = seen.emplace(r.AppPath, std::move(first)).first;
        }
        if (r.AppPath.empty()) continue;
        int position = -1;
        if (listedProcesses.insert(r.ProcessId).second) {
            AppListItem item = known->second;
            item.tag = i;
            position = w.lvFirewallAdd(item);
        }
        switch (RuleActionOf(rules.rule(r.AppPath))) {
            case RuleAction::Block:
                KillConnection(i, r.AppPath, EndpointsOf(r));
                break;
            case RuleAction::Terminate:
                KillProcess(r.ProcessId);
                if (position >= 0) w.lvFirewallRemove(position);
                break;
            default:
                break;
        }
    }
}

// One full pass, run to its end whatever the window events it lets run ask for meanwhile.
void fullPass() {
    PollState& s = pollState();

    ConnectionTable fresh;
    ParseNetstat(RunNetstat(), fresh, [&fresh](int index) {
        int level = mainWindow().Slider3();
        if (level == 2 || level == 3) DangerousPortCheck(fresh, index);
    });
    if (s.ended) return;
    FillAppPaths(fresh);
    Connections() = std::move(fresh);

    s.previous = s.completed;
    s.counts = TrafficCounts{};
    const std::string updater = updaterPath();
    PassRules rules;
    for (int i = 0; i < Connections().count(); ++i) {
        // A copy: the steps below may let window messages run.
        const ConnectionRecord r = Connections()[i];
        bool goOn = decide(i, r, s.counts, updater, rules);
        if (!goOn) break;
        DoEvents();
        if (s.ended) return;
    }

    showTrayStatus(s.counts, s.previous);
    RuleStore().Path(RuleStorePath());
    if (mainWindow().Visible()) refillMainWindow(s.counts, rules);
    mainWindow().enableTimer2();
    s.completed = s.counts;
}

}  // namespace

PollState& pollState() {
    static PollState state;
    return state;
}

bool TcpTableChanged(bool force) {
    int count = FillTcpRowBuffer();
    PollState& s = pollState();
    if (!force && count == s.lastRowCount) return false;
    s.lastRowCount = count;
    return true;
}

void PollConnections(bool force) {
    PollState& s = pollState();
    if (s.ended) return;
    if (!TcpTableChanged(false) && !force) return;
    if (s.running) {
        s.rerun = true;
        return;
    }
    RunningFlag running(s.running);
    LogFilesHeld logs;
    do {
        s.rerun = false;
        fullPass();
    } while (s.rerun && !s.ended);
}

void EndPasses() { pollState().ended = true; }
bool PassesEnded() { return pollState().ended; }

bool KillConnection(int index, std::string_view appPath, const ConnectionEndpoints& held) {
    return KillConnection(Connections(), index, appPath, held);
}

bool KillConnection(const ConnectionTable& table, int index, std::string_view appPath,
                    const ConnectionEndpoints& held) {
    const ConnectionRecord* found = table.at(index);
    if (!found || found->AppPath != appPath || EndpointsOf(*found) != held) return false;
    const ConnectionRecord r = *found;
    FillTcpRowBuffer();
    auto row = FindTcpRow(r, TcpRowBuffer());
    if (!row || !CloseTcpRow(*row)) return false;
    LogTraffic("Blocked", r.AppPath + " traffic was blocked. Remote Computer was " + r.RemoteAddress + " on port " +
                              r.RemotePort + ".");
    return true;
}

}  // namespace qv::engine
