#include "engine/netstat_runner.h"

#include <unordered_map>
#include <vector>

#include "platform/host/host.h"

namespace qv::engine {

std::string RunNetstat() {
    host::NetstatResult r = host::currentHost().runNetstat();
    switch (r.failure) {
        case host::NetstatResult::kStartFailed:
            return "Error: CreateProcess failed. " + std::to_string(r.errorCode);
        case host::NetstatResult::kReadFailed:
            return "Error: ReadFile failed. " + std::to_string(r.errorCode);
        case host::NetstatResult::kNone:
            break;
    }
    return std::move(r.output);
}

std::string WindowsDirectory() {
    std::string dir = host::currentHost().windowsDirectory();
    if (dir.empty() || (dir.back() != '\\' && dir.back() != '/')) dir += '\\';
    return dir;
}

void FillAppPaths(ConnectionTable& table) {
    // Record indexes by process id, so each process is read once however many records it owns.
    std::unordered_map<uint32_t, std::vector<int>> byProcess;
    byProcess.reserve(static_cast<std::size_t>(table.count()));
    for (int i = 0; i < table.count(); ++i)
        byProcess[static_cast<uint32_t>(table[i].ProcessId)].push_back(i);

    host::Host& h = host::currentHost();
    for (uint32_t pid : h.processIds()) {
        auto it = byProcess.find(pid);
        if (it == byProcess.end()) continue;
        std::string path = h.processPath(pid);
        if (path.empty()) continue;
        for (int i : it->second) table[i].AppPath = path;
        byProcess.erase(it);
    }
}

void FillAppPaths() { FillAppPaths(Connections()); }

}  // namespace qv::engine
