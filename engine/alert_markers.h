#pragma once
// The engine's run-long memory of what it has already raised: the applications it asked about
// (AskedApps) and the (local port, remote address) pairs its dangerous-port check examined
// (PendingAlerts). Kept as sets, so one entry can never match or free another.
#include <set>
#include <string>
#include <string_view>
#include <utility>

namespace qv::engine {

class AskedAppSet {
public:
    bool contains(std::string_view appPath) const { return apps_.find(appPath) != apps_.end(); }
    // False when the application was there already.
    bool insert(std::string_view appPath) { return apps_.emplace(appPath).second; }
    void clear() { apps_.clear(); }
    std::size_t size() const { return apps_.size(); }

private:
    std::set<std::string, std::less<>> apps_;
};

class PortAddressSet {
public:
    using Pair = std::pair<std::string, std::string>;  // local port, remote address

    bool contains(std::string_view port, std::string_view remote) const {
        return pairs_.count(Pair(port, remote)) != 0;
    }
    // False when the pair was there already.
    bool insert(std::string_view port, std::string_view remote) { return pairs_.emplace(port, remote).second; }
    // Removes the pair; nothing else.
    void erase(std::string_view port, std::string_view remote) { pairs_.erase(Pair(port, remote)); }
    void clear() { pairs_.clear(); }
    std::size_t size() const { return pairs_.size(); }

private:
    std::set<Pair> pairs_;
};

// Applications asked about in this run; an application listed here is not asked again.
AskedAppSet& AskedApps();
// Connections the dangerous-port check examined; a pair listed here is not examined again until
// its alert closes and erases it.
PortAddressSet& PendingAlerts();

}  // namespace qv::engine
