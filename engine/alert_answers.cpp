#include "engine/alert_answers.h"

#include <utility>

#include "engine/connection_table.h"
#include "engine/poll_pass.h"
#include "engine/process_control.h"
#include "platform/host/host.h"

namespace qv::engine {

namespace {

bool isAlertsRecord(const ConnectionRecord& r, std::string_view appPath, const ConnectionEndpoints& held) {
    return r.AppPath == appPath && EndpointsOf(r) == held;
}

// The index of the alert's record: index when it still holds it, else the first record that
// does; -1 when none does.
int alertsRecord(const ConnectionTable& table, int index, std::string_view appPath, const ConnectionEndpoints& held) {
    if (const ConnectionRecord* r = table.at(index); r && isAlertsRecord(*r, appPath, held)) return index;
    for (int i = 0; i < table.count(); ++i)
        if (isAlertsRecord(table[i], appPath, held)) return i;
    return -1;
}

}  // namespace

bool ProcessRunsPath(int32_t processId, std::string_view appPath) {
    if (processId <= 0 || appPath.empty()) return false;
    return host::currentHost().processPath(static_cast<uint32_t>(processId)) == appPath;
}

void KillProcessRunning(int32_t processId, std::string_view appPath) {
    if (ProcessRunsPath(processId, appPath)) KillProcess(processId);
}

AlertProcess::AlertProcess(int32_t processId, std::string appPath)
    : processId_(processId), appPath_(std::move(appPath)) {}

void AlertProcess::Resume() {
    if (resumed_) return;
    resumed_ = true;
    if (ProcessRunsPath(processId_, appPath_)) ResumeProcess(processId_);
}

void AlertProcess::Terminate() const { KillProcessRunning(processId_, appPath_); }

bool KillAlertConnection(int index, std::string_view appPath, const ConnectionEndpoints& held) {
    const int at = alertsRecord(Connections(), index, appPath, held);
    return at >= 0 && KillConnection(at, appPath, held);
}

}  // namespace qv::engine
