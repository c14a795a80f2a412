#pragma once
// What a connection alert's answers do to the process and the connection it was opened for. The
// alert keeps the process id and path of its Tag and the endpoints of its connection; window
// events and passes run while it is open, so by the time it is answered its record index may name
// another connection and its process id another process. These calls act only on the alert's own.
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/alert_tag.h"
#include "engine/connection_record.h"

namespace qv::engine {

// True while processId runs the executable appPath (an empty path never matches).
bool ProcessRunsPath(int32_t processId, std::string_view appPath);

// Ends processId, only while it still runs appPath.
void KillProcessRunning(int32_t processId, std::string_view appPath);

// The process an alert holds suspended.
class AlertProcess {
public:
    AlertProcess() = default;  // no process: every call does nothing
    AlertProcess(int32_t processId, std::string appPath);
    explicit AlertProcess(const AlertTag& tag) : AlertProcess(tag.processId, tag.appPath) {}

    int32_t processId() const { return processId_; }
    const std::string& appPath() const { return appPath_; }

    // Lets the process go: the first call only (Allow and the close step both ask), and only
    // while the process id still runs the alert's path.
    void Resume();
    // The Terminate answer: ends the process, only while its id still runs the alert's path.
    void Terminate() const;

private:
    int32_t processId_ = 0;
    std::string appPath_;
    bool resumed_ = false;
};

// The Block answer: closes the alert's own connection, the record of appPath with the held
// endpoints (at index, or wherever the last pass put it), when it is still in the TCP table;
// nothing otherwise. True when it was closed.
bool KillAlertConnection(int index, std::string_view appPath, const ConnectionEndpoints& held);

}  // namespace qv::engine
