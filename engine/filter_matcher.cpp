#include "engine/filter_matcher.h"

#include <algorithm>

#include "platform/host/names.h"

namespace qv::engine {

namespace {

// The port a text names in the form a row's port is shown in: decimal digits without a leading
// zero, at most 65535.
std::optional<uint16_t> portOf(std::string_view text) {
    if (text.empty() || text.size() > 5 || (text.size() > 1 && text.front() == '0')) return std::nullopt;
    uint32_t v = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        v = v * 10 + static_cast<uint32_t>(c - '0');
    }
    if (v > 65535) return std::nullopt;
    return static_cast<uint16_t>(v);
}

// The address a key names when it is written as a row's address is shown.
std::optional<uint32_t> addressOf(std::string_view key) {
    auto a = host::addressFromDotted(key);
    if (!a || host::dottedFromAddress(*a) != key) return std::nullopt;
    return a;
}

void markPorts(const std::vector<FilterEntry>& entries, std::bitset<65536>& ports) {
    ports.reset();
    for (const FilterEntry& e : entries)
        if (auto p = e.checked ? portOf(e.text) : std::nullopt) ports.set(*p);
}

}  // namespace

void FilterMatcher::update(const FilterLists& lists, const std::array<bool, kFilterListCount>& active) {
    if (compiled_ && source_ == &lists && revision_ == lists.revision() && active_ == active) return;
    compiled_ = true;
    source_ = &lists;
    revision_ = lists.revision();
    active_ = active;

    addresses_.clear();
    if (active[kRemoteAddressList]) {
        for (const FilterEntry& e : lists.entries(kRemoteAddressList))
            if (auto a = e.checked ? addressOf(e.key) : std::nullopt) addresses_.push_back(*a);
        std::sort(addresses_.begin(), addresses_.end());
    }
    remotePorts_.reset();
    localPorts_.reset();
    if (active[kRemotePortList]) markPorts(lists.entries(kRemotePortList), remotePorts_);
    if (active[kLocalPortList]) markPorts(lists.entries(kLocalPortList), localPorts_);
}

std::optional<std::string_view> FilterMatcher::match(const host::TcpRow& row) const {
    if (row.state == host::kTcpListen) return std::nullopt;
    if (std::binary_search(addresses_.begin(), addresses_.end(), row.remoteAddress)) return kBlockedAddress;
    if (remotePorts_.test(host::portOfRow(row.remotePort))) return kBlockedRemotePort;
    if (localPorts_.test(host::portOfRow(row.localPort))) return kBlockedLocalPort;
    return std::nullopt;
}

}  // namespace qv::engine
