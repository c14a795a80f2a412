#include "platform/host/sim/sim_host.h"

#include <algorithm>

#include "platform/base/text.h"
#include "platform/host/names.h"

namespace qv::host {

SimHost SimHost::withDefaultScenario() {
    SimHost h;
    std::string error;
    // The shipped scenario is checked by the tests; a broken one leaves an empty machine.
    h.loadScenario(defaultScenarioText(), &error);
    return h;
}

void SimHost::setOwnProcess(uint32_t processId, uint32_t parentId) {
    ownPid_ = processId;
    parentPid_ = parentId;
}

void SimHost::addProcess(uint32_t processId, std::string path, const std::vector<uint32_t>& threadIds) {
    if (!processes_.count(processId)) processOrder_.push_back(processId);
    processes_[processId] = std::move(path);
    for (uint32_t t : threadIds) addThread(t, processId);
}

void SimHost::addThread(uint32_t threadId, uint32_t processId) {
    for (auto& t : threads_) {
        if (t.threadId == threadId) {
            t.ownerProcessId = processId;
            return;
        }
    }
    threads_.push_back({threadId, processId});
}

void SimHost::removeProcess(uint32_t processId) {
    processes_.erase(processId);
    std::erase(processOrder_, processId);
    std::erase_if(threads_, [&](const ThreadEntry& t) {
        if (t.ownerProcessId != processId) return false;
        suspendCounts_.erase(t.threadId);
        return true;
    });
    std::erase_if(connections_, [&](const OwnedConnection& c) { return c.processId == processId; });
}

void SimHost::addConnection(const TcpRow& row, uint32_t processId) {
    for (auto& c : connections_) {
        if (sameEndpoints(c.row, row)) {
            c = {row, processId};
            return;
        }
    }
    connections_.push_back({row, processId});
}

bool SimHost::removeConnection(const TcpRow& row) {
    return std::erase_if(connections_, [&](const OwnedConnection& c) { return sameEndpoints(c.row, row); }) > 0;
}

void SimHost::addName(const std::string& name, uint32_t address) {
    namesToAddresses_.try_emplace(base::LCase(name), address);
    addressesToNames_.try_emplace(address, name);
}

void SimHost::setFileModified(const std::string& path, const base::DateTime& when) {
    fileDates_[base::LCase(path)] = when;
}

void SimHost::setNetstatFailure(NetstatResult::Failure failure, uint32_t errorCode) {
    netstatFailure_ = failure;
    netstatError_ = errorCode;
}

int SimHost::suspendCount(uint32_t threadId) const {
    auto it = suspendCounts_.find(threadId);
    return it == suspendCounts_.end() ? 0 : it->second;
}

bool SimHost::isSuspended(uint32_t processId) const {
    return std::any_of(threads_.begin(), threads_.end(), [&](const ThreadEntry& t) {
        return t.ownerProcessId == processId && suspendCount(t.threadId) > 0;
    });
}

bool SimHost::readTcpTable(std::vector<TcpRow>& rows) {
    rows.clear();
    rows.reserve(connections_.size());
    for (const auto& c : connections_) rows.push_back(c.row);
    return true;
}

bool SimHost::setTcpEntry(const TcpRow& row) {
    if (row.state != kTcpDeleteTcb || !canDelete_) return false;
    for (auto it = connections_.begin(); it != connections_.end(); ++it) {
        if (sameEndpoints(it->row, row)) {
            deleted_.push_back(it->row);
            connections_.erase(it);
            return true;
        }
    }
    return false;
}

std::vector<uint32_t> SimHost::processIds() { return processOrder_; }

std::string SimHost::processPath(uint32_t processId) {
    auto it = processes_.find(processId);
    return it == processes_.end() ? std::string() : it->second;
}

bool SimHost::mayControlProcess(uint32_t processId) const {
    return processId != 0 && processId != 1 && processId != ownPid_ && processId != parentPid_;
}

std::optional<uint32_t> SimHost::ownerOf(uint32_t threadId) const {
    for (const auto& t : threads_)
        if (t.threadId == threadId) return t.ownerProcessId;
    return std::nullopt;
}

std::optional<uint32_t> SimHost::controllableOwner(uint32_t threadId) {
    auto owner = ownerOf(threadId);
    if (!owner) return std::nullopt;
    if (!mayControlProcess(*owner)) {
        refused_.push_back(*owner);
        return std::nullopt;
    }
    return owner;
}

int SimHost::suspendThread(uint32_t threadId) {
    if (!controllableOwner(threadId)) return kThreadCallFailed;
    return suspendCounts_[threadId]++;
}

int SimHost::resumeThread(uint32_t threadId) {
    if (!controllableOwner(threadId)) return kThreadCallFailed;
    auto it = suspendCounts_.find(threadId);
    if (it == suspendCounts_.end()) return 0;
    int before = it->second;
    if (--it->second <= 0) suspendCounts_.erase(it);
    return before;
}

bool SimHost::terminateProcess(uint32_t processId, uint32_t exitCode) {
    if (!mayControlProcess(processId)) {
        refused_.push_back(processId);
        return false;
    }
    if (!processes_.count(processId)) return false;
    removeProcess(processId);
    terminated_.push_back({processId, exitCode});
    return true;
}

NetstatResult SimHost::runNetstat() {
    NetstatResult r;
    r.failure = netstatFailure_;
    if (netstatFailure_ != NetstatResult::kNone) {
        r.errorCode = netstatError_;
        return r;
    }
    r.output = netstatText(connections_);
    return r;
}

std::optional<uint32_t> SimHost::hostByName(std::string_view name) {
    if (auto a = addressFromDotted(name)) return a;
    auto it = namesToAddresses_.find(base::LCase(name));
    if (it == namesToAddresses_.end()) return std::nullopt;
    return it->second;
}

std::optional<std::string> SimHost::hostByAddress(uint32_t address) {
    auto it = addressesToNames_.find(address);
    if (it == addressesToNames_.end()) return std::nullopt;
    return it->second;
}

std::optional<base::DateTime> SimHost::fileModified(std::string_view path) {
    auto it = fileDates_.find(base::LCase(path));
    if (it == fileDates_.end()) return std::nullopt;
    return it->second;
}

}  // namespace qv::host
