#pragma once
// The checked entries of the active filter lists in the form the filter pass matches TCP rows
// against: addresses and ports as numbers, so a row costs three lookups whatever the lists hold.
// An entry counts only when a row can equal it: an address key in the dotted form a row's
// address is shown in ("10.0.0.9"), a port in the decimal form of a row's port ("80", not "080").
#include <array>
#include <bitset>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "engine/filter_lists.h"
#include "platform/host/tcp_table.h"

namespace qv::engine {

inline constexpr std::string_view kBlockedAddress = "Blocked Address";
inline constexpr std::string_view kBlockedRemotePort = "Blocked Remote Port";
inline constexpr std::string_view kBlockedLocalPort = "Blocked Local Port";

class FilterMatcher {
public:
    // Takes the lists and the activation of each (`chkAct(0..2)` at 1) as they are now; the work
    // is done again only when either moved since the last call.
    void update(const FilterLists& lists, const std::array<bool, kFilterListCount>& active);

    // The status of the first list, in the order addresses, remote ports, local ports, that is
    // active and holds a checked entry for the row; nothing for none, and for every listening row.
    std::optional<std::string_view> match(const host::TcpRow& row) const;

private:
    bool compiled_ = false;
    const FilterLists* source_ = nullptr;
    uint64_t revision_ = 0;
    std::array<bool, kFilterListCount> active_{};
    std::vector<uint32_t> addresses_;  // sorted
    std::bitset<65536> remotePorts_;
    std::bitset<65536> localPorts_;
};

}  // namespace qv::engine
