#include "engine/engine_alerts.h"

#include <memory>

#include "engine/alert_answers.h"
#include "engine/alert_markers.h"
#include "engine/alert_tag.h"
#include "engine/alert_windows.h"
#include "engine/logs.h"
#include "engine/main_window.h"
#include "engine/poll_pass.h"
#include "engine/process_control.h"
#include "engine/stores.h"
#include "engine/trojan_list.h"
#include "engine/version_reader.h"
#include "platform/base/files.h"

namespace qv::engine {

namespace {

constexpr std::string_view kAskSuffix = " . Do you want to allow this program to access the network?";

struct Risk {
    std::string_view text;
    std::string_view level;
};

// Fills the risk of an outgoing connection by the trojan list and the security level; false when
// this combination leaves the alert as it is.
bool riskFor(bool listed, int level, bool& killProcess, Risk& risk) {
    killProcess = false;
    if (!listed) {
        if (level == 2) risk = {"Suspect as remote server", "2"};
        else if (level == 1) risk = {"Suspect as normal server", "1"};
        else return false;
        return true;
    }
    if (level != 3) return false;
    risk = {"Suspect as dangerous server", "3"};
    killProcess = true;
    return true;
}

}  // namespace

std::string AlertQuestion(std::string_view description, std::string_view file, bool incoming,
                          std::string_view remoteAddress, std::string_view remotePort) {
    std::string q(description.empty() ? file : description);
    q += " (";
    q += file;
    q += incoming ? ") is allowing a connection from " : ") is trying to connect to ";
    q += remoteAddress;
    q += incoming ? " on port " : " using port ";
    q += remotePort;
    q += kAskSuffix;
    return q;
}

void AskUser(std::string_view appPathText, int index, int32_t processId) {
    const std::string appPath(appPathText);
    if (appPath.empty()) return;
    // Asked this run first: the "ALREADY" marker is a store write, made only for an application
    // about to be asked, so many connections of one application write the store once.
    if (AskedApps().contains(appPath)) return;
    if (AlreadyAsked(index)) return;
    AskedApps().insert(appPath);

    LogSecurity("Low", "- \"" + appPath + "\" attempted access.");
    SuspendProcess(processId);

    const ConnectionRecord* found = Connections().at(index);
    const ConnectionRecord r = found ? *found : ConnectionRecord{};
    const std::string desc = GetFileDescription(appPath);
    const std::string file = base::fileNameOf(appPath);

    std::shared_ptr<ConnectionAlert> alert = alertWindows().newConnectionAlert();
    if (!alert || alert->Closed()) {
        // The alert closed as it loaded (alert confirmation off), before it knew its process:
        // nobody will answer, so the process is let go here.
        ResumeProcess(processId);
        return;
    }

    const bool incoming = r.RemotePort == r.LocalPort;
    alert->setLblpath(appPath);
    if (incoming) {
        alert->setLbltrojan("Suspect incoming connection!!");
        alert->setText1("0");
        alert->setTxtfile(file);
        alert->setTxthost(r.RemoteAddress);
        alert->setTxtport(r.RemotePort);
    }
    alert->setLblDESC(AlertQuestion(desc, file, incoming, r.RemoteAddress, r.RemotePort));
    alert->setTag(AlertTagText(processId, index, appPath));
    alert->setEndpoints(EndpointsOf(r));
    alert->Show();
    alert->MakeTopMost();

    const bool listed = IsTrojanPort(r.RemotePort);
    // The lookup lets window messages run; an alert answered meanwhile is left as its answer left
    // it, but a dangerous server is still ended: the process captured above, while it still runs
    // the asked path.
    const bool open = !alert->Closed();
    const int level = mainWindow().Slider3();
    if (open && (listed || level != 3)) mainWindow().setVisible(false);
    Risk risk;
    bool killProcess = false;
    if (!riskFor(listed, level, killProcess, risk)) return;
    if (open) {
        alert->setLbltrojan(risk.text);
        alert->setText1(risk.level);
        alert->setTxtfile(file);
        alert->setTxthost(r.RemoteAddress);
        alert->setTxtport(r.RemotePort);
    }
    if (killProcess) KillProcessRunning(processId, appPath);
}

void DangerousPortCheck(int index) { DangerousPortCheck(Connections(), index); }

void DangerousPortCheck(const ConnectionTable& table, int index) {
    const ConnectionRecord* found = table.at(index);
    if (!found) return;
    const std::string port = found->LocalPort;
    const std::string remote = found->RemoteAddress;
    const std::string appPath = found->AppPath;
    const ConnectionEndpoints endpoints = EndpointsOf(*found);
    if (port.empty() || IsTrustedNetwork(remote)) return;
    if (!PendingAlerts().insert(port, remote)) return;

    cINI& guard = GuardStore();
    guard.Section("HACKERS");
    guard.Key(port);
    guard.Default("-");
    const std::string desc = guard.Value();
    if (desc == "-") return;

    LogSecurity("Moderate", "A potentially dangerous port " + port + " allowed a connection from " + remote +
                                ". This port is " + desc);
    std::shared_ptr<ServiceAlert> alert = alertWindows().newServiceAlert();
    if (alert) {
        alert->setLblDESC("The following port " + port + " has allowed a connection from " + remote +
                          ". This port is " + desc +
                          ". It could allow hackers to control your computer or utilize malicious activity. "
                          "On \"High security\" Quarvelin  automatically closes the connection, and moderate "
                          "does not close it by default. You can either choose to allow this port to be "
                          "accessed by the host or not.");
    }
    if (mainWindow().Slider3() == 3) KillConnection(table, index, appPath, endpoints);
    if (alert) {
        alert->Show();
        alert->setLblDESCTag(port);
        alert->setTag(remote);
        alert->MakeTopMost();
    }
    // An alert that closed before it had its tags cannot give its pair back itself.
    if (!alert || alert->Closed()) PendingAlerts().erase(port, remote);
}

}  // namespace qv::engine
